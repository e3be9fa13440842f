#include "card/ui/ZRVTimeSetupView.h"

#include "card/ui/ZRVCardToolStyle.h"
#include "common/ui/ZRVLocalized.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QTimeEdit* timeEdit(QWidget* parent, const char* name, const char* format) {
    auto* edit = new QTimeEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setDisplayFormat(QLatin1String(format));
    edit->setMinimumWidth(150);
    return edit;
}

} // namespace

void ZRVTimeSetupView::setupUi(QWidget* window) {
    ZRVCardToolStyle::apply(window);
    window->setWindowTitle(localized("main.time_setup"));

    datePicker = new QCalendarWidget(window);
    datePicker->setObjectName(QStringLiteral("datePicker"));
    datePicker->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    datePicker->setGridVisible(false);
    // Its six weeks in full: the layout would squeeze the last one away.
    datePicker->setMinimumSize(datePicker->sizeHint());
    dateField = new QLabel(window);
    dateField->setObjectName(QStringLiteral("dateField"));
    dateField->setProperty("field", true);

    nowDaySettingChk = new QCheckBox(window);
    nowDaySettingChk->setObjectName(QStringLiteral("nowDaySettingChk"));
    timePicker = timeEdit(window, "timePicker", "HH:mm:ss");
    QFont large = timePicker->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    timePicker->setFont(large);
    clockTimePicker = timeEdit(window, "clockTimePicker", "h:mm:ss AP");
    auto* times = new QVBoxLayout;
    times->setSpacing(10);
    times->addWidget(nowDaySettingChk);
    times->addSpacing(8);
    times->addWidget(timePicker);
    times->addWidget(clockTimePicker);
    times->addStretch(1);

    clockCheckField = new QLabel(window);
    clockCheckField->setObjectName(QStringLiteral("clockCheckField"));
    clockCheckField->setProperty("note", true);
    clockCheckField->setWordWrap(true);
    clockCheckField->setTextInteractionFlags(Qt::TextSelectableByMouse);

    saveButton = new QPushButton(localized("save"), window);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setProperty("primary", true);
    cancelButton = new QPushButton(localized("cancel"), window);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* button : {saveButton, cancelButton}) {
        button->setAutoDefault(false);
    }
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(cancelButton);
    commands->addWidget(saveButton);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(10);
    grid->addWidget(datePicker, 0, 0);
    grid->addLayout(times, 0, 1);
    grid->addWidget(dateField, 1, 0, 1, 2);
    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(20, 18, 20, 16);
    column->setSpacing(12);
    column->addLayout(grid);
    column->addWidget(clockCheckField);
    column->addLayout(commands);
}
