#include "cli/TelemetryCommand.h"

#include "cli/CommandArguments.h"
#include "cli/JsonWriter.h"
#include "cli/RecordingInput.h"
#include "cli/TrackWriter.h"
#include "recording/ZRVBlackBoxData.h"
#include "recording/ZRVDriveTrack.h"

#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <type_traits>

namespace {

const char* const kUsage =
    "usage: zorva-tool telemetry FILE [--format json|csv|gpx|kml|geojson|summary]\n"
    "\n"
    "Reads the G-sensor samples, GPS records and NMEA fixes that the camera\n"
    "stored in a recording.\n"
    "\n"
    "  json     (default) {\"gsensors\": [[x,y,z],...], \"gps\": [...], \"fixes\": [...]}:\n"
    "           the samples, the GPS records lined up with the samples, and one\n"
    "           decoded fix per NMEA sentence, values as stored\n"
    "  csv, gpx, kml, geojson\n"
    "           the drive as a track: one point per GPS record, signed decimal\n"
    "           degrees, UTC time and speed in km/h (GPX also gives satellites\n"
    "           and HDOP; KML is for Google Earth and has no speed)\n"
    "  summary  counts and the start and end of the track, for people\n"
    "\n"
    "A recording cut short (its index lost or cut off) is read chunk by chunk\n"
    "instead; stderr then says \"recovered N records from a recording without\n"
    "index\" and the exit status stays 0.\n";

std::string character(char c) {
    return std::string(1, c);
}

void writeGps(JsonWriter& json, const ZRVAviGpsData& data) {
    const _AVI_GPS_DATA_T record = data.record();
    json.beginObject()
        .field("timestamp", record.nTimestamp)
        .field("latitude", record.fLatitude)
        .field("longitude", record.fLongitude)
        .field("speed", record.fSpeed)
        .field("unit", record.KM == '9' ? "km/h" : "mph")
        .endObject();
}

void writeFix(JsonWriter& json, const ZRVGpsData& fix) {
    json.beginObject().key("utc");
    if (const auto utc = ZRVDriveTrack::isoTime(fix.Now)) {
        json.value(*utc);
    } else {
        json.null();
    }
    json.field("ns", character(fix.NS))
        .field("ew", character(fix.EW))
        .field("hdop", fix.HDOP)
        .field("satellites", fix.SatelliteUsedCount)
        .field("speed_knots", fix.SpeedOverGround)
        .field("course", fix.CourseOverGround)
        .field("latitude", fix.Latitude)
        .field("longitude", fix.Longitude)
        .endObject();
}

// One value per item, its text made again only when the item differs from
// the one before: a GPS record stands for each of the ten samples it is lined
// up with (the same object, so not even compared), and about half of the
// fixes repeat the one before.
template <typename Items, typename Write>
void writeEach(JsonWriter& json, const Items& items, Write write) {
    std::ostringstream text;
    JsonWriter itemJson(text);
    const std::remove_cvref_t<decltype(items[0])>* previous = nullptr;
    for (std::size_t k = 0; k < items.size(); ++k) {
        const auto& item = items[k];
        if (previous == nullptr || (&item != previous && !(item == *previous))) {
            text.str({});
            write(itemJson, item);
            previous = &item;
        }
        json.rawValue(text.view());
    }
}

void printJson(const ZRVBlackBoxData& telemetry) {
    JsonWriter json(std::cout);
    json.beginObject().key("gsensors").beginArray();
    for (const ZRVGSensor& sample : telemetry.gSensors()) {
        json.beginArray().value(sample.x).value(sample.y).value(sample.z).endArray();
    }
    json.endArray().key("gps").beginArray();
    writeEach(json, telemetry.gpsData(), writeGps);
    json.endArray().key("fixes").beginArray();
    writeEach(json, telemetry.nmeaFixes(), writeFix);
    json.endArray().endObject();
    std::cout << "\n";
}

void printPoint(const char* label, const ZRVTrackPoint& point) {
    std::printf("%-10s %s  %.6f, %.6f  %.0f km/h\n", label,
                point.utc ? ZRVDriveTrack::isoTime(*point.utc)->c_str() : "(no time)",
                point.latitude, point.longitude, point.speedKmh);
}

void printSummary(const std::string& path, const ZRVBlackBoxData& telemetry,
                  const std::vector<ZRVTrackPoint>& track) {
    std::printf("recording  %s\n", path.c_str());
    std::printf("samples    %zu G-sensor samples\n", telemetry.gSensors().size());
    std::printf("gps        %zu GPS records (%zu lined up with the samples)\n",
                telemetry.gpsRecords().size(), telemetry.gpsData().size());
    std::printf("fixes      %zu NMEA sentences decoded\n", telemetry.nmeaFixes().size());
    std::printf("track      %zu points\n", track.size());
    if (!track.empty()) {
        printPoint("start", track.front());
        printPoint("end", track.back());
    }
}

} // namespace

int runTelemetryCommand(const std::vector<std::string>& arguments) {
    CommandArguments args(
        arguments,
        {.valueOptions = {"--format"}, .flags = {}, .minPositionals = 1, .maxPositionals = 1});
    if (args.helpRequested()) {
        std::cout << kUsage;
        return ExitCode::success;
    }
    const std::string format = args.value("--format").value_or("json");
    const std::map<std::string, TrackWriter::Format> trackFormats = {
        {"csv", TrackWriter::Format::csv},
        {"gpx", TrackWriter::Format::gpx},
        {"kml", TrackWriter::Format::kml},
        {"geojson", TrackWriter::Format::geoJson},
    };
    if (args.usageError()) {
        return reportUsageError("telemetry", *args.usageError(), kUsage);
    }
    if (format != "json" && format != "summary" && !trackFormats.contains(format)) {
        return reportUsageError("telemetry", "unknown format " + format, kUsage);
    }

    const std::string& path = args.positionals().front();
    ZRVBlackBoxData telemetry;
    if (!readRecordingTelemetry("telemetry", path, telemetry)) {
        return ExitCode::badInput;
    }

    if (format == "json") {
        printJson(telemetry);
        return ExitCode::success;
    }
    const std::vector<ZRVTrackPoint> track = ZRVDriveTrack::fromTelemetry(telemetry);
    if (format == "summary") {
        printSummary(path, telemetry, track);
    } else {
        TrackWriter::write(std::cout, trackFormats.at(format),
                           std::filesystem::path(path).stem().string(), track);
    }
    return ExitCode::success;
}
