#pragma once

#include <string>
#include <string_view>

inline constexpr std::size_t kCarNumberLength = 8;

// What the licence plate field keeps when editing ends: the ASCII letters and
// digits of the text, case kept, at most eight of them, so the text always
// fits szPlateNumber whole.
std::string cleanCarNumberText(std::string_view text);
