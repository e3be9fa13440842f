#pragma once

#include "settings/_FILEDATA.h"

#include <string>
#include <vector>

// What a save changes, one "name: old → new" line per field that differs,
// in the record's order. Texts are quoted; the checksum, which every save
// computes anew, is left out.
std::vector<std::string> describeSettingChanges(const _FILEDATA& before, const _FILEDATA& after);
