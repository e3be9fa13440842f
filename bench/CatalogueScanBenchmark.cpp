#include "recording/ZRVMediaList.h"
#include "support/Stopwatch.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// Times a full catalogue scan of a card-like tree against `find` listing the
// same AVI files, which is about the least any walk of that tree can cost.

namespace {

constexpr int kRuns = 7;
constexpr int kMoments = 7500; // two files each: front and rear
constexpr int kDays = 50;

void touch(const std::filesystem::path& file) {
    std::ofstream out(file);
}

// DIR/yyyy/mm/dd/ folders with mostly continuous recordings and some motion
// and event ones, plus the kind of other files a card carries.
void buildCard(const std::filesystem::path& root) {
    touch(root / "config.bin");
    for (int day = 0; day < kDays; ++day) {
        char folder[32];
        std::snprintf(folder, sizeof folder, "2016/%02d/%02d", 1 + day / 25, 1 + day % 25);
        const auto directory = root / folder;
        std::filesystem::create_directories(directory);
        touch(directory / "index.db");
        touch(directory / "thumb_0001.jpg");
        touch(directory / "broken.avi");
        const int perDay = kMoments / kDays;
        for (int moment = 0; moment < perDay; ++moment) {
            const char* mode = moment % 10 == 0 ? "event" : moment % 10 == 1 ? "motion" : "alwa";
            const int seconds = moment * 60;
            for (const char side : {'F', 'R'}) {
                char name[64];
                std::snprintf(name, sizeof name, "%s_2016%02d%02d_%02d%02d%02d_%c.avi", mode,
                              1 + day / 25, 1 + day % 25, seconds / 3600, seconds / 60 % 60,
                              seconds % 60, side);
                touch(directory / name);
            }
        }
    }
}

} // namespace

int main() {
    std::random_device seed;
    // A short folder name, like a card's mount point; std::filesystem copies
    // every component of the folder's path for each entry it lists.
    const auto root =
        std::filesystem::temp_directory_path() / ("zorva-" + std::to_string(seed() % 100000000));
    std::filesystem::create_directories(root);
    buildCard(root);

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
