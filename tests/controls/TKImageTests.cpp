#include "ImageFolder.h"
#include "controls/PartImageDrawing.h"
#include "controls/TKImage.h"

#include <gtest/gtest.h>

TEST(TKImage, ImagesTheWindowsNameAreBuiltInForEveryNamingScheme) {
    for (const char* name :
         {"bottom-background", "zorva", "v1_front_logo", "v2_rear_logo", "barberProgress",
          "record_p.png", "information_n.png", "icon_pause_f", "car_rear_motion",
          "bg_bt_info_right_pressed.png", "v1_top_left_corner", "v2_center_fill"}) {
        EXPECT_FALSE(TKImage::named(name).isNull()) << name;
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
