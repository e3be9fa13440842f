#include "cli/JsonWriter.h"

#include <charconv>
#include <cmath>

namespace {

// Large enough that a listing of thousands of values reaches the stream in
// a few calls, small enough to stay in the cache.
constexpr std::size_t kFlushSize = 64 * 1024;

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
    m_text += '{';
    m_hasItems.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    m_hasItems.pop_back();
    m_text += '}';
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    beforeValue();
    m_text += '[';
    m_hasItems.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    m_hasItems.pop_back();
    m_text += ']';
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    value(name);
    m_text += ':';
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
            m_text += ',';
        }
        m_hasItems.back() = true;
    }
}

void JsonWriter::afterValue() {
    if (m_hasItems.empty() || m_text.size() >= kFlushSize) {
        flush();
    }
}

void JsonWriter::flush() {
    m_out.write(m_text.data(), static_cast<std::streamsize>(m_text.size()));
    m_text.clear();
}

JsonWriter& JsonWriter::value(std::string_view text) {
    beforeValue();
    static const char* const hex = "0123456789abcdef";
    const auto escapeByte = [this](unsigned char byte) {
        const char escape[] = {'\\', 'u', '0', '0', hex[byte >> 4], hex[byte & 0xf]};
        m_text.append(escape, sizeof escape);
    };
    m_text += '"';
    std::size_t plainStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
            continue;
        }
        m_text.append(text.substr(plainStart, i - plainStart));
        if (c == '"' || c == '\\') {
            m_text += '\\';
            m_text += c;
        } else if (byte < 0x80) {
            escapeByte(byte);
        } else if (const std::size_t length = utf8SequenceLength(text.substr(i)); length > 0) {
            m_text.append(text.substr(i, length));
            i += length - 1;
        } else {
            // A byte that is not UTF-8 (a damaged file) is shown as itself, in
            // Latin-1, rather than making the whole output invalid.
            escapeByte(byte);
        }
        plainStart = i + 1;
    }
    m_text.append(text.substr(plainStart));
    m_text += '"';
    afterValue();
    return *this;
}

template <typename Number> void JsonWriter::writeNumber(Number number) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    m_text.append(buffer, result.ptr);
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
    m_text += flag ? "true" : "false";
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    m_text += "null";
    afterValue();
    return *this;
}
