#include "recording/ZRVMediaList.h"
#include "support/TemporaryDirectory.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

const ZRVExecutor inlineExecutor = [](std::function<void()> job) { job(); };

struct CountingDelegate : ZRVMediaListDelegate {
    int calls = 0;
    void mediaListChanged(ZRVMediaList&) override { ++calls; }
};

std::vector<std::string> fileNames(const ZRVMediaList& list) {
    std::vector<std::string> names;
    for (const auto& media : list.medias()) {
        names.emplace_back(media->fileName());
    }
    return names;
}

std::string recordingName(int index) {
    char name[40];
    std::snprintf(name, sizeof name, "alwa_20160108_%02d%02d%02d_F.avi", index / 3600 % 24,
                  index / 60 % 60, index % 60);
    return name;
}

} // namespace

TEST(ZRVMediaListTests, ScansNestedFoldersIntoASortedListWithPairs) {
    TemporaryDirectory card;
    card.write("2016/01/08/alwa_20160108_123456_R.avi");
    card.write("2016/01/08/alwa_20160108_123456_F.AVI");
    card.write("event/event_20160108_123456_R.avi");
    card.write("event/event_20160108_123456_F.avi");
    card.write("motion_20160107_000000_R.avi");
    card.write(".trash/._alwa_20160108_123456_F.avi");
    card.write("alwa_20160109_000000_F.avi/alwa_20160109_000001_F.avi");
    card.write("notes.txt");
    card.write("alwa_20160108_123456_F.mp4");

    ZRVMediaList list(inlineExecutor);
    CountingDelegate delegate;
    list.setDelegate(&delegate);
    list.setDirectoryPath(card.path().string());

    EXPECT_EQ(delegate.calls, 1);
    EXPECT_EQ(fileNames(list), (std::vector<std::string>{
                                   "._alwa_20160108_123456_F.avi", "motion_20160107_000000_R.avi",
                                   "event_20160108_123456_F.avi", "event_20160108_123456_R.avi",
                                   "alwa_20160108_123456_F.AVI", "alwa_20160108_123456_R.avi",
                                   "alwa_20160109_000001_F.avi"}));
    EXPECT_EQ(list.mediaAtIndex(list.count()), nullptr);
    EXPECT_EQ(list.mediaPairDic().size(), 5U);
    std::vector<std::string> listedAlone;
    for (const auto& media : ZRVMediaList::sortedMedias(card.path().string())) {
        listedAlone.emplace_back(media->fileName());
    }
    EXPECT_EQ(listedAlone, fileNames(list));

    const auto pair = list.findMediaPairWithFileName("alwa_20160108_123456_F.avi");
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->frontMedia(), list.mediaAtIndex(4));
    EXPECT_EQ(pair->rearMedia(), list.mediaAtIndex(5));
    EXPECT_EQ(list.findMediaPairWithFileName("/any/dir/alwa_20160108_123456_R"), pair);

    const auto rearOnly = list.findMediaPairWithFileName("motion_20160107_000000_F");
    ASSERT_TRUE(rearOnly);
    EXPECT_EQ(rearOnly->frontMedia(), nullptr);
    EXPECT_EQ(rearOnly->rearMedia(), list.mediaAtIndex(1));
}

TEST(ZRVMediaListTests, FollowsLinksToFoldersAndFilesButWalksEachFolderOnce) {
    TemporaryDirectory card;
    TemporaryDirectory elsewhere;
    card.write("a/alwa_20160108_123456_F.avi");
    elsewhere.write("alwa_20160108_123456_R.avi");
    std::filesystem::create_directory_symlink(card.path(), card.path() / "a/up");
    std::filesystem::create_directory_symlink(card.path() / "a", card.path() / "b");
    std::filesystem::create_directory_symlink(elsewhere.path(), card.path() / "a/more");
    std::filesystem::create_symlink(elsewhere.path() / "alwa_20160108_123456_R.avi",
                                    card.path() / "event_20160108_123456_R.avi");

    ZRVMediaList list(inlineExecutor);
    list.setDirectoryPath(card.path().string());

    EXPECT_EQ(fileNames(list),
              (std::vector<std::string>{"event_20160108_123456_R.avi", "alwa_20160108_123456_F.avi",
                                        "alwa_20160108_123456_R.avi"}));
}

