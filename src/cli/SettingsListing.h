#pragma once

#include "settings/_FILEDATA.h"

#include <ostream>
#include <string>

// What settings show prints: a name=value line per field and checksum_ok, or
// the same as one JSON object.
void writeSettingsListing(const _FILEDATA& record, bool json, std::ostream& out);
