#include "card/ui/PMProgressIndicatorController.h"
#include "controls/PMProgressIndicator.h"
#include "platform/PMLauncherEntry.h"
#include "support/EventLoopWait.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPixmapCache>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <vector>

namespace {

struct Published {
    double progress;
    bool visible;
};

struct RecordingLauncherEntry : PMLauncherEntry {
    explicit RecordingLauncherEntry(std::vector<Published>* log) : log(log) {}
    void update(double progress, bool visible) override { log->push_back({progress, visible}); }
    std::vector<Published>* log;
};

QImage solid(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

// The Qt row of a point `bottom` points above the icon's bottom edge.
int row(int bottom) {
    return PMProgressIndicatorController::kIconSize - 1 - bottom;
}

class PMProgressIndicatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        QGuiApplication::setWindowIcon(QIcon(QPixmap::fromImage(solid(128, 128, Qt::white))));
        controller = PMProgressIndicatorController::sharedInstance();
        controller->takeDockIconFromApplication();
        controller->setClock(clock());
        controller->setLauncherEntry(std::make_unique<RecordingLauncherEntry>(&published));
        // Missing bar images: the six drawn bands.
        controller->setBarImages({}, {}, solid(192, 13, QColor(255, 0, 255)));
    }
    void TearDown() override {
        ASSERT_EQ(controller->numProgressIndicators(), 0);
        controller->drawProgressIndicators();
        controller->setLauncherEntry(nullptr);
        controller->setClock({});
    }

    std::function<std::chrono::steady_clock::time_point()> clock() {
        return [this] { return now; };
    }
    void advance(double seconds) {
        now += std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::duration<double>(seconds));
    }

    std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
    std::vector<Published> published;
    PMProgressIndicatorController* controller = nullptr;
};

} // namespace

