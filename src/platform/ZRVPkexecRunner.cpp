#include "platform/ZRVPkexecRunner.h"

#include "card/FormatCommands.h"
#include "common/ui/ZRVLog.h"

#include <QProcess>
#include <QStringList>
#include <unistd.h>

ZRVPkexecRunner::ZRVPkexecRunner(Elevation elevation) : m_elevation(elevation) {}

FormatterRun ZRVPkexecRunner::run(const std::vector<std::string>& command) {
    const bool root = m_elevation == Elevation::alreadyGranted || geteuid() == 0;
    const std::vector<std::string> full = privilegedCommand(command, root);
    QStringList arguments;
    for (std::size_t i = 1; i < full.size(); ++i) {
        arguments.append(QString::fromStdString(full[i]));
    }
    QProcess process;
    process.setProgram(QString::fromStdString(full.front()));
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    FormatterRun run;
    run.throughPkexec = !root;
    if (!process.waitForStarted(-1)) {
        run.started = false;
        run.errorOutput =
            QStringLiteral("%1: %2").arg(process.program(), process.errorString()).toStdString();
        return run;
    }
    // A large card takes a while, and pkexec waits for the password.
    process.waitForFinished(-1);
    run.errorOutput = QString::fromLocal8Bit(process.readAllStandardError()).toStdString();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (process.exitStatus() != QProcess::NormalExit) {
        run.errorOutput += QStringLiteral("%1 crashed\n").arg(process.program()).toStdString();
    }
    qCInfo(zorvaCard).noquote() << process.program() << arguments.join(QLatin1Char(' ')) << "exit"
                                << run.exitCode;
    return run;
}
