#include "card/ui/ZRVTimeSetupController.h"
#include "common/ui/ZRVLocalized.h"
#include "common/ui/ZRVTranslator.h"
#include "support/AlertSheets.h"
#include "support/FixRecordings.h"
#include "support/TemporaryDirectory.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimeZone>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct ClockWindowTest : ::testing::Test {
    TemporaryDirectory card;
    TemporaryDirectory elsewhere;
    QStringList asked;
    QString answer;
    ZRVTranslator english;
    // 14 July 2024, 10:00 in a zone one hour east of UTC.
    const QDateTime now{QDate(2024, 7, 14), QTime(10, 0, 0), QTimeZone(3600)};

    void SetUp() override {
        english.loadLanguage(QStringLiteral("en"));
        QCoreApplication::installTranslator(&english);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&english); }

    std::unique_ptr<ZRVTimeSetupController> open(const QString& cardFolder) {
        ZRVTimeSetupController::Options options;
        options.cardFolder = cardFolder;
        options.executor = [](std::function<void()> job) { job(); };
        options.saveDialog = [this](QWidget*) {
            asked.append(QStringLiteral("timeset.cfg"));
            return answer;
        };
        options.now = [this] { return now; };
        auto controller = std::make_unique<ZRVTimeSetupController>(options);
        controller->showWindow();
        return controller;
    }

    QString cardPath() const { return QString::fromStdString(card.path().string()); }
};

} // namespace

// 5 March 2024 from the calendar and 7:08:09 in the afternoon on the
// 12-hour clock give the 19 bytes, written in place without a dialog.
TEST_F(ClockWindowTest,
       WithACardHoldingTheClockFileTheChosenMomentIsWrittenThereAndTheWindowCloses) {
    card.write("timeset.cfg", "2020/01/01 00:00:00 and more");
    auto controller = open(cardPath());
    const ZRVTimeSetupView& view = controller->view();
    EXPECT_EQ(controller->settingFilePath(), cardPath() + "/timeset.cfg");
    EXPECT_EQ(controller->selectedDate(), now.date());
    EXPECT_EQ(view.timePicker->time(), QTime(10, 0, 0));
    EXPECT_TRUE(view.nowDaySettingChk->text().startsWith("Today("));

    view.datePicker->setSelectedDate(QDate(2024, 3, 5));
    emit view.datePicker->clicked(QDate(2024, 3, 5));
    view.clockTimePicker->setTime(QTime(19, 8, 9));
    EXPECT_EQ(view.timePicker->time(), QTime(19, 8, 9)) << "the two time pickers keep in step";
    EXPECT_EQ(view.dateField->text(), QLocale().toString(QDate(2024, 3, 5), QLocale::LongFormat));

    view.saveButton->click();
    const auto saved = takeAlert(controller->window());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->informative, localized("time.filesave"));
    EXPECT_EQ(slurp(card.path() / "timeset.cfg"), "2024/03/05 19:08:09");
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_FALSE(controller->window()->isVisible());
}

TEST_F(ClockWindowTest, TheTodayBoxSetsTheDateKeepsTheTimeAndShowsOffAgain) {
    auto controller = open(QString());
    const ZRVTimeSetupView& view = controller->view();
    controller->daySelectedFromPicker(QDate(2023, 12, 24));
    view.timePicker->setTime(QTime(7, 30, 0));
    view.nowDaySettingChk->click();
    EXPECT_EQ(controller->selectedDate(), now.date());
    EXPECT_EQ(view.datePicker->selectedDate(), now.date());
    EXPECT_EQ(controller->selectedTime(), QTime(7, 30, 0));
    EXPECT_TRUE(view.nowDaySettingChk->isChecked());
    EXPECT_TRUE(waitFor([&] { return !view.nowDaySettingChk->isChecked(); }, 1000));
}

// Without a card the save dialog asks; a place that cannot be written is
// said, and the window stays open for another try.
TEST_F(ClockWindowTest, WithoutACardTheDialogAsksAndAFailedWriteKeepsTheWindowOpen) {
    auto controller = open(QString());
    EXPECT_TRUE(controller->settingFilePath().isEmpty());
    EXPECT_FALSE(controller->view().clockCheckField->isVisible());
    answer = QString::fromStdString((elsewhere.path() / "gone" / "timeset.cfg").string());
    controller->view().saveButton->click();
    const auto failed = takeAlert(controller->window());
    ASSERT_TRUE(failed);
    EXPECT_TRUE(failed->informative.startsWith(localized("msg.time_file_fail")))
        << failed->informative.toStdString();
    EXPECT_TRUE(controller->window()->isVisible());

    answer.clear();
    controller->view().saveButton->click();
    EXPECT_FALSE(takeAlert(controller->window(), 200)) << "a cancelled dialog ends it silently";
    EXPECT_EQ(asked.size(), 2);
}

TEST_F(ClockWindowTest, TheCardsClockCheckIsToldWithItsZoneWhenNotTheComputers) {
    FixRecordings::writeZone(card.path(), 28, true);
    FixRecordings::write(card.path() / "alwa_20240305_190809_F.avi", 24000,
                         {{28000, FixRecordings::rmc("090500.000", "A", "050324")}});
    auto controller = open(cardPath());
    EXPECT_TRUE(
        waitFor([&] { return !controller->view().clockCheckField->text().isEmpty(); }, 3000));
    EXPECT_EQ(controller->view().clockCheckField->text(),
              "The camera's clock is 3 min 13 s ahead of GPS time (alwa_20240305_190809_F.avi)\n"
              "The card's time zone (UTC+10:00) differs from this computer's (UTC+01:00).");
}
