#include "app/ui/ZRVMapWindowController.h"
#include "support/ZRVFakeMapView.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(ZRVMapWindowController, LoadsThePageOnceShownGoesRightOfTheViewerAndTakesLongitudeFirst) {
    ZRVFakeMapView* map = nullptr;
    ZRVMapWindowController controller([&map](QWidget* parent) {
        map = new ZRVFakeMapView(parent);
        return map;
    });
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(controller.window()->objectName(), QStringLiteral("ZRVMapWindowController"));
    EXPECT_EQ(map->loads, 0);
    controller.showWindow();
    controller.showWindow();
    EXPECT_EQ(map->loads, 1);

    const QSize size = controller.window()->size();
    controller.moveWindowRightBy(QRect(100, 200, 800, 600));
    EXPECT_EQ(controller.window()->pos(), QPoint(900, 200));
    EXPECT_EQ(controller.window()->size(), size);

    controller.updateMapLat(37.525, 126.98);
    EXPECT_EQ(map->scripts.last(), QStringLiteral("setLatLag('126.980000','37.525000')"));
}
