#include "platform/ZRVVolumes.h"

#include "card/PreferredUSBDisk.h"

#include <QDir>
#include <QFileInfo>

QStringList ZRVVolumes::usbVolumeURLs() {
    QStringList urls;
    for (const auto& disk : usbDiskEntities()) {
        if (disk.mountedURL()) {
            urls.append(QString::fromStdString(disk.mountedURL()->string()));
        }
    }
    return urls;
}

std::optional<QString> ZRVVolumes::usbVolumeContainingFile(const QString& name) {
    for (const QString& url : usbVolumeURLs()) {
        if (QFileInfo::exists(QDir(url).filePath(name))) {
            return url;
        }
    }
    return std::nullopt;
}

std::optional<TKUSBDiskEntity> ZRVVolumes::preferredUSBDisk() {
    return ::preferredUSBDisk(usbDiskEntities());
}
