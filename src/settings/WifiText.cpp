#include "settings/WifiText.h"

#include "settings/SettingText.h"

#include <algorithm>

namespace {

constexpr std::size_t kMinimumNameLength = 5;
constexpr std::size_t kMinimumPasswordLength = 8;

// Lengths are counted in characters, not UTF-8 bytes.
std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !isUtf8ContinuationByte(c); }));
}

} // namespace

bool validString(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '!' && c <= '~'; });
}

std::optional<std::string> validateWifiTexts(std::string_view name, std::string_view password) {
    if (auto failure = validateWifiName(name)) {
        return failure;
    }
    return validateWifiPassword(password);
}

std::optional<std::string> validateWifiName(std::string_view name) {
    if (characterCount(name) < kMinimumNameLength) {
        return "setting.aux.ssid_length";
    }
    if (!validString(name)) {
        return "setting.aux.ssid_invalid";
    }
    return std::nullopt;
}

std::optional<std::string> validateWifiPassword(std::string_view password) {
    if (characterCount(password) < kMinimumPasswordLength) {
        return "setting.aux.password_length";
    }
    if (!validString(password)) {
        return "setting.aux.password_invalid";
    }
    return std::nullopt;
}
