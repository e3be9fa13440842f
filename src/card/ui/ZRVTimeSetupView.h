#pragma once

class QCalendarWidget;
class QCheckBox;
class QLabel;
class QPushButton;
class QTimeEdit;
class QWidget;

// The widgets of the clock window: the calendar and the date it shows in
// words, the "today" box, the time in the 24-hour and the 12-hour clock, the
// check of the card's clock against GPS time, and the two commands.
class ZRVTimeSetupView {
public:
    void setupUi(QWidget* window);

    QCalendarWidget* datePicker = nullptr;
    QLabel* dateField = nullptr;
    QCheckBox* nowDaySettingChk = nullptr;
    QTimeEdit* timePicker = nullptr;
    QTimeEdit* clockTimePicker = nullptr;
    QLabel* clockCheckField = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
