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

std::string printable(const std::string& text) {
    static const char* const hex = "0123456789abcdef";
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '\\') {
            shown += c == '\\' ? std::string("\\\\")
                               : std::string{'\\', 'x', hex[byte >> 4], hex[byte & 0xf]};
        } else {
            shown += c;
        }
    }
    return shown;
}
