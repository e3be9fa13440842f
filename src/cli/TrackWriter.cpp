#include "cli/TrackWriter.h"

#include "cli/JsonWriter.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string xmlEscaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
                escaped += c;
            }
        }
    }
    return escaped;
}

std::string timeText(const ZRVTrackPoint& point) {
    return point.utc ? ZRVDriveTrack::isoTime(*point.utc).value_or("") : "";
}

} // namespace

void TrackWriter::write(std::ostream& out, Format format, const std::string& name,
                        const std::vector<ZRVTrackPoint>& track) {
    switch (format) {
    case Format::csv:
        writeCsv(out, track);
        break;
    case Format::gpx:
        writeGpx(out, name, track);
        break;
    case Format::kml:
        writeKml(out, name, track);
        break;
    case Format::geoJson:
        writeGeoJson(out, name, track);
        break;
    }
}

void TrackWriter::writeCsv(std::ostream& out, const std::vector<ZRVTrackPoint>& track) {
    out << "utc,timestamp_ms,latitude,longitude,speed_kmh\n";
    for (const ZRVTrackPoint& point : track) {
        out << timeText(point) << ',' << point.timestampMs << ',' << fixed(point.latitude, 6) << ','
            << fixed(point.longitude, 6) << ',' << fixed(point.speedKmh, 1) << '\n';
    }
}

void TrackWriter::writeGpx(std::ostream& out, const std::string& name,
                           const std::vector<ZRVTrackPoint>& track) {
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"zorva-tool\""
           " xmlns=\"http://www.topografix.com/GPX/1/1\""
           " xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\">\n"
           "  <trk>\n"
           "    <name>"
        << xmlEscaped(name)
        << "</name>\n"
           "    <trkseg>\n";
    for (const ZRVTrackPoint& point : track) {
        out << "      <trkpt lat=\"" << fixed(point.latitude, 7) << "\" lon=\""
            << fixed(point.longitude, 7) << "\">";
        if (point.utc) {
            out << "<time>" << timeText(point) << "</time>";
        }
        if (point.satellites) {
            out << "<sat>" << *point.satellites << "</sat>";
        }
        if (point.hdop) {
            out << "<hdop>" << fixed(*point.hdop, 2) << "</hdop>";
        }
        out << "<extensions><gpxtpx:TrackPointExtension><gpxtpx:speed>"
            << fixed(point.speedKmh / 3.6, 2)
            << "</gpxtpx:speed></gpxtpx:TrackPointExtension></extensions></trkpt>\n";
    }
    out << "    </trkseg>\n"
           "  </trk>\n"
           "</gpx>\n";
}

// Google Earth plays a gx:Track along its times; a drive with a point
// before the first time was received is drawn as a plain line instead, since
// a gx:Track needs a time for every point.
void TrackWriter::writeKml(std::ostream& out, const std::string& name,
                           const std::vector<ZRVTrackPoint>& track) {
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<kml xmlns=\"http://www.opengis.net/kml/2.2\""
           " xmlns:gx=\"http://www.google.com/kml/ext/2.2\">\n"
           "  <Document>\n"
           "    <name>"
        << xmlEscaped(name)
        << "</name>\n"
           "    <Style id=\"drive\"><LineStyle><color>ff0000ff</color><width>4</width>"
           "</LineStyle></Style>\n";
    if (!track.empty()) {
        out << "    <Placemark>\n"
               "      <name>"
            << xmlEscaped(name)
            << "</name>\n"
               "      <styleUrl>#drive</styleUrl>\n";
        const auto coordinates = [&](const ZRVTrackPoint& point, char separator) {
            return fixed(point.longitude, 7) + separator + fixed(point.latitude, 7) + separator +
                   "0";
        };
        if (std::all_of(track.begin(), track.end(), [](const auto& point) { return point.utc; })) {
            out << "      <gx:Track>\n";
            for (const ZRVTrackPoint& point : track) {
                out << "        <when>" << timeText(point) << "</when>\n";
            }
            for (const ZRVTrackPoint& point : track) {
                out << "        <gx:coord>" << coordinates(point, ' ') << "</gx:coord>\n";
            }
            out << "      </gx:Track>\n";
        } else {
            out << "      <LineString><tessellate>1</tessellate><coordinates>\n";
            for (const ZRVTrackPoint& point : track) {
                out << "        " << coordinates(point, ',') << "\n";
            }
            out << "      </coordinates></LineString>\n";
        }
        out << "    </Placemark>\n";
    }
    out << "  </Document>\n"
           "</kml>\n";
}

void TrackWriter::writeGeoJson(std::ostream& out, const std::string& name,
                               const std::vector<ZRVTrackPoint>& track) {
    JsonWriter json(out);
    json.beginObject().field("type", "FeatureCollection").field("name", name);
    json.key("features").beginArray();
    for (const ZRVTrackPoint& point : track) {
        json.beginObject().field("type", "Feature");
        json.key("geometry")
            .beginObject()
            .field("type", "Point")
            .key("coordinates")
            .beginArray()
            .value(point.longitude)
            .value(point.latitude)
            .endArray()
            .endObject();
        json.key("properties").beginObject();
        if (point.utc) {
            json.field("time", timeText(point));
        }
        json.field("timestamp_ms", point.timestampMs).field("speed_kmh", point.speedKmh);
        json.endObject().endObject();
    }
    json.endArray().endObject();
    out << "\n";
}
