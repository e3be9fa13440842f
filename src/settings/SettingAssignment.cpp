#include "settings/SettingAssignment.h"

#include "settings/CarNumberText.h"
#include "settings/SettingField.h"
#include "settings/WifiText.h"
#include "settings/ZRVValidator.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace {

// Decimal, or hexadecimal after 0x for the masks.
std::optional<std::int64_t> parseWholeNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> refuseText(const SettingField& field, std::string_view value) {
    if (field.allowed.textRule == SettingTextRule::plate) {
        if (cleanCarNumberText(value) != value) {
            return "'" + std::string(value) + "' is not allowed (" + field.allowedText() + ")";
        }
        return std::nullopt;
    }
    // The page would cut a longer text silently, leaving a name or password
    // that is not the one the user typed.
    if (value.size() > field.size()) {
        return "longer than " + std::to_string(field.size()) + " bytes";
    }
    return std::nullopt;
}

std::optional<std::string> refuseNumber(const SettingField& field, std::string_view value,
                                        std::int64_t number) {
    if (!field.allows(number)) {
        return std::string(value) + " is not allowed (" + field.allowedText() + ")";
    }
    if (field.name == "sd_mem_always_ratio" &&
        (ZRVValidator::validateSDCardSizeRatio(number) ||
         ZRVValidator::validateSDCardSizeRatio(100 - number))) {
        return std::string(value) + " leaves less than " +
               std::to_string(ZRVValidator::kMinimumSDCardSizeRatio) +
               " per cent for continuous or motion recording";
    }
    return std::nullopt;
}

void assignNumber(_FILEDATA& record, const SettingField& field, std::int64_t number) {
    const auto kept = static_cast<std::uint32_t>(field.number(record)) & field.keptBits;
    field.setNumber(record, field.keptBits != 0 ? (kept | number) : number);
    if (field.name == "sd_mem_always_ratio") {
        record.sd_mem_motion_ratio = static_cast<std::uint32_t>(100 - number);
    }
}

struct WifiFailure {
    std::string_view key;
    std::string_view field;
    std::string_view reason;
};

constexpr WifiFailure kWifiFailures[] = {
    {"setting.aux.ssid_length", "wifi_ssid", "needs at least 5 characters"},
    {"setting.aux.ssid_invalid", "wifi_ssid", "only printable ASCII characters, no blanks"},
    {"setting.aux.password_length", "wifi_password", "needs at least 8 characters"},
    {"setting.aux.password_invalid", "wifi_password", "only printable ASCII characters, no blanks"},
};

SettingRefusal wifiRefusal(std::string_view key) {
    for (const auto& failure : kWifiFailures) {
        if (failure.key == key) {
            return {std::string(failure.field), std::string(failure.reason)};
        }
    }
    return {"wifi_ssid", std::string(key)};
}

bool isWifiText(const SettingField& field) {
    return field.allowed.textRule == SettingTextRule::wifiName ||
           field.allowed.textRule == SettingTextRule::wifiPassword;
}

} // namespace

std::vector<SettingRefusal> applySettingAssignments(_FILEDATA& record,
                                                    std::span<const std::string> pairs) {
    _FILEDATA updated = record;
    std::vector<SettingRefusal> refusals;
    bool wifiChanged = false;
    for (const std::string& pair : pairs) {
        const auto equals = pair.find('=');
        if (equals == std::string::npos) {
            refusals.push_back({pair, "expected name=value"});
            continue;
        }
        const std::string name = pair.substr(0, equals);
        const std::string_view value = std::string_view(pair).substr(equals + 1);
        const SettingField* field = SettingField::find(name);
        if (field == nullptr) {
            refusals.push_back({name, "no such field"});
            continue;
        }
        if (!field->editable()) {
            refusals.push_back({name, "cannot be set (" + field->allowedText() + ")"});
            continue;
        }
        if (field->isText()) {
            if (auto reason = refuseText(*field, value)) {
                refusals.push_back({name, *reason});
                continue;
            }
            field->setText(updated, value);
            wifiChanged = wifiChanged || isWifiText(*field);
            continue;
        }
        const auto number = parseWholeNumber(value);
        if (!number) {
            refusals.push_back({name, "'" + std::string(value) + "' is not a whole number (" +
                                          field->allowedText() + ")"});
            continue;
        }
        if (auto reason = refuseNumber(*field, value, *number)) {
            refusals.push_back({name, *reason});
            continue;
        }
        assignNumber(updated, *field, *number);
    }
    // The page stops at the first failure; here a bad name and a bad
    // password are both reported, so that one more try can mend both.
    if (wifiChanged) {
        for (const auto& key :
             {validateWifiName(SettingField::find("wifi_ssid")->text(updated)),
              validateWifiPassword(SettingField::find("wifi_password")->text(updated))}) {
            if (key) {
                refusals.push_back(wifiRefusal(*key));
            }
        }
    }
    if (refusals.empty()) {
        record = updated;
    }
    return refusals;
}
