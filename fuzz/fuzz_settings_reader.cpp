// Any bytes as a settings file: decoding, re-encoding, the checksum and both
// listings of zorva-tool settings show.
#include "cli/SettingsListing.h"
#include "settings/_FILEDATA.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    _FILEDATA::Bytes bytes{};
    std::copy_n(data, std::min(size, bytes.size()), bytes.begin());
    auto record = _FILEDATA::fromBytes(bytes);
    if (record.toBytes() != bytes) {
        std::abort();
    }
    std::ostringstream listing;
    writeSettingsListing(record, false, listing);
    writeSettingsListing(record, true, listing);
    prepareSettingsForSaving(record);
    if (record.checksum != computeSettingChecksum(record)) {
        std::abort();
    }
    return 0;
}
