#pragma once

#include <span>
#include <string>
#include <string_view>

// The record's text fields hold UTF-8 padded with NUL bytes and carry no
// terminator when the text fills them.

inline bool isUtf8ContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Stores text in field, cut to the field's size and padded with zeros. The
// cut falls on a character boundary, so the stored bytes stay valid UTF-8.
void packSettingText(std::span<char> field, std::string_view text);

// The bytes of a field up to its first NUL.
std::string unpackSettingText(std::span<const char> field);

// A text from a settings file on one line, whatever bytes a damaged file
// holds: control bytes become \xNN and a backslash is doubled.
std::string printable(const std::string& text);
