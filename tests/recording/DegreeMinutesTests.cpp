#include "recording/DegreeMinutes.h"

#include <gtest/gtest.h>

TEST(DegreeMinutes, ConvertsKeepingTheSignAndFillsOnlyThePlacesGiven) {
    EXPECT_NEAR(degreesFromDegreeMinutes(12703.5678), 127.05946333, 1e-8);
    EXPECT_NEAR(degreesFromDegreeMinutes(-3731.5), -37.525, 1e-12);

    double latitude = -1;
    double longitude = -1;
    degreesFromDegreeMinutes(&latitude, &longitude, 3731.5, 12730.0);
    EXPECT_NEAR(latitude, 37.525, 1e-12);
    EXPECT_NEAR(longitude, 127.5, 1e-12);
    degreesFromDegreeMinutes(nullptr, &longitude, 3731.5, 4530.0);
    EXPECT_NEAR(longitude, 45.5, 1e-12);
    degreesFromDegreeMinutes(&latitude, nullptr, 130.0, 4530.0);
    EXPECT_NEAR(latitude, 1.5, 1e-12);
}
