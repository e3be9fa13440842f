#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

// One column of the driving-record table. Its position in
// kDriveRecordColumns is its tag: the column index that
// ZRVDriveRecordFile::stringForColumnIndex takes.
struct ZRVDriveRecordColumn {
    // Gives the shown text of a string-table key; without one the key is shown.
    using TitleLookup = std::function<std::string(std::string_view key)>;

    std::string_view title; // a string-table key, or the text itself when !titleIsKey
    bool titleIsKey = true;
    int width = 0; // points

    std::string titleText(const TitleLookup& lookup) const {
        return titleIsKey && lookup ? lookup(title) : std::string(title);
    }
};

inline constexpr std::array<ZRVDriveRecordColumn, 15> kDriveRecordColumns = {{
    {"setting.flashdata.index", true, 38},
    {"setting.flashdata.seq", true, 38},
    {"setting.flashdata.date", true, 86},
    {"setting.flashdata.time", true, 72},
    {"setting.flashdata.yoil", true, 70},
    {"setting.flashdata.lat", true, 64},
    {"setting.flashdata.lon", true, 72},
    {"setting.flashdata.driving_distance", true, 60},
    {"setting.flashdata.cur_speed", true, 60},
    {"setting.flashdata.max_speed", true, 60},
    {"setting.flashdata.value", true, 48},
    {"X", false, 48},
    {"Y", false, 48},
    {"Z", false, 48},
    {"setting.flashdata.battery", true, 60},
}};
