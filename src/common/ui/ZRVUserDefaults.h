#pragma once

#include <QSettings>
#include <memory>

// The application's user defaults: one INI file under the user's
// configuration folder, key names kept as the camera's own tools write them.
inline std::unique_ptr<QSettings> openUserDefaults() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("ZORVA"), QStringLiteral("zorva"));
}
