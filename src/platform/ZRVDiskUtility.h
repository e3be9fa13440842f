#pragma once

#include <QString>

// The desktop's disk utility, for what the viewer does not do itself
// (partitions, repairs): GNOME Disks, else KDE Partition Manager.
class ZRVDiskUtility {
public:
    // The program found on PATH; empty when neither is installed.
    static QString program();
    // Starts it on its own, outliving the viewer; false when it could not start.
    static bool start(const QString& program);
};
