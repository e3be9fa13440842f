#include "platform/ZRVUDisks2Mounter.h"

#include "platform/ZRVUDisks2Volumes.h"

#include <QDBusConnection>
#include <QDBusMessage>

ZRVUDisks2Mounter::ZRVUDisks2Mounter() : ZRVUDisks2Mounter(QDBusConnection::systemBus()) {}

ZRVUDisks2Mounter::ZRVUDisks2Mounter(const QDBusConnection& connection)
    : m_connection(std::make_unique<QDBusConnection>(connection)) {}

ZRVUDisks2Mounter::~ZRVUDisks2Mounter() = default;

std::optional<QString> ZRVUDisks2Mounter::unmount(const TKUSBDiskEntity& disk) {
    return call(disk, QStringLiteral("Unmount"));
}

std::optional<QString> ZRVUDisks2Mounter::mount(const TKUSBDiskEntity& disk) {
    return call(disk, QStringLiteral("Mount"));
}

std::optional<QString> ZRVUDisks2Mounter::call(const TKUSBDiskEntity& disk, const QString& method) {
    if (!disk.key() || !m_connection->isConnected()) {
        return QStringLiteral("no UDisks2 object for %1")
            .arg(QString::fromStdString(disk.deviceFilePath()));
    }
    QDBusMessage message = QDBusMessage::createMethodCall(
        QLatin1String(ZRVUDisks2Volumes::kService), QString::fromStdString(*disk.key()),
        QStringLiteral("org.freedesktop.UDisks2.Filesystem"), method);
    message << QVariantMap();
    // A card that is still being written finishes first; the password prompt
    // waits for the user.
    const QDBusMessage reply = m_connection->call(message, QDBus::Block, 120000);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
    }
    return std::nullopt;
}
