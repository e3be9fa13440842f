#include "recording/MediaUrlDirection.h"

#include <string>

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = asciiLower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The length of "scheme:" at the start, or 0 for a plain path.
std::size_t schemeLength(std::string_view text) {
    if (text.empty() || !isAsciiLetter(text.front())) {
        return 0;
    }
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ':') {
            return i + 1;
        }
        if (!isAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') {
            return 0;
        }
    }
    return 0;
}

std::string percentDecoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

// A URL's path without authority, query and fragment, decoded; a plain path
// as it is, since '%' is an ordinary character in a file name.
std::string pathOf(std::string_view urlOrPath) {
    const auto scheme = schemeLength(urlOrPath);
    if (scheme == 0) {
        return std::string(urlOrPath);
    }
    auto rest = urlOrPath.substr(scheme);
    if (rest.starts_with("//")) {
        const auto pathStart = rest.find('/', 2);
        rest = pathStart == std::string_view::npos ? std::string_view() : rest.substr(pathStart);
    }
    rest = rest.substr(0, rest.find_first_of("?#"));
    return percentDecoded(rest);
}

bool endsWithIgnoringCase(std::string_view text, std::string_view lowerSuffix) {
    if (text.size() < lowerSuffix.size()) {
        return false;
    }
    text = text.substr(text.size() - lowerSuffix.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (asciiLower(text[i]) != lowerSuffix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

ZRVMediaDirection mediaDirectionOfUrl(std::string_view urlOrPath) {
    const auto path = pathOf(urlOrPath);
    if (endsWithIgnoringCase(path, "_r.avi")) {
        return ZRVMediaDirection::rear;
    }
    if (endsWithIgnoringCase(path, "_f.avi")) {
        return ZRVMediaDirection::front;
    }
    return ZRVMediaDirection::unknown;
}

bool isFrontMediaUrl(std::string_view urlOrPath) {
    return mediaDirectionOfUrl(urlOrPath) == ZRVMediaDirection::front;
}

bool isRearMediaUrl(std::string_view urlOrPath) {
    return mediaDirectionOfUrl(urlOrPath) == ZRVMediaDirection::rear;
}
