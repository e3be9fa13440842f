#include "cli/CommandArguments.h"
#include "sample-card/SampleCardWriter.h"

#include <QGuiApplication>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

// zorva-tool starts this program as "zorva-tool sample-card", so that its
// users read the same messages as before the writer became a program of its
// own; started directly, it goes by its file name.
std::string programName(const char* argv0) {
    const std::string name =
        argv0 != nullptr ? std::filesystem::path(argv0).filename().string() : std::string();
    return name.empty() ? std::string("zorva-sample-card") : name;
}

std::string usage(const std::string& program) {
    return "usage: " + program +
           " DIR [--moments N] [--seconds S] [--seed K]\n"
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
}

std::string megabytes(std::uintmax_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
    return text;
}

} // namespace

int main(int argc, char** argv) {
    const std::string program = programName(argc > 0 ? argv[0] : nullptr);
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    CommandArguments parsed(arguments, {{"--moments", "--seconds", "--seed"}, {}, 1, 1});
    if (parsed.helpRequested()) {
        std::cout << usage(program);
        return ExitCode::success;
    }
    const auto moments = static_cast<int>(parsed.number("--moments", 6, 1, 500));
    const auto seconds = static_cast<int>(parsed.number("--seconds", 20, 1, 600));
    const auto seed = static_cast<std::uint64_t>(parsed.number("--seed", 1, 0, 4294967295LL));
    if (parsed.usageError()) {
        return reportProgramUsageError(program, *parsed.usageError(), usage(program));
    }
    const std::filesystem::path card = parsed.positionals().front();

    // The pictures' text needs fonts, which Qt only finds through a platform
    // plugin; the offscreen one needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt's own remarks (a missing XDG_RUNTIME_DIR and the like) are not the
    // program's business: its standard error carries its own messages only.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::cerr << message.toStdString() << "\n";
        }
    });
    char fallbackName[] = "zorva-sample-card";
    char* qtArgv[] = {argc > 0 ? argv[0] : fallbackName, nullptr};
    int qtArgc = 1;
    QGuiApplication application(qtArgc, qtArgv);
    // Qt adopts the user's locale, whose decimal comma must not reach the
    // numbers written into the card's files.
    std::setlocale(LC_NUMERIC, "C");

    SampleCardWriter writer(moments, seconds, seed);
    if (const auto error = writer.write(card)) {
        std::cerr << program << ": " << *error << "\n";
        return ExitCode::badInput;
    }
    const SampleCardWriter::Summary& summary = writer.summary();
    std::cout << "Wrote a demo card to " << card.string() << ": " << summary.recordings
              << " recordings of " << moments << " moments (" << summary.always << " always, "
              << summary.motion << " motion, " << summary.event << " event), config.bin, "
              << "DrvInfo/tavu_000.drv, timeset.cfg; " << megabytes(summary.bytes) << " in all.\n";
    return ExitCode::success;
}
