#include "settings/CarNumberText.h"

namespace {

bool isAsciiLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

} // namespace

std::string cleanCarNumberText(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (kept.size() == kCarNumberLength) {
            break;
        }
        if (isAsciiLetterOrDigit(c)) {
            kept += c;
        }
    }
    return kept;
}
