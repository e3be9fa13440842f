#include "support/CardTree.h"
#include "support/ProgramRun.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

// zorva-tool as a script meets it: the whole process, start-up included,
// timed by hyperfine (no shell between) against a reference process on the
// same input, both in one hyperfine run, median against median:
//   catalogue DIR --json on 15,000 names     vs  find DIR -iname '*.avi'
//   telemetry FILE --format json, 3 minutes  vs  ffprobe listing the data packets
//   the same telemetry                       vs  TelemetryReadReference, which
//                                                only reads the index and records
// Output goes to /dev/null, hyperfine's default, for both sides.
//
// Usage: WholeProcessBenchmark [ZORVA_TOOL [REFERENCE]]

namespace {

// Of each side: the median wall time, which the targets are about, and the
// mean processor time (user and system), which waiting for a processor on a
// busy machine does not swell.
struct Figures {
    double ours = 0;
    double reference = 0;
    double oursProcessor = 0;
    double referenceProcessor = 0;
};

std::string argumentOr(int argc, char** argv, int index, const char* fallback) {
    return argc > index ? argv[index] : fallback;
}

// One statistic of hyperfine's JSON export ("median", "user", ...), in the
// order of the commands.
std::vector<double> statisticIn(const std::string& json, const std::string& name) {
    std::vector<double> values;
    const std::string key = "\"" + name + "\":";
    for (auto at = json.find(key); at != std::string::npos; at = json.find(key, at + 1)) {
        values.push_back(std::strtod(json.c_str() + at + key.size(), nullptr));
    }
    return values;
}

// hyperfine -N splits each command at blanks, so no path here holds one.
Figures compare(const std::filesystem::path& folder, int runs, const std::string& ours,
                const std::string& reference) {
    const auto exported = folder / "hyperfine.json";
    const ProgramRun run = ProgramRun::run({"hyperfine", "-N", "--style", "none", "--warmup", "5",
                                            "--runs", std::to_string(runs), "--export-json",
                                            exported.string(), ours, reference});
    std::ifstream in(exported);
    const std::string json{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto medians = statisticIn(json, "median");
    const auto user = statisticIn(json, "user");
    const auto system = statisticIn(json, "system");
    if (run.exitCode != 0 || medians.size() != 2 || user.size() != 2 || system.size() != 2) {
        std::fprintf(stderr, "benchmark: hyperfine failed on %s\n%s", ours.c_str(),
                     run.err.c_str());
        std::exit(1);
    }
    return {medians[0], medians[1], user[0] + system[0], user[1] + system[1]};
}

std::string frontRecordingIn(const std::filesystem::path& card) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(card)) {
        if (entry.path().filename().string().ends_with("_F.avi")) {
            return entry.path().string();
        }
    }
    return {};
}

void print(const char* what, const Figures& figures, const char* reference) {
    std::printf("%-31s %6.2f ms (%5.2f)   %-36s %6.2f ms (%5.2f)\n", what, figures.ours * 1e3,
                figures.oursProcessor * 1e3, reference, figures.reference * 1e3,
                figures.referenceProcessor * 1e3);
}

} // namespace

int main(int argc, char** argv) {
    const std::string tool = argumentOr(argc, argv, 1, ZORVA_TOOL_PATH);
    const std::string readReference = argumentOr(argc, argv, 2, ZORVA_TELEMETRY_REFERENCE_PATH);
    for (const auto& [program, version] :
         {std::pair{"hyperfine", "--version"}, {"ffprobe", "-version"}, {"find", "--version"}}) {
        if (ProgramRun::run({program, version}).exitCode != 0) {
            std::printf("%s not found: no whole-process figures\n", program);
            return 0;
        }
    }

    std::random_device seed;
    const auto root = std::filesystem::temp_directory_path() /
                      ("zorva-whole-" + std::to_string(seed() % 100000000));
    const auto card = root / "card";
    const auto longCard = root / "long";
    std::filesystem::create_directories(card);
    CardTree::build(card);
    if (ProgramRun::runQuietly(
            {tool, "sample-card", longCard.string(), "--moments", "1", "--seconds", "180"}) != 0) {
        std::fprintf(stderr, "benchmark: %s sample-card failed\n", tool.c_str());
        return 1;
    }
    const std::string recording = frontRecordingIn(longCard);

    const Figures catalogue = compare(root, 100, tool + " catalogue " + card.string() + " --json",
                                      "find " + card.string() + " -iname *.avi");
    const Figures ffprobe =
        compare(root, 30, tool + " telemetry " + recording + " --format json",
                "ffprobe -v error -select_streams d -show_packets " + recording);
    const Figures reads = compare(root, 100, tool + " telemetry " + recording + " --format json",
                                  readReference + " " + recording);

    std::printf("whole processes, median wall time of hyperfine runs (mean processor time):\n");
    print("catalogue --json, 15,000 names", catalogue, "find -iname '*.avi'");
    print("telemetry --format json, 3 min", ffprobe, "ffprobe -show_packets (data stream)");
    print("telemetry --format json, 3 min", reads, "reading index and records only");
    std::printf("ratio catalogue/find:          %.2f (target: at most 1.3x; processor time %.2f)\n",
                catalogue.ours / catalogue.reference,
                catalogue.oursProcessor / catalogue.referenceProcessor);
    std::printf("ratio ffprobe/telemetry:       %.1f (target: at least 50x; processor time %.1f)\n",
                ffprobe.reference / ffprobe.ours,
                ffprobe.referenceProcessor / ffprobe.oursProcessor);
    std::printf("ratio telemetry/reading alone: %.2f (target: at most 2x; processor time %.2f)\n",
                reads.ours / reads.reference, reads.oursProcessor / reads.referenceProcessor);
    // What the ffprobe ratio can reach on this machine: one positioned read
    // per record costs what it costs, whatever a reader does besides.
    std::printf("ratio ffprobe/reading alone:   %.1f (the most any reader of the records reaches "
                "here)\n",
                ffprobe.reference / reads.reference);

    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
