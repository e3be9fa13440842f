#include "platform/ZRVUDisks2Volumes.h"

#include "common/ui/ZRVLog.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QMap>
#include <algorithm>

namespace {

constexpr auto kManagerPath = "/org/freedesktop/UDisks2";
constexpr auto kObjectManager = "org.freedesktop.DBus.ObjectManager";
constexpr auto kDrive = "org.freedesktop.UDisks2.Drive";
constexpr auto kBlock = "org.freedesktop.UDisks2.Block";
constexpr auto kFilesystem = "org.freedesktop.UDisks2.Filesystem";
constexpr auto kPartition = "org.freedesktop.UDisks2.Partition";

using Interfaces = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, Interfaces>;

// UDisks2 hands paths and device names over as NUL-terminated byte arrays.
QByteArray withoutTerminator(QByteArray bytes) {
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0) {
        bytes.truncate(end);
    }
    return bytes;
}

QByteArrayList byteArrays(const QVariant& value) {
    QByteArrayList list;
    if (value.canConvert<QDBusArgument>()) {
        value.value<QDBusArgument>() >> list;
    } else {
        list = value.value<QByteArrayList>();
    }
    return list;
}

std::optional<std::string> text(const QVariant& value) {
    const QString string = value.toString();
    if (string.isEmpty()) {
        return std::nullopt;
    }
    return string.toStdString();
}

std::optional<TKUSBDiskEntity> entity(const QString& path, const Interfaces& interfaces,
                                      const ManagedObjects& objects) {
    const QVariantMap block = interfaces.value(QLatin1String(kBlock));
    const QVariantMap filesystem = interfaces.value(QLatin1String(kFilesystem));
    if (block.isEmpty() || !interfaces.contains(QLatin1String(kFilesystem))) {
        return std::nullopt;
    }
    const auto drivePath = block.value(QStringLiteral("Drive")).value<QDBusObjectPath>();
    const QVariantMap drive = objects.value(drivePath).value(QLatin1String(kDrive));
    if (drive.value(QStringLiteral("ConnectionBus")).toString() != QLatin1String("usb") ||
        !drive.value(QStringLiteral("Removable")).toBool()) {
        return std::nullopt;
    }
    const QByteArrayList mounts = byteArrays(filesystem.value(QStringLiteral("MountPoints")));
    if (mounts.isEmpty()) {
        return std::nullopt;
    }
    const QByteArray device =
        withoutTerminator(block.value(QStringLiteral("Device")).toByteArray());
    if (device.isEmpty()) {
        return std::nullopt;
    }
    const std::string mount = withoutTerminator(mounts.first()).toStdString();
    qCDebug(zorvaCard).noquote() << QString::fromStdString(mount);
    return TKUSBDiskEntity(text(block.value(QStringLiteral("IdLabel"))),
                           std::filesystem::path(mount), device.toStdString(),
                           text(drive.value(QStringLiteral("Model"))),
                           block.value(QStringLiteral("Size")).toULongLong(),
                           !block.value(QStringLiteral("ReadOnly")).toBool(),
                           !interfaces.contains(QLatin1String(kPartition)), path.toStdString());
}

} // namespace

ZRVUDisks2Volumes::ZRVUDisks2Volumes() : ZRVUDisks2Volumes(QDBusConnection::systemBus()) {}

ZRVUDisks2Volumes::ZRVUDisks2Volumes(const QDBusConnection& connection)
    : m_connection(std::make_unique<QDBusConnection>(connection)) {}

ZRVUDisks2Volumes::~ZRVUDisks2Volumes() = default;

std::vector<TKUSBDiskEntity> ZRVUDisks2Volumes::usbDiskEntities() {
    std::vector<TKUSBDiskEntity> disks;
    if (!m_connection->isConnected()) {
        return disks;
    }
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(kService), QLatin1String(kManagerPath), QLatin1String(kObjectManager),
        QStringLiteral("GetManagedObjects"));
    const QDBusMessage reply = m_connection->call(call, QDBus::Block, kReplyTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qCInfo(zorvaCard).noquote() << "no volume list:" << reply.errorMessage();
        return disks;
    }
    ManagedObjects objects;
    reply.arguments().constFirst().value<QDBusArgument>() >> objects;
    for (auto object = objects.cbegin(); object != objects.cend(); ++object) {
        if (auto disk = entity(object.key().path(), object.value(), objects)) {
            disks.push_back(std::move(*disk));
        }
    }
    std::sort(disks.begin(), disks.end(), [](const TKUSBDiskEntity& a, const TKUSBDiskEntity& b) {
        return a.deviceFilePath() < b.deviceFilePath();
    });
    return disks;
}

std::optional<QString> ZRVUDisks2Volumes::renameVolume(const TKUSBDiskEntity& disk,
                                                       const QString& name,
                                                       Interaction interaction) {
    if (!disk.key() || !m_connection->isConnected()) {
        return QStringLiteral("no UDisks2 object for %1")
            .arg(QString::fromStdString(disk.deviceFilePath()));
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(kService), QString::fromStdString(*disk.key()),
                                       QLatin1String(kFilesystem), QStringLiteral("SetLabel"));
    QVariantMap options;
    if (interaction == Interaction::none) {
        options.insert(QStringLiteral("auth.no_user_interaction"), true);
    }
    call << name << options;
    // Relabelling writes to the card; it may take longer than a query.
    const QDBusMessage reply = m_connection->call(call, QDBus::Block, 6 * kReplyTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
    }
    return std::nullopt;
}
