#include "recording/ZRVMediaList.h"
#include "support/CardTree.h"
#include "support/Stopwatch.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

// Times a full catalogue scan of a card-like tree against `find` listing the
// same AVI files, which is about the least any walk of that tree can cost.

namespace {

constexpr int kRuns = 7;

} // namespace

int main() {
    std::random_device seed;
    // A short folder name, like a card's mount point.
    const auto root =
        std::filesystem::temp_directory_path() / ("zorva-" + std::to_string(seed() % 100000000));
    std::filesystem::create_directories(root);
    CardTree::build(root);

    // Every run after the first replaces the list of the run before, as a
    // rescan does, and pays for releasing it. Scan and find take turns, so
    // that both meet the same load on a shared machine.
    ZRVMediaList list([](std::function<void()> job) { job(); });
    double scanSeconds = 1e30;
    double findSeconds = 1e30;
    for (int run = 0; run < kRuns; ++run) {
        scanSeconds = std::min(
            scanSeconds, Stopwatch::bestSeconds(1, [&] { list.setDirectoryPath(root.string()); }));
        findSeconds =
            std::min(findSeconds, Stopwatch::bestSeconds(1, [&] {
                         Stopwatch::runProgram({"find", root.string(), "-iname", "*.avi"});
                     }));
    }

    std::printf("catalogue scan of %zu recordings: %.2f ms\n", list.count(), scanSeconds * 1e3);
    std::printf("find -iname '*.avi':              %.2f ms\n", findSeconds * 1e3);
    std::printf("ratio scan/find: %.2f (target: at most 1.3x)\n", scanSeconds / findSeconds);

    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
