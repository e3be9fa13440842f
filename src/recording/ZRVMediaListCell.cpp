#include "recording/ZRVMediaListCell.h"

#include <cstdio>

namespace {

bool hasKnownTime(const ZRVMedia& media) {
    return media.year() >= 1;
}

} // namespace

const std::array<ZRVMediaListCell::Column, 4>& ZRVMediaListCell::columns() {
    static const std::array<Column, 4> list{{
        {"saveMode", "filelist.mode", Alignment::centre},
        {"date", "filelist.date", Alignment::centre},
        {"time", "filelist.time", Alignment::centre},
        {"file", "filelist.file", Alignment::left},
    }};
    return list;
}

std::string_view ZRVMediaListCell::modeKey(ZRVMediaDivision division) {
    switch (division) {
    case ZRVMediaDivision::always:
        return "media.always";
    case ZRVMediaDivision::motion:
        return "media.motion";
    case ZRVMediaDivision::event:
        return "media.event";
    }
    return "media.unknown";
}

std::string_view ZRVMediaListCell::modeWord(ZRVMediaDivision division) {
    switch (division) {
    case ZRVMediaDivision::always:
        return "alwa";
    case ZRVMediaDivision::motion:
        return "motion";
    case ZRVMediaDivision::event:
        return "event";
    }
    return {};
}

std::string_view ZRVMediaListCell::sideWord(ZRVMediaDirection direction) {
    switch (direction) {
    case ZRVMediaDirection::front:
        return "front";
    case ZRVMediaDirection::rear:
        return "rear";
    case ZRVMediaDirection::unknown:
        break;
    }
    return {};
}

ZRVMediaListCell ZRVMediaListCell::forColumn(const ZRVMedia& media, std::string_view identifier) {
    ZRVMediaListCell cell;
    char buffer[32];
    if (identifier == "saveMode") {
        cell.textKey = modeKey(media.mediaDivision());
        const std::string_view side = sideWord(media.mediaDirection());
        const std::string_view mode = modeWord(media.mediaDivision());
        if (!side.empty() && !mode.empty()) {
            cell.imageName = "car_" + std::string(side) + "_" + std::string(mode);
        }
    } else if (identifier == "date") {
        if (hasKnownTime(media)) {
            std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", media.year(), media.month(),
                          media.day());
            cell.text = buffer;
        }
    } else if (identifier == "time") {
        if (hasKnownTime(media)) {
            std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", media.hour(), media.minute(),
                          media.second());
            cell.text = buffer;
        }
    } else if (identifier == "file") {
        cell.text = media.fileName();
    }
    return cell;
}
