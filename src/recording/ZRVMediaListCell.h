#pragma once

#include "recording/ZRVMedia.h"

#include <array>
#include <string>
#include <string_view>

// What one cell of the recording list shows, decided without a window so the
// rules for unknown times, modes and sides are checked on their own.
struct ZRVMediaListCell {
    // Empty text is shown as is; textKey, when set, is looked up in the
    // "InfoPlist" table and replaces text.
    std::string text;
    std::string textKey;
    std::string imageName;

    enum class Alignment { centre, left };
    struct Column {
        std::string_view identifier;
        std::string_view titleKey;
        Alignment alignment;
    };
    static const std::array<Column, 4>& columns();

    static ZRVMediaListCell forColumn(const ZRVMedia& media, std::string_view identifier);

    static std::string_view modeKey(ZRVMediaDivision division);
    static std::string_view modeWord(ZRVMediaDivision division);
    static std::string_view sideWord(ZRVMediaDirection direction);
};
