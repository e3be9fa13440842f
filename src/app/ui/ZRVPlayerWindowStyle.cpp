#include "app/ui/ZRVPlayerWindowStyle.h"

namespace {

// One dark theme for the whole window, in the colours of the drawn buttons: a
// near-black frame, slate panels and the blue of the drawn buttons.
const char* const kStyleSheet = R"(
#playerWindow { background: #15181c; }
#backgroundBox { background: #15181c; border: 1px solid #2b3038; }
#headBox { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2a2f37, stop:1 #1d2127);
           border-bottom: 1px solid #0b0d10; }
#appSubtitle { color: #8b95a3; font-size: 12px; padding-top: 3px; }
#bodyBox, #bodyLeftBox, #bodyRightBox { background: transparent; }
#videoBox, #subVideoBox { background: #000000; }
#gsensorBox, #mediaControlBox { background: #1d2127; border: 1px solid #2b3038; border-radius: 4px; }
#sideButtonBox { background: #2a2f37; }
#mediaListBox { background: #1d2127; }
QToolButton { color: #d5dbe3; background: transparent; border: none; padding: 2px 6px;
              font-size: 12px; }
QToolButton:hover { color: #ffffff; }
QToolButton:disabled { color: #6b7480; }
QToolButton[speedText="true"] { min-width: 40px; font-family: "DejaVu Sans Mono"; font-size: 11px; }
QToolButton[sideTab="true"] { padding: 0; margin: 0; }
QTableView { background: #1d2127; alternate-background-color: #22272e; color: #d5dbe3;
             border: none; selection-background-color: #1f8fff; selection-color: #ffffff;
             gridline-color: #2b3038; }
QHeaderView::section { background: #262b32; color: #8b95a3; border: none;
                       border-bottom: 1px solid #0b0d10; padding: 4px 2px; font-size: 11px; }
QTableCornerButton::section { background: #262b32; border: none; }
QScrollBar:vertical { background: #1d2127; width: 10px; margin: 0; }
QScrollBar::handle:vertical { background: #3a414b; border-radius: 4px; min-height: 24px; }
QScrollBar::add-line, QScrollBar::sub-line { height: 0; }
QScrollBar::add-page, QScrollBar::sub-page { background: none; }
#mapContainerView { background: #1d2127; }
#mapContainerTopView { background: #20252c; }
#mapContainerBottomView { background: #262b32; border-top: 1px solid #0b0d10; }
#mapNote { color: #5c6570; font-size: 12px; }
#readOutCaption { color: #8b95a3; font-size: 11px; }
QLabel[readOut="true"] { color: #e8edf3; font-family: "DejaVu Sans Mono"; font-size: 12px;
                         background: #15181c; border: 1px solid #2b3038; border-radius: 3px;
                         padding: 1px 6px; }
QSlider::groove:horizontal { height: 4px; background: #0b0d10; border-radius: 2px; }
QSlider::sub-page:horizontal { background: #1f8fff; border-radius: 2px; }
QSlider::sub-page:horizontal:disabled { background: #2f5f93; }
QSlider::handle:horizontal { background: #e8edf3; width: 12px; margin: -5px 0; border-radius: 6px; }
QSlider::handle:horizontal:disabled { background: #6b7480; }
QProgressBar { background: #0b0d10; border: none; border-radius: 2px; }
QProgressBar::chunk { background: #1f8fff; border-radius: 2px; }
QToolTip { color: #e8edf3; background: #2a2f37; border: 1px solid #0b0d10; }
)";

} // namespace

QString ZRVPlayerWindowStyle::styleSheet() {
    return QLatin1String(kStyleSheet);
}
