#pragma once

#include <functional>

class QDialog;
class QPushButton;
class QWidget;
class TKSegmentedControl;

// The widgets of the settings window: the row of seven tabs, the area that
// holds the page shown, and the commands under it. Dark, in the player
// window's colours.
class ZRVSettingWindowView {
public:
    void setupUi(QDialog* window);
    // Offers the tabs that have a page, and makes the page area as large as
    // the largest page, so that none is cut and the window keeps its size
    // from tab to tab. The pages are made to be measured and dropped.
    void fitPages(const std::function<QWidget*(int index)>& makePage);
    // Puts the page into targetView in place of the one shown before.
    void showPage(QWidget* page);

    TKSegmentedControl* functionSegmentedControl = nullptr;
    QWidget* targetView = nullptr;
    QPushButton* sdcardFormatButton = nullptr;
    QPushButton* diskUtilButton = nullptr;
    QPushButton* resetButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* saveButton = nullptr;
};
