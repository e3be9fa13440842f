#include "ImageFolder.h"
#include "controls/TKImageButton.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QColor colourOf(const QPixmap& pixmap) {
    return pixmap.isNull() ? QColor() : pixmap.toImage().pixelColor(0, 0);
}

class TKImageButtonTest : public ::testing::Test {
protected:
    TKImageButtonTest() {
        images.add("probe_n", Qt::red);
        images.add("probe_f", Qt::green);
        images.add("probe_p", Qt::blue);
        images.add("gap_n", Qt::red);
        images.add("gap_p", Qt::blue);
    }

    ImageFolder images;
};

// A window with the button at (40, 40), 20 x 20, and a label right of it
// whose left 4 points fall inside the button's tracking rim.
class TrackedButtonTest : public TKImageButtonTest {
protected:
    TrackedButtonTest() {
        window.resize(120, 100);
        button = new TKImageButton(&window);
        button->setImageName("probe_n");
        button->setGeometry(40, 40, 20, 20);
        neighbour = new QLabel(&window);
        neighbour->setGeometry(60, 40, 30, 20);
        window.show();
    }

    void moveOver(QWidget* widget, QPoint position) {
        QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }

    QWidget window;
    TKImageButton* button = nullptr;
    QLabel* neighbour = nullptr;
};

} // namespace

TEST_F(TKImageButtonTest, StateImagesFollowTheNameSuffixConvention) {
    TKImageButton button;
    button.setImageName("probe_n.png"); // a raster extension finds the same files
    EXPECT_EQ(colourOf(button.displayedImage()), QColor(Qt::red));
    const QColor inactive = colourOf(button.inactiveImage());
    EXPECT_EQ(inactive.red(), 255);
    EXPECT_NEAR(inactive.alphaF(), TKImageButton::inactiveOpacity, 0.01);
    EXPECT_EQ(colourOf(button.rolloverImage()), QColor(Qt::green));
    EXPECT_EQ(colourOf(button.pressedImage()), QColor(Qt::blue));

    button.setImageName("gap_n");
    button.mouseEntered();
    EXPECT_TRUE(button.displayedImage().isNull()) << "no rollover image: nothing while hovered";
}

TEST_F(TKImageButtonTest, RolloverLastsUntilEveryEntryHasLeftAndSurvivesRenaming) {
    images.add("other_n", Qt::cyan);
    images.add("other_f", Qt::magenta);
    TKImageButton button;
    button.setImageName("probe_n");
    button.mouseExited(); // unmatched: the count must not go below zero
    button.mouseEntered();
    button.mouseEntered();
    button.mouseExited();
    EXPECT_EQ(colourOf(button.displayedImage()), QColor(Qt::green));
    button.setImageName("other_n");
    EXPECT_EQ(colourOf(button.displayedImage()), QColor(Qt::magenta));
    button.mouseExited();
    EXPECT_EQ(colourOf(button.displayedImage()), QColor(Qt::cyan));
}

TEST_F(TKImageButtonTest, DisabledButtonShowsInactiveImageWhateverThePointer) {
    TKImageButton button;
    button.setImageName("probe_n");
    QPixmap grey(4, 4);
    grey.fill(Qt::gray);
    button.setInactiveImage(grey);
    button.setEnabled(false);
    button.mouseEntered();
    EXPECT_EQ(colourOf(button.displayedImage()), QColor(Qt::gray));

    // Enabling under the pointer shows the plain image until the next report.
    button.setEnabled(true);
    EXPECT_EQ(colourOf(button.displayedImage()), QColor(Qt::red));
    button.mouseEntered();
    EXPECT_EQ(colourOf(button.displayedImage()), QColor(Qt::green));
}

TEST_F(TrackedButtonTest, PointerWithinFourPointsOfTheEdgeCountsAsOverUntilItLeavesTheWindow) {
    moveOver(&window, {37, 45});
    EXPECT_EQ(button->numberOfCaptures(), 1);
    EXPECT_EQ(colourOf(button->displayedImage()), QColor(Qt::green));
    moveOver(button, {10, 10});
    EXPECT_EQ(button->numberOfCaptures(), 1) << "moving within the area is no new entry";
    moveOver(&window, {35, 45});
    EXPECT_EQ(button->numberOfCaptures(), 0);
    EXPECT_EQ(colourOf(button->displayedImage()), QColor(Qt::red));

    moveOver(neighbour, {2, 5});
    EXPECT_EQ(button->numberOfCaptures(), 1);
    moveOver(neighbour, {5, 5});
    EXPECT_EQ(button->numberOfCaptures(), 0);

    moveOver(button, {5, 5});
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&window, &leave);
    EXPECT_EQ(button->numberOfCaptures(), 0);
    EXPECT_EQ(colourOf(button->displayedImage()), QColor(Qt::red));
}

TEST_F(TrackedButtonTest, PressedImageShowsWhileHeldDownAndClickFires) {
    int clicks = 0;
    QObject::connect(button, &QAbstractButton::clicked, [&clicks] { ++clicks; });
    QTest::mousePress(button, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(colourOf(button->displayedImage()), QColor(Qt::blue));
    QTest::mouseRelease(button, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(clicks, 1);
    EXPECT_NE(colourOf(button->displayedImage()), QColor(Qt::blue));
}
