#include "common/DiagnosticLog.h"
#include "common/ui/ZRVLog.h"

#include <QLoggingCategory>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList lines;
void collect(QtMsgType, const QMessageLogContext& context, const QString& message) {
    lines << QLatin1String(context.category) + QLatin1Char(' ') + message;
}

void writeOneOfEach() {
    DiagnosticLog::write("zorva.recording", "#############################   START");
    qCInfo(zorvaPlayer).noquote() << "D [jumpForward] _player1.time=00:12";
}

} // namespace

TEST(ZRVLogTests, DiagnosticLinesReachTheTerminalOnlyWhenTheLoggingRulesAskForThem) {
    ZRVLog::routeDiagnosticLog();
    lines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    writeOneOfEach();
    EXPECT_TRUE(lines.isEmpty()) << lines.join(QLatin1Char('\n')).toStdString();

    QLoggingCategory::setFilterRules(QStringLiteral("zorva.*.info=true"));
    writeOneOfEach();
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);
    DiagnosticLog::setSink({});
    EXPECT_EQ(lines,
              (QStringList{QStringLiteral("zorva.recording #############################   START"),
                           QStringLiteral("zorva.player D [jumpForward] _player1.time=00:12")}));
}
