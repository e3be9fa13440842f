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

struct Medians {
    double ours = 0;
    double reference = 0;
};

std::string argumentOr(int argc, char** argv, int index, const char* fallback) {
    return argc > index ? argv[index] : fallback;
}

// The "median" figures of hyperfine's JSON export, in the order of the commands.
std::vector<double> mediansIn(const std::string& json) {
    std::vector<double> medians;
    const std::string key = "\"median\":";
    for (auto at = json.find(key); at != std::string::npos; at = json.find(key, at + 1)) {
        medians.push_back(std::strtod(json.c_str() + at + key.size(), nullptr));
    }
    return medians;
}

// hyperfine -N splits each command at blanks, so no path here holds one.
Medians compare(const std::filesystem::path& folder, int runs, const std::string& ours,
                const std::string& reference) {
    const auto exported = folder / "hyperfine.json";
    const ProgramRun run = ProgramRun::run({"hyperfine", "-N", "--style", "none", "--warmup", "5",
                                            "--runs", std::to_string(runs), "--export-json",
                                            exported.string(), ours, reference});
    std::ifstream in(exported);
    const auto medians =
        mediansIn({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    if (run.exitCode != 0 || medians.size() != 2) {
        std::fprintf(stderr, "benchmark: hyperfine failed on %s\n%s", ours.c_str(),
                     run.err.c_str());
        std::exit(1);
    }
    return {medians[0], medians[1]};
}

std::string frontRecordingIn(const std::filesystem::path& card) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(card)) {
        if (entry.path().filename().string().ends_with("_F.avi")) {
            return entry.path().string();
        }
    }
    return {};
}

void print(const char* what, const Medians& medians, const char* reference) {
    std::printf("%-34s %7.2f ms   %-40s %7.2f ms\n", what, medians.ours * 1e3, reference,
                medians.reference * 1e3);
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

    const Medians catalogue = compare(root, 60, tool + " catalogue " + card.string() + " --json",
                                      "find " + card.string() + " -iname *.avi");
    const Medians ffprobe =
        compare(root, 20, tool + " telemetry " + recording + " --format json",
                "ffprobe -v error -select_streams d -show_packets " + recording);
    const Medians reads = compare(root, 100, tool + " telemetry " + recording + " --format json",
                                  readReference + " " + recording);

    std::printf("whole processes, medians of hyperfine runs:\n");
    print("catalogue --json, 15,000 names", catalogue, "find -iname '*.avi'");
    print("telemetry --format json, 3 min", ffprobe, "ffprobe -show_packets (data stream)");
    print("telemetry --format json, 3 min", reads, "reading index and records only");
    std::printf("ratio catalogue/find:          %.2f (target: at most 1.3x)\n",
                catalogue.ours / catalogue.reference);
    std::printf("ratio ffprobe/telemetry:       %.1f (target: at least 50x)\n",
                ffprobe.reference / ffprobe.ours);
    std::printf("ratio telemetry/reading alone: %.2f (target: at most 2x)\n",
                reads.ours / reads.reference);

    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
