#pragma once

#include "platform/ZRVMapView.h"

#include <QPointer>
#include <QStringList>

class QWebChannel;
class QWebEngineView;
class ZRVMapPageBridge;
class ZRVMapRequestFilter;
class ZRVMapWebPage;

// The map page in a QtWebEngine view. Script texts wait until the page has
// loaded; clicks on the track come back through a web channel.
class ZRVWebEngineMapView final : public ZRVMapView {
    Q_OBJECT

public:
    // The view becomes a child of parentWidget; this object may have another
    // owner.
    explicit ZRVWebEngineMapView(QWidget* parentWidget, QObject* parent = nullptr);
    ~ZRVWebEngineMapView() override;

    QWidget* widget() const override;
    void loadMapPage() override;
    void evaluateScript(const QString& script) override;

private:
    void pageLoadFinished(bool ok);

    QPointer<QWebEngineView> m_view;
    ZRVMapRequestFilter* m_requestFilter;
    ZRVMapPageBridge* m_bridge;
    QWebChannel* m_channel;
    ZRVMapWebPage* m_page;
    bool m_pageReady = false;
    QStringList m_waitingScripts;
};
