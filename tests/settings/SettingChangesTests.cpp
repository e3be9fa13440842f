#include "settings/SettingChanges.h"

#include <gtest/gtest.h>

TEST(SettingChanges, ListsChangedNumbersAndTextsButNotTheChecksum) {
    _FILEDATA before;
    fillDefaultSettings(before);
    _FILEDATA after = before;
    after.vid_enc_bitrate = 2;
    after.szPlateNumber = {'1', '2', 'A', 'B'};
    after.checksum = 0x1234;
    const std::vector<std::string> expected = {"vid_enc_bitrate: 1 \u2192 2",
                                               "szPlateNumber: \"Tavu\" \u2192 \"12AB\""};
    EXPECT_EQ(describeSettingChanges(before, after), expected);
    EXPECT_TRUE(describeSettingChanges(after, after).empty());
}
