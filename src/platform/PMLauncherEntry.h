#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <optional>

// Where the progress of long jobs is published besides the window icon:
// taskbars and docks that read the launcher API show it on the
// application's entry. Tests put a recording fake in its place.
class PMLauncherEntry {
public:
    virtual ~PMLauncherEntry() = default;
    // progress from 0 to 1; progressVisible false hides the progress.
    virtual void update(double progress, bool progressVisible) = 0;
};

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

    void update(double progress, bool progressVisible) override;

    // "/com/canonical/unity/launcherentry/" and a number derived from the URI
    // (FNV-1a, the same in every run).
    static QString objectPath(const QString& appUri);
    // The signal as sent.
    static QDBusMessage updateMessage(const QString& appUri, double progress, bool progressVisible);

    const QString& appUri() const { return m_appUri; }

private:
    QString m_appUri;
    std::optional<QDBusConnection> m_connection;
    bool m_lookedForBus = false;
};
