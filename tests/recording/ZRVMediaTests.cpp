#include "recording/ZRVMedia.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct NameCase {
    const char* fileName;
    ZRVMediaDivision division;
    ZRVMediaDirection direction;
    const char* time;
};

} // namespace

TEST(ZRVMediaTests, ParsesModeTimeAndSideFromTheName) {
    using enum ZRVMediaDivision;
    using D = ZRVMediaDirection;
    const std::vector<NameCase> cases = {
        {"motion_20160108_123456_R.AVI", motion, D::rear, "20160108123456"},
        {"abcd_20160108_123456_F.avi", always, D::front, "00000000000000"},
        {"alwa_20161308_123456_F.avi", always, D::unknown, "00000000000000"},
        {"event_19691231_235959_R.avi", event, D::unknown, "00000000000000"},
        {"._alwa_20160108_123456_F.avi", always, D::front, "00000000000000"},
        {"alwa_27001231_246060_F.avi", always, D::front, "27001231246060"},
        {"alwa_2016+1 8_ 1-0+0_R.avi", always, D::rear, "20160108010000"},
        {"alwa_20160108_123456_X.avi", always, D::unknown, "20160108123456"},
        {"alwa_20160108_123456.avi", always, D::front, "00000000000000"},
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.fileName);
        const ZRVMedia media(std::string("/card/") + expected.fileName);
        EXPECT_EQ(media.mediaDivision(), expected.division);
        EXPECT_EQ(media.mediaDirection(), expected.direction);
        EXPECT_EQ(media.yyyymmddhhmiss(), expected.time);
    }
}

TEST(ZRVMediaTests, SplitsThePathAndMakesItAbsolute) {
    const auto media = ZRVMedia::mediaWithPath("/card/DCIM/alwa_20160108_123456_F.AVI");
    EXPECT_EQ(media->mediaGroupName(), "alwa_20160108_123456");
    EXPECT_EQ(media->dir(), "/card/DCIM");
    EXPECT_EQ(media->extension(), "AVI");
    EXPECT_EQ(ZRVMedia("/alwa_20160108_123456_F.avi/").dir(), "/");
    EXPECT_EQ(ZRVMedia("/alwa_20160108_123456_F.avi/").fileName(), "alwa_20160108_123456_F.avi");

    const ZRVMedia relative("event_20160108_123456_R.avi");
    EXPECT_EQ(relative.path(), (std::filesystem::current_path() / relative.fileName()).string());

    const ZRVMedia hidden("/card/.hidden");
    EXPECT_EQ(hidden.fileName(), ".hidden");
    EXPECT_EQ(hidden.extension(), "");
}

TEST(ZRVMediaTests, AcceptsOnlyAviFilesOfTheRecordingShape) {
    for (const char* name : {"motion_20160108_123456_R.Avi", "abcd_20160108_123456_R.avi",
                             "._alwa_20160108_123456_F.avi"}) {
        EXPECT_TRUE(ZRVMedia::isRecordingFileName(name)) << name;
    }
    for (const char* name : {"alwa_20160108_123456_f.avi", "alwa_20160108_123456_F.mp4",
                             "alwa_20160108_12345_F.avi", "alwa_20160108_123456_F.avi.tmp"}) {
        EXPECT_FALSE(ZRVMedia::isRecordingFileName(name)) << name;
    }
}

TEST(ZRVMediaTests, OrdersByTimeThenEventBeforeAlwaysThenFrontBeforeRear) {
    const std::vector<std::string> expected = {
        "abcd_20160108_123456_F.avi",  "event_20160108_123456_F.avi",
        "event_20160108_123456_R.avi", "motion_20160108_123456_F.avi",
        "alwa_20160108_123456_F.avi",  "alwa_20160108_123456_R.avi",
        "alwa_20160108_123457_F.avi",
    };
    std::vector<ZRVMedia> medias;
    for (auto name = expected.rbegin(); name != expected.rend(); ++name) {
        medias.emplace_back("/card/" + *name);
    }
    std::sort(medias.begin(), medias.end(),
              [](const ZRVMedia& a, const ZRVMedia& b) { return a.compareDate(b) < 0; });
    std::vector<std::string> sorted;
    for (const auto& media : medias) {
        sorted.emplace_back(media.fileName());
    }
    EXPECT_EQ(sorted, expected);
    EXPECT_EQ(medias[1].compareDate(ZRVMedia("/other/event_20160108_123456_F.AVI")),
              std::weak_ordering::equivalent);
}
