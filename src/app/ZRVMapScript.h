#pragma once

#include "recording/ZRVDriveTrack.h"

#include <cstddef>
#include <span>
#include <string>

// The script texts the viewer runs in its map page.
class ZRVMapScript {
public:
    // "setLatLag('126.980000','37.525000')": the page takes the longitude
    // first.
    static std::string setLatLag(double longitude, double latitude);
    // What the page is told for a recording without GPS records.
    static std::string noGpsRecords();
    // "setTrack([{lat, lng, kmh, p}, ...])": the whole drive, each point with
    // the play position it stands for, so that a click on it can seek there.
    // `recordCount` is the number of GPS records the points were made from.
    static std::string setTrack(std::span<const ZRVTrackPoint> track, std::size_t recordCount);
};
