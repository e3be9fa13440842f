#pragma once

#include "platform/ZRVVlcMediaPlayer.h"
#include "support/ProgramRun.h"
#include "support/TemporaryDirectory.h"

#include <QString>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A demo card written by the real generator, for tests that play recordings
// on libVLC with dummy outputs. Writing it is the slow part, so a suite makes
// one in SetUpTestSuite.
class DemoCard {
public:
    // Also points libVLC at dummy outputs; that must happen before the first
    // player of the process is made.
    static std::unique_ptr<DemoCard> make(int moments, int seconds) {
        ZRVVlcMediaPlayer::setInstanceArguments(
            {QStringLiteral("--vout=dummy"), QStringLiteral("--aout=dummy")});
        auto card = std::unique_ptr<DemoCard>(new DemoCard);
        const auto run = ProgramRun::run(
            {ZORVA_TOOL_PATH, "sample-card", card->m_folder.path().string(), "--moments",
             std::to_string(moments), "--seconds", std::to_string(seconds)});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return card;
    }

    const TemporaryDirectory& folder() const { return m_folder; }
    QString path() const { return QString::fromStdString(m_folder.path().string()); }

    // The recordings of one side ("_F.avi" or "_R.avi"), in the order of the
    // moments they were filmed.
    std::vector<std::filesystem::path> recordings(const std::string& suffix) const {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_folder.path())) {
            if (entry.path().filename().string().ends_with(suffix)) {
                found.push_back(entry.path());
            }
        }
        // Names are mode_date_time_side; the mode differs between moments.
        const auto moment = [](const std::filesystem::path& file) {
            const auto name = file.filename().string();
            return name.substr(name.find('_'));
        };
        std::sort(found.begin(), found.end(),
                  [&moment](const auto& a, const auto& b) { return moment(a) < moment(b); });
        return found;
    }

    QString first(const std::string& suffix) const {
        const auto found = recordings(suffix);
        return found.empty() ? QString() : QString::fromStdString(found.front().string());
    }

private:
    DemoCard() = default;
    TemporaryDirectory m_folder;
};
