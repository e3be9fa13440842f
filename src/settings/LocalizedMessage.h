#pragma once

#include <string>
#include <vector>

// A message for the user: a key of the string table "InfoPlist" and, for a
// format, the numbers that fill it in order.
struct LocalizedMessage {
    std::string key;
    std::vector<double> arguments;

    bool operator==(const LocalizedMessage&) const = default;
};
