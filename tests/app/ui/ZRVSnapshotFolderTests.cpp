#include "app/ui/ZRVSnapshotFolder.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

QString qPath(const fs::path& path) {
    return QString::fromStdString(path.string());
}

fs::path ownFolderIn(const TemporaryDirectory& parent) {
    return parent.path() / ("zorva-" + std::to_string(::geteuid()));
}

TEST(ZRVSnapshotFolder, MakesAFolderOnlyThisUserCanEnter) {
    TemporaryDirectory parent;
    const QString folder = ZRVSnapshotFolder::userOnlyFolder(qPath(parent.path()));
    ASSERT_EQ(folder, qPath(ownFolderIn(parent)));
    struct stat info {};
    ASSERT_EQ(::lstat(ownFolderIn(parent).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(ZRVSnapshotFolder::userOnlyFolder(qPath(parent.path())), folder);
}

TEST(ZRVSnapshotFolder, RefusesAPlantedLinkAnOpenFolderAndAStrangersFolder) {
    TemporaryDirectory linked;
    const auto target = linked.path() / "elsewhere";
    fs::create_directory(target);
    fs::permissions(target, fs::perms::owner_all, fs::perm_options::replace);
    fs::create_directory_symlink(target, ownFolderIn(linked));
    EXPECT_TRUE(ZRVSnapshotFolder::userOnlyFolder(qPath(linked.path())).isEmpty());

    TemporaryDirectory open;
    fs::create_directory(ownFolderIn(open));
    fs::permissions(ownFolderIn(open), fs::perms::all, fs::perm_options::replace);
    EXPECT_TRUE(ZRVSnapshotFolder::userOnlyFolder(qPath(open.path())).isEmpty());

    if (::geteuid() == 0) {
        TemporaryDirectory foreign;
        fs::create_directory(ownFolderIn(foreign));
        fs::permissions(ownFolderIn(foreign), fs::perms::owner_all, fs::perm_options::replace);
        ASSERT_EQ(::chown(ownFolderIn(foreign).c_str(), 65534, 65534), 0);
        EXPECT_TRUE(ZRVSnapshotFolder::userOnlyFolder(qPath(foreign.path())).isEmpty());
    }
}

} // namespace
