#include "app/ZRVMapScript.h"

#include <cstdio>

std::string ZRVMapScript::setLatLag(double longitude, double latitude) {
    char text[128];
    std::snprintf(text, sizeof text, "setLatLag('%lf','%lf')", longitude, latitude);
    return text;
}

std::string ZRVMapScript::noGpsRecords() {
    return "ZRVDebug('GPS Data Count=Zero')";
}

std::string ZRVMapScript::setTrack(std::span<const ZRVTrackPoint> track, std::size_t recordCount) {
    std::string script = "setTrack([";
    script.reserve(script.size() + track.size() * 64 + 2);
    char point[160];
    for (std::size_t i = 0; i < track.size(); ++i) {
        const ZRVTrackPoint& p = track[i];
        const double position =
            recordCount > 0 ? static_cast<double>(p.recordIndex) / static_cast<double>(recordCount)
                            : 0.0;
        std::snprintf(point, sizeof point, "%s{\"lat\":%.6f,\"lng\":%.6f,\"kmh\":%.1f,\"p\":%.6f}",
                      i == 0 ? "" : ",", p.latitude, p.longitude, p.speedKmh, position);
        script += point;
    }
    script += "])";
    return script;
}
