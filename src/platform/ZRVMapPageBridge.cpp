#include "platform/ZRVMapPageBridge.h"

#include <algorithm>
#include <cmath>

void ZRVMapPageBridge::reportTrackClick(const QJsonValue& position) {
    if (!position.isDouble()) {
        return;
    }
    const double value = position.toDouble();
    if (!std::isfinite(value)) {
        return;
    }
    emit trackClicked(std::clamp(value, 0.0, 1.0));
}

void ZRVMapPageBridge::openLink(const QJsonValue& address) {
    const QUrl url(address.toString(), QUrl::StrictMode);
    const bool web =
        url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http");
    if (url.isValid() && web && !url.host().isEmpty()) {
        emit linkOpened(url);
    }
}
