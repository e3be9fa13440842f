#include "ImageFolder.h"
#include "controls/CustomBackgroundBox.h"
#include "controls/PartImageDrawing.h"
#include "controls/TKColorBackgroundView.h"
#include "controls/TKImage.h"
#include "controls/TKImageButtonCell.h"
#include "controls/TKThreePartImageView.h"
#include "controls/TKVideoBackgroundImageView.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QPixmap solid(QColor colour, int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(colour);
    return pixmap;
}

// The widget's own drawing on a transparent canvas, without any window
// background, so that "draws nothing" is visible as transparency.
QImage drawn(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// What a drawing function paints on a transparent canvas.
template <typename Draw> QImage painted(QSize size, Draw&& draw) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter);
    painter.end();
    return image;
}

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

} // namespace

TEST(TKThreePartImageView, CapsKeepTheirWidthAndTheMiddleStretches) {
    TKThreePartImageView view;
    view.resize(50, 10);
    view.setImagesLeft(solid(Qt::red, 4, 3), solid(Qt::green, 1, 3), solid(Qt::blue, 6, 3));
    const QImage image = drawn(view);
    EXPECT_EQ(at(image, 3, 9), QColor(Qt::red));
    EXPECT_EQ(at(image, 4, 9), QColor(Qt::green));
    EXPECT_EQ(at(image, 43, 0), QColor(Qt::green));
    EXPECT_EQ(at(image, 44, 0), QColor(Qt::blue));
}

TEST(TKThreePartImageView, NarrowFrameShrinksTheCapsInsteadOfOverflowing) {
    const QImage image = painted({5, 4}, [](QPainter& painter) {
        drawThreePartImage(painter, QRectF(0, 0, 5, 4), solid(Qt::red, 4, 4),
                           solid(Qt::green, 1, 4), solid(Qt::blue, 6, 4));
    });
    EXPECT_EQ(at(image, 0, 2), QColor(Qt::red));
    EXPECT_EQ(at(image, 4, 2), QColor(Qt::blue));
    EXPECT_NE(at(image, 1, 2), QColor(Qt::green));
}

TEST(TKVideoBackgroundImageView, NinePartsAndCentredLogo) {
    ImageFolder images;
    images.add("frame_top_left_corner", QColor(255, 0, 0), {3, 3});
    images.add("frame_top_right_corner", QColor(0, 255, 0), {3, 3});
    images.add("frame_bottom_left_corner", QColor(0, 0, 255), {3, 3});
    images.add("frame_bottom_right_corner", QColor(255, 255, 0), {3, 3});
    images.add("frame_top_edge_fill", QColor(0, 255, 255), {1, 3});
    images.add("frame_bottom_edge_fill", QColor(255, 0, 255), {1, 3});
    images.add("frame_left_edge_fill", QColor(128, 0, 0), {3, 1});
    images.add("frame_right_edge_fill", QColor(0, 128, 0), {3, 1});
    images.add("frame_center_fill", QColor(0, 0, 128), {1, 1});

    TKVideoBackgroundImageView view;
    view.resize(60, 40);
    view.setBackgroundNineImageName("frame");
    view.setLogoImage(solid(Qt::white, 10, 6));
    EXPECT_EQ(view.logoRect(), QRectF(25, 17, 10, 6));

    const QImage image = drawn(view);
    EXPECT_EQ(at(image, 2, 2), QColor(255, 0, 0));
    EXPECT_EQ(at(image, 59, 0), QColor(0, 255, 0));
    EXPECT_EQ(at(image, 0, 39), QColor(0, 0, 255));
    EXPECT_EQ(at(image, 59, 39), QColor(255, 255, 0));
    EXPECT_EQ(at(image, 56, 1), QColor(0, 255, 255));
    EXPECT_EQ(at(image, 30, 38), QColor(255, 0, 255));
    EXPECT_EQ(at(image, 1, 20), QColor(128, 0, 0));
    EXPECT_EQ(at(image, 58, 3), QColor(0, 128, 0));
    EXPECT_EQ(at(image, 24, 20), QColor(0, 0, 128));
    EXPECT_EQ(at(image, 34, 22), QColor(Qt::white));
    EXPECT_EQ(at(image, 35, 22), QColor(0, 0, 128));
}

TEST(TKVideoBackgroundImageView, UnknownImageSetLeavesTheAreaBlank) {
    TKVideoBackgroundImageView view;
    view.resize(20, 20);
    view.setBackgroundNineImageName("no_such_set");
    EXPECT_EQ(drawn(view).pixelColor(10, 10).alpha(), 0);
}

TEST(CustomBackgroundBox, BrownGreyShowsWhereAColourViewInsideHasNoColour) {
    CustomBackgroundBox box;
    box.resize(40, 20);
    TKColorBackgroundView content(&box);
    content.setGeometry(0, 0, 10, 10);
    content.setBackgroundColor(Qt::green);
    EXPECT_EQ(at(drawn(box), 30, 15), QColor(106, 95, 91));
    EXPECT_EQ(at(drawn(box), 5, 5), QColor(Qt::green));
    content.setBackgroundColor(QColor());
    EXPECT_EQ(at(drawn(box), 5, 5), QColor(106, 95, 91));
}

TEST(TKImageButtonCell, OnUsesPlainBezelOffAndHighlightUsePressedBezel) {
    ImageFolder images;
    for (const char* part : {"left", "center", "right"}) {
        images.add(QStringLiteral("bg_bt_info_%1").arg(part), Qt::red, {4, 10});
        images.add(QStringLiteral("bg_bt_info_%1_pressed").arg(part), Qt::blue, {4, 10});
    }
    const TKImageButtonCell cell;
    const QRectF frame(0, 0, 30, 10);
    const auto paint = [](auto&& draw) { return painted({30, 10}, draw); };
    const QImage on = paint([&](QPainter& p) { cell.drawBezelWithFrame(p, frame, true); });
    const QImage off = paint([&](QPainter& p) { cell.drawBezelWithFrame(p, frame, false); });
    const QImage lit = paint([&](QPainter& p) { cell.highlight(p, true, frame); });
    const QImage unlit = paint([&](QPainter& p) { cell.highlight(p, false, frame); });
    EXPECT_EQ(at(on, 15, 5), QColor(Qt::red));
    EXPECT_EQ(at(off, 29, 5), QColor(Qt::blue));
    EXPECT_EQ(at(lit, 0, 5), QColor(Qt::blue));
    EXPECT_EQ(at(unlit, 15, 5).alpha(), 0);
}
