#pragma once

#include <QWebEngineUrlRequestInterceptor>

// What the map page may fetch: its own files from the resources and
// OpenStreetMap's raster tiles, nothing else from the network.
class ZRVMapRequestFilter final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
