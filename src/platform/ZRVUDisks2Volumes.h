#pragma once

#include "platform/ZRVVolumes.h"

#include <memory>

// The D-Bus types stay out of this header: the windows that look for the card
// include it and must not see D-Bus.
class QDBusConnection;

// UDisks2 on the system bus. A volume is a block device with a mounted file
// system whose drive is removable and attached over USB; it is read from
// one GetManagedObjects call: the drive's ConnectionBus, Removable and
// Model, the block's Device, Size, ReadOnly and IdLabel, the file system's
// first mount point, and whether the block is a partition. The entity's key
// is the block's object path. Without a bus or a UDisks2 service there are
// no volumes.
class ZRVUDisks2Volumes final : public ZRVVolumes {
public:
    static constexpr const char* kService = "org.freedesktop.UDisks2";
    // How long an answer is waited for before the service counts as absent.
    static constexpr int kReplyTimeoutMs = 5000;

    ZRVUDisks2Volumes();
    // On a given connection (a private bus in tests).
    explicit ZRVUDisks2Volumes(const QDBusConnection& connection);
    ~ZRVUDisks2Volumes() override;

    std::vector<TKUSBDiskEntity> usbDiskEntities() override;
    // Filesystem.SetLabel, with auth.no_user_interaction unless the user may
    // be asked.
    std::optional<QString> renameVolume(const TKUSBDiskEntity& disk, const QString& name,
                                        Interaction interaction) override;

private:
    std::unique_ptr<QDBusConnection> m_connection;
};
