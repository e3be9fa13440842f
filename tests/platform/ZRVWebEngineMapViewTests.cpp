#include "platform/ZRVMapPageBridge.h"
#include "platform/ZRVWebEngineMapView.h"
#include "support/EventLoopWait.h"

#include <QDesktopServices>
#include <QImage>
#include <QJsonValue>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <QWidget>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace {

constexpr int kPageTimeoutMs = 15000;

// Stands for a car without network whatever the machine running the tests
// has: every tile request fails.
class TileBlocker final : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        if (info.requestUrl().host() == QLatin1String("tile.openstreetmap.org")) {
            info.block(true);
        }
    }
};

class UrlRecorder final : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// A window with the map in it, on the offscreen platform.
class MapWindow {
public:
    MapWindow() {
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&m_tileBlocker);
        window.resize(640, 420);
        map.widget()->setGeometry(0, 0, 640, 420);
        window.show();
    }
    ~MapWindow() { QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr); }

    QWebEngineView* view() const { return qobject_cast<QWebEngineView*>(map.widget()); }

    QVariant evaluate(const QString& script) {
        std::optional<QVariant> result;
        view()->page()->runJavaScript(script, [&](const QVariant& value) { result = value; });
        waitFor([&] { return result.has_value(); }, kPageTimeoutMs);
        return result.value_or(QVariant());
    }

    // Asked of whatever document is there, the page or the blank one before it.
    bool waitUntil(const QString& condition) {
        const QString script =
            QStringLiteral("typeof zorvaState === 'function' && (%1)").arg(condition);
        return waitFor([&] { return evaluate(script).toBool(); }, kPageTimeoutMs);
    }

    bool loadPage() {
        map.loadMapPage();
        return waitUntil(QStringLiteral("true"));
    }

    QVariantMap state() { return evaluate(QStringLiteral("zorvaState()")).toMap(); }

    QPoint pixelOf(double lat, double lng) {
        const QVariantMap point =
            evaluate(QStringLiteral("zorvaMap.latLngToContainerPoint([%1, %2])").arg(lat).arg(lng))
                .toMap();
        return QPoint(qRound(point.value(QStringLiteral("x")).toDouble()),
                      qRound(point.value(QStringLiteral("y")).toDouble()));
    }

    QWidget window;
    ZRVWebEngineMapView map{&window};

private:
    TileBlocker m_tileBlocker;
};

const QString kTrack = QStringLiteral("setTrack(["
                                      "{lat: 37.5200, lng: 126.9700, kmh: 10, p: 0.0},"
                                      "{lat: 37.5230, lng: 126.9760, kmh: 45, p: 0.25},"
                                      "{lat: 37.5260, lng: 126.9820, kmh: 80, p: 0.5},"
                                      "{lat: 37.5290, lng: 126.9880, kmh: 110, p: 0.75},"
                                      "{lat: 37.5320, lng: 126.9940, kmh: 60, p: 1.0}])");

TEST(ZRVWebEngineMapView,
     RunsEarlyScriptsInOrderThenPansOnlyNearTheEdgeAndHidesTheMarkerWithoutGps) {
    MapWindow map;
    for (int step = 1; step <= 3; ++step) {
        map.map.evaluateScript(
            QStringLiteral("window.zorvaOrder = (window.zorvaOrder || []).concat(%1)").arg(step));
    }
    // Given before the page exists, and longitude first as the bridge hands it.
    map.map.evaluateScript(QStringLiteral("setLatLag('126.980000','37.525000')"));
    ASSERT_TRUE(map.loadPage());
    ASSERT_TRUE(map.waitUntil(QStringLiteral("zorvaState().marker !== null")));
    EXPECT_EQ(map.evaluate(QStringLiteral("window.zorvaOrder")).toList(), (QVariantList{1, 2, 3}));
    EXPECT_EQ(map.state().value(QStringLiteral("marker")).toList(), (QVariantList{37.525, 126.98}));
    const QString view =
        QStringLiteral("[zorvaMap.getCenter().lat, zorvaMap.getCenter().lng, zorvaMap.getZoom()]");
    const QVariantList first = map.evaluate(view).toList();
    ASSERT_EQ(first.size(), 3);
    EXPECT_NEAR(first[0].toDouble(), 37.525, 1e-6);
    EXPECT_NEAR(first[1].toDouble(), 126.98, 1e-6);

    map.map.evaluateScript(QStringLiteral("setLatLag('126.981000','37.525500')"));
    ASSERT_TRUE(map.waitUntil(QStringLiteral("zorvaState().marker[1] === 126.981")));
    EXPECT_EQ(map.evaluate(view).toList(), first);

    map.map.evaluateScript(QStringLiteral("setLatLag('127.100000','37.600000')"));
    ASSERT_TRUE(map.waitUntil(
        QStringLiteral("zorvaMap.getBounds().pad(-0.05).contains(zorvaState().marker)")));
    EXPECT_EQ(map.evaluate(view).toList().value(2), first.value(2));

    map.map.evaluateScript(QStringLiteral("ZRVDebug('GPS Data Count=Zero')"));
    ASSERT_TRUE(map.waitUntil(QStringLiteral("zorvaState().note.includes('No GPS position')")));
    EXPECT_TRUE(map.state().value(QStringLiteral("marker")).isNull());
    EXPECT_NE(map.evaluate(QStringLiteral(
                               "getComputedStyle(document.getElementById('gps-note')).display"))
                  .toString(),
              QLatin1String("none"));
}

