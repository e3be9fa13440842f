#include "settings/SettingText.h"

#include <algorithm>

void packSettingText(std::span<char> field, std::string_view text) {
    std::size_t length = std::min(text.size(), field.size());
    if (length < text.size()) {
        while (length > 0 && isUtf8ContinuationByte(text[length])) {
            --length;
        }
    }
    std::fill(std::copy_n(text.begin(), length, field.begin()), field.end(), '\0');
}

std::string unpackSettingText(std::span<const char> field) {
    return {field.begin(), std::find(field.begin(), field.end(), '\0')};
}
