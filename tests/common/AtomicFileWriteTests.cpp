#include "common/AtomicFileWrite.h"
#include "support/TemporaryDirectory.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::span<const unsigned char> bytesOf(std::string_view text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

long entriesIn(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

} // namespace

TEST(AtomicFileWrite, ReplacesTheWholeFileKeepingItsPermissionsAndLink) {
    TemporaryDirectory dir;
    const auto path = dir.write("card/timeset.cfg", std::string(100, 'x'));
    const auto permissions = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, permissions);
    const auto link = dir.path() / "link.cfg";
    fs::create_symlink(path, link);

    ASSERT_FALSE(writeFileAtomically(link, bytesOf("new")));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(slurp(path), "new");
    EXPECT_EQ(fs::status(path).permissions(), permissions);
    EXPECT_EQ(entriesIn(path.parent_path()), 1);
}

// A cap on the size of the files this process writes makes the write fail
// half-way, as on a full card.
TEST(AtomicFileWrite, FailureIsReportedAndLeavesTheOldFileIntact) {
    TemporaryDirectory dir;
    const auto path = dir.write("config.bin", "old contents");
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit capped = previous;
    capped.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &capped);
    const auto error = writeFileAtomically(path, bytesOf(std::string(100000, 'n')));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_TRUE(error);
    EXPECT_NE(error->find("config.bin"), std::string::npos);
    EXPECT_EQ(slurp(path), "old contents");
    EXPECT_EQ(entriesIn(dir.path()), 1);
    EXPECT_TRUE(writeFileAtomically(dir.path() / "missing" / "f", bytesOf("x")));
    EXPECT_TRUE(writeFileAtomically(path / "f", bytesOf("x")));
    EXPECT_TRUE(writeFileAtomically(dir.path(), bytesOf("x")));

    // A link to a device is refused, not written through nor replaced.
    const auto full = dir.path() / "full.bin";
    fs::create_symlink("/dev/full", full);
    EXPECT_TRUE(writeFileAtomically(full, bytesOf("x")));
    EXPECT_EQ(fs::read_symlink(full), "/dev/full");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST(AtomicFileWrite, ReadOnlyFileOrFolderIsLeftAsItIs) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    TemporaryDirectory dir;
    const auto card = dir.path() / "card";
    const auto path = dir.write("card/config.bin", "old");
    fs::permissions(card, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(writeFileAtomically(path, bytesOf("new")));
    fs::permissions(card, fs::perms::owner_all);
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_TRUE(writeFileAtomically(path, bytesOf("new")));
    EXPECT_EQ(slurp(path), "old");
    EXPECT_EQ(entriesIn(card), 1);
}
