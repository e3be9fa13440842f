#include "card/ui/ZRVFormatWindowView.h"

#include "card/ui/ZRVCardToolStyle.h"
#include "common/ui/ZRVLocalized.h"
#include "controls/PMProgressIndicator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QLabel* label(QWidget* parent, const char* name, const char* property) {
    auto* field = new QLabel(parent);
    field->setObjectName(QLatin1String(name));
    field->setProperty(property, true);
    return field;
}

} // namespace

void ZRVFormatWindowView::setupUi(QWidget* window) {
    ZRVCardToolStyle::apply(window);
    window->setWindowTitle(localized("setting.sdcardformat"));

    usbDiskCombo = new QComboBox(window);
    usbDiskCombo->setObjectName(QStringLiteral("usbDiskCombo"));
    usbDiskCombo->setMinimumWidth(380);
    usbDiskCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // Says so while the list is empty.
    usbDiskCombo->setPlaceholderText(QStringLiteral("There is no USB drive."));
    pathField = label(window, "pathField", "note");
    pathField->setTextInteractionFlags(Qt::TextSelectableByMouse);

    fileSystemLabel = label(window, "fileSystemLabel", "caption");
    fileSystemLabel->setText(localized("setting.format.filesystem"));
    fileSystemField = label(window, "fileSystemField", "field");
    allocationUnitLabel = label(window, "allocationUnitLabel", "caption");
    allocationUnitLabel->setText(localized("setting.format.allocation_unit_size"));
    allocationUnitField = label(window, "allocationUnitField", "field");
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(12);
    fields->addWidget(fileSystemLabel, 0, 0);
    fields->addWidget(fileSystemField, 0, 1);
    fields->addWidget(allocationUnitLabel, 1, 0);
    fields->addWidget(allocationUnitField, 1, 1);
    fields->setColumnStretch(1, 1);

    progressBar = new PMProgressIndicator(window);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressMessageField = label(window, "progressMessageField", "note");
    // The status line keeps its room while hidden, so the window does not
    // jump when a job starts.
    for (QWidget* busy :
         {static_cast<QWidget*>(progressBar), static_cast<QWidget*>(progressMessageField)}) {
        QSizePolicy policy = busy->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        busy->setSizePolicy(policy);
    }
    progressMessageField->setText(QStringLiteral(" "));

    formatButton = new QPushButton(localized("setting.format.format"), window);
    formatButton->setObjectName(QStringLiteral("formatButton"));
    formatButton->setProperty("primary", true);
    cancelButton = new QPushButton(localized("cancel"), window);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* button : {formatButton, cancelButton}) {
        // Return belongs to the alerts and the question before a format.
        button->setAutoDefault(false);
    }
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(cancelButton);
    commands->addWidget(formatButton);

    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(20, 18, 20, 16);
    column->setSpacing(10);
    column->addWidget(usbDiskCombo);
    column->addWidget(pathField);
    column->addLayout(fields);
    column->addSpacing(4);
    column->addWidget(progressMessageField);
    column->addWidget(progressBar);
    column->addSpacing(4);
    column->addLayout(commands);
}
