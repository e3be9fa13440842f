#include "onscreen/ViewerOnScreen.h"
#include "settings/SettingField.h"
#include "settings/SettingFile.h"
#include "settings/_FILEDATA.h"
#include "support/DriveRecordFiles.h"
#include "support/SettingRecords.h"
#include "support/TemporaryDirectory.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// A card's record with every field a page edits away from its factory value,
// and the fields no page edits at values of their own.
_FILEDATA everyPageAwayFromFactory() {
    _FILEDATA r;
    fillDefaultSettings(r);
    videoPageAwayFromFactory(r);
    basicPageAwayFromFactory(r);
    gpsPageAwayFromFactory(r);
    auxPageAwayFromFactory(r);
    motionPageAwayFromFactory(r);
    audioPageAwayFromFactory(r);
    // Bits the page's boxes do not show.
    r.external_rear_camera |= 0x40;
    r.cfg_ver = 0x5727;
    r.sd_mem_event_ratio = 3;
    r.vid_contrast = 7;
    r.high_temp_threshold = 90;
    r.plate_number = 1234;
    r.dummy00 = {1, 2};
    r.debug_mode = 0;
    // The plate flag as a save would not leave it, under a checksum that
    // holds: the window reads the file without a warning.
    r.osd_plate_flag = 0;
    r.checksum = computeSettingChecksum(r);
    return r;
}

// The first visible window of the viewer whose title matches, waiting for it.
QString windowNamed(const ViewerOnScreen& viewer, const QString& pattern) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (const QString& window : viewer.visibleWindows()) {
            const QString name =
                ViewerOnScreen::runXdotool({QStringLiteral("getwindowname"), window});
            if (name.contains(QRegularExpression(pattern))) {
                return window;
            }
        }
        QThread::msleep(100);
    }
    return {};
}

// No window manager runs here to give the window the keyboard as a click
// or a new window would on a desktop; xdotool does.
void press(const QString& window, const QString& keys) {
    ViewerOnScreen::runXdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    ViewerOnScreen::runXdotool({QStringLiteral("key"), QStringLiteral("--window"), window, keys});
    // The page shown next reads the record; the drive-record page reads its
    // file under the loading sheet, which closes at its next half-second tick.
    QThread::msleep(1200);
}

} // namespace

TEST(SettingsWindowOnScreen, EveryPageGivesBackTheCardsValuesWhenVisitedAndSavedByKeysOnly) {
    TemporaryDirectory card;
    const _FILEDATA input = everyPageAwayFromFactory();
    ASSERT_EQ(writeSettingFile(input, card.path() / "config.bin"), std::nullopt);
    card.write("DrvInfo/tavu_000.drv", driveRecordFileBytes(1, {sampleDriveRecord()}));
    const QString folder = QString::fromStdString(card.path().string());

    ViewerOnScreen viewer;
    ASSERT_TRUE(viewer.start(folder, {QStringLiteral("--card"), folder}));
    press(viewer.windowId(), QStringLiteral("ctrl+comma"));
    const QString settings = windowNamed(viewer, QStringLiteral("\\[Ver .*\\] : .*config\\.bin"));
    ASSERT_FALSE(settings.isEmpty()) << "no settings window on the card";
    QThread::msleep(1200);
    const QStringList before = viewer.visibleWindows();
    for (int page = 1; page < 7; ++page) {
        press(settings, QStringLiteral("ctrl+Next"));
    }
    ASSERT_EQ(viewer.visibleWindows(), before) << "a page refused to be left, or warned";
    press(settings, QStringLiteral("ctrl+s"));

    QString alert;
    for (const QString& window : viewer.visibleWindows()) {
        if (!before.contains(window)) {
            alert = window;
        }
    }
    ASSERT_FALSE(alert.isEmpty()) << "no confirmation";
    press(alert, QStringLiteral("Return"));
    QElapsedTimer clock;
    clock.start();
    while (viewer.visibleWindows().contains(settings) && clock.elapsed() < 5000) {
        QThread::msleep(100);
    }
    EXPECT_FALSE(viewer.visibleWindows().contains(settings)) << "the confirmation closes it";

    _FILEDATA written;
    ASSERT_TRUE(readSettingFile(card.path() / "config.bin", written));
    _FILEDATA expected = input;
    prepareSettingsForSaving(expected);
    EXPECT_EQ(expected.osd_plate_flag, 1);
    const auto shown = [](const SettingField& field, const _FILEDATA& record) {
        return field.isText() ? field.text(record) : std::to_string(field.number(record));
    };
    for (const SettingField& field : SettingField::all()) {
        EXPECT_EQ(shown(field, written), shown(field, expected)) << field.name;
    }
    EXPECT_EQ(written.toBytes(), expected.toBytes());
}
