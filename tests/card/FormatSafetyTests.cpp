#include "card/FormatRefusal.h"
#include "card/FormatterOutcome.h"

#include <gtest/gtest.h>

TEST(FormatRefusal, OnlyARemovableUsbDriveWithoutASystemFolderMayBeFormatted) {
    EXPECT_EQ(formatRefusal(CardDrive{true, true, {"/media/u/TAVU"}}), std::nullopt);
    EXPECT_EQ(formatRefusal(std::nullopt), FormatRefusal::notRemovableUsb);
    EXPECT_EQ(formatRefusal(CardDrive{true, false, {"/media/u/BACKUP"}}),
              FormatRefusal::notRemovableUsb);
    EXPECT_EQ(formatRefusal(CardDrive{false, true, {"/media/u/SLOT"}}),
              FormatRefusal::notRemovableUsb);
    for (const char* system : {"/", "/boot/efi", "/home", "/usr/", "/var"}) {
        EXPECT_EQ(formatRefusal(CardDrive{true, true, {"/media/u/TAVU", system}}),
                  FormatRefusal::holdsSystemFolder)
            << system;
    }
    EXPECT_FALSE(isSystemFolder("/media/u/home"));
    EXPECT_FALSE(isSystemFolder("/variable"));
}

TEST(FormatterOutcome, ReadOnlyComesFromTheFormattersWordsAndPkexecCodesOnlyThroughPkexec) {
    using Kind = FormatterOutcome::Kind;
    EXPECT_EQ(formatterOutcome({true, 0, "mkfs.fat 4.2\n", true}).kind, Kind::formatted);
    const auto readOnly = formatterOutcome(
        {true, 1, "mkfs.fat: unable to open /dev/sdb1: Read-only file system\n", false});
    EXPECT_EQ(readOnly.kind, Kind::writeProtected);

    const auto failed = formatterOutcome(
        {true, 1,
         "mkfs.fat 4.2 (2021-01-31)\nWARNING: Not enough clusters for a 32 bit FAT!\n"
         "mkfs.fat: Too few clusters for FAT32\n\n",
         false});
    EXPECT_EQ(failed.kind, Kind::failed) << "exit status 1 alone is no write protection";
    EXPECT_EQ(failed.message, "mkfs.fat: Too few clusters for FAT32");

    EXPECT_EQ(formatterOutcome({true, 126, "", true}).kind, Kind::authorizationDismissed);
    EXPECT_EQ(formatterOutcome({true, 127, "Not authorized.\n", true}).message, "Not authorized.");
    EXPECT_EQ(formatterOutcome({true, 127, "Not authorized.\n", true}).kind, Kind::notAuthorized);
    EXPECT_EQ(formatterOutcome({true, 126, "", false}).kind, Kind::failed);
    EXPECT_EQ(formatterOutcome({true, 126, "", false}).message, "exit status 126");
    EXPECT_EQ(formatterOutcome({false, 0, "No such file or directory", false}).kind, Kind::failed);
}
