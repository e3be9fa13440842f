#include "card/ui/PMLauncherEntry.h"
#include "card/ui/PMProgressIndicator.h"
#include "card/ui/PMProgressIndicatorController.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
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

void runEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

QImage solid(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

// The Qt row of a point `bottom` points above the icon's bottom edge.
int row(int bottom) {
    return PMProgressIndicatorController::kIconSize - 1 - bottom;
}

// 0.78 of a band colour over the white test icon.
int overWhite(int component) {
    return qRound(0.78 * component + 0.22 * 255);
}

void expectNear(QRgb pixel, int red, int green, int blue, const char* what) {
    EXPECT_NEAR(qRed(pixel), red, 3) << what;
    EXPECT_NEAR(qGreen(pixel), green, 3) << what;
    EXPECT_NEAR(qBlue(pixel), blue, 3) << what;
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

TEST(PMProgressIndicatorRules, WholeNumber) {
    EXPECT_EQ(PMProgressIndicator::wholeNumber(42.2), 42);
    EXPECT_EQ(PMProgressIndicator::wholeNumber(42.9), 42);
    EXPECT_EQ(PMProgressIndicator::wholeNumber(43.0), 43);
    EXPECT_EQ(PMProgressIndicator::wholeNumber(0.99), 0);
    // Truncated, plus 0.5, truncated again: -3.7 -> -3 -> -2.5 -> -2.
    EXPECT_EQ(PMProgressIndicator::wholeNumber(-3.7), -2);
    EXPECT_EQ(PMProgressIndicator::wholeNumber(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(PMProgressIndicator::wholeNumber(-1e300), std::numeric_limits<int>::min());
}

TEST_F(PMProgressIndicatorTest, StartsAsAfterLoading) {
    PMProgressIndicator bar;
    EXPECT_TRUE(bar.drawDockProgress());
    EXPECT_TRUE(bar.displayTimeRemaining());
    EXPECT_FALSE(bar.displayPercentage());
    EXPECT_FALSE(bar.alreadyBounced());
    EXPECT_EQ(bar.lastValue(), 0);
    EXPECT_EQ(bar.minValue(), 0);
    EXPECT_EQ(bar.maxValue(), 100);
    EXPECT_EQ(controller->numProgressIndicators(), 0); // not listed before a value
}

TEST_F(PMProgressIndicatorTest, SameWholeNumberChangesNothing) {
    PMProgressIndicator bar;
    QLabel text;
    bar.setProgressText(&text);
    bar.setDisplayPercentage(true);
    bar.setDoubleValue(42.2);
    EXPECT_DOUBLE_EQ(bar.doubleValue(), 42.2);
    EXPECT_EQ(bar.lastValue(), 42);
    EXPECT_EQ(text.text(), "42 % completed");
    EXPECT_EQ(bar.value(), 422); // the Qt bar at 1/1000 of the range

    text.setText("untouched");
    bar.setDoubleValue(42.9); // same whole number: not even the value changes
    EXPECT_DOUBLE_EQ(bar.doubleValue(), 42.2);
    EXPECT_EQ(text.text(), "untouched");

    bar.setDoubleValue(43.0);
    EXPECT_DOUBLE_EQ(bar.doubleValue(), 43.0);
    EXPECT_EQ(bar.lastValue(), 43);
    EXPECT_EQ(text.text(), "43 % completed");

    bar.setDoubleValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(bar.doubleValue(), 43.0);
}

TEST_F(PMProgressIndicatorTest, FreshBarAtMinimumIsNotRegistered) {
    PMProgressIndicator bar;
    bar.setDoubleValue(0.4); // whole number 0 == lastValue 0: nothing happens
    EXPECT_EQ(bar.doubleValue(), 0);
    EXPECT_EQ(controller->numProgressIndicators(), 0);
}

TEST_F(PMProgressIndicatorTest, BarBackAtItsMinimumLeavesTheIcon) {
    {
        PMProgressIndicator bar;
        bar.setDoubleValue(50);
        EXPECT_EQ(controller->numProgressIndicators(), 1);
        bar.setDoubleValue(60);
        EXPECT_EQ(controller->numProgressIndicators(), 1); // listed once
        controller->drawProgressIndicators();
        EXPECT_NE(controller->composedIcon(), controller->dockIcon());
        EXPECT_NE(QGuiApplication::windowIcon().pixmap(128, 128).toImage().pixel(5, 127),
                  qRgb(255, 255, 255));

        bar.setDoubleValue(0);
        EXPECT_EQ(controller->numProgressIndicators(), 0);
        controller->drawProgressIndicators();
        // With no bar left the plain icon returns.
        EXPECT_EQ(controller->composedIcon(), controller->dockIcon());
        EXPECT_EQ(QGuiApplication::windowIcon().pixmap(128, 128).toImage().pixel(5, 127),
                  qRgb(255, 255, 255));

        bar.setDoubleValue(100); // at the maximum it leaves too
        EXPECT_EQ(controller->numProgressIndicators(), 0);
        bar.setDoubleValue(99);
        EXPECT_EQ(controller->numProgressIndicators(), 1);
    }
    // A destroyed bar leaves the icon.
    EXPECT_EQ(controller->numProgressIndicators(), 0);
}

TEST_F(PMProgressIndicatorTest, DrawDockProgressFlagRegisters) {
    PMProgressIndicator bar;
    bar.setDrawDockProgress(false);
    bar.setDoubleValue(30);
    EXPECT_EQ(controller->numProgressIndicators(), 0);
    bar.setDrawDockProgress(true);
    EXPECT_EQ(controller->numProgressIndicators(), 1);
    bar.setDrawDockProgress(false);
    EXPECT_EQ(controller->numProgressIndicators(), 0);
}

TEST_F(PMProgressIndicatorTest, SixBandsWhenBarImagesAreMissing) {
    PMProgressIndicator first;
    PMProgressIndicator second;
    first.setDoubleValue(50);  // w = 64
    second.setDoubleValue(25); // w = 32, stacked 16 points higher
    controller->drawProgressIndicators();
    const QImage icon = controller->composedIcon();

    // Bar 0, band 1 only at its bottom row: done colour left of 64, rest right.
    expectNear(icon.pixel(10, row(0)), overWhite(129), overWhite(204), overWhite(255), "done");
    expectNear(icon.pixel(100, row(0)), overWhite(241), overWhite(241), overWhite(241), "rest");
    expectNear(icon.pixel(63, row(1)), overWhite(129), overWhite(204), overWhite(255), "at w-1");
    expectNear(icon.pixel(64, row(1)), overWhite(241), overWhite(241), overWhite(241), "at w");
    // Band 6 (y + 12, 1 high) over nothing else.
    expectNear(icon.pixel(10, row(12)), overWhite(59), overWhite(120), overWhite(185), "band 6");
    // Above the bands the icon is untouched.
    EXPECT_EQ(icon.pixel(10, row(13)), qRgb(255, 255, 255));
    // Bar 1 at y = 16: done up to 32.
    expectNear(icon.pixel(20, row(16)), overWhite(129), overWhite(204), overWhite(255), "bar 1");
    expectNear(icon.pixel(40, row(16)), overWhite(241), overWhite(241), overWhite(241), "bar 1");
    expectNear(icon.pixel(40, row(28)), overWhite(160), overWhite(160), overWhite(160), "bar 1");
    EXPECT_EQ(icon.pixel(10, row(30)), qRgb(255, 255, 255));
}

TEST_F(PMProgressIndicatorTest, BlueAndGreyImagesSplitAtTheDonePart) {
    controller->setBarImages(solid(128, 14, QColor(0, 0, 255)),
                             solid(128, 14, QColor(128, 128, 128)), {});
    PMProgressIndicator bar;
    bar.setDoubleValue(75); // w = 96
    controller->drawProgressIndicators();
    const QImage icon = controller->composedIcon();
    EXPECT_EQ(icon.pixel(0, row(0)), qRgb(0, 0, 255));
    EXPECT_EQ(icon.pixel(95, row(13)), qRgb(0, 0, 255));
    EXPECT_EQ(icon.pixel(96, row(0)), qRgb(128, 128, 128));
    EXPECT_EQ(icon.pixel(127, row(0)), qRgb(128, 128, 128));
    EXPECT_EQ(icon.pixel(50, row(14)), qRgb(255, 255, 255));
}

TEST_F(PMProgressIndicatorTest, TwoIndeterminateBarsStackAndKeepAnimating) {
    // A stripe image whose columns tell how far it was shifted.
    QImage stripes(192, 13, QImage::Format_ARGB32_Premultiplied);
    for (int x = 0; x < stripes.width(); ++x) {
        for (int y = 0; y < stripes.height(); ++y) {
            stripes.setPixel(x, y, qRgb(x, 0, 200));
        }
    }
    controller->setBarImages({}, {}, stripes);
    controller->setClock(time.clock());
    PMProgressIndicator first;
    PMProgressIndicator second;
    first.setIndeterminate(true);
    second.setIndeterminate(true);
    first.startAnimation();
    first.setDoubleValue(2);
    second.setDoubleValue(2);
    ASSERT_EQ(controller->numProgressIndicators(), 2);

    const double offsetBefore = PMProgressIndicatorController::stripeOffset();
    time.advance(0.1);
    controller->drawProgressIndicators();
    // The first bar moves the stripes by 1.5 * 32 * 0.1; the second, drawn
    // right after, by nothing more.
    double expected = offsetBefore - 4.8;
    if (expected < 0) {
        expected += 32;
    }
    EXPECT_NEAR(PMProgressIndicatorController::stripeOffset(), expected, 1e-9);
    const QImage icon = controller->composedIcon();
    const int shift = qRound(PMProgressIndicatorController::stripeOffset());
    EXPECT_NEAR(qRed(icon.pixel(0, row(0))), shift, 1);
    EXPECT_EQ(qBlue(icon.pixel(0, row(0))), 200);
    EXPECT_EQ(qBlue(icon.pixel(50, row(16))), 200);          // the second bar, 16 points up
    EXPECT_EQ(icon.pixel(50, row(13)), qRgb(255, 255, 255)); // between the bars
    EXPECT_EQ(icon.pixel(50, row(29)), qRgb(255, 255, 255)); // above them

    // Spinning: the next redraw is due 0.1 s later, and it comes.
    EXPECT_TRUE(controller->isRedrawScheduled());
    EXPECT_EQ(controller->redrawInterval(), 100);
    time.advance(0.1);
    runEventsFor(250);
    EXPECT_LT(std::abs(PMProgressIndicatorController::stripeOffset() - expected), 32);
    EXPECT_NE(PMProgressIndicatorController::stripeOffset(), expected);

    first.setDoubleValue(0);
    second.setDoubleValue(0);
    controller->drawProgressIndicators();
    EXPECT_FALSE(controller->isRedrawScheduled()); // nothing spins any more
}

TEST_F(PMProgressIndicatorTest, ChangesOfOneIntervalAreDrawnOnceLater) {
    PMProgressIndicator bar;
    bar.setDoubleValue(10);
    EXPECT_TRUE(controller->isRedrawScheduled());
    EXPECT_TRUE(published.empty()); // not drawn at once
    bar.setDoubleValue(20);
    bar.setDoubleValue(30);
    runEventsFor(250);
    EXPECT_FALSE(controller->isRedrawScheduled());
    ASSERT_EQ(published.size(), 1u); // one redraw for the three changes
    EXPECT_NEAR(published.back().progress, 0.3, 1e-9);
    bar.setDoubleValue(0);
}

TEST_F(PMProgressIndicatorTest, DisplayRedrawsTheIconAtOnce) {
    PMProgressIndicator bar;
    bar.setDoubleValue(50);
    bar.display();
    EXPECT_FALSE(controller->isRedrawScheduled());
    EXPECT_NE(controller->composedIcon(), controller->dockIcon());
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

TEST_F(PMProgressIndicatorTest, ProgressTextFromTheReferencePoint) {
    FakeClock clock;
    PMProgressIndicator bar(nullptr, clock.clock());
    QLabel text;
    bar.setProgressText(&text);
    bar.setDisplayPercentage(true);
    bar.setDoubleValue(20);
    EXPECT_EQ(text.text(), "20 % completed");
    clock.advance(10);
    bar.setDoubleValue(40);
    // r = 0.6 / (0.2 / 10) = 30 s.
    EXPECT_EQ(text.text(), "40 % completed - Less than a minute remaining");

    bar.setIndeterminate(true);
    bar.updateProgressText();
    EXPECT_EQ(text.text(), "");
    bar.setIndeterminate(false);
    bar.setDoubleValue(0);
}

TEST(PMUnityLauncherEntry, UpdateSignal) {
    const QString uri = "application://zorva.desktop";
    const QDBusMessage message = PMUnityLauncherEntry::updateMessage(uri, 0.25, true);
    EXPECT_EQ(message.type(), QDBusMessage::SignalMessage);
    EXPECT_EQ(message.interface(), "com.canonical.Unity.LauncherEntry");
    EXPECT_EQ(message.member(), "Update");
    EXPECT_TRUE(message.path().startsWith("/com/canonical/unity/launcherentry/"));
    EXPECT_EQ(message.path(), PMUnityLauncherEntry::objectPath(uri)); // the same every time
    ASSERT_EQ(message.arguments().size(), 2);
    EXPECT_EQ(message.arguments()[0].toString(), uri);
    const QVariantMap properties = message.arguments()[1].toMap();
    EXPECT_EQ(properties.value("progress").typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(properties.value("progress").toDouble(), 0.25);
    EXPECT_EQ(properties.value("progress-visible").typeId(), QMetaType::Bool);
    EXPECT_TRUE(properties.value("progress-visible").toBool());

    EXPECT_DOUBLE_EQ(PMUnityLauncherEntry::updateMessage(uri, 1.5, false)
                         .arguments()[1]
                         .toMap()
                         .value("progress")
                         .toDouble(),
                     1.0);
}

TEST(PMUnityLauncherEntry, WithoutABusNothingIsSent) {
    PMUnityLauncherEntry entry(QDBusConnection(QStringLiteral("nowhere")),
                               QStringLiteral("application://zorva.desktop"));
    entry.update(0.5, true); // a connection that is not connected: no effect, no crash
    SUCCEED();
}

namespace {

// Receives the launcher signal on a private bus.
class LauncherListener : public QObject {
    Q_OBJECT
public:
    QString uri;
    QVariantMap properties;
    int count = 0;
public slots:
    void onUpdate(const QString& appUri, const QVariantMap& values) {
        uri = appUri;
        properties = values;
        ++count;
    }
};

} // namespace

TEST(PMUnityLauncherEntry, SignalArrivesOnABus) {
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty()) {
        GTEST_SKIP() << "no dbus-daemon";
    }
    QProcess bus;
    bus.start(daemon, {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(bus.waitForStarted(5000));
    ASSERT_TRUE(bus.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    {
        QDBusConnection sender = QDBusConnection::connectToBus(address, "zorva-test-sender");
        QDBusConnection receiver = QDBusConnection::connectToBus(address, "zorva-test-receiver");
        ASSERT_TRUE(sender.isConnected());
        ASSERT_TRUE(receiver.isConnected());
        const QString uri = "application://zorva.desktop";
        LauncherListener listener;
        ASSERT_TRUE(receiver.connect(QString(), PMUnityLauncherEntry::objectPath(uri),
                                     "com.canonical.Unity.LauncherEntry", "Update", &listener,
                                     SLOT(onUpdate(QString, QVariantMap))));
        PMUnityLauncherEntry entry(sender, uri);
        entry.update(0.6, true);
        for (int i = 0; i < 50 && listener.count == 0; ++i) {
            runEventsFor(20);
        }
        ASSERT_EQ(listener.count, 1);
        EXPECT_EQ(listener.uri, uri);
        EXPECT_DOUBLE_EQ(listener.properties.value("progress").toDouble(), 0.6);
        EXPECT_TRUE(listener.properties.value("progress-visible").toBool());
    }
    QDBusConnection::disconnectFromBus("zorva-test-sender");
    QDBusConnection::disconnectFromBus("zorva-test-receiver");
    bus.kill();
    bus.waitForFinished(5000);
}

#include "PMProgressIndicatorTests.moc"
