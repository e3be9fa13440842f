#include "cli/JsonWriter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

TEST(JsonWriter, KeepsUtf8AndEscapesWhatJsonCannotCarry) {
    std::ostringstream out;
    JsonWriter json(out);
    json.beginArray()
        .value("Caf\xc3\xa9 \xed\x95\x9c") // UTF-8 passes through
        .value("a\"b\\c\n\x01")            // quote, backslash, control characters
        .value("\xff\xc3")                 // not UTF-8: each byte escaped
        .value(std::nan(""))               // no NaN in JSON
        .value(0.1f)                       // a float in its own shortest form
        .endArray();
    EXPECT_EQ(out.str(), "[\"Caf\xc3\xa9 \xed\x95\x9c\",\"a\\\"b\\\\c\\u000a\\u0001\","
                         "\"\\u00ff\\u00c3\",null,0.1]");
}

TEST(JsonWriter, SeparatesMembersAndNestedContainers) {
    std::ostringstream out;
    JsonWriter json(out);
    json.beginObject().field("a", 1).key("b").beginArray().value(true).null().endArray();
    json.key("c").beginObject().endObject().endObject();
    EXPECT_EQ(out.str(), "{\"a\":1,\"b\":[true,null],\"c\":{}}");
}

namespace {

// Keeps what reaches it and counts the calls that brought it: having no
// buffer of its own, it sees every character put on its own as a call.
class CountingBuffer : public std::streambuf {
public:
    std::string text;
    int writes = 0;

protected:
    std::streamsize xsputn(const char* part, std::streamsize count) override {
        ++writes;
        text.append(part, static_cast<std::size_t>(count));
        return count;
    }
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            ++writes;
            text += traits_type::to_char_type(c);
        }
        return traits_type::not_eof(c);
    }
};

} // namespace

TEST(JsonWriter, ALongListingReachesTheStreamWholeInAFewLargeWrites) {
    CountingBuffer buffer;
    std::ostream out(&buffer);
    std::string expected = "[";
    {
        JsonWriter json(out);
        json.beginArray();
        for (int i = 0; i < 20000; ++i) {
            const std::string text = "file \"" + std::to_string(i) + "\"";
            json.value(text);
            expected += (i > 0 ? ",\"file \\\"" : "\"file \\\"") + std::to_string(i) + "\\\"\"";
        }
        json.endArray();
        expected += "]";
        EXPECT_EQ(buffer.text, expected);
    }
    EXPECT_LE(buffer.writes, static_cast<int>(expected.size() / 32768) + 1);
}
