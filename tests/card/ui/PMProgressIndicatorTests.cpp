#include "card/ui/PMProgressIndicatorController.h"
#include "controls/PMProgressIndicator.h"
#include "platform/PMLauncherEntry.h"
#include "support/EventLoopWait.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
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

class RecordingLauncherEntry : public PMLauncherEntry {
public:
    explicit RecordingLauncherEntry(std::vector<Published>* log) : m_log(log) {}
    void update(double progress, bool visible) override { m_log->push_back({progress, visible}); }

private:
    std::vector<Published>* m_log;
};

struct FakeClock {
    std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
    std::function<std::chrono::steady_clock::time_point()> clock() {
        return [this] { return now; };
    }
    void advance(double seconds) {
        now += std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::duration<double>(seconds));
    }
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

// A band colour drawn 0.78 opaque over the white test icon.
void expectBand(QRgb pixel, QColor band, const char* what) {
    const auto over = [](int component) { return qRound(0.78 * component + 0.22 * 255); };
    EXPECT_NEAR(qRed(pixel), over(band.red()), 3) << what;
    EXPECT_NEAR(qGreen(pixel), over(band.green()), 3) << what;
    EXPECT_NEAR(qBlue(pixel), over(band.blue()), 3) << what;
}

class PMProgressIndicatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        QGuiApplication::setWindowIcon(QIcon(QPixmap::fromImage(solid(128, 128, Qt::white))));
        controller = PMProgressIndicatorController::sharedInstance();
        controller->takeDockIconFromApplication();
        controller->setClock(time.clock());
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

    FakeClock time;
    std::vector<Published> published;
    PMProgressIndicatorController* controller = nullptr;
};

} // namespace

TEST(PMProgressIndicatorRules, WholeNumberTruncatesAddsAHalfAndTruncatesAgainWithinIntRange) {
    EXPECT_EQ(PMProgressIndicator::wholeNumber(42.9), 42);
    EXPECT_EQ(PMProgressIndicator::wholeNumber(43.0), 43);
    EXPECT_EQ(PMProgressIndicator::wholeNumber(-3.7), -2); // -3 -> -2.5 -> -2
    EXPECT_EQ(PMProgressIndicator::wholeNumber(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(PMProgressIndicator::wholeNumber(-1e300), std::numeric_limits<int>::min());
}

TEST_F(PMProgressIndicatorTest, TextChangesWithTheWholeNumberAndTellsTheTimeLeft) {
    FakeClock clock;
    PMProgressIndicator bar(nullptr, clock.clock());
    QLabel text;
    bar.setProgressText(&text);
    bar.setDisplayPercentage(true);
    bar.setDoubleValue(20.2);
    EXPECT_EQ(text.text(), "20 % completed");
    EXPECT_EQ(bar.value(), 202); // the Qt bar at 1/1000 of the range

    text.setText("untouched");
    bar.setDoubleValue(20.9); // same whole number: not even the value changes
    bar.setDoubleValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(bar.doubleValue(), 20.2);
    EXPECT_EQ(text.text(), "untouched");

    clock.advance(10);
    bar.setDoubleValue(40);
    // About 0.6 / (0.2 / 10) = 30 s from the first value.
    EXPECT_EQ(text.text(), "40 % completed - Less than a minute remaining");
    bar.setIndeterminate(true);
    bar.updateProgressText();
    EXPECT_EQ(text.text(), "");
    bar.setIndeterminate(false);
    bar.setDoubleValue(0);
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
    // Without bar images: six drawn bands.
    expectBand(icon.pixel(63, row(1)), QColor(129, 204, 255), "at w-1");
    expectBand(icon.pixel(64, row(1)), QColor(241, 241, 241), "at w");
    expectBand(icon.pixel(10, row(12)), QColor(59, 120, 185), "band 6");
    EXPECT_EQ(icon.pixel(10, row(13)), qRgb(255, 255, 255)) << "above the bands";
    expectBand(icon.pixel(31, row(16)), QColor(129, 204, 255), "bar 1");
    expectBand(icon.pixel(32, row(16)), QColor(241, 241, 241), "bar 1");

    controller->setBarImages(solid(128, 14, QColor(0, 0, 255)),
                             solid(128, 14, QColor(128, 128, 128)), {});
    second.setDoubleValue(0);
    first.setDoubleValue(75); // w = 96
    controller->drawProgressIndicators();
    icon = controller->composedIcon();
    EXPECT_EQ(icon.pixel(95, row(13)), qRgb(0, 0, 255));
    EXPECT_EQ(icon.pixel(96, row(0)), qRgb(128, 128, 128));
    EXPECT_EQ(icon.pixel(50, row(14)), qRgb(255, 255, 255));
    first.setDoubleValue(0);
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
    time.advance(0.1);
    controller->drawProgressIndicators();
    // The first bar moves the stripes by 1.5 * 32 * 0.1; the second, drawn
    // right after, by nothing more.
    const double expected = std::fmod(offsetBefore - 4.8 + 32, 32);
    EXPECT_NEAR(PMProgressIndicatorController::stripeOffset(), expected, 1e-9);
    const QImage icon = controller->composedIcon();
    EXPECT_NEAR(qRed(icon.pixel(0, row(0))), qRound(expected), 1);
    EXPECT_EQ(qBlue(icon.pixel(50, row(16))), 200); // the second bar, 16 points up

    EXPECT_EQ(controller->redrawInterval(), 100);
    time.advance(0.1);
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
    bar.setDoubleValue(0);
}

TEST_F(PMProgressIndicatorTest, LauncherGetsTheFirstDeterminateBar) {
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
    controller->drawProgressIndicators(); // unchanged: not sent again
    EXPECT_EQ(published.size(), count);

    job.setDoubleValue(0);
    busy.setDoubleValue(0);
    controller->drawProgressIndicators();
    EXPECT_FALSE(published.back().visible);
}
