#include "settings/CarNumberText.h"
#include "settings/GsensorThreshold.h"
#include "settings/WifiText.h"
#include "settings/ZRVValidator.h"

#include <gtest/gtest.h>

void PrintTo(const LocalizedMessage& message, std::ostream* out) {
    *out << message.key;
}

namespace {

const LocalizedMessage kInvalidFormat{"msg.input_value_invalid_format", {}};
const LocalizedMessage kOutOfRange{"msg.gsensor_outofrange_fmt", {0.05, 1.5}};

} // namespace

TEST(ZRVValidator, GsensorThresholdTextsAndCardShares) {
    for (const char* accepted : {"", "0.05", "1.5", " 0.3", "0.3g", "5e-2"}) {
        EXPECT_EQ(ZRVValidator::validateGsensorThreshold(accepted), std::nullopt) << accepted;
    }
    for (const char* outside : {"0.04", "1.51", "-0.3", "1e400", "0.049999", "0x1p-1"}) {
        EXPECT_EQ(ZRVValidator::validateGsensorThreshold(outside), kOutOfRange) << outside;
    }
    for (const char* invalid : {"abc", ".", "nan", "inf", ",5"}) {
        EXPECT_EQ(ZRVValidator::validateGsensorThreshold(invalid), kInvalidFormat) << invalid;
    }
    EXPECT_EQ(ZRVValidator::validateSDCardSizeRatio(20), std::nullopt);
    for (const int tooLow : {19, -20}) {
        EXPECT_EQ(ZRVValidator::validateSDCardSizeRatio(tooLow),
                  (LocalizedMessage{"msg.sdcard_ratio_too_low", {}}));
    }
}

TEST(GsensorThreshold, StoresTheNearestHundredth) {
    EXPECT_EQ(gsensorThresholdFromText(""), 0);
    EXPECT_EQ(gsensorThresholdFromText(" 0.3 g"), 30);
    EXPECT_EQ(gsensorThresholdFromText("abc"), std::nullopt);
    EXPECT_EQ(gsensorThresholdFromText("2"), std::nullopt);
    for (int hundredths : {70, 65, 60, 57, 55, 50, 45, 40, 35, 30, 29, 25, 20, 15, 12, 8}) {
        char text[8];
        std::snprintf(text, sizeof text, "%.2f", hundredths / 100.0);
        EXPECT_EQ(gsensorThresholdFromText(text), hundredths) << text;
    }
}

TEST(CarNumberText, KeepsUpToEightAsciiLettersAndDigits) {
    EXPECT_EQ(cleanCarNumberText("12 AB-3456"), "12AB3456");
    EXPECT_EQ(cleanCarNumberText("ABCDEFGHIJ"), "ABCDEFGH");
    EXPECT_EQ(cleanCarNumberText("\xEC\x84\x9C\xEC\x9A\xB8"), "");
    EXPECT_EQ(cleanCarNumberText("\xC3\xA4z1"), "z1");
}

TEST(WifiText, RuleAndChecksInOrder) {
    EXPECT_TRUE(validString("!~Az09#"));
    EXPECT_FALSE(validString("caf\xC3\xA9"));
    EXPECT_FALSE(validString("tab\t"));

    EXPECT_EQ(validateWifiTexts("TavuD", "12345678"), std::nullopt);
    EXPECT_EQ(validateWifiTexts("Tavu", "1 2"), "setting.aux.ssid_length");
    // Four characters, eight bytes: counted as four.
    EXPECT_EQ(validateWifiTexts("\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4", "12345678"),
              "setting.aux.ssid_length");
    EXPECT_EQ(validateWifiTexts("Tavu D", "1"), "setting.aux.ssid_invalid");
    EXPECT_EQ(validateWifiTexts("TavuD", "1234567"), "setting.aux.password_length");
    EXPECT_EQ(validateWifiTexts("TavuD", "1234 5678"), "setting.aux.password_invalid");
}
