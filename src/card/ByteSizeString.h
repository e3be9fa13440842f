#pragma once

#include <cstdint>
#include <string>

// The short size text of disk lists, in binary units: "1023 B", "1.5 kB",
// "7.4 GB", "30 GB". Three significant places at most, halves rounded to
// even unless anything was cut off below them.
std::string byteSizeString(std::uint64_t bytes);
