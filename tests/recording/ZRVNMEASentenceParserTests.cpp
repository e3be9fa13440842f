#include "recording/ZRVNMEASentenceParser.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace {

const char* const kGga = "$GPGGA,083559.000,3731.1234,N,12703.5678,E,1,08,0.9,45.0,M,,,,*hh";

} // namespace

// RMC leaves the position to GGA, which stores it as 32-bit floats; empty
// fields keep what an earlier sentence set.
TEST(ZRVNMEASentenceParser, RmcSetsSpeedCourseAndTimeAndGgaThePosition) {
    ZRVNMEASentenceParser parser;
    const ZRVGpsData& fix = parser.m_Current;
    EXPECT_TRUE(
        parser.parse("$GPRMC,083559.000,A,3731.1234,N,12703.5678,E,12.5,87.3,210116,,,A*hh"));
    EXPECT_DOUBLE_EQ(fix.CourseOverGround, static_cast<double>(87.3f));
    EXPECT_EQ(fix.Now, (_SYSTEMTIME{2016, 1, 0, 21, 8, 35, 59, 0}));
    EXPECT_EQ(fix.Latitude, 0.0);
    // Fewer decimals in the time: the speed is still taken, the time is not.
    EXPECT_TRUE(parser.parse("$GNRMC,101010.00,A,,,,,3.0,,220117,,,A*hh"));
    EXPECT_DOUBLE_EQ(fix.SpeedOverGround, 3.0);
    EXPECT_EQ(fix.Now.wDay, 21);

    EXPECT_TRUE(parser.parse(kGga));
    EXPECT_EQ(fix.Latitude, 3731.123291015625);
    EXPECT_EQ(fix.Longitude, 12703.5673828125);
    EXPECT_EQ(fix.SatelliteUsedCount, 8u);
    // $GNGGA never sets the count.
    EXPECT_TRUE(parser.parse("$GNGGA,083600.000,3700.0,,12700.0,W,1,11,1.5,45.0,M,,,,*hh"));
    EXPECT_EQ(fix.NS, 'N');
    EXPECT_EQ(fix.EW, 'W');
    EXPECT_EQ(fix.SatelliteUsedCount, 8u);
    EXPECT_EQ(fix.HDOP, 1.5);
}

TEST(ZRVNMEASentenceParser, GsaCountsGpsAndGlonassSatellitesApart) {
    ZRVNMEASentenceParser parser;
    const ZRVGpsData& fix = parser.m_Current;
    ASSERT_TRUE(parser.parse("$GNGSA,A,3,02,05,13,15,20,,,,,,,,1.6,0.9,1.3*hh"));
    ASSERT_TRUE(parser.parse("$GNGSA,A,3,67,68,77,,,,,,,,,,1.6,0.9,1.3*hh"));
    EXPECT_EQ(fix.SatelliteUsedCount_GPS, 5u);
    EXPECT_EQ(fix.SatelliteUsedCount, 8u);
    EXPECT_EQ(fix.satelliteUsedAtIndex(2), 77);
    EXPECT_EQ(fix.satelliteUsedAtIndex(3), 0);
    ZRVGpsData slots; // twelve: a thirteenth is ignored
    slots.setSatelliteUsed(7, 11);
    slots.setSatelliteUsed(9, 12);
    EXPECT_EQ(slots.satelliteUsedAtIndex(11), 7);
    EXPECT_EQ(slots.satelliteUsedAtIndex(12), 0);

    // A GGA after a GSA no longer sets the count, but hands the next GSA to GPS.
    ASSERT_TRUE(parser.parse(kGga));
    EXPECT_EQ(fix.SatelliteUsedCount, 8u);
    ASSERT_TRUE(parser.parse("$GNGSA,A,1,,,,,,,,,,,,,,,*hh"));
    ASSERT_TRUE(parser.parse("$GNGSA,A,3,70,71,,,,,,,,,,,,,*hh"));
    EXPECT_EQ(fix.SatelliteUsedCount_GPS, 0u);
    EXPECT_EQ(fix.SatelliteUsedCount, 2u);
}

