#include "cli/JsonWriter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

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
