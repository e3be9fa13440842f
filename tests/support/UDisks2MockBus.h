#pragma once

#include "support/EventLoopWait.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <atomic>
#include <gtest/gtest.h>

// A private D-Bus bus of its own with python3-dbusmock standing in for
// UDisks2, holding the volumes given (see udisks2_volumes.py), or with no
// UDisks2 at all. Nothing here reaches the machine's own system bus. What the
// mock was asked is read from its standard output.
class UDisks2MockBus {
public:
    enum class Service { udisks2, none };

    explicit UDisks2MockBus(const QJsonArray& volumes, Service service = Service::udisks2) {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) {
            return;
        }
        m_bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                             QStringLiteral("--print-address=1")});
        if (!m_bus.waitForStarted(5000) || !m_bus.waitForReadyRead(5000)) {
            return;
        }
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        m_name = QStringLiteral("zorva-udisks2-mock-%1").arg(++s_count);
        m_connection =
            std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(m_address, m_name));
        if (service == Service::none) {
            m_ready = m_connection->isConnected();
            return;
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_address);
        m_mock.setProcessEnvironment(environment);
        const QJsonObject parameters{{QStringLiteral("volumes"), volumes}};
        m_mock.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                      QStringLiteral("-t"),
                      QStringLiteral(ZORVA_SOURCE_DIR "/tests/support/udisks2_volumes.py"),
                      QStringLiteral("-p"),
                      QString::fromUtf8(QJsonDocument(parameters).toJson(QJsonDocument::Compact))});
        m_ready = m_connection->isConnected() &&
                  waitFor(
                      [this] {
                          return m_connection->interface()
                              ->isServiceRegistered(QStringLiteral("org.freedesktop.UDisks2"))
                              .value();
                      },
                      10000);
    }

    ~UDisks2MockBus() {
        m_connection.reset();
        if (!m_name.isEmpty()) {
            QDBusConnection::disconnectFromBus(m_name);
        }
        for (QProcess* process : {&m_mock, &m_bus}) {
            process->kill();
            process->waitForFinished(5000);
        }
    }

    UDisks2MockBus(const UDisks2MockBus&) = delete;
    UDisks2MockBus& operator=(const UDisks2MockBus&) = delete;

    bool ready() const { return m_ready; }
    const QDBusConnection& connection() const { return *m_connection; }
    QString address() const { return m_address; }
    // What the mock logged so far: one line per call, e.g.
    // `SetLabel "TAVU" {"auth.no_user_interaction": True}`.
    QString calls() {
        // The mock logs a call before it answers, so what it wrote is in the
        // pipe by now; the process only reads it when asked to wait.
        while (m_mock.waitForReadyRead(100)) {
        }
        m_log += QString::fromUtf8(m_mock.readAllStandardOutput());
        return m_log;
    }

private:
    static inline std::atomic<int> s_count = 0;
    QProcess m_bus;
    QProcess m_mock;
    QString m_address;
    QString m_name;
    QString m_log;
    std::unique_ptr<QDBusConnection> m_connection;
    bool m_ready = false;
};
