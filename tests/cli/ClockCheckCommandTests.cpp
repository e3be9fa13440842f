#include "support/FixRecordings.h"
#include "support/ProgramRun.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

ProgramRun clockCheck(const TemporaryDirectory& card, bool json) {
    std::vector<std::string> arguments = {ZORVA_TOOL_PATH, "clock-check", card.path().string()};
    if (json) {
        arguments.push_back("--json");
    }
    return ProgramRun::run(arguments);
}

} // namespace

// The newest moment's fix says "V" (no fix), so the one before it is used:
// 19:08:09 in the name, the fix stored 4 s in, against 09:05:00 UTC moved
// into UTC+09:00 with summer time.
TEST(ClockCheckCommand, TheNewestValidFixInTheCardsZoneWithSummerTimeGivesTheOffset) {
    TemporaryDirectory card;
    FixRecordings::writeZone(card.path(), 28, true);
    using FixRecordings::rmc;
    FixRecordings::write(
        card.path() / "DCIM/ALWAYS/alwa_20240305_190809_F.avi", 24000,
        {{24000, rmc("090456.000", "V", "050324")}, {28000, rmc("090500.000", "A", "050324")}});
    FixRecordings::write(card.path() / "DCIM/ALWAYS/alwa_20240305_190809_R.avi", 24000, {});
    FixRecordings::write(card.path() / "DCIM/ALWAYS/alwa_20240305_191009_F.avi", 150000,
                         {{151000, rmc("091009.000", "V", "050324")}});

    const auto json = clockCheck(card, true);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(json.out, R"({"recording":"alwa_20240305_190809_F.avi",)"
                        R"("camera_time":"2024-03-05T19:08:13","gps_time":"2024-03-05T19:05:00",)"
                        R"("offset_seconds":193})"
                        "\n");
    EXPECT_EQ(json.err, "");
    EXPECT_EQ(clockCheck(card, false).out,
              "The camera's clock is 3 min 13 s ahead of GPS time (alwa_20240305_190809_F.avi)\n");
}

// West of UTC by 4:30: 23:59:50 on New Year's Eve plus 5 s against
// 04:30:55 UTC on New Year's Day.
TEST(ClockCheckCommand, ACameraBehindAcrossTheYearInAZoneWestOfUtc) {
    TemporaryDirectory card;
    FixRecordings::writeZone(card.path(), 8, false);
    FixRecordings::write(card.path() / "event_20231231_235950_F.avi", 90000,
                         {{95000, "$GPGGA,043055.00,,,,,0,00,99.99,,,,,,*60\n" +
                                      FixRecordings::rmc("043055.25", "A", "010124")}});
    const auto json = clockCheck(card, true);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find(R"("gps_time":"2024-01-01T00:00:55","offset_seconds":-60})"),
              std::string::npos)
        << json.out;
    EXPECT_EQ(clockCheck(card, false).out,
              "The camera's clock is 1 min behind GPS time (event_20231231_235950_F.avi)\n");
}

TEST(ClockCheckCommand, WithoutTheCardsZoneItTellsUtcAndWithoutAValidFixItExitsOne) {
    TemporaryDirectory card;
    const std::string valid = FixRecordings::rmc("101010", "A", "050324");
    FixRecordings::write(card.path() / "motion_20240305_101010_F.avi", 5000, {{5000, valid}});
    const auto utc = clockCheck(card, false);
    EXPECT_EQ(utc.exitCode, 0);
    EXPECT_EQ(utc.out, "The camera's clock agrees with GPS time to within 2 s "
                       "(motion_20240305_101010_F.avi)\n");
    EXPECT_NE(utc.err.find("UTC"), std::string::npos) << utc.err;

    FixRecordings::writeZone(card.path(), 34, false);
    EXPECT_NE(clockCheck(card, true).err.find("outside 0..33"), std::string::npos);

    TemporaryDirectory noFix;
    std::string damaged = valid;
    damaged[10] = '9';
    FixRecordings::write(noFix.path() / "motion_20240305_101010_F.avi", 5000, {{5000, damaged}});
    const auto none = clockCheck(noFix, true);
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(ProgramRun::run({ZORVA_TOOL_PATH, "clock-check"}).exitCode, 2);
}
