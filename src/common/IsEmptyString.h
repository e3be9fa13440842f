#pragma once

#include <optional>
#include <string>

// True for an absent or zero-length text.
inline bool isEmptyString(const std::optional<std::string>& text) {
    return !text || text->empty();
}
