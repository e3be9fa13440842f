#include "common/ByteOrder.h"
#include "common/DiagnosticLog.h"
#include "recording/AviRecords.h"
#include "recording/ZRVAviFileWriter.h"
#include "recording/ZRVBlackBoxData.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

_AVI_GPS_DATA_T::Bytes gpsRecord(std::uint32_t stamp, std::string_view text = {}) {
    _AVI_GPS_DATA_T record;
    record.header = kAviGpsRecordTag;
    record.nTimestamp = stamp;
    record.nLen = static_cast<std::uint32_t>(text.size());
    std::copy(text.begin(), text.end(), record.RawData.begin());
    return record.toBytes();
}

_AVI_GSENSOR_DATA_T::Bytes gSensorRecord(std::uint32_t stamp, std::int32_t x = 0,
                                         std::int32_t y = 0, std::int32_t z = 0) {
    return _AVI_GSENSOR_DATA_T{
        .header = kAviGSensorRecordTag, .timestamp = stamp, .xAxis = x, .yAxis = y, .zAxis = z}
        .toBytes();
}

// The reader logs each file it reads; a sink keeps the test output quiet.
class ZRVBlackBoxDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        DiagnosticLog::setSink([](std::string_view, std::string_view) {});
    }
    void TearDown() override { DiagnosticLog::setSink({}); }

    std::string recording(const std::function<void(ZRVAviFileWriter&)>& fill) {
        const auto path = dir.path() / (std::to_string(++files) + "_F.avi");
        ZRVAviFileWriter writer(path, {{}, ZRVAviFileWriter::AudioFormat{}});
        fill(writer);
        EXPECT_FALSE(writer.finish().has_value());
        return path.string();
    }

    static Bytes bytesOf(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Reads bytes through the stream interface, as a damaged file on disk would be.
    bool
    extract(const Bytes& bytes,
            ZRVBlackBoxData::ChunkSource source = ZRVBlackBoxData::ChunkSource::indexOrMoviList) {
        std::FILE* file = std::tmpfile();
        if (!bytes.empty()) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
        }
        const bool read = data.extractStreamInformation(file, source);
        std::fclose(file);
        return read;
    }

    static std::size_t indexStart(const Bytes& bytes) {
        return ByteOrder::readLE32(&bytes[14136]) + 14148;
    }

    TemporaryDirectory dir;
    int files = 0;
    ZRVBlackBoxData data;
};

} // namespace

TEST_F(ZRVBlackBoxDataTest, RefusesFilesThatAreNotRiffAviAndClearsTheLists) {
    const auto good = recording([](ZRVAviFileWriter& w) { w.addDataRecord(gSensorRecord(1)); });
    ASSERT_TRUE(data.extractStreamInformation(good.c_str()));
    Bytes bytes = bytesOf(good);
    bytes[3] = 'X';
    EXPECT_FALSE(extract(bytes));
    EXPECT_TRUE(data.gSensors().empty());

    bytes = bytesOf(good);
    std::copy_n("WAVE", 4, bytes.begin() + 8);
    EXPECT_FALSE(extract(bytes));
    EXPECT_FALSE(extract(Bytes(bytes.begin(), bytes.begin() + 11)));
    EXPECT_FALSE(data.extractStreamInformation((dir.path() / "missing.avi").c_str()));
}

TEST_F(ZRVBlackBoxDataTest, ReadsBothRecordKindsAndSkipsOtherStreams) {
    const auto gpsLike = gpsRecord(500, "$GPGGA,1,3731.0,N,12703.0,E,1,05,1.0*00\n");
    const auto path = recording([&](ZRVAviFileWriter& w) {
        w.addVideoFrame(gSensorRecord(100, 256, 256, 256));
        w.addAudio(gpsLike);
        w.addChunk("03sb", gpsLike);
        w.addDataRecord(gSensorRecord(100, -256, 128, 0));
        w.addDataRecord(gpsRecord(1000));
        w.addDataRecord(Bytes(33, 0x5A));
        w.addDataRecord(gSensorRecord(1100));
    });
    ASSERT_TRUE(data.extractStreamInformation(path.c_str()));

    ASSERT_EQ(data.gSensors().size(), 2u);
    EXPECT_EQ(data.gSensors()[0], ZRVGSensor(-1.0f, 0.5f, 0.0f));
    EXPECT_TRUE(data.nmeaFixes().empty());

    // A chunk larger than 32 bytes is a GPS record even when short: 552 bytes are
    // read from its data, here running on into the next chunk.
    ASSERT_EQ(data.gpsRecords().size(), 2u);
    const auto odd = data.gpsRecords()[1].data();
    EXPECT_TRUE(std::all_of(odd.begin(), odd.begin() + 33, [](auto b) { return b == 0x5A; }));
    EXPECT_EQ(std::string(odd.begin() + 34, odd.begin() + 38), "02sb");
}

