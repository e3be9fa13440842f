#include "cli/SampleCardCommand.h"

#include "cli/CommandArguments.h"
#include "sample-card/SampleCardWriter.h"

#include <QGuiApplication>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <iostream>

namespace {

const char* const kCommand = "sample-card";
const char* const kUsage =
    "usage: zorva-tool sample-card DIR [--moments N] [--seconds S] [--seed K]\n"
    "\n"
    "Writes a demo camera card into DIR (created when missing): front and rear\n"
    "recordings of N moments of S seconds each under DCIM/ALWAYS, DCIM/MOTION and\n"
    "DCIM/EVENT, config.bin with factory values, DrvInfo/tavu_000.drv and timeset.cfg.\n"
    "Files already there are replaced. The same seed writes the same card.\n"
    "\n"
    "  --moments N   recorded moments, 1 to 500 (default 6)\n"
    "  --seconds S   length of each recording, 1 to 600 (default 20)\n"
    "  --seed K      picks the date, the drive and the recording modes,\n"
    "                0 to 4294967295 (default 1)\n";

std::string megabytes(std::uintmax_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
    return text;
}

} // namespace

int runSampleCardCommand(const std::vector<std::string>& arguments) {
    CommandArguments parsed(arguments, {{"--moments", "--seconds", "--seed"}, {}, 1, 1});
    if (parsed.helpRequested()) {
        std::cout << kUsage;
        return ExitCode::success;
    }
    const auto moments = static_cast<int>(parsed.number("--moments", 6, 1, 500));
    const auto seconds = static_cast<int>(parsed.number("--seconds", 20, 1, 600));
    const auto seed = static_cast<std::uint64_t>(parsed.number("--seed", 1, 0, 4294967295LL));
    if (parsed.usageError()) {
        return reportUsageError(kCommand, *parsed.usageError(), kUsage);
    }
    const std::filesystem::path card = parsed.positionals().front();

    // The pictures' text needs fonts, which Qt only finds through a platform
    // plugin; the offscreen one needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int argc = 1;
    char name[] = "zorva-tool";
    char* argv[] = {name, nullptr};
    // Qt's own remarks (a missing XDG_RUNTIME_DIR and the like) are not the
    // command's business: its standard error carries its own messages only.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::cerr << message.toStdString() << "\n";
        }
    });
    QGuiApplication application(argc, argv);
    // Qt adopts the user's locale, whose decimal comma must not reach the
    // numbers written into the card's files.
    std::setlocale(LC_NUMERIC, "C");

    SampleCardWriter writer(moments, seconds, seed);
    if (const auto error = writer.write(card)) {
        std::cerr << "zorva-tool " << kCommand << ": " << *error << "\n";
        return ExitCode::badInput;
    }
    const SampleCardWriter::Summary& summary = writer.summary();
    std::cout << "Wrote a demo card to " << card.string() << ": " << summary.recordings
              << " recordings of " << moments << " moments (" << summary.always << " always, "
              << summary.motion << " motion, " << summary.event << " event), config.bin, "
              << "DrvInfo/tavu_000.drv, timeset.cfg; " << megabytes(summary.bytes) << " in all.\n";
    return ExitCode::success;
}
