#include "platform/ZRVMapRequestFilter.h"

#include "common/ui/ZRVLog.h"

void ZRVMapRequestFilter::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    const QString scheme = url.scheme();
    const bool local = scheme == QLatin1String("qrc") || scheme == QLatin1String("data");
    const bool tile = scheme == QLatin1String("https") &&
                      url.host() == QLatin1String("tile.openstreetmap.org") && url.port() == -1;
    if (!local && !tile) {
        qCDebug(zorvaMap) << "blocked" << url;
        info.block(true);
    }
}
