#include "ZorvaVersion.h"
#include "app/ui/ZRVAppDelegate.h"
#include "app/ui/ZRVLanguageDefaults.h"
#include "app/ui/ZRVScreenshot.h"
#include "common/ui/ZRVLog.h"
#include "common/ui/ZRVTranslator.h"
#include "common/ui/ZRVUserDefaults.h"
#include "controls/TKImage.h"
#include "platform/ZRVAllocatorSetup.h"
#include "platform/ZRVWebEngineSetup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    prepareAllocator();
    // libVLC draws video into X11 windows; under Wayland the application
    // therefore runs through XWayland.
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    ZRVLog::routeDiagnosticLog();
    prepareWebEngine();
    QApplication application(argc, argv);
    // Qt hands the user's locale to the C library as well, where a German one
    // would write 3731,5 in the map's script calls, the record table and its
    // export; the core's texts keep a full stop whatever the language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("zorva"));
    QApplication::setApplicationDisplayName(QStringLiteral("ZORVA Viewer"));
    QApplication::setOrganizationName(QStringLiteral("ZORVA"));
    QApplication::setApplicationVersion(QStringLiteral(ZORVA_VERSION));
    QApplication::setWindowIcon(QIcon(TKImage::named(QStringLiteral("zorva"))));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ZORVA Viewer"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("Folder of recordings to open, e.g. the SD card."));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Write pictures of the window to FILE (and FILE-map, FILE-fullscreen, "
                       "FILE-settings-video and the other settings pages)."),
        QStringLiteral("FILE"));
    parser.addOption(screenshot);
    const QCommandLineOption card(
        QStringLiteral("card"),
        QStringLiteral("The camera's card is the folder DIR: a card copied to disk, or one mounted "
                       "where the system does not report it as a USB volume. Its config.bin is "
                       "read and saved there; no USB volume is looked up or renamed, and DIR is "
                       "never offered for formatting. The recordings are still those of the "
                       "folder argument."),
        QStringLiteral("DIR"));
    parser.addOption(card);
    parser.process(application);
    if (parser.isSet(card) && !QFileInfo(parser.value(card)).isDir()) {
        std::fprintf(stderr, "zorva: --card %s: not a folder\n", qPrintable(parser.value(card)));
        return 2;
    }

    const QStringList languages = ZRVLanguageDefaults::preferredLanguages(
        *openUserDefaults(), QLocale::system().uiLanguages());
    ZRVTranslator translator;
    translator.loadLanguage(languages.value(0, QStringLiteral("en")));
    QApplication::installTranslator(&translator);

    ZRVAppDelegate::Options options;
    options.initialDirectory = parser.positionalArguments().value(0);
    if (parser.isSet(card)) {
        options.settings.cardFolder = QDir(parser.value(card)).absolutePath();
    }
    ZRVAppDelegate delegate(options);
    delegate.awakeFromNib();
    delegate.applicationDidFinishLaunching();

    if (parser.isSet(screenshot)) {
        auto* shooter = new ZRVScreenshot(delegate, parser.value(screenshot), &delegate);
        QObject::connect(shooter, &ZRVScreenshot::finished, &application, [](bool ok) {
            if (!ok) {
                std::fputs("zorva: could not write the pictures\n", stderr);
            }
            QApplication::exit(ok ? 0 : 1);
        });
        shooter->start(!options.initialDirectory.isEmpty());
    }
    return QApplication::exec();
}