// A '$' restarts the sentence, a NUL ends a line, "$G" lines count even when
// not understood, and text after the last line end is left.
TEST(ZRVBlackBoxData, StoresOneFixPerGSentence) {
    char text[] = "junk$GP$GNGNS,,,,,,,07,1.5*00\0$PMTK001,604,3*32\r\n$GPGSV,1*00\r\n$G\n$GPGGA";
    ZRVBlackBoxData data;
    EXPECT_TRUE(data.parseNMEA(text, sizeof text - 1));
    ASSERT_EQ(data.nmeaFixes().size(), 3u);
    EXPECT_EQ(data.nmeaFixes()[0].SatelliteUsedCount, 7u);
    EXPECT_FALSE(data.parseNMEA(text, 0));
}

// 1050 ms is tenth 10, met by the sample at 1000 ms; the record at 3000 ms
// gets only the last sample and the one at 4000 ms none. Reading the file a
// second time replaces the lists rather than adding to them.
TEST_F(ZRVBlackBoxDataTest, LinesGpsRecordsUpWithSamplesInTenthsOfASecond) {
    const auto path = recording([](ZRVAviFileWriter& w) {
        for (std::uint32_t stamp = 1050; stamp <= 4000; stamp += stamp == 1050 ? 950 : 1000) {
            w.addDataRecord(gpsRecord(stamp));
        }
        for (std::uint32_t stamp = 0; stamp <= 2500; stamp += 500) {
            w.addDataRecord(gSensorRecord(stamp));
        }
    });
    ASSERT_TRUE(data.extractStreamInformation(path.c_str()));
    ASSERT_TRUE(data.extractStreamInformation(path.c_str()));
    std::vector<std::uint32_t> stamps;
    const ZRVGpsRecordsBySample gpsBySample = data.gpsData();
    for (std::size_t k = 0; k < gpsBySample.size(); ++k) {
        stamps.push_back(gpsBySample[k].record().nTimestamp);
    }
    EXPECT_EQ(stamps, (std::vector<std::uint32_t>{1050, 1050, 1050, 2000, 2000, 3000}));
    EXPECT_EQ(data.gSensors().size(), 6u);
}

TEST_F(ZRVBlackBoxDataTest, KeepsNmeaTextInsideRawData) {
    const std::string sentence = "$GNGNS,,,,,,,07,1.5*00\n";
    std::string text;
    std::size_t sentences = 0;
    for (; text.size() + sentence.size() <= kAviGpsRawDataSize; ++sentences) {
        text += sentence;
    }
    text.resize(kAviGpsRawDataSize, 'x');
    const auto path = recording([&](ZRVAviFileWriter& w) {
        auto record = gpsRecord(1000, text);
        ByteOrder::writeLE32(&record[8], 0xFFFFFFFF);
        w.addDataRecord(record);
        w.addDataRecord(gpsRecord(2000, "\n$GNGNS,,,,,,,08,1.5*00\n"));
    });
    ASSERT_TRUE(data.extractStreamInformation(path.c_str()));
    EXPECT_EQ(data.fixCountAfterGpsRecord(), (std::vector<std::size_t>{sentences, sentences + 1}));
}

