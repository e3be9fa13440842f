#pragma once

#include "support/TemporaryDirectory.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Points XDG_RUNTIME_DIR at a fresh folder of this user alone for as long as
// it lives, so that tests running side by side each get their own runtime
// files.
class PrivateRuntimeFolder {
public:
    PrivateRuntimeFolder()
        : m_hadPrevious(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")),
          m_previous(qgetenv("XDG_RUNTIME_DIR")) {
        std::filesystem::permissions(m_folder.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(m_folder.path().string()));
    }
    ~PrivateRuntimeFolder() {
        if (m_hadPrevious) {
            qputenv("XDG_RUNTIME_DIR", m_previous);
        } else {
            qunsetenv("XDG_RUNTIME_DIR");
        }
    }
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

    QString path() const { return QString::fromStdString(m_folder.path().string()); }

private:
    TemporaryDirectory m_folder;
    bool m_hadPrevious;
    QByteArray m_previous;
};
