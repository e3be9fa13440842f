#include "settings/ui/ZRVSettingPage.h"

#include "common/ui/ZRVLocalized.h"
#include "controls/TKSegmentedControl.h"
#include "settings/ui/ZRVSettingController.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <limits>

ZRVSettingPage::ZRVSettingPage(const char* titleKey, QWidget* parent) : QWidget(parent) {
    setWindowTitle(localized(titleKey));
}

void ZRVSettingPage::setFileData(_FILEDATA* fileData) {
    m_fileData = fileData;
    displayFileData();
}

std::optional<QString> ZRVSettingPage::validateUserInput() {
    return std::nullopt;
}

void ZRVSettingPage::setMainController(ZRVSettingController* controller) {
    m_mainController = controller;
}

ZRVSettingController* ZRVSettingPage::mainController() const {
    return m_mainController;
}

TKSegmentedControl* ZRVSettingPage::segments(const char* name, const QStringList& labels) {
    auto* control = new TKSegmentedControl(this);
    control->setObjectName(QLatin1String(name));
    control->setLabels(labels);
    return control;
}

QGroupBox* ZRVSettingPage::box(const char* name, const char* titleKey,
                               std::initializer_list<QWidget*> rows) {
    auto* group = new QGroupBox(localized(titleKey), this);
    group->setObjectName(QLatin1String(name));
    auto* column = new QVBoxLayout(group);
    column->setSpacing(8);
    for (QWidget* row : rows) {
        column->addWidget(row);
    }
    column->addStretch(1);
    return group;
}

QLabel* ZRVSettingPage::guide(const char* name, const char* key) {
    auto* label = new QLabel(localized(key), this);
    label->setObjectName(QLatin1String(name));
    label->setProperty("guide", true);
    return label;
}

void ZRVSettingPage::showChoice(TKSegmentedControl* control, std::int64_t value) {
    const bool fits = value >= 0 && value < control->segmentCount();
    control->setSelectedSegment(fits ? static_cast<int>(value) : -1);
}

int ZRVSettingPage::selectedChoice(const TKSegmentedControl* control) {
    return control->selectedSegment();
}
