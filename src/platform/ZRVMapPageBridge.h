#pragma once

#include <QJsonValue>
#include <QObject>
#include <QUrl>

// The object the map page reaches through the web channel. What the page
// sends is untrusted: a click position counts only as a finite number,
// brought into 0 to 1, and a link only as a web address.
class ZRVMapPageBridge final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    Q_INVOKABLE void reportTrackClick(const QJsonValue& position);
    Q_INVOKABLE void openLink(const QJsonValue& address);

signals:
    void trackClicked(double position);
    void linkOpened(const QUrl& url);
};
