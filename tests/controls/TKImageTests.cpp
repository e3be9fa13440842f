#include "ImageFolder.h"
#include "controls/PartImageDrawing.h"
#include "controls/TKImage.h"

#include <gtest/gtest.h>

TEST(TKImage, EveryImageTheWindowsNameIsBuiltIn) {
    QStringList names = {
        "bottom-background", "v1_front_logo",     "v1_rear_logo",   "v2_front_logo", "v2_rear_logo",
        "blueProgress",      "greyProgress",      "barberProgress", "record_n.png",  "record_p.png",
        "information_n.png", "information_p.png", "zorva"};
    for (const char* state : {"_n", "_f", "_p"}) {
        names << QStringLiteral("icon_play%1").arg(state)
              << QStringLiteral("icon_pause%1").arg(state);
    }
    for (const char* side : {"front", "rear"}) {
        for (const char* mode : {"alwa", "motion", "event"}) {
            names << QStringLiteral("car_%1_%2").arg(side, mode);
        }
    }
    for (const char* part : {"left", "center", "right"}) {
        names << QStringLiteral("bg_bt_info_%1.png").arg(part)
              << QStringLiteral("bg_bt_info_%1_pressed.png").arg(part);
    }
    for (const char* set : {"v1", "v2"}) {
        for (const char* part : {"top_left_corner", "top_right_corner", "bottom_left_corner",
                                 "bottom_right_corner", "left_edge_fill", "right_edge_fill",
                                 "top_edge_fill", "bottom_edge_fill", "center_fill"}) {
            names << QStringLiteral("%1_%2").arg(set, part);
        }
    }
    for (const QString& name : names) {
        EXPECT_FALSE(TKImage::named(name).isNull()) << name.toStdString();
    }
}

TEST(TKImage, SizesAreInPointsAndMissingNamesAreNull) {
    // The progress drawing places its bars on a 128-point grid.
    EXPECT_EQ(pointSize(TKImage::named("blueProgress")).width(), 128);
    EXPECT_EQ(pointSize(TKImage::named("bottom-background")), QSizeF(8, 36));
    EXPECT_TRUE(TKImage::named("no_such_image").isNull());
    EXPECT_TRUE(TKImage::named("").isNull());
}

TEST(TKImage, SearchFoldersOverrideBuiltInImages) {
    ImageFolder images;
    images.add("icon_play_n", Qt::red, {5, 7});
    const QPixmap overridden = TKImage::named("icon_play_n");
    EXPECT_EQ(overridden.size(), QSize(5, 7));
    EXPECT_EQ(overridden.toImage().pixelColor(2, 2), QColor(Qt::red));
}