TEST(ZRVNMEASentenceParser, GnsTakesOverCountAndHdopUntilCleared) {
    ZRVNMEASentenceParser parser;
    const ZRVGpsData& fix = parser.m_Current;
    ASSERT_TRUE(parser.parse("$GNGNS,083559.00,3731.1,N,12703.5,E,AN,14,1.1,45.0,,,*hh"));
    EXPECT_EQ(fix.SatelliteUsedCount, 14u);
    ASSERT_TRUE(parser.parse("$GPGGA,083559.000,3731.1234,N,12703.5678,E,1,08,2.0,45.0,M,,,,*hh"));
    ASSERT_TRUE(parser.parse("$GNGSA,A,3,02,05,,,,,,,,,,,,,*hh"));
    EXPECT_EQ(fix.HDOP, static_cast<double>(1.1f));
    EXPECT_EQ(fix.SatelliteUsedCount, 14u);

    parser.clear();
    EXPECT_EQ(fix, ZRVGpsData{});
    ASSERT_TRUE(parser.parse(kGga));
    EXPECT_EQ(fix.HDOP, static_cast<double>(0.9f));
}

TEST(ZRVNMEASentenceParser, RejectedSentencesLeaveTheFixAlone) {
    ZRVNMEASentenceParser parser;
    ASSERT_TRUE(parser.parse(kGga));
    const ZRVGpsData before = parser.m_Current;
    for (const char* sentence : std::initializer_list<const char*>{
             "$GPGGA,083559.000,3800.0,S,12703.5678,E,1,03,0.9,45.0,M,,,,",
             "$GPGGA,083559.000,3800.0,S,12703.5678,E,1,03,0.9,45.0,M,,,,*hh*",
             "$GPGSA,A,3,02,05,13,15,20,,,,,,,,1.6,0.9,1.3*hh",
             "$gpgga,083559.000,3800.0,S,12703.5678,E,1,03,0.9,45.0,M,,,,*hh",
             "$GNGNS,,,,,,,\xC0\xAF,1.0*hh",     // overlong encoding
             "$GNGNS,,,,,,,\xED\xA0\x80,1.0*hh", // surrogate
             "$GNGNS,,,,,,,3,1.0*hh\xE2\x82",    // cut-off sequence
             "",
             nullptr,
         }) {
        EXPECT_FALSE(parser.parse(sentence)) << (sentence != nullptr ? sentence : "null");
        EXPECT_EQ(parser.m_Current, before);
    }
    EXPECT_TRUE(parser.parse("$GNGNS,\xC3\xA9,,,,,,3,1.0*hh"));
}

TEST(ZRVNMEASentenceParser, ShortSentencesApplyTheFieldsTheyHave) {
    ZRVNMEASentenceParser parser;
    ZRVGpsData& fix = parser.m_Current;
    fix.SpeedOverGround = 5;
    EXPECT_TRUE(parser.parse("$GPRMC,083559.000,A*hh"));
    EXPECT_EQ(fix.SpeedOverGround, 5.0);
    EXPECT_TRUE(parser.parse("$GPGGA,083559.000,3731.5*hh"));
    EXPECT_EQ(fix.Latitude, 3731.5);
    EXPECT_EQ(fix.NS, 'N');
    EXPECT_TRUE(parser.parse("$GNGNS,,,,,,,9*"));
    EXPECT_EQ(fix.SatelliteUsedCount, 9u);
    EXPECT_TRUE(parser.parse("$GNGNS*"));
    EXPECT_EQ(fix.SatelliteUsedCount, 9u);
}

TEST(ZRVNMEASentenceParser, ReadsNumbersLeniently) {
    const struct {
        const char* text;
        std::uint32_t count;
        double hdop;
    } cases[] = {
        {" 12abc", 12, 12.0}, {"-1.5", 4294967295u, -1.5},
        {".5", 0, 0.5},       {"nan", 0, 0.0},
        {"1e2x", 1, 100.0},   {"1e50", 1, 0.0},
        {"+-1", 0, 0.0},      {"99999999999", 2147483647u, 1e11f},
    };
    for (const auto& c : cases) {
        ZRVNMEASentenceParser parser;
        const std::string sentence = std::string("$GNGNS,,,,,,,") + c.text + "," + c.text + "*";
        ASSERT_TRUE(parser.parse(sentence.c_str()));
        EXPECT_EQ(parser.m_Current.SatelliteUsedCount, c.count) << c.text;
        EXPECT_EQ(parser.m_Current.HDOP, static_cast<double>(static_cast<float>(c.hdop))) << c.text;
    }
}
