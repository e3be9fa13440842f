#pragma once

#include "platform/PMLauncherEntry.h"

#include <QString>
#include <memory>

// The D-Bus types stay out of this header: the windows that publish
// progress include it and must not see D-Bus.
class QDBusConnection;
class QDBusMessage;

// com.canonical.Unity.LauncherEntry on the session bus (KDE's task manager,
// Dash to Dock, Plank and others): the signal "Update" with the application's
// URI and {"progress": double, "progress-visible": bool}, sent from
// /com/canonical/unity/launcherentry/<id>. Without a session bus nothing is
// sent; the bus is looked at only on the first update.
class PMUnityLauncherEntry final : public PMLauncherEntry {
public:
    static constexpr const char* kInterface = "com.canonical.Unity.LauncherEntry";
    static constexpr const char* kDefaultAppUri = "application://zorva.desktop";

    explicit PMUnityLauncherEntry(QString appUri = QString::fromLatin1(kDefaultAppUri));
    // On a given connection (a private bus in tests).
    PMUnityLauncherEntry(QDBusConnection connection, QString appUri);

    ~PMUnityLauncherEntry() override;

    void update(double progress, bool progressVisible) override;

    // "/com/canonical/unity/launcherentry/" and a number derived from the URI
    // (FNV-1a, the same in every run).
    static QString objectPath(const QString& appUri);
    // The signal as sent.
    static QDBusMessage updateMessage(const QString& appUri, double progress, bool progressVisible);

private:
    QString m_appUri;
    std::unique_ptr<QDBusConnection> m_connection;
    bool m_lookedForBus = false;
};
