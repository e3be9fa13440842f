#include "recording/ZRVBlackBoxData.h"
#include "recording/ZRVNMEASentenceParser.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// The input is tried as one sentence and as the text of a GPS record. A
// rejected sentence must leave the fix as it was; the text splitter must turn
// every line end into NUL and store at most one fix per line end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string sentence(reinterpret_cast<const char*>(data), size);

    ZRVNMEASentenceParser parser;
    parser.parse("$GNGSA,A,3,02,05,13,,,,,,,,,,1.6,0.9,1.3*00");
    const ZRVGpsData before = parser.m_Current;
    if (!parser.parse(sentence.c_str()) && !(parser.m_Current == before)) {
        std::abort();
    }

    std::vector<char> text(sentence.begin(), sentence.end());
    const auto lineEnds = static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return c == '\0' || c == '\n' || c == '\r'; }));
    ZRVBlackBoxData reader;
    if (reader.parseNMEA(text.data(), text.size()) != (size != 0)) {
        std::abort();
    }
    if (reader.nmeaFixes().size() > lineEnds ||
        std::count(text.begin(), text.end(), '\0') != static_cast<std::ptrdiff_t>(lineEnds)) {
        std::abort();
    }
    return 0;
}
