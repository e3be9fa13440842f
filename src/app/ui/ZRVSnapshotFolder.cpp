#include "app/ui/ZRVSnapshotFolder.h"

#include "common/ui/ZRVLog.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

QString ZRVSnapshotFolder::path() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && isUserOnly(runtime)) {
        return runtime;
    }
    return userOnlyFolder(QDir::tempPath());
}

QString ZRVSnapshotFolder::userOnlyFolder(const QString& parent) {
    const QString folder = parent + QStringLiteral("/zorva-%1").arg(::geteuid());
    if (::mkdir(QFile::encodeName(folder).constData(), S_IRWXU) != 0 && errno != EEXIST) {
        qCWarning(zorvaPlayer).noquote() << QStringLiteral("mkdir fail:%1").arg(folder);
        return {};
    }
    if (!isUserOnly(folder)) {
        qCWarning(zorvaPlayer).noquote() << QStringLiteral("not a private folder:%1").arg(folder);
        return {};
    }
    return folder;
}

bool ZRVSnapshotFolder::isUserOnly(const QString& folder) {
    struct stat info {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0) {
        return false;
    }
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}
