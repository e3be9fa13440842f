#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

// Streams JSON text, putting the commas and quotes where they belong. Numbers
// are written in their shortest exact form; NaN and infinities, which JSON
// cannot carry, become null. UTF-8 text passes through; control characters
// and bytes that are not UTF-8 are escaped, so any string a damaged file
// yields still gives valid JSON.
//
// The text gathers in a buffer of the writer's own and reaches the stream in
// large blocks, the last when the outermost value is complete: one stream
// call per character made a long listing cost more than reading it. Outermost
// values may follow one another, each reaching the stream once complete.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}
    ~JsonWriter() { flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(double number);
    JsonWriter& value(float number);
    JsonWriter& value(std::int64_t number);
    JsonWriter& value(std::uint64_t number);
    JsonWriter& value(std::uint32_t number) { return value(static_cast<std::uint64_t>(number)); }
    JsonWriter& value(int number) { return value(static_cast<std::int64_t>(number)); }
    JsonWriter& value(bool flag);
    JsonWriter& null();
    // A value that is JSON text already, as another JsonWriter wrote it: for
    // a value repeated many times, made once.
    JsonWriter& rawValue(std::string_view json);

    template <typename T> JsonWriter& field(std::string_view name, const T& v) {
        return key(name).value(v);
    }

private:
    void beforeValue();
    void afterValue();
    void flush();
    template <typename Number> void writeNumber(Number number);
    // Append to the buffer, which is written out whenever it is full.
    void put(char c) {
        if (m_used == kBufferSize) {
            flush();
        }
        m_buffer[m_used++] = c;
    }
    void put(std::string_view text);

    // Large enough that a listing of thousands of values reaches the stream
    // in a few calls, small enough to stay in the cache.
    static constexpr std::size_t kBufferSize = 64 * 1024;

    std::ostream& m_out;
    std::unique_ptr<char[]> m_buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
    std::size_t m_used = 0;
    // One entry per open object or array: whether it has an item yet.
    std::vector<unsigned char> m_hasItems;
    bool m_afterKey = false;
};
