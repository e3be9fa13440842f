#include "platform/ZRVWebEngineMapView.h"

#include "common/ui/ZRVLog.h"
#include "platform/ZRVMapPageBridge.h"
#include "platform/ZRVMapRequestFilter.h"
#include "platform/ZRVMapWebPage.h"

#include <QColor>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>
#include <QWebChannel>
#include <QWebEngineView>
#include <utility>

namespace {

const QString kPageResource = QStringLiteral(":/map/map2_eng.htm");
const QUrl kPageUrl(QStringLiteral("qrc:/map/map2_eng.htm"));

} // namespace

ZRVWebEngineMapView::ZRVWebEngineMapView(QWidget* parentWidget, QObject* parent)
    : ZRVMapView(parent), m_view(new QWebEngineView(parentWidget)),
      m_requestFilter(new ZRVMapRequestFilter(this)), m_bridge(new ZRVMapPageBridge(this)),
      m_channel(new QWebChannel(this)), m_page(new ZRVMapWebPage(m_view)) {
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_page->setBackgroundColor(QColor(0x20, 0x25, 0x2c));
    m_page->setUrlRequestInterceptor(m_requestFilter);
    m_channel->registerObject(QStringLiteral("zorvaMap"), m_bridge);
    m_page->setWebChannel(m_channel);
    m_view->setPage(m_page);

    connect(m_bridge, &ZRVMapPageBridge::trackClicked, this, &ZRVMapView::trackClicked);
    connect(m_bridge, &ZRVMapPageBridge::linkOpened, this,
            [](const QUrl& url) { QDesktopServices::openUrl(url); });
    connect(m_page, &QWebEnginePage::loadFinished, this, &ZRVWebEngineMapView::pageLoadFinished);
}

// The page refers to the filter and the channel, which this object owns, so
// the view and its page go first even when the parent widget lives on.
ZRVWebEngineMapView::~ZRVWebEngineMapView() {
    delete m_view;
}

QWidget* ZRVWebEngineMapView::widget() const {
    return m_view;
}

void ZRVWebEngineMapView::loadMapPage() {
    if (!m_view) {
        return;
    }
    if (!QFile::exists(kPageResource)) {
        qCWarning(zorvaMap) << "the map page is missing from the resources:" << kPageResource;
        return;
    }
    m_pageReady = false;
    m_page->load(kPageUrl);
}

void ZRVWebEngineMapView::evaluateScript(const QString& script) {
    if (!m_view) {
        return;
    }
    if (!m_pageReady) {
        m_waitingScripts.append(script);
        return;
    }
    m_page->runJavaScript(script);
}

// Only loadMapPage() makes the page not ready: the page refuses every other
// navigation, and a refused one still ends in loadFinished(false) while the
// loaded page stays.
void ZRVWebEngineMapView::pageLoadFinished(bool ok) {
    if (m_pageReady) {
        return;
    }
    if (!ok) {
        qCWarning(zorvaMap) << "the map page did not load";
        return;
    }
    m_pageReady = true;
    const QStringList scripts = std::exchange(m_waitingScripts, {});
    for (const QString& script : scripts) {
        m_page->runJavaScript(script);
    }
}