TEST_F(ZRVBlackBoxDataTest, ShortRecordsAreZeroFilledAndNothingIsReadPastTheEnd) {
    Bytes bytes = bytesOf(recording([](ZRVAviFileWriter& w) {
        w.addDataRecord(gSensorRecord(100, 256));
        w.addDataRecord(gpsRecord(1000));
        w.addDataRecord(gSensorRecord(200, 512));
        w.addDataRecord(gSensorRecord(300, 768));
    }));
    const std::size_t index = indexStart(bytes);
    const auto offsetFieldOf = [&](std::size_t entry) { return &bytes[index + entry * 16 + 8]; };
    // The GPS record now starts 100 bytes before the end, the third record past it.
    ByteOrder::writeLE32(offsetFieldOf(1), static_cast<std::uint32_t>(bytes.size() - 100 - 14148));
    ByteOrder::writeLE32(offsetFieldOf(2), static_cast<std::uint32_t>(bytes.size() - 14148));
    ASSERT_TRUE(extract(bytes, ZRVBlackBoxData::ChunkSource::index));

    ASSERT_EQ(data.gpsRecords().size(), 1u);
    const auto gps = data.gpsRecords()[0].data();
    EXPECT_TRUE(std::equal(gps.begin(), gps.begin() + 100, bytes.end() - 100));
    EXPECT_TRUE(std::all_of(gps.begin() + 100, gps.end(), [](auto b) { return b == 0; }));
    ASSERT_EQ(data.gSensors().size(), 2u); // the walk stops at the empty read
    EXPECT_EQ(data.gSensors()[1], ZRVGSensor());
    EXPECT_EQ(data.gSensorData()[1], ZRVAviGSensorData());

    // An index that points past the end gives way to the chunks themselves.
    ASSERT_TRUE(extract(bytes));
    EXPECT_EQ(data.recoveredRecordCount(), 4u);
    EXPECT_EQ(data.gSensors().size(), 3u);
    EXPECT_EQ(data.gSensors()[2].x, 3.0f);
}

TEST_F(ZRVBlackBoxDataTest, ReadsIndexesLongerThanOneBlock) {
    constexpr std::uint32_t kSamples = 5000;
    Bytes bytes = bytesOf(recording([](ZRVAviFileWriter& w) {
        for (std::uint32_t i = 0; i < kSamples; ++i) {
            w.addDataRecord(gSensorRecord(i * 100, static_cast<std::int32_t>(i)));
        }
        w.addDataRecord(gpsRecord(1000));
    }));
    ASSERT_TRUE(extract(bytes));
    ASSERT_EQ(data.gSensors().size(), kSamples);
    EXPECT_EQ(data.gSensors()[4096].x, 4096.0f / 256);
    EXPECT_EQ(data.gpsRecords().size(), 1u);

    // Cut five bytes into entry 4100: its identifier still reads "02sb", its
    // offset and size read as 0, so it is one more (misplaced) G-sensor record.
    bytes.resize(indexStart(bytes) + 4100 * 16 + 5);
    ASSERT_TRUE(extract(bytes, ZRVBlackBoxData::ChunkSource::index));
    ASSERT_EQ(data.gSensors().size(), 4101u);
    EXPECT_EQ(ByteOrder::readLE32(data.gSensorData()[4100].data().data()), 24u);
    EXPECT_TRUE(data.gpsRecords().empty());

    ASSERT_TRUE(extract(bytes));
    EXPECT_EQ(data.recoveredRecordCount(), kSamples + 1);
    EXPECT_EQ(data.gpsRecords().size(), 1u);
}

// Damage in general is left to the fuzzer; a cut can fall anywhere.
TEST_F(ZRVBlackBoxDataTest, SurvivesFilesCutAtAnyLength) {
    const Bytes intact = bytesOf(recording([](ZRVAviFileWriter& w) {
        for (std::uint32_t i = 0; i < 20; ++i) {
            w.addVideoFrame(Bytes(31, 0xFF));
            w.addDataRecord(gSensorRecord(i * 100, 3));
            if (i % 5 == 0) {
                w.addDataRecord(gpsRecord(i * 100, "$GPGGA,1,3731.0,N*00\r\n$GNGSA,A,3,1,2*00\n"));
            }
        }
    }));
    const std::size_t index = indexStart(intact);
    for (std::size_t length = 0; length <= intact.size(); length += length < index ? 61 : 3) {
        if (extract(Bytes(intact.begin(), intact.begin() + static_cast<std::ptrdiff_t>(length)))) {
            EXPECT_EQ(data.gSensorData().size(), data.gSensors().size());
            EXPECT_LE(data.gpsData().size(), data.gSensors().size());
            EXPECT_EQ(data.fixCountAfterGpsRecord().size(), data.gpsRecords().size());
        }
    }
}

