#include "common/ByteOrder.h"
#include "common/DiagnosticLog.h"
#include "recording/ZRVBlackBoxData.h"
#include "support/ProgramRun.h"
#include "support/TemporaryDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

ProgramRun tool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), ZORVA_TOOL_PATH);
    return ProgramRun::run(arguments);
}

Bytes bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct IndexEntry {
    std::string id;
    std::size_t dataPosition;
    std::size_t size;
};

std::vector<IndexEntry> indexOf(const Bytes& bytes, std::size_t moviEnd) {
    std::vector<IndexEntry> entries;
    for (std::size_t at = moviEnd + 8; at + 16 <= bytes.size(); at += 16) {
        entries.push_back({std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                       bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4),
                           ByteOrder::readLE32(&bytes[at + 8]) + std::size_t{14148},
                           ByteOrder::readLE32(&bytes[at + 12])});
    }
    return entries;
}

// The middle one of the entries of that identifier and size.
const IndexEntry& middle(const std::vector<IndexEntry>& index, const std::string& id,
                         std::size_t size = 0) {
    std::vector<const IndexEntry*> found;
    for (const IndexEntry& entry : index) {
        if (entry.id == id && (size == 0 || entry.size == size)) {
            found.push_back(&entry);
        }
    }
    return *found.at(found.size() / 2);
}

template <typename T> std::vector<T> firstOf(const std::vector<T>& list, std::size_t count) {
    return {list.begin(), list.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

} // namespace

// A demo-card recording cut where a power loss may cut it: the reader and
// zorva-tool recover every record whose chunk is complete, the same records
// the whole file holds, and the tool says how many on stderr.
TEST(CutRecording, RecoversTheRecordsBeforeTheCut) {
    DiagnosticLog::setSink([](std::string_view, std::string_view) {});
    TemporaryDirectory card;
    const auto written =
        tool({"sample-card", card.path().string(), "--moments", "1", "--seconds", "6"});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    std::filesystem::path front;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(card.path())) {
        if (entry.path().filename().string().ends_with("_F.avi")) {
            front = entry.path();
        }
    }
    const Bytes intact = bytesOf(front);
    ZRVBlackBoxData whole;
    ASSERT_TRUE(whole.extractStreamInformation(front.c_str()));
    ASSERT_FALSE(whole.recoveredWithoutIndex());
    const auto wholeTrack = linesOf(tool({"telemetry", front.string(), "--format", "csv"}).out);

    const std::size_t moviEnd = 14140 + ByteOrder::readLE32(&intact[14136]);
    const auto index = indexOf(intact, moviEnd);
    const IndexEntry& frame = middle(index, "00dc");
    const IndexEntry& gps = middle(index, "02sb", 552);
    const std::vector<std::pair<std::string, std::size_t>> cuts = {
        {"inside a frame", frame.dataPosition + frame.size / 2},
        {"inside a GPS record", gps.dataPosition + 276},
        {"right before the index", moviEnd},
        {"half of the index", (moviEnd + intact.size()) / 2},
    };
    for (const auto& [where, length] : cuts) {
        std::size_t samples = 0;
        std::size_t gpsRecords = 0;
        for (const IndexEntry& entry : index) {
            if (entry.id == "02sb" && entry.dataPosition + entry.size <= length) {
                ++(entry.size > 32 ? gpsRecords : samples);
            }
        }
        const auto path = card.write(
            "cut.avi",
            std::string(intact.begin(), intact.begin() + static_cast<std::ptrdiff_t>(length)));

        ZRVBlackBoxData cut;
        ASSERT_TRUE(cut.extractStreamInformation(path.c_str())) << where;
        EXPECT_EQ(cut.recoveredRecordCount(), samples + gpsRecords) << where;
        EXPECT_EQ(cut.gSensorData(), firstOf(whole.gSensorData(), samples)) << where;
        EXPECT_EQ(cut.gpsRecords(), firstOf(whole.gpsRecords(), gpsRecords)) << where;

        const auto csv = tool({"telemetry", path.string(), "--format", "csv"});
        EXPECT_EQ(csv.exitCode, 0) << where;
        EXPECT_NE(csv.err.find("recovered " + std::to_string(samples + gpsRecords) +
                               " records from a recording without index\n"),
                  std::string::npos)
            << where << ": " << csv.err;
        EXPECT_EQ(linesOf(csv.out), firstOf(wholeTrack, gpsRecords + 1)) << where;
        const auto readout = tool({"readout", path.string(), "1"});
        EXPECT_EQ(readout.exitCode, 0) << where;
        EXPECT_NE(readout.err.find("records from a recording without index"), std::string::npos)
            << where;
    }
    DiagnosticLog::setSink({});
}