TEST(PMProgressIndicatorRules, WholeNumberTruncatesAddsAHalfAndTruncatesAgainWithinIntRange) {
    EXPECT_EQ(PMProgressIndicator::wholeNumber(42.9), 42);
    EXPECT_EQ(PMProgressIndicator::wholeNumber(-3.7), -2); // -3 -> -2.5 -> -2
    EXPECT_EQ(PMProgressIndicator::wholeNumber(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(PMProgressIndicator::wholeNumber(-1e300), std::numeric_limits<int>::min());
}

TEST_F(PMProgressIndicatorTest, TextChangesWithTheWholeNumberAndTellsTheTimeLeft) {
    PMProgressIndicator bar(nullptr, clock());
    QLabel text;
    bar.setProgressText(&text);
    bar.setDisplayPercentage(true);
    bar.setDoubleValue(20.2);
    EXPECT_EQ(text.text(), "20 % completed");

    text.setText("untouched");
    bar.setDoubleValue(20.9); // same whole number: not even the value changes
    bar.setDoubleValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(bar.doubleValue(), 20.2);
    EXPECT_EQ(text.text(), "untouched");

    advance(10);
    bar.setDoubleValue(40);
    // About 0.6 / (0.2 / 10) = 30 s from the first value.
    EXPECT_EQ(text.text(), "40 % completed - Less than a minute remaining");
    bar.setIndeterminate(true);
    bar.updateProgressText();
    EXPECT_EQ(text.text(), "");
}

TEST_F(PMProgressIndicatorTest, OnlyABarBetweenItsEndsThatDrawsDockProgressIsOnTheIcon) {
    const auto windowIconCorner = [] {
        return QGuiApplication::windowIcon().pixmap(128, 128).toImage().pixel(5, 127);
    };
    {
        PMProgressIndicator bar;
        bar.setDoubleValue(0.4); // whole number 0, as a fresh bar: nothing happens
        EXPECT_EQ(controller->numProgressIndicators(), 0);
        bar.setDoubleValue(50);
        bar.setDoubleValue(60);
        EXPECT_EQ(controller->numProgressIndicators(), 1); // listed once
        controller->drawProgressIndicators();
        EXPECT_NE(windowIconCorner(), qRgb(255, 255, 255));

        bar.setDoubleValue(0);
        EXPECT_EQ(controller->numProgressIndicators(), 0);
        controller->drawProgressIndicators();
        EXPECT_EQ(windowIconCorner(), qRgb(255, 255, 255));

        bar.setDoubleValue(100);
        EXPECT_EQ(controller->numProgressIndicators(), 0);
        bar.setDoubleValue(99);
        bar.setDrawDockProgress(false);
        EXPECT_EQ(controller->numProgressIndicators(), 0);
        bar.setDrawDockProgress(true);
        EXPECT_EQ(controller->numProgressIndicators(), 1);
    }
    EXPECT_EQ(controller->numProgressIndicators(), 0) << "a destroyed bar leaves the icon";
}

TEST_F(PMProgressIndicatorTest, DonePartEndsAtTheBarsShareAndBarsStackSixteenPointsApart) {
    PMProgressIndicator first;
    PMProgressIndicator second;
    first.setDoubleValue(50);  // w = 64
    second.setDoubleValue(25); // w = 32, stacked 16 points higher
    controller->drawProgressIndicators();
    QImage icon = controller->composedIcon();
    // Without bar images the bands are drawn, 13 points high.
    EXPECT_NE(icon.pixel(63, row(1)), icon.pixel(64, row(1))) << "done part ends at w";
    EXPECT_NE(icon.pixel(10, row(12)), qRgb(255, 255, 255));
    EXPECT_EQ(icon.pixel(10, row(13)), qRgb(255, 255, 255)) << "above the bands";
    EXPECT_EQ(icon.pixel(31, row(16)), icon.pixel(63, row(1))) << "second bar, 16 points up";
    EXPECT_NE(icon.pixel(31, row(16)), icon.pixel(32, row(16)));

    controller->setBarImages(solid(128, 14, QColor(0, 0, 255)),
                             solid(128, 14, QColor(128, 128, 128)), {});
    second.setDoubleValue(0);
    first.setDoubleValue(75); // w = 96
    controller->drawProgressIndicators();
    icon = controller->composedIcon();
    EXPECT_EQ(icon.pixel(95, row(13)), qRgb(0, 0, 255));
    EXPECT_EQ(icon.pixel(96, row(0)), qRgb(128, 128, 128));
    EXPECT_EQ(icon.pixel(50, row(14)), qRgb(255, 255, 255));
}

TEST_F(PMProgressIndicatorTest, TwoIndeterminateBarsStackAndKeepAnimating) {
    // A stripe image whose columns tell how far it was shifted.
    QImage stripes(192, 1, QImage::Format_ARGB32_Premultiplied);
    for (int x = 0; x < stripes.width(); ++x) {
        stripes.setPixel(x, 0, qRgb(x, 0, 200));
    }
    controller->setBarImages({}, {}, stripes.scaled(192, 13));
    PMProgressIndicator first;
    PMProgressIndicator second;
    first.setIndeterminate(true);
    second.setIndeterminate(true);
    first.startAnimation();
    first.setDoubleValue(2);
    second.setDoubleValue(2);

    const double offsetBefore = PMProgressIndicatorController::stripeOffset();
    advance(0.1);
    controller->drawProgressIndicators();
    // The first bar moves the stripes by 1.5 * 32 * 0.1; the second, drawn
    // right after, by nothing more.
    const double expected = std::fmod(offsetBefore - 4.8 + 32, 32);
    EXPECT_NEAR(PMProgressIndicatorController::stripeOffset(), expected, 1e-9);
    const QImage icon = controller->composedIcon();
    EXPECT_NEAR(qRed(icon.pixel(0, row(0))), qRound(expected), 1);
    EXPECT_EQ(qBlue(icon.pixel(50, row(16))), 200); // the second bar, 16 points up

    advance(0.1);
    runEventsFor(250);
    EXPECT_NE(PMProgressIndicatorController::stripeOffset(), expected) << "spinning";

    first.setDoubleValue(0);
    second.setDoubleValue(0);
    controller->drawProgressIndicators();
    EXPECT_FALSE(controller->isRedrawScheduled()); // nothing spins any more
}

TEST_F(PMProgressIndicatorTest, ChangesOfOneIntervalAreDrawnOnceLaterUnlessDisplayed) {
    PMProgressIndicator bar;
    bar.setDoubleValue(10);
    EXPECT_TRUE(published.empty()); // not drawn at once
    bar.setDoubleValue(20);
    bar.setDoubleValue(30);
    runEventsFor(250);
    EXPECT_FALSE(controller->isRedrawScheduled());
    ASSERT_EQ(published.size(), 1u); // one redraw for the three changes
    EXPECT_NEAR(published.back().progress, 0.3, 1e-9);

    bar.setDoubleValue(50);
    bar.display();
    EXPECT_FALSE(controller->isRedrawScheduled());
    EXPECT_NEAR(published.back().progress, 0.5, 1e-9);
}

TEST_F(PMProgressIndicatorTest, LauncherGetsTheFirstDeterminateBarAndOnlyWhenItChanges) {
    PMProgressIndicator busy;
    busy.setIndeterminate(true);
    busy.setDoubleValue(4);
    controller->drawProgressIndicators();
    ASSERT_FALSE(published.empty());
    EXPECT_FALSE(published.back().visible); // stripes only: nothing to show

    PMProgressIndicator job;
    job.setDoubleValue(40);
    controller->drawProgressIndicators();
    EXPECT_TRUE(published.back().visible);
    EXPECT_DOUBLE_EQ(published.back().progress, 0.4);
    const auto count = published.size();
    controller->drawProgressIndicators();
    EXPECT_EQ(published.size(), count);

    job.setDoubleValue(0);
    busy.setDoubleValue(0);
    controller->drawProgressIndicators();
    EXPECT_FALSE(published.back().visible);
}

// The spinning bar redraws the icon ten times a second for as long as a
// recording loads; the window system asks each new icon for its sizes. None
// of those pictures may settle in the process-wide pixmap cache, where they
// would push out what the rest of the application keeps there.
TEST_F(PMProgressIndicatorTest, SpinningIconLeavesThePixmapCacheAlone) {
    const int limit = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(256);
    QPixmap kept(64, 64);
    kept.fill(Qt::green);
    const QPixmapCache::Key key = QPixmapCache::insert(kept);
    {
        PMProgressIndicator bar;
        bar.setIndeterminate(true);
        bar.startAnimation();
        bar.setDoubleValue(2);
        for (int frame = 0; frame < 50; ++frame) {
            advance(0.1);
            controller->drawProgressIndicators();
            for (const int side : {16, 32, 48, 64, 128}) {
                ASSERT_FALSE(QGuiApplication::windowIcon().pixmap(side, side).isNull());
            }
        }
        bar.setDoubleValue(0);
    }
    QPixmap found;
    EXPECT_TRUE(QPixmapCache::find(key, &found));
    QPixmapCache::remove(key);
    QPixmapCache::setCacheLimit(limit);
}
