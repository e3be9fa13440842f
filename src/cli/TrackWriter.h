#pragma once

#include "recording/ZRVDriveTrack.h"

#include <ostream>
#include <string>
#include <vector>

// Writes a drive as a track file other programs read: GPX 1.1 (satellites
// and HDOP of the fix, speed in the Garmin track point extension, in metres
// per second as that schema says), KML for Google Earth, GeoJSON (one Point
// feature per position) or comma-separated text.
class TrackWriter {
public:
    enum class Format { csv, gpx, kml, geoJson };

    static void write(std::ostream& out, Format format, const std::string& name,
                      const std::vector<ZRVTrackPoint>& track);

private:
    static void writeCsv(std::ostream& out, const std::vector<ZRVTrackPoint>& track);
    static void writeGpx(std::ostream& out, const std::string& name,
                         const std::vector<ZRVTrackPoint>& track);
    static void writeKml(std::ostream& out, const std::string& name,
                         const std::vector<ZRVTrackPoint>& track);
    static void writeGeoJson(std::ostream& out, const std::string& name,
                             const std::vector<ZRVTrackPoint>& track);
};
