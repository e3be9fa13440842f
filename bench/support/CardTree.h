#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>

// A card-like tree of 15,000 empty recordings: DIR/yyyy/mm/dd/ folders with
// mostly continuous recordings and some motion and event ones, plus the kind
// of other files a card carries.
namespace CardTree {

constexpr int kMoments = 7500; // two files each: front and rear
constexpr int kDays = 50;

inline void touch(const std::filesystem::path& file) {
    std::ofstream out(file);
}

inline void build(const std::filesystem::path& root) {
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

} // namespace CardTree
