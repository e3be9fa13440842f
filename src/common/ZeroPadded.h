#pragma once

#include <string>

// Appends a number as printf's "%0*u" writes it: at least `width` digits,
// zeros in front. For texts made thousands of times, where printf's reading
// of its format costs more than the digits.
inline void appendZeroPadded(std::string& text, unsigned value, int width) {
    char digits[16];
    char* const end = digits + sizeof digits;
    char* start = end;
    do {
        *--start = static_cast<char>('0' + value % 10);
        value /= 10;
        --width;
    } while (value != 0 || width > 0);
    text.append(start, end);
}
