#include "card/ui/ZRVCardToolStyle.h"

#include <QPalette>
#include <QWidget>

namespace {

const char* const kStyleSheet = R"(
#cardToolWindow { background: #1d2127; }
QLabel { color: #d5dbe3; }
QLabel[caption="true"] { color: #8b95a3; }
QLabel[field="true"] { color: #e8edf3; background: #15181c; border: 1px solid #2b3038;
                       border-radius: 3px; padding: 3px 6px; }
QLabel[note="true"] { color: #8b95a3; font-size: 11px; }
QComboBox { color: #e8edf3; background: #2a2e35; border: 1px solid #454b55; border-radius: 4px;
            padding: 2px 8px; min-height: 20px; }
QComboBox QAbstractItemView { color: #e8edf3; background: #2a2e35;
                              selection-background-color: #1f8fff; }
QCheckBox { color: #d5dbe3; spacing: 6px; }
QDateEdit, QTimeEdit { color: #e8edf3; background: #15181c; border: 1px solid #454b55;
                       border-radius: 4px; padding: 2px 6px; min-height: 20px; }
QCalendarWidget QWidget { alternate-background-color: #22272e; }
#qt_calendar_navigationbar { background: #2a2f37; }
#qt_calendar_navigationbar QToolButton { color: #e8edf3; background: transparent; border: none;
                                         padding: 2px 6px; }
#qt_calendar_navigationbar QToolButton:hover { background: #333944; }
QCalendarWidget QAbstractItemView { color: #e8edf3; background: #15181c;
                                    selection-background-color: #1f8fff; }
QPushButton { color: #e8edf3; background: #2a2f37; border: 1px solid #454b55; border-radius: 4px;
              padding: 5px 14px; min-width: 64px; }
QPushButton:hover { background: #333944; }
QPushButton:pressed { background: #1d2127; }
QPushButton:disabled { color: #6b7480; border-color: #2b3038; }
QPushButton[primary="true"] { background: #1f8fff; border-color: #1f8fff; color: #ffffff; }
QPushButton[primary="true"]:hover { background: #3a9cff; }
QPushButton[primary="true"]:disabled { background: #2f5f93; border-color: #2f5f93; color: #b8c4d2; }
QMessageBox { background: #22272e; }
QProgressBar { background: #0b0d10; border: none; border-radius: 2px; max-height: 6px; }
QProgressBar::chunk { background: #1f8fff; border-radius: 2px; }
)";

} // namespace

void ZRVCardToolStyle::apply(QWidget* window) {
    window->setObjectName(QStringLiteral("cardToolWindow"));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(0x1d, 0x21, 0x27));
    palette.setColor(QPalette::WindowText, QColor(0xd5, 0xdb, 0xe3));
    palette.setColor(QPalette::Base, QColor(0x15, 0x18, 0x1c));
    palette.setColor(QPalette::Text, QColor(0xe8, 0xed, 0xf3));
    palette.setColor(QPalette::Button, QColor(0x2a, 0x2f, 0x37));
    palette.setColor(QPalette::ButtonText, QColor(0xe8, 0xed, 0xf3));
    palette.setColor(QPalette::Highlight, QColor(0x1f, 0x8f, 0xff));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    window->setPalette(palette);
    window->setStyleSheet(QLatin1String(kStyleSheet));
}
