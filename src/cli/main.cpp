#include "ZorvaVersion.h"
#include "cli/CatalogueCommand.h"
#include "cli/ClockCheckCommand.h"
#include "cli/ClockCommand.h"
#include "cli/CommandArguments.h"
#include "cli/ReadoutCommand.h"
#include "cli/RecordsCommand.h"
#include "cli/SampleCardCommand.h"
#include "cli/SettingsCommand.h"
#include "cli/TelemetryCommand.h"
#include "common/DiagnosticLog.h"

#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

// Laid out as help2man reads it, since the manual page is made from it: a
// "Usage:" line, and two blanks at least between a command and its meaning.
const char* const kUsage =
    "Usage: zorva-tool COMMAND [ARGUMENTS]\n"
    "\n"
    "Reads the recordings, settings and driving records of a two-camera car dash\n"
    "cam's card, and writes the camera's settings and clock files, for scripts.\n"
    "\n"
    "Commands:\n"
    "  catalogue DIR [--json]             the recordings of a folder\n"
    "  telemetry FILE [--format F]        G-sensor, GPS and fixes of a recording\n"
    "  readout FILE POSITION [--json]     what the player shows at a position\n"
    "  sample-card DIR [--moments N] ...  write a demo card\n"
    "  settings show|set|reset|new FILE   the camera's settings file\n"
    "  records FILE [--csv|--json]        the camera's driving records\n"
    "  clock TARGET [--at TIME]           write the camera's clock file\n"
    "  clock-check CARD [--json]          the camera's clock against GPS time\n"
    "\n"
    "zorva-tool COMMAND --help describes each command.\n";

} // namespace

int main(int argc, char** argv) {
    // The readers' progress lines are for people debugging the viewer; scripts
    // reading our output do not want them unless asked for.
    if (std::getenv("ZORVA_DEBUG") == nullptr) {
        DiagnosticLog::setSink([](std::string_view, std::string_view) {});
    }
    const std::map<std::string, std::function<int(const std::vector<std::string>&)>> commands = {
        {"catalogue", runCatalogueCommand}, {"telemetry", runTelemetryCommand},
        {"readout", runReadoutCommand},     {"sample-card", runSampleCardCommand},
        {"settings", runSettingsCommand},   {"records", runRecordsCommand},
        {"clock", runClockCommand},         {"clock-check", runClockCheckCommand},
    };
    if (argc < 2) {
        std::cerr << kUsage;
        return ExitCode::badUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        std::cout << kUsage;
        return ExitCode::success;
    }
    if (name == "--version") {
        std::cout << "zorva-tool " << ZORVA_VERSION << "\n";
        return ExitCode::success;
    }
    const auto command = commands.find(name);
    if (command == commands.end()) {
        std::cerr << "zorva-tool: unknown command " << name << "\n" << kUsage;
        return ExitCode::badUsage;
    }
    return command->second(std::vector<std::string>(argv + 2, argv + argc));
}
