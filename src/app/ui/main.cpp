#include "ZorvaVersion.h"
#include "app/ui/ZRVAppDelegate.h"
#include "app/ui/ZRVLanguageDefaults.h"
#include "app/ui/ZRVScreenshot.h"
#include "common/ui/ZRVLog.h"
#include "common/ui/ZRVTranslator.h"
#include "controls/TKImage.h"
#include "platform/ZRVWebEngineSetup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QSettings>
#include <cstdio>

int main(int argc, char** argv) {
    // libVLC draws video into X11 windows; under Wayland the application
    // therefore runs through XWayland.
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    ZRVLog::routeDiagnosticLog();
    prepareWebEngine();
    QApplication application(argc, argv);
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
        QStringLiteral("Write pictures of the window to FILE (and FILE-map, FILE-fullscreen)."),
        QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.process(application);

    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ZORVA"),
                             QStringLiteral("zorva"));
    const QStringList languages =
        ZRVLanguageDefaults::preferredLanguages(settings, QLocale::system().uiLanguages());
    ZRVTranslator translator;
    translator.loadLanguage(languages.value(0, QStringLiteral("en")));
    QApplication::installTranslator(&translator);

    ZRVAppDelegate::Options options;
    options.initialDirectory = parser.positionalArguments().value(0);
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
