#include "cli/JsonWriter.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// The bytes a string cannot carry as they are: quote, backslash, control
// characters, and the start of what may be UTF-8. One look-up a byte keeps
// long paths cheap.
constexpr auto kNeedsCare = [] {
    std::array<bool, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        table[byte] = byte < 0x20 || byte >= 0x7f || byte == '"' || byte == '\\';
    }
    return table;
}();

// Length of the well-formed UTF-8 sequence at the start of text, or 0.
std::size_t utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t minimum = 0;
    char32_t code = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        minimum = 0x80;
        code = lead & 0x1f;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        minimum = 0x800;
        code = lead & 0x0f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        minimum = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xc0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3f);
    }
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    return code < minimum || code > 0x10ffff || surrogate ? 0 : length;
}

} // namespace

JsonWriter& JsonWriter::beginObject() {
    beforeValue();
    put('{');
    m_hasItems.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    m_hasItems.pop_back();
    put('}');
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    beforeValue();
    put('[');
    m_hasItems.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    m_hasItems.pop_back();
    put(']');
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    value(name);
    put(':');
    m_afterKey = true;
    return *this;
}

void JsonWriter::beforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasItems.empty()) {
        if (m_hasItems.back()) {
            put(',');
        }
        m_hasItems.back() = true;
    }
}

void JsonWriter::afterValue() {
    if (m_hasItems.empty()) {
        flush();
    }
}

void JsonWriter::flush() {
    m_out.write(m_buffer.get(), static_cast<std::streamsize>(m_used));
    m_used = 0;
}

void JsonWriter::put(std::string_view text) {
    if (text.size() > kBufferSize - m_used) {
        flush();
        if (text.size() > kBufferSize) {
            m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
            return;
        }
    }
    std::memcpy(m_buffer.get() + m_used, text.data(), text.size());
    m_used += text.size();
}

JsonWriter& JsonWriter::value(std::string_view text) {
    beforeValue();
    static const char* const hex = "0123456789abcdef";
    const auto escapeByte = [this](unsigned char byte) {
        const char escape[] = {'\\', 'u', '0', '0', hex[byte >> 4], hex[byte & 0xf]};
        put(std::string_view(escape, sizeof escape));
    };
    put('"');
    std::size_t plainStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (!kNeedsCare[byte]) {
            continue;
        }
        put(text.substr(plainStart, i - plainStart));
        if (c == '"' || c == '\\') {
            put('\\');
            put(c);
        } else if (byte < 0x80) {
            escapeByte(byte);
        } else if (const std::size_t length = utf8SequenceLength(text.substr(i)); length > 0) {
            put(text.substr(i, length));
            i += length - 1;
        } else {
            // A byte that is not UTF-8 (a damaged file) is shown as itself, in
            // Latin-1, rather than making the whole output invalid.
            escapeByte(byte);
        }
        plainStart = i + 1;
    }
    put(text.substr(plainStart));
    put('"');
    afterValue();
    return *this;
}

template <typename Number> void JsonWriter::writeNumber(Number number) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    put(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
    afterValue();
}

JsonWriter& JsonWriter::value(double number) {
    if (!std::isfinite(number)) {
        return null();
    }
    beforeValue();
    writeNumber(number);
    return *this;
}

JsonWriter& JsonWriter::value(float number) {
    if (!std::isfinite(number)) {
        return null();
    }
    beforeValue();
    writeNumber(number);
    return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number) {
    beforeValue();
    writeNumber(number);
    return *this;
}

JsonWriter& JsonWriter::value(std::uint64_t number) {
    beforeValue();
    writeNumber(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    beforeValue();
    put(flag ? "true" : "false");
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::rawValue(std::string_view json) {
    beforeValue();
    put(json);
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    put("null");
    afterValue();
    return *this;
}
