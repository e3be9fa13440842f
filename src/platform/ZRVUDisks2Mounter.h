#pragma once

#include "platform/ZRVMounter.h"

#include <memory>

class QDBusConnection;

// Filesystem.Unmount and Filesystem.Mount of UDisks2 on the system bus, on
// the volume's block object (the entity's key). The user may be asked for a
// password: these run only when the user asked for a format.
class ZRVUDisks2Mounter final : public ZRVMounter {
public:
    ZRVUDisks2Mounter();
    // On a given connection (a private bus in tests).
    explicit ZRVUDisks2Mounter(const QDBusConnection& connection);
    ~ZRVUDisks2Mounter() override;

    std::optional<QString> unmount(const TKUSBDiskEntity& disk) override;
    std::optional<QString> mount(const TKUSBDiskEntity& disk) override;

private:
    std::optional<QString> call(const TKUSBDiskEntity& disk, const QString& method);

    std::unique_ptr<QDBusConnection> m_connection;
};
