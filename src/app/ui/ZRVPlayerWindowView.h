#pragma once

#include <QString>

class GraphView;
class PMProgressIndicator;
class QAbstractButton;
class QLabel;
class QSlider;
class QWidget;
class TKThreePartImageView;
class TKVideoBackgroundImageView;
class ZRVMediaListView;
class ZRVScrollableVideoContainerView;

// The player window's boxes and controls, built in code as an interface
// description would build them. It only creates and names widgets; where they
// go is decided by the layout and what they do by their owners.
class ZRVPlayerWindowView {
public:
    void setupUi(QWidget* window);
    // Puts the map's widget into the map panel in place of the note that
    // there is no map.
    void showMapWidget(QWidget* map);

    QWidget* backgroundBox = nullptr;
    QWidget* headBox = nullptr;
    QWidget* bodyBox = nullptr;
    QWidget* bodyLeftBox = nullptr;
    QWidget* videoBox = nullptr;
    QWidget* gsensorBox = nullptr;
    QWidget* mediaControlBox = nullptr;
    QWidget* bodyRightBox = nullptr;
    QWidget* sideButtonBox = nullptr;
    QWidget* mediaListBox = nullptr;
    QWidget* subVideoBox = nullptr;
    TKThreePartImageView* mediaControlBoxForFullScreen = nullptr;

    ZRVScrollableVideoContainerView* videoContainerView = nullptr;
    QWidget* video1View = nullptr;
    QWidget* video2View = nullptr;
    TKVideoBackgroundImageView* player1BackgroundView = nullptr;
    TKVideoBackgroundImageView* player2BackgroundView = nullptr;

    ZRVMediaListView* mediaListTableView = nullptr;
    QWidget* mapContainerView = nullptr;
    QWidget* mapContainerTopView = nullptr;
    QWidget* mapContainerBottomView = nullptr;
    QWidget* mapWebView = nullptr;
    QLabel* mapNote = nullptr;

    QAbstractButton* recordButton = nullptr;
    QAbstractButton* informationButton = nullptr;

    QAbstractButton* openFolderButton = nullptr;
    QAbstractButton* settingButton = nullptr;
    QAbstractButton* timeSetupButton = nullptr;
    QAbstractButton* fullScreenButton = nullptr;
    QAbstractButton* closeButton = nullptr;

    QAbstractButton* playButton = nullptr;
    QAbstractButton* jumpBackwardButton = nullptr;
    QAbstractButton* jumpForwardButton = nullptr;
    QAbstractButton* swapButton = nullptr;
    QAbstractButton* decreaseSpeedButton = nullptr;
    QAbstractButton* speedTextButton = nullptr;
    QAbstractButton* increaseSpeedButton = nullptr;
    QAbstractButton* sizeDownButton = nullptr;
    QAbstractButton* sizeTextButton = nullptr;
    QAbstractButton* sizeUpButton = nullptr;
    QAbstractButton* audioToggleButton = nullptr;
    QAbstractButton* captureButton = nullptr;
    QAbstractButton* printButton = nullptr;
    QSlider* videoPositionSlider = nullptr;
    QLabel* playTimeField = nullptr;
    QSlider* volumeSlider = nullptr;

    QAbstractButton* playButtonForFullScreen = nullptr;
    QSlider* videoPositionSliderForFullScreen = nullptr;
    QLabel* playTimeFieldForFullScreen = nullptr;
    QAbstractButton* leaveFullScreenButton = nullptr;

    GraphView* graphView = nullptr;
    QLabel* gsensorXField = nullptr;
    QLabel* gsensorYField = nullptr;
    QLabel* gsensorZField = nullptr;
    QLabel* speedField = nullptr;
    QLabel* hdopField = nullptr;
    QLabel* sateliteField = nullptr;

    PMProgressIndicator* progressIndicator = nullptr;

private:
    void setupHead();
    void setupVideo();
    void setupGSensor();
    void setupMediaControls();
    void setupFullScreenControls();
    void setupRightColumn();

    static QAbstractButton* imageButton(QWidget* parent, const QString& imageName,
                                        const QString& toolTip, const QString& fallbackText);
    static QAbstractButton* textButton(QWidget* parent, const QString& text,
                                       const QString& toolTip);
    static QLabel* readOut(QWidget* parent, const char* objectName);
    static QWidget* videoSurface(QWidget* parent, const char* objectName);
};
