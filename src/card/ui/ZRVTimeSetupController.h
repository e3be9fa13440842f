#pragma once

#include "card/ui/ZRVTimeSetupView.h"
#include "common/ZRVExecutor.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTime>
#include <functional>
#include <memory>
#include <optional>

class QWidget;
class ZRVVolumes;

// The clock window: the user picks a date and a time (now by default) and
// writes the camera's clock file, timeset.cfg, onto the card when it holds
// one, else where a save dialog says. It also tells whether the card's
// clock agrees with GPS time, from the card's newest recording with a fix.
class ZRVTimeSetupController : public QObject {
    Q_OBJECT

public:
    static constexpr int kTodayBoxResetMs = 200;

    struct Options {
        // The camera's card as a folder (zorva --card); otherwise the card is
        // looked for among the volumes. Without either there is no card.
        QString cardFolder;
        std::shared_ptr<ZRVVolumes> volumes;
        // Where the clock check reads the card; the thread pool unless a
        // test says.
        ZRVExecutor executor;
        // Asks where to write the file, proposing "timeset.cfg"; an empty
        // answer cancels. A save dialog unless a test answers.
        std::function<QString(QWidget* window)> saveDialog;
        // The current moment; the computer's clock unless a test says.
        std::function<QDateTime()> now;
    };

    explicit ZRVTimeSetupController(Options options, QWidget* opener = nullptr);
    ~ZRVTimeSetupController() override;

    // Builds the window, fills it, centres it on the screen and shows it.
    void showWindow();
    void onInitDIalog();
    void loadSettingFile();

    void daySelectedFromPicker(QDate date);
    void timeSelectedFromPicker(QTime time);
    void timeSelectedFromClickTimePicker(QTime time);
    void nowDayChecked(bool checked);
    void onSaveConfigFile();
    QString openSavePanel();
    // Writes the clock file; the reason when it was not written.
    std::optional<QString> doWriteConfigFile(const QString& path);
    void didEndAlert();
    void onCloseCmd();

    const QString& settingFilePath() const { return m_SettingFilePath; }
    QDate selectedDate() const { return m_selectedDate; }
    QTime selectedTime() const { return m_selectedTime; }
    QWidget* window() const { return m_window; }
    const ZRVTimeSetupView& view() const { return m_view; }

signals:
    // The clock check's text is in the window.
    void clockChecked(const QString& text);

private:
    void refreshDate();
    QString cardFolder() const;
    void checkCardClock();
    void alert(const QString& messageText, const QString& informativeText,
               std::function<void()> didEnd = {});

    Options m_options;
    QPointer<QWidget> m_opener;
    QPointer<QWidget> m_window;
    ZRVTimeSetupView m_view;
    QString m_SettingFilePath;
    QDate m_selectedDate;
    QTime m_selectedTime;
};
