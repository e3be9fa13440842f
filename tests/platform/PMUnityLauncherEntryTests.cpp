#include "platform/PMUnityLauncherEntry.h"
#include "support/EventLoopWait.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QStandardPaths>
#include <QVariantMap>
#include <gtest/gtest.h>

TEST(PMUnityLauncherEntry, ProgressIsADoubleClampedToOneAndVisibilityABool) {
    const QString uri = "application://zorva.desktop";
    const QVariantMap properties =
        PMUnityLauncherEntry::updateMessage(uri, 1.5, true).arguments().value(1).toMap();
    EXPECT_EQ(properties.value("progress").typeId(), QMetaType::Double);
    EXPECT_DOUBLE_EQ(properties.value("progress").toDouble(), 1.0);
    EXPECT_EQ(properties.value("progress-visible").typeId(), QMetaType::Bool);
    EXPECT_TRUE(
        PMUnityLauncherEntry::objectPath(uri).startsWith("/com/canonical/unity/launcherentry/"));

    // Not connected to any bus: sends nothing and does not fail.
    PMUnityLauncherEntry(QDBusConnection(QStringLiteral("nowhere")), uri).update(0.5, true);
}

namespace {

// Receives the launcher signal on a private bus.
class LauncherListener : public QObject {
    Q_OBJECT
public:
    QString uri;
    QVariantMap properties;
    int count = 0;
public slots:
    void onUpdate(const QString& appUri, const QVariantMap& values) {
        uri = appUri;
        properties = values;
        ++count;
    }
};

} // namespace

TEST(PMUnityLauncherEntry, SignalArrivesOnABus) {
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty()) {
        GTEST_SKIP() << "no dbus-daemon";
    }
    QProcess bus;
    bus.start(daemon, {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(bus.waitForStarted(5000));
    ASSERT_TRUE(bus.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    {
        QDBusConnection sender = QDBusConnection::connectToBus(address, "zorva-test-sender");
        QDBusConnection receiver = QDBusConnection::connectToBus(address, "zorva-test-receiver");
        ASSERT_TRUE(sender.isConnected());
        ASSERT_TRUE(receiver.isConnected());
        const QString uri = "application://zorva.desktop";
        LauncherListener listener;
        ASSERT_TRUE(receiver.connect(QString(), PMUnityLauncherEntry::objectPath(uri),
                                     "com.canonical.Unity.LauncherEntry", "Update", &listener,
                                     SLOT(onUpdate(QString, QVariantMap))));
        PMUnityLauncherEntry entry(sender, uri);
        entry.update(0.6, true);
        waitFor([&listener] { return listener.count > 0; }, 1000);
        ASSERT_EQ(listener.count, 1);
        EXPECT_EQ(listener.uri, uri);
        EXPECT_DOUBLE_EQ(listener.properties.value("progress").toDouble(), 0.6);
        EXPECT_TRUE(listener.properties.value("progress-visible").toBool());
    }
    QDBusConnection::disconnectFromBus("zorva-test-sender");
    QDBusConnection::disconnectFromBus("zorva-test-receiver");
    bus.kill();
    bus.waitForFinished(5000);
}

#include "PMUnityLauncherEntryTests.moc"
