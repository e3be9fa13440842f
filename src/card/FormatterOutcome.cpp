#include "card/FormatterOutcome.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

std::string lastLine(std::string_view text) {
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    if (end == std::string_view::npos) {
        return {};
    }
    text = text.substr(0, end + 1);
    const std::size_t start = text.find_last_of('\n');
    return std::string(start == std::string_view::npos ? text : text.substr(start + 1));
}

bool saysReadOnly(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("read-only") != std::string::npos;
}

} // namespace

FormatterOutcome formatterOutcome(const FormatterRun& run) {
    using Kind = FormatterOutcome::Kind;
    std::string message = lastLine(run.errorOutput);
    if (run.started && run.exitCode == 0) {
        return {Kind::formatted, {}};
    }
    if (run.started && run.throughPkexec && run.exitCode == 126) {
        return {Kind::authorizationDismissed, std::move(message)};
    }
    if (run.started && run.throughPkexec && run.exitCode == 127) {
        return {Kind::notAuthorized, std::move(message)};
    }
    if (saysReadOnly(run.errorOutput)) {
        return {Kind::writeProtected, std::move(message)};
    }
    if (message.empty()) {
        message = run.started ? "exit status " + std::to_string(run.exitCode) : "not started";
    }
    return {Kind::failed, std::move(message)};
}
