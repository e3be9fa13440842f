#include "common/ByteOrder.h"
#include "recording/ZRVAviFileWriter.h"
#include "support/TemporaryDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

std::vector<unsigned char> readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string fourCCAt(const std::vector<unsigned char>& bytes, std::size_t at) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(at),
            bytes.begin() + static_cast<std::ptrdiff_t>(at + 4)};
}

} // namespace

TEST(ZRVAviFileWriter, PutsMoviAtTheCameraOffsetAndTheIndexRightAfterIt) {
    TemporaryDirectory dir;
    const auto path = dir.path() / "alwa_20240305_190809_F.avi";
    ZRVAviFileWriter writer(path, {});
    const std::vector<unsigned char> frame(101, 0xAB); // odd size: padded in the file
    const std::vector<unsigned char> record(24, 0x01);
    writer.addVideoFrame(frame);
    writer.addDataRecord(record);
    ASSERT_FALSE(writer.finish().has_value());

    const auto bytes = readAll(path);
    ASSERT_GT(bytes.size(), 14148u);
    EXPECT_EQ(fourCCAt(bytes, 0), "RIFF");
    EXPECT_EQ(ByteOrder::readLE32(&bytes[4]), bytes.size() - 8);
    EXPECT_EQ(fourCCAt(bytes, 14132), "LIST");
    EXPECT_EQ(fourCCAt(bytes, 14140), "movi");

    const std::uint32_t moviSize = ByteOrder::readLE32(&bytes[14136]);
    const std::size_t index = moviSize + 14148;
    EXPECT_EQ(fourCCAt(bytes, index - 8), "idx1");
    EXPECT_EQ(ByteOrder::readLE32(&bytes[index - 4]), 32u);

    // Each entry's offset counts from the 'movi' identifier.
    EXPECT_EQ(fourCCAt(bytes, index), "00dc");
    EXPECT_EQ(ByteOrder::readLE32(&bytes[index + 8]) + 14140, 14144u);
    EXPECT_EQ(ByteOrder::readLE32(&bytes[index + 12]), 101u);
    EXPECT_EQ(fourCCAt(bytes, index + 16), "02sb");
    EXPECT_EQ(ByteOrder::readLE32(&bytes[index + 24]) + 14140, 14144u + 8 + 102);
}

TEST(ZRVAviFileWriter, FailedOrAbandonedWritesLeaveNothingBehind) {
    TemporaryDirectory dir;
    {
        ZRVAviFileWriter abandoned(dir.path() / "x.avi", {});
        abandoned.addVideoFrame(std::vector<unsigned char>(10, 0));
    }
    ZRVAviFileWriter writer(dir.path() / "missing" / "x.avi", {});
    writer.addVideoFrame(std::vector<unsigned char>(10, 0));
    const auto error = writer.finish();
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("missing"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