TEST(ZRVMediaListTests, StopsTheWholeWalkAtTheLimit) {
    // Three folders of half the limit each: whatever the listing order, the
    // limit is reached inside the second one while a third is still to come.
    // Hard links are much quicker to make than as many new files.
    TemporaryDirectory card;
    const auto source = card.write("source");
    const int perFolder = static_cast<int>(ZRVMediaList::kScanLimit / 2);
    for (int i = 0; i < 3 * perFolder; ++i) {
        const auto folder = card.path() / std::to_string(i / perFolder);
        std::filesystem::create_directories(folder);
        std::filesystem::create_hard_link(source, folder / recordingName(i));
    }
    ZRVMediaList list(inlineExecutor);
    list.setDirectoryPath(card.path().string());
    EXPECT_EQ(list.count(), ZRVMediaList::kScanLimit);
}

// Pairs, like the list, come only from the latest scan published; a scan
// that outlives its list publishes nothing.
TEST(ZRVMediaListTests, OnlyTheLatestScanOfALiveListIsPublished) {
    TemporaryDirectory two;
    TemporaryDirectory one;
    two.write("alwa_20160108_123456_F.avi");
    two.write("alwa_20160108_123456_R.avi");
    one.write("event_20160108_123456_F.avi");
    std::vector<std::function<void()>> jobs;
    CountingDelegate delegate;
    {
        ZRVMediaList list([&jobs](std::function<void()> job) { jobs.push_back(std::move(job)); });
        list.setDelegate(&delegate);
        list.setDirectoryPath(two.path().string());
        list.setDirectoryPath(one.path().string());
        ASSERT_EQ(jobs.size(), 2U);
        jobs[1]();
        jobs[0]();
        EXPECT_EQ(fileNames(list), std::vector<std::string>{"event_20160108_123456_F.avi"});
        EXPECT_EQ(delegate.calls, 1);

        list.setDirectoryPath(one.path().string());
        list.setDirectoryPath(two.path().string());
        jobs[2]();
        EXPECT_EQ(delegate.calls, 1);
        jobs[3]();
        EXPECT_EQ(list.count(), 2U);
        EXPECT_FALSE(list.findMediaPairWithFileName("event_20160108_123456_F.avi"));

        list.setDirectoryPath(std::nullopt);
        EXPECT_EQ(jobs.size(), 4U);
        EXPECT_EQ(list.count(), 2U);
        list.setDirectoryPath(one.path().string());
    }
    jobs[4]();
    EXPECT_EQ(delegate.calls, 2);
}

TEST(ZRVMediaListTests, ReadersSeeOnlyCompleteListsWhileWorkersScan) {
    TemporaryDirectory small;
    TemporaryDirectory large;
    for (int i = 0; i < 200; ++i) {
        small.write(recordingName(i));
        large.write(recordingName(i));
        large.write(recordingName(1000 + i));
    }
    std::vector<std::thread> workers;
    bool onlyComplete = true;
    {
        ZRVMediaList list(
            [&workers](std::function<void()> job) { workers.emplace_back(std::move(job)); });
        for (int round = 0; round < 6; ++round) {
            const std::size_t expected = round % 2 == 0 ? 200 : 400;
            list.setDirectoryPath((round % 2 == 0 ? small : large).path().string());
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            std::size_t size = 0;
            while ((size = list.medias().size()) != expected &&
                   std::chrono::steady_clock::now() < deadline) {
                onlyComplete = onlyComplete && (size == 0 || size == 200 || size == 400);
            }
            EXPECT_EQ(size, expected);
        }
        list.setDirectoryPath(small.path().string());
    }
    for (auto& worker : workers) {
        worker.join();
    }
    EXPECT_TRUE(onlyComplete);
}
