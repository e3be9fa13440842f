#include "platform/PMUnityLauncherEntry.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QVariantMap>
#include <algorithm>
#include <cstdint>
#include <utility>

PMUnityLauncherEntry::PMUnityLauncherEntry(QString appUri) : m_appUri(std::move(appUri)) {}

PMUnityLauncherEntry::PMUnityLauncherEntry(QDBusConnection connection, QString appUri)
    : m_appUri(std::move(appUri)),
      m_connection(std::make_unique<QDBusConnection>(std::move(connection))), m_lookedForBus(true) {
}

PMUnityLauncherEntry::~PMUnityLauncherEntry() = default;

QString PMUnityLauncherEntry::objectPath(const QString& appUri) {
    std::uint32_t hash = 2166136261u;
    for (const char byte : appUri.toUtf8()) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    return QStringLiteral("/com/canonical/unity/launcherentry/") + QString::number(hash);
}

QDBusMessage PMUnityLauncherEntry::updateMessage(const QString& appUri, double progress,
                                                 bool progressVisible) {
    QDBusMessage message = QDBusMessage::createSignal(
        objectPath(appUri), QString::fromLatin1(kInterface), QStringLiteral("Update"));
    QVariantMap properties;
    properties.insert(QStringLiteral("progress"), std::clamp(progress, 0.0, 1.0));
    properties.insert(QStringLiteral("progress-visible"), progressVisible);
    message << appUri << properties;
    return message;
}

void PMUnityLauncherEntry::update(double progress, bool progressVisible) {
    if (!m_lookedForBus) {
        m_lookedForBus = true;
        // Only a bus that is there: asking for the session bus without one
        // could make libdbus try to start one.
        const QString runtimeBus = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus");
        if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") ||
            (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && QFileInfo::exists(runtimeBus))) {
            m_connection = std::make_unique<QDBusConnection>(QDBusConnection::sessionBus());
        }
    }
    if (!m_connection || !m_connection->isConnected()) {
        return;
    }
    m_connection->send(updateMessage(m_appUri, progress, progressVisible));
}
