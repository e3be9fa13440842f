#include "platform/ZRVDiskUtility.h"

#include <QProcess>
#include <QStandardPaths>

QString ZRVDiskUtility::program() {
    for (const char* name : {"gnome-disks", "partitionmanager"}) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(name));
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}

bool ZRVDiskUtility::start(const QString& program) {
    return !program.isEmpty() && QProcess::startDetached(program, {});
}
