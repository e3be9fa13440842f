#include "settings/SettingChanges.h"

#include "settings/SettingField.h"
#include "settings/SettingText.h"

namespace {

std::string shownValue(const SettingField& field, const _FILEDATA& record) {
    if (field.isText()) {
        return "\"" + printable(field.text(record)) + "\"";
    }
    return std::to_string(field.number(record));
}

} // namespace

std::vector<std::string> describeSettingChanges(const _FILEDATA& before, const _FILEDATA& after) {
    std::vector<std::string> lines;
    for (const auto& field : SettingField::all()) {
        if (field.name == "checksum") {
            continue;
        }
        const std::string old = shownValue(field, before);
        const std::string now = shownValue(field, after);
        if (old != now) {
            lines.push_back(std::string(field.name) + ": " + old + " \u2192 " + now);
        }
    }
    return lines;
}
