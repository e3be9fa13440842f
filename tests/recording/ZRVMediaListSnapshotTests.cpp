#include "recording/ZRVMediaListSnapshot.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

ZRVMediaListSnapshot rowsOf(const std::vector<std::string>& names) {
    std::vector<std::shared_ptr<const ZRVMedia>> medias;
    for (const auto& name : names) {
        medias.push_back(ZRVMedia::mediaWithPath("/card/" + name));
    }
    return ZRVMediaListSnapshot(std::move(medias));
}

} // namespace

TEST(ZRVMediaListSnapshotTests, TheNextMomentSkipsTheOtherCameraOfTheSameMoment) {
    const auto rows = rowsOf({"alwa_20240101_120000_F.avi", "alwa_20240101_120000_R.avi",
                              "event_20240101_120100_F.avi", "alwa_20240101_120100_R.avi",
                              "alwa_20240101_120200_F.avi"});
    EXPECT_EQ(rows.nextMomentIndex(0), 2u) << "from the front camera";
    EXPECT_EQ(rows.nextMomentIndex(1), 2u) << "from the rear camera";
    EXPECT_EQ(rows.nextMomentIndex(2), 3u) << "another mode of the same second";
    EXPECT_EQ(rows.nextMomentIndex(3), 4u) << "a moment whose front file is missing";
    EXPECT_EQ(rows.nextMomentIndex(4), std::nullopt) << "the last moment";
    EXPECT_EQ(rows.nextMomentIndex(9), std::nullopt);

    EXPECT_EQ(rows.indexOfPath("/card/alwa_20240101_120100_R.avi"), 3u);
    EXPECT_EQ(rows.indexOfPath("/other/alwa_20240101_120100_R.avi"), std::nullopt);
}