TEST(ZRVWebEngineMapView, DrawsTheTrackOfflineWithoutBrokenTilesAndReportsClicksOnIt) {
    MapWindow map;
    QSignalSpy clicks(&map.map, &ZRVMapView::trackClicked);
    map.map.loadMapPage();
    map.map.evaluateScript(kTrack);
    ASSERT_TRUE(
        map.waitUntil(QStringLiteral("zorvaState().trackPoints === 5 && "
                                     "zorvaState().tilesOffline && zorvaState().channelReady")));
    EXPECT_EQ(map.state().value(QStringLiteral("note")).toString(),
              QStringLiteral("Map tiles offline"));
    const QString tiles =
        QStringLiteral("Array.from(document.querySelectorAll('img.leaflet-tile'))");
    EXPECT_GT(map.evaluate(tiles + QStringLiteral(".length")).toInt(), 0);
    EXPECT_EQ(map.evaluate(tiles + QStringLiteral(".filter(t => !(t.complete && t.naturalWidth > 0)"
                                                  " && getComputedStyle(t).visibility !== "
                                                  "'hidden').length"))
                  .toInt(),
              0);

    const QColor background(0x20, 0x25, 0x2c);
    const QPoint middle = map.pixelOf(37.5260, 126.9820);
    QImage picture;
    waitFor(
        [&] {
            picture = map.map.widget()->grab().toImage();
            return picture.pixelColor(middle) != background;
        },
        kPageTimeoutMs);
    EXPECT_EQ(picture.pixelColor(5, picture.height() / 2), background);
    EXPECT_NE(picture.pixelColor(middle), background);

    QWidget* surface = map.view()->focusProxy() ? map.view()->focusProxy() : map.view();
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, map.pixelOf(37.5231, 126.9761));
    ASSERT_TRUE(waitFor([&] { return !clicks.isEmpty(); }, kPageTimeoutMs));
    EXPECT_DOUBLE_EQ(clicks.first().first().toDouble(), 0.25) << "the nearest point's position";

    map.map.evaluateScript(QStringLiteral("setTrack([])"));
    ASSERT_TRUE(map.waitUntil(QStringLiteral("zorvaState().trackPoints === 0")));
}

TEST(ZRVWebEngineMapView, SendsLinksToTheDesktopBrowserAndFetchesNothingButTiles) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    MapWindow map;
    UrlRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    ASSERT_TRUE(map.loadPage());
    ASSERT_TRUE(map.waitUntil(QStringLiteral("zorvaState().channelReady")));

    map.evaluate(QStringLiteral("document.querySelector('.leaflet-control-attribution "
                                "a[href*=\"openstreetmap\"]').click()"));
    waitFor([&] { return !browser.urls.isEmpty(); }, kPageTimeoutMs);
    map.evaluate(QStringLiteral("location.href = 'https://example.org/'"));
    runEventsFor(300);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(browser.urls,
              QList<QUrl>{QUrl(QStringLiteral("https://www.openstreetmap.org/copyright"))});
    EXPECT_EQ(map.view()->url(), QUrl(QStringLiteral("qrc:/map/map2_eng.htm")));

    map.map.evaluateScript(QStringLiteral("new Image().src = 'http://127.0.0.1:%1/a.png';"
                                          "fetch('http://127.0.0.1:%1/b').catch(() => {});"
                                          "window.zorvaAsked = true")
                               .arg(server.serverPort()));
    ASSERT_TRUE(map.waitUntil(QStringLiteral("window.zorvaAsked === true")));
    EXPECT_FALSE(waitFor([&] { return server.hasPendingConnections(); }, 1000));
}

TEST(ZRVMapPageBridge, PassesOnlyFiniteNumbersClampedToThePlayRange) {
    ZRVMapPageBridge bridge;
    QSignalSpy clicks(&bridge, &ZRVMapPageBridge::trackClicked);
    bridge.reportTrackClick(QJsonValue(0.4));
    bridge.reportTrackClick(QJsonValue(1.7));
    bridge.reportTrackClick(QJsonValue(-0.3));
    bridge.reportTrackClick(QJsonValue(std::numeric_limits<double>::quiet_NaN()));
    bridge.reportTrackClick(QJsonValue(std::numeric_limits<double>::infinity()));
    bridge.reportTrackClick(QJsonValue(QStringLiteral("0.5")));
    bridge.reportTrackClick(QJsonValue());

    ASSERT_EQ(clicks.size(), 3);
    EXPECT_DOUBLE_EQ(clicks[0].first().toDouble(), 0.4);
    EXPECT_DOUBLE_EQ(clicks[1].first().toDouble(), 1.0);
    EXPECT_DOUBLE_EQ(clicks[2].first().toDouble(), 0.0);
}

} // namespace

#include "ZRVWebEngineMapViewTests.moc"
