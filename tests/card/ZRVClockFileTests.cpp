#include "card/ZRVClockFile.h"
#include "support/TemporaryDirectory.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(ZRVClockFile, TextIsNineteenBytesOfARealMoment) {
    EXPECT_EQ(ZRVClockFile::textOf({2024, 3, 5, 19, 8, 9}), "2024/03/05 19:08:09");
    EXPECT_EQ(ZRVClockFile::textOf({1, 2, 28, 23, 59, 59}), "0001/02/28 23:59:59");
    for (const ZRVClockFile::DateTime bad : {ZRVClockFile::DateTime{2023, 2, 29, 0, 0, 0},
                                             {10000, 1, 1, 0, 0, 0},
                                             {2024, 1, 1, 24, 0, 0}}) {
        EXPECT_FALSE(ZRVClockFile::textOf(bad)) << bad.year << "/" << bad.month << "/" << bad.day;
    }
    EXPECT_EQ(ZRVClockFile::dateTimeFromText("2024/02/29 19:08:09"),
              (ZRVClockFile::DateTime{2024, 2, 29, 19, 8, 9}));
    for (const char* bad : {"2024/03/05 19:08", "2024/02/30 10:00:00", "+024/03/05 19:08:09"}) {
        EXPECT_FALSE(ZRVClockFile::dateTimeFromText(bad)) << bad;
    }
}

TEST(ZRVClockFile, WritingReplacesALongerFileOrReportsFailure) {
    TemporaryDirectory dir;
    const auto path = dir.write("timeset.cfg", "2099/12/31 23:59:59 and a stale tail");
    ASSERT_FALSE(ZRVClockFile::writeFile(path, {2024, 3, 5, 19, 8, 9}));
    EXPECT_EQ(slurp(path), "2024/03/05 19:08:09");

    EXPECT_TRUE(ZRVClockFile::writeFile(path, {2024, 2, 30, 0, 0, 0}));
    EXPECT_TRUE(
        ZRVClockFile::writeFile(dir.path() / "gone" / "timeset.cfg", {2024, 3, 5, 0, 0, 0}));
    EXPECT_EQ(slurp(path), "2024/03/05 19:08:09");
}