// Power cut while recording: the index is missing or cut off, and the
// 'movi' list's size field may still hold what was written when the file was
// opened. Every complete record before the cut comes back, in file order.
TEST_F(ZRVBlackBoxDataTest, RecoversTheCompleteRecordsOfARecordingCutShort) {
    std::vector<_AVI_GSENSOR_DATA_T::Bytes> samples;
    std::vector<_AVI_GPS_DATA_T::Bytes> gps;
    const Bytes intact = bytesOf(recording([&](ZRVAviFileWriter& w) {
        for (std::uint32_t i = 0; i < 12; ++i) {
            w.addVideoFrame(Bytes(31, 0xFF)); // odd: padded to an even size
            w.addDataRecord(samples.emplace_back(gSensorRecord(i * 100, static_cast<int>(i))));
            if (i % 4 == 0) {
                w.addDataRecord(gps.emplace_back(
                    gpsRecord(i * 100, "$GPGGA,1,3731.0,N,12703.0,E,1,05,1.0*00\n")));
            }
        }
    }));
    ASSERT_TRUE(extract(intact));
    EXPECT_FALSE(data.recoveredWithoutIndex());
    const auto whole = data.gSensorData();
    const auto wholeGps = data.gpsRecords();
    const auto wholeFixes = data.nmeaFixes();

    const auto at = [&](const auto& record) {
        return static_cast<std::size_t>(
            std::search(intact.begin(), intact.end(), record.begin(), record.end()) -
            intact.begin());
    };
    const std::size_t moviEnd = indexStart(intact) - 8;
    struct Cut {
        const char* where;
        Bytes bytes;
        std::size_t samples;
        std::size_t gps;
    };
    const auto cut = [&](std::size_t length) {
        return Bytes(intact.begin(), intact.begin() + static_cast<std::ptrdiff_t>(length));
    };
    Bytes staleHeader = cut(moviEnd);
    ByteOrder::writeLE32(&staleHeader[4], 0);
    ByteOrder::writeLE32(&staleHeader[14136], 4);
    Bytes zeroTail = cut(at(samples[7]) + samples[7].size());
    zeroTail.resize(zeroTail.size() + 4096, 0);
    const std::vector<Cut> cuts = {
        {"inside a frame", cut(at(samples[5]) - 20), 5, 2},
        {"inside a GPS record", cut(at(gps[2]) + 300), 9, 2},
        {"right before the index", cut(moviEnd), 12, 3},
        {"in the middle of the index", cut((moviEnd + intact.size()) / 2), 12, 3},
        {"with the header as first written", staleHeader, 12, 3},
        {"with a zero-filled tail", zeroTail, 8, 2},
    };
    for (const auto& [where, bytes, sampleCount, gpsCount] : cuts) {
        ASSERT_TRUE(extract(bytes)) << where;
        EXPECT_EQ(data.recoveredRecordCount(), sampleCount + gpsCount) << where;
        EXPECT_EQ(data.gSensorData(), std::vector(whole.begin(), whole.begin() + sampleCount))
            << where;
        EXPECT_EQ(data.gpsRecords(), std::vector(wholeGps.begin(), wholeGps.begin() + gpsCount))
            << where;
        EXPECT_EQ(data.nmeaFixes().size(), gpsCount) << where;
    }
}

// A 'LIST rec ' groups chunks; the walk goes into it.
TEST_F(ZRVBlackBoxDataTest, WalksIntoRecLists) {
    Bytes group = {'r', 'e', 'c', ' ', '0', '2', 's', 'b', 24, 0, 0, 0};
    const auto sample = gSensorRecord(200, 512);
    group.insert(group.end(), sample.begin(), sample.end());
    const Bytes bytes = bytesOf(recording([&](ZRVAviFileWriter& w) {
        w.addDataRecord(gSensorRecord(100, 256));
        w.addChunk("LIST", group);
        w.addDataRecord(gSensorRecord(300, 768));
    }));
    ASSERT_TRUE(extract(Bytes(bytes.begin(), bytes.begin() + indexStart(bytes) - 8)));
    ASSERT_EQ(data.gSensors().size(), 3u);
    EXPECT_EQ(data.gSensors()[1].x, 2.0f);
}
