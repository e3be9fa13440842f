#include "app/ui/ZRVMapWindowController.h"

#include "app/ZRVMapScript.h"
#include "app/ZRVWindowRules.h"
#include "common/ui/ZRVLog.h"
#include "platform/ZRVMapView.h"
#include "platform/ZRVWebEngineMapView.h"

#include <QVBoxLayout>
#include <QWidget>
#include <utility>

ZRVMapWindowController::ZRVMapWindowController(std::function<ZRVMapView*(QWidget*)> makeMap,
                                               QObject* parent)
    : QObject(parent), m_window(std::make_unique<QWidget>()) {
    m_window->setObjectName(QStringLiteral("ZRVMapWindowController"));
    m_window->setWindowTitle(QStringLiteral("ZORVA Map"));
    m_window->resize(kWidth, kHeight);
    if (!makeMap) {
        makeMap = [](QWidget* parent) { return new ZRVWebEngineMapView(parent, parent); };
    }
    m_map = makeMap(m_window.get());
    auto* layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    if (m_map) {
        layout->addWidget(m_map->widget());
    }
}

ZRVMapWindowController::~ZRVMapWindowController() = default;

void ZRVMapWindowController::showWindow() {
    m_window->show();
    m_window->raise();
    if (!m_loaded) {
        m_loaded = true;
        windowDidLoad();
    }
}

void ZRVMapWindowController::hideWindow() {
    m_window->hide();
}

void ZRVMapWindowController::windowDidLoad() {
    const QRect frame = m_window->frameGeometry();
    qCInfo(zorvaPlayer).noquote() << QStringLiteral("{{%1, %2}, {%3, %4}}")
                                         .arg(frame.x())
                                         .arg(frame.y())
                                         .arg(frame.width())
                                         .arg(frame.height());
    if (m_map) {
        m_map->loadMapPage();
    }
}

void ZRVMapWindowController::moveWindowRightBy(const QRect& frame) {
    const ZRVRect placed = ZRVWindowRules::frameRightOf(
        {double(frame.x()), double(frame.y()), double(frame.width()), double(frame.height())},
        m_window->width(), m_window->height());
    m_window->move(int(placed.x), int(placed.y));
    m_window->update();
}

void ZRVMapWindowController::updateMapLat(double latitude, double longitude) {
    if (m_map) {
        m_map->evaluateScript(QString::fromStdString(ZRVMapScript::setLatLag(longitude, latitude)));
    }
}
