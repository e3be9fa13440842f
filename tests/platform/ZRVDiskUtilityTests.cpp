#include "platform/ZRVDiskUtility.h"
#include "support/EventLoopWait.h"
#include "support/TemporaryDirectory.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// A program that only says it ran.
void writeProgram(const TemporaryDirectory& folder, const char* name) {
    const auto path = folder.write(name, "#!/bin/sh\n: >\"$0.ran\"\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

// PATH holds only the given folder while it lives.
class OnlyOnPath {
public:
    explicit OnlyOnPath(const TemporaryDirectory& folder) : m_previous(qgetenv("PATH")) {
        qputenv("PATH", QByteArray::fromStdString(folder.path().string()));
    }
    ~OnlyOnPath() { qputenv("PATH", m_previous); }

private:
    QByteArray m_previous;
};

} // namespace

TEST(ZRVDiskUtility, PrefersGnomeDisksOverPartitionManagerAndStartsItOnItsOwn) {
    TemporaryDirectory bin;
    const OnlyOnPath path(bin);
    EXPECT_TRUE(ZRVDiskUtility::program().isEmpty());
    EXPECT_FALSE(ZRVDiskUtility::start(ZRVDiskUtility::program()));

    writeProgram(bin, "partitionmanager");
    EXPECT_TRUE(ZRVDiskUtility::program().endsWith("/partitionmanager"));
    writeProgram(bin, "gnome-disks");
    const QString program = ZRVDiskUtility::program();
    ASSERT_TRUE(program.endsWith("/gnome-disks"));
    ASSERT_TRUE(ZRVDiskUtility::start(program));
    EXPECT_TRUE(waitFor([&] { return QFileInfo::exists(program + ".ran"); }, 5000));
}
