#include "cli/SettingsListing.h"

#include "cli/JsonWriter.h"
#include "settings/SettingField.h"

#include <string>

std::string printable(const std::string& text) {
    static const char* const hex = "0123456789abcdef";
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '\\') {
            shown += c == '\\' ? std::string("\\\\")
                               : std::string{'\\', 'x', hex[byte >> 4], hex[byte & 0xf]};
        } else {
            shown += c;
        }
    }
    return shown;
}

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
