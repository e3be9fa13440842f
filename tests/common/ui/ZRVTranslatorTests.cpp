#include "app/ui/ZRVLanguageDefaults.h"
#include "common/ui/ZRVTranslator.h"
#include "recording/ZRVMediaListCell.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <utility>

namespace {

QString repositoryRoot() {
    return QStringLiteral(ZORVA_SOURCE_DIR);
}

// source text -> translation of the InfoPlist context of a .ts file.
QHash<QString, QString> readTable(const QString& language) {
    QFile file(repositoryRoot() + QStringLiteral("/resources/translations/zorva_") + language +
               QStringLiteral(".ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QHash<QString, QString> table;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") &&
                   context == QLatin1String("InfoPlist")) {
            table.insert(source, xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return table;
}

// Every key the code asks for: literal keys in the sources, and the keys the
// list takes from its column and mode tables.
QSet<QString> keysUsedByTheCode() {
    QSet<QString> keys;
    const QRegularExpression call(QStringLiteral(R"(translate\(\s*"InfoPlist"\s*,\s*"([^"]+)\")"));
    QDirIterator files(repositoryRoot() + QStringLiteral("/src"), {QStringLiteral("*.cpp")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const auto& match : call.globalMatch(text)) {
            keys.insert(match.captured(1));
        }
    }
    for (const auto& column : ZRVMediaListCell::columns()) {
        keys.insert(QString::fromUtf8(column.titleKey.data(), qsizetype(column.titleKey.size())));
    }
    for (const auto division : {0u, 1u, 2u, 3u}) {
        const auto key = ZRVMediaListCell::modeKey(static_cast<ZRVMediaDivision>(division));
        keys.insert(QString::fromUtf8(key.data(), qsizetype(key.size())));
    }
    return keys;
}

// The placeholders of a text: printf conversions in their order (their order is
// the order of the arguments), then the numbered %1..%99 markers sorted (a
// translation may place them anywhere). "%%" is a literal percent sign.
QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral(
        R"(%(?:%|[1-9][0-9]?|[-+ #0]*[0-9]*(?:\.[0-9]+)?(?:hh|h|ll|l|q|z)?[diouxXeEfFgGcsp@]))"));
    QStringList printfStyle;
    QStringList numbered;
    for (const auto& match : marker.globalMatch(text)) {
        const QString found = match.captured(0);
        if (found == QLatin1String("%%")) {
            continue;
        }
        (found.at(1).isDigit() ? numbered : printfStyle) << found;
    }
    numbered.sort();
    return printfStyle + numbered;
}
} // namespace

TEST(ZRVTranslatorTests, EveryKeyTheCodeUsesHasEnglishAndKoreanText) {
    const QSet<QString> keys = keysUsedByTheCode();
    EXPECT_GT(keys.size(), 20);
    EXPECT_TRUE(keys.contains(QStringLiteral("filelist.mode")));
    for (const char* language : {"en", "ko"}) {
        const auto table = readTable(QString::fromLatin1(language));
        for (const QString& key : keys) {
            EXPECT_FALSE(table.value(key).isEmpty())
                << language << " has no text for " << key.toStdString();
        }
    }
}

TEST(ZRVTranslatorTests, EnglishAndKoreanHoldTheSameKeysWithTheSamePlaceholders) {
    const auto english = readTable(QStringLiteral("en"));
    const auto korean = readTable(QStringLiteral("ko"));
    EXPECT_GT(english.size(), 200);
    const std::pair<const QHash<QString, QString>*, const QHash<QString, QString>*> pairs[] = {
        {&english, &korean}, {&korean, &english}};
    for (const auto& [from, to] : pairs) {
        for (auto entry = from->cbegin(); entry != from->cend(); ++entry) {
            const std::string key = entry.key().toStdString();
            EXPECT_FALSE(entry.value().trimmed().isEmpty()) << "empty text for " << key;
            EXPECT_FALSE(to->value(entry.key()).trimmed().isEmpty())
                << "no text in the other language for " << key;
        }
    }
    for (auto entry = english.cbegin(); entry != english.cend(); ++entry) {
        EXPECT_EQ(placeholders(entry.value()), placeholders(korean.value(entry.key())))
            << "placeholders differ for " << entry.key().toStdString();
    }
    // The G-sensor message is filled with two floating-point bounds.
    EXPECT_EQ(placeholders(english.value(QStringLiteral("msg.gsensor_outofrange_fmt"))),
              (QStringList{QStringLiteral("%.2f"), QStringLiteral("%.2f")}));
    EXPECT_EQ(placeholders(QStringLiteral("%2 of %1, 100%% %d %ld %@ %.1f")),
              (QStringList{QStringLiteral("%d"), QStringLiteral("%ld"), QStringLiteral("%@"),
                           QStringLiteral("%.1f"), QStringLiteral("%1"), QStringLiteral("%2")}));
}

TEST(ZRVTranslatorTests, CompiledTablesTranslateAndAMissingKeyReadsEmpty) {
    ZRVTranslator translator;
    ASSERT_TRUE(translator.loadLanguage(QStringLiteral("ko-KR")));
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(QCoreApplication::translate("InfoPlist", "media.event"),
              readTable(QStringLiteral("ko")).value(QStringLiteral("media.event")));
    const QString missing = QCoreApplication::translate("InfoPlist", "no.such.key");
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_EQ(QCoreApplication::translate("Other", "plain text"), QStringLiteral("plain text"));

    ASSERT_TRUE(translator.loadLanguage(QStringLiteral("fr")));
    EXPECT_EQ(QCoreApplication::translate("InfoPlist", "filelist.date"), QStringLiteral("Date"));
    QCoreApplication::removeTranslator(&translator);
}

namespace {
QStringList loggedLines;
void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
    loggedLines << message;
}
} // namespace

TEST(ZRVLanguageDefaultsTests, LogsPreferredLanguagesAndStoresEnglishForTheNextStart) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("defaults.ini")), QSettings::IniFormat);
    const QStringList system{QStringLiteral("ko"), QStringLiteral("en")};
    EXPECT_EQ(ZRVLanguageDefaults::preferredLanguages(settings, system), system);

    loggedLines.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("zorva.player.info=true"));
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    ZRVLanguageDefaults::applicationDidFinishLaunching(settings, system);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_EQ(loggedLines, (QStringList{QStringLiteral("SUPPORT_LANGUAGE=ko"),
                                        QStringLiteral("SUPPORT_LANGUAGE=en")}));
    EXPECT_EQ(ZRVLanguageDefaults::preferredLanguages(settings, system),
              QStringList{QStringLiteral("en")});
}
