// The name=value pairs of zorva-tool settings set, one per line, applied to a
// factory record in memory. Whatever is accepted leaves a record the pages
// would accept; whatever is refused leaves the record untouched.
#include "settings/CarNumberText.h"
#include "settings/SettingAssignment.h"
#include "settings/SettingField.h"
#include "settings/WifiText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool keepsThePageRules(const _FILEDATA& record) {
    for (const auto& field : SettingField::all()) {
        if (!field.editable() || field.isText()) {
            continue;
        }
        const auto value = static_cast<std::uint32_t>(field.number(record)) & ~field.keptBits;
        if (!field.allows(field.type() == SettingFieldType::u32 ? value : field.number(record))) {
            return false;
        }
    }
    const auto plate = SettingField::find("szPlateNumber")->text(record);
    return cleanCarNumberText(plate) == plate &&
           !validateWifiTexts(SettingField::find("wifi_ssid")->text(record),
                              SettingField::find("wifi_password")->text(record)) &&
           record.sd_mem_always_ratio + record.sd_mem_motion_ratio == 100;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> pairs(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            pairs.emplace_back();
        } else {
            pairs.back() += static_cast<char>(data[i]);
        }
    }
    _FILEDATA factory;
    fillDefaultSettings(factory);
    auto record = factory;
    const auto refusals = applySettingAssignments(record, pairs);
    if (!refusals.empty() ? record.toBytes() != factory.toBytes() : !keepsThePageRules(record)) {
        std::abort();
    }
    return 0;
}
