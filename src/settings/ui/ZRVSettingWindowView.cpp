#include "settings/ui/ZRVSettingWindowView.h"

#include "common/ui/ZRVLocalized.h"
#include "controls/TKSegmentedControl.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace {

const char* const kTabKeys[] = {"setting.video",        "setting.basic",  "setting.gps",
                                "setting.aux",          "setting.motion", "setting.audio",
                                "setting.driveinfoview"};

// The player window's colours: slate panels, light text, the blue of the
// drawn buttons for the one command that writes.
const char* const kStyleSheet = R"(
#settingWindow { background: #1d2127; }
QGroupBox { color: #e8edf3; font-weight: bold; border: 1px solid #2b3038; border-radius: 4px;
            margin-top: 1.1em; padding: 10px 8px 8px 8px; background: #22272e; }
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; }
QGroupBox[blockGrid="true"] { background: #1d2127; font-weight: normal; }
QLabel { color: #d5dbe3; }
QLabel[guide="true"] { color: #8b95a3; font-size: 11px; }
QCheckBox, QRadioButton { color: #d5dbe3; spacing: 6px; }
QCheckBox:disabled, QRadioButton:disabled, QLabel:disabled { color: #6b7480; }
QRadioButton::indicator { width: 12px; height: 12px; border-radius: 7px; border: 1px solid #5a626e;
                          background: #15181c; }
QRadioButton::indicator:hover { border-color: #8b95a3; }
QRadioButton::indicator:checked { border-color: #1f8fff;
    background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
                                stop:0 #ffffff, stop:0.38 #ffffff, stop:0.5 #1f8fff, stop:1 #1f8fff); }
QComboBox { color: #e8edf3; background: #2a2e35; border: 1px solid #454b55; border-radius: 4px;
            padding: 2px 8px; min-height: 20px; }
QComboBox QAbstractItemView { color: #e8edf3; background: #2a2e35;
                              selection-background-color: #1f8fff; }
QPushButton { color: #e8edf3; background: #2a2f37; border: 1px solid #454b55; border-radius: 4px;
              padding: 5px 14px; min-width: 64px; }
QPushButton:hover { background: #333944; }
QPushButton:pressed { background: #1d2127; }
QPushButton:disabled { color: #6b7480; border-color: #2b3038; }
QPushButton#saveButton { background: #1f8fff; border-color: #1f8fff; color: #ffffff; }
QPushButton#saveButton:hover { background: #3a9cff; }
#progressPanel { background: #22272e; border: 1px solid #454b55; }
QMessageBox { background: #22272e; }
QProgressBar { background: #0b0d10; border: none; border-radius: 2px; max-height: 6px; }
QProgressBar::chunk { background: #1f8fff; border-radius: 2px; }
)";

QPalette darkPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x1d, 0x21, 0x27));
    palette.setColor(QPalette::WindowText, QColor(0xd5, 0xdb, 0xe3));
    palette.setColor(QPalette::Base, QColor(0x15, 0x18, 0x1c));
    palette.setColor(QPalette::AlternateBase, QColor(0x22, 0x27, 0x2e));
    palette.setColor(QPalette::Text, QColor(0xe8, 0xed, 0xf3));
    palette.setColor(QPalette::Button, QColor(0x2a, 0x2f, 0x37));
    palette.setColor(QPalette::ButtonText, QColor(0xe8, 0xed, 0xf3));
    palette.setColor(QPalette::Highlight, QColor(0x1f, 0x8f, 0xff));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6b, 0x74, 0x80));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x6b, 0x74, 0x80));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x6b, 0x74, 0x80));
    return palette;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(QLatin1String(name));
    // Return belongs to the alerts: it must never press a command of the
    // window by accident.
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

void ZRVSettingWindowView::setupUi(QDialog* window) {
    window->setObjectName(QStringLiteral("settingWindow"));
    window->setPalette(darkPalette());
    window->setStyleSheet(QLatin1String(kStyleSheet));

    functionSegmentedControl = new TKSegmentedControl(window);
    functionSegmentedControl->setObjectName(QStringLiteral("functionSegmentedControl"));
    QStringList tabs;
    for (const char* key : kTabKeys) {
        tabs.append(localized(key));
    }
    functionSegmentedControl->setLabels(tabs);

    targetView = new QWidget(window);
    targetView->setObjectName(QStringLiteral("targetView"));
    auto* pageHolder = new QVBoxLayout(targetView);
    pageHolder->setContentsMargins(0, 0, 0, 0);

    sdcardFormatButton = button(window, "sdcardFormatButton", localized("setting.sdcardformat"));
    diskUtilButton = button(window, "diskUtilButton", localized("setting.diskutil"));
    resetButton = button(window, "resetButton", localized("setting.initialize"));
    cancelButton = button(window, "cancelButton", localized("cancel"));
    saveButton = button(window, "saveButton", localized("save"));

    auto* commands = new QHBoxLayout;
    commands->setSpacing(8);
    commands->addWidget(sdcardFormatButton);
    commands->addWidget(diskUtilButton);
    commands->addStretch(1);
    commands->addWidget(resetButton);
    commands->addSpacing(12);
    commands->addWidget(cancelButton);
    commands->addWidget(saveButton);

    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(16, 14, 16, 14);
    column->setSpacing(14);
    column->addWidget(functionSegmentedControl);
    column->addWidget(targetView, 1);
    column->addLayout(commands);
}

void ZRVSettingWindowView::fitPages(const std::function<QWidget*(int index)>& makePage) {
    QSize largest;
    for (int index = 0; index < functionSegmentedControl->segmentCount(); ++index) {
        std::unique_ptr<QWidget> page(makePage(index));
        functionSegmentedControl->setEnabled(page != nullptr, index);
        if (page != nullptr) {
            // Measured inside the window, in its style.
            page->setParent(targetView);
            page->ensurePolished();
            largest = largest.expandedTo(page->sizeHint());
        }
    }
    targetView->setMinimumSize(largest);
}

void ZRVSettingWindowView::showPage(QWidget* page) {
    page->setParent(targetView);
    targetView->layout()->addWidget(page);
    page->show();
}
