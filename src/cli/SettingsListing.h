#pragma once

#include "settings/_FILEDATA.h"

#include <ostream>
#include <string>

// What settings show prints: a name=value line per field and checksum_ok, or
// the same as one JSON object.
void writeSettingsListing(const _FILEDATA& record, bool json, std::ostream& out);

// A text from a settings file on one line, whatever bytes a damaged file
// holds: control bytes become \xNN and a backslash is doubled.
std::string printable(const std::string& text);
