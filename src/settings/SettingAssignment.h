#pragma once

#include "settings/_FILEDATA.h"

#include <span>
#include <string>
#include <vector>

// Why one name=value pair was refused; field is the name as given.
struct SettingRefusal {
    std::string field;
    std::string reason;
};

// Applies name=value pairs (zorva-tool settings set) under the rules of the
// settings pages: only fields a page edits, only values a page offers, texts
// that keep the plate and Wi-Fi rules. Either every pair is applied, or none
// is and each refused pair comes back.
std::vector<SettingRefusal> applySettingAssignments(_FILEDATA& record,
                                                    std::span<const std::string> pairs);
