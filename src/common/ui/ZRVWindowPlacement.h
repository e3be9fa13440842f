#pragma once

class QWidget;

namespace ZRVWindowPlacement {

// Sizes a secondary window to its contents and centres it on the screen of
// the window it was opened from (the primary screen without one).
void centreOnOpenersScreen(QWidget* window, QWidget* opener);

} // namespace ZRVWindowPlacement
