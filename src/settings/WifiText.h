#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Wi-Fi text rule: every character one of the 94 printable ASCII
// characters from '!' to '~'; no blank. An empty text keeps the rule.
bool validString(std::string_view text);

// The four checks of the access point's name and password, in order: name of
// at least 5 characters, name keeps the rule, password of at least 8
// characters, password keeps the rule. Returns the key of the first failure.
std::optional<std::string> validateWifiTexts(std::string_view name, std::string_view password);

// The first two checks, and the last two: for callers that report a bad name
// and a bad password together.
std::optional<std::string> validateWifiName(std::string_view name);
std::optional<std::string> validateWifiPassword(std::string_view password);
