#include "cli/SettingsListing.h"

#include "cli/JsonWriter.h"
#include "settings/SettingField.h"
#include "settings/SettingText.h"

#include <string>

void writeSettingsListing(const _FILEDATA& record, bool json, std::ostream& out) {
    const bool checksumOk = record.checksum == computeSettingChecksum(record);
    if (!json) {
        for (const auto& field : SettingField::all()) {
            out << field.name << '=';
            if (field.isText()) {
                out << printable(field.text(record));
            } else {
                out << field.number(record);
            }
            out << '\n';
        }
        out << "checksum_ok=" << (checksumOk ? "true" : "false") << '\n';
        return;
    }
    JsonWriter writer(out);
    writer.beginObject();
    for (const auto& field : SettingField::all()) {
        writer.key(field.name);
        if (field.isText()) {
            writer.value(field.text(record));
        } else {
            writer.value(field.number(record));
        }
    }
    writer.field("checksum_ok", checksumOk).endObject();
    out << '\n';
}
