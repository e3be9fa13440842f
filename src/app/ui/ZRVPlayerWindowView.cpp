#include "app/ui/ZRVPlayerWindowView.h"

#include "app/ui/ZRVMediaListView.h"
#include "app/ui/ZRVPlayTimeField.h"
#include "app/ui/ZRVPlayerWindowStyle.h"
#include "app/ui/ZRVScrollableVideoContainerView.h"
#include "controls/PMProgressIndicator.h"
#include "controls/TKClickToSeekStyle.h"
#include "controls/TKImage.h"
#include "controls/TKImageButton.h"
#include "controls/TKThreePartImageView.h"
#include "controls/TKVideoBackgroundImageView.h"
#include "recording/ui/GraphView.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QWidget* box(QWidget* parent, const char* name) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setAttribute(Qt::WA_StyledBackground);
    return widget;
}

} // namespace

void ZRVPlayerWindowView::setupUi(QWidget* window) {
    window->setStyleSheet(ZRVPlayerWindowStyle::styleSheet());
    backgroundBox = box(window, "backgroundBox");
    headBox = box(backgroundBox, "headBox");
    bodyBox = box(backgroundBox, "bodyBox");
    bodyLeftBox = box(bodyBox, "bodyLeftBox");
    bodyRightBox = box(bodyBox, "bodyRightBox");
    videoBox = box(bodyLeftBox, "videoBox");
    gsensorBox = box(bodyLeftBox, "gsensorBox");
    mediaControlBox = box(bodyLeftBox, "mediaControlBox");
    mediaControlBoxForFullScreen = new TKThreePartImageView(bodyLeftBox);
    mediaControlBoxForFullScreen->setObjectName(QStringLiteral("mediaControlBoxForFullScreen"));
    sideButtonBox = box(bodyRightBox, "sideButtonBox");
    mediaListBox = box(bodyRightBox, "mediaListBox");
    subVideoBox = box(bodyRightBox, "subVideoBox");

    setupHead();
    setupVideo();
    setupGSensor();
    setupMediaControls();
    setupFullScreenControls();
    setupRightColumn();

    auto* seekStyle = new TKClickToSeekStyle;
    seekStyle->setParent(window);
    for (QSlider* slider : {videoPositionSlider, videoPositionSliderForFullScreen, volumeSlider}) {
        slider->setStyle(seekStyle);
    }

    progressIndicator = new PMProgressIndicator(backgroundBox);
    progressIndicator->setObjectName(QStringLiteral("progressIndicator"));
    progressIndicator->setTextVisible(false);
    progressIndicator->setGeometry(0, 44, 240, 4);
    progressIndicator->hide();
}

void ZRVPlayerWindowView::setupHead() {
    auto* row = new QHBoxLayout(headBox);
    row->setContentsMargins(16, 0, 12, 0);
    row->setSpacing(6);

    auto* logo = new QLabel(headBox);
    logo->setObjectName(QStringLiteral("appLogo"));
    logo->setPixmap(TKImage::named(QStringLiteral("zorva_logo")));
    auto* subtitle = new QLabel(headBox);
    subtitle->setObjectName(QStringLiteral("appSubtitle"));
    subtitle->setText(QCoreApplication::translate("InfoPlist", "main.subtitle"));
    row->addWidget(logo);
    row->addSpacing(4);
    row->addWidget(subtitle);
    row->addStretch(1);

    openFolderButton = imageButton(headBox, QStringLiteral("icon_open"),
                                   QCoreApplication::translate("InfoPlist", "main.open_folder"),
                                   QStringLiteral("Open"));
    settingButton =
        imageButton(headBox, QStringLiteral("icon_setting"),
                    QCoreApplication::translate("InfoPlist", "main.settings"), QStringLiteral("⚙"));
    timeSetupButton = imageButton(headBox, QStringLiteral("icon_clock"),
                                  QCoreApplication::translate("InfoPlist", "main.time_setup"),
                                  QStringLiteral("◷"));
    fullScreenButton = imageButton(headBox, QStringLiteral("icon_fullscreen"),
                                   QCoreApplication::translate("InfoPlist", "main.fullscreen"),
                                   QStringLiteral("⛶"));
    closeButton =
        imageButton(headBox, QStringLiteral("icon_close"),
                    QCoreApplication::translate("InfoPlist", "main.close"), QStringLiteral("✕"));
    for (QAbstractButton* button :
         {openFolderButton, settingButton, timeSetupButton, fullScreenButton, closeButton}) {
        button->setFixedSize(34, 34);
        row->addWidget(button);
    }
}

// The framed areas are placed over their boxes by whoever lays the window
// out, not by a layout of the box: they end up as children of the window.
void ZRVPlayerWindowView::setupVideo() {
    player1BackgroundView = new TKVideoBackgroundImageView(videoBox);
    player1BackgroundView->setObjectName(QStringLiteral("player1BackgroundView"));
    auto* container = new QVBoxLayout(player1BackgroundView);
    container->setContentsMargins(0, 0, 0, 0);
    videoContainerView = new ZRVScrollableVideoContainerView(player1BackgroundView);
    videoContainerView->setObjectName(QStringLiteral("videoContainerView"));
    container->addWidget(videoContainerView);
    video1View = videoSurface(videoContainerView, "video1View");

    player2BackgroundView = new TKVideoBackgroundImageView(subVideoBox);
    player2BackgroundView->setObjectName(QStringLiteral("player2BackgroundView"));
    video2View = videoSurface(player2BackgroundView, "video2View");
}

// The area a player draws into, filling its parent; it becomes a native
// child window when the player is given its id. It stays hidden until its
// player shows a picture, so the camera's logo behind it tells which area
// belongs to which camera.
QWidget* ZRVPlayerWindowView::videoSurface(QWidget* parent, const char* objectName) {
    auto* fill = new QVBoxLayout(parent);
    fill->setContentsMargins(0, 0, 0, 0);
    auto* surface = new QWidget(parent);
    surface->setObjectName(QLatin1String(objectName));
    surface->setAttribute(Qt::WA_DontCreateNativeAncestors);
    surface->setAttribute(Qt::WA_OpaquePaintEvent);
    surface->setAutoFillBackground(true);
    QPalette black = surface->palette();
    black.setColor(QPalette::Window, Qt::black);
    surface->setPalette(black);
    fill->addWidget(surface);
    surface->hide();
    return surface;
}

void ZRVPlayerWindowView::setupGSensor() {
    auto* row = new QHBoxLayout(gsensorBox);
    row->setContentsMargins(8, 8, 12, 8);
    row->setSpacing(12);
    graphView = new GraphView(gsensorBox);
    graphView->setObjectName(QStringLiteral("graphView"));
    row->addWidget(graphView, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    const struct {
        QString caption;
        QLabel** field;
        const char* name;
    } rows[] = {
        {QCoreApplication::translate("InfoPlist", "telemetry.gsensor_x"), &gsensorXField,
         "gsensorXField"},
        {QCoreApplication::translate("InfoPlist", "telemetry.gsensor_y"), &gsensorYField,
         "gsensorYField"},
        {QCoreApplication::translate("InfoPlist", "telemetry.gsensor_z"), &gsensorZField,
         "gsensorZField"},
        {QCoreApplication::translate("InfoPlist", "telemetry.speed"), &speedField, "speedField"},
        {QCoreApplication::translate("InfoPlist", "telemetry.hdop"), &hdopField, "hdopField"},
        {QCoreApplication::translate("InfoPlist", "telemetry.satellites"), &sateliteField,
         "sateliteField"},
    };
    int line = 0;
    for (const auto& entry : rows) {
        auto* caption = new QLabel(entry.caption, gsensorBox);
        caption->setObjectName(QStringLiteral("readOutCaption"));
        *entry.field = readOut(gsensorBox, entry.name);
        grid->addWidget(caption, line, 0);
        grid->addWidget(*entry.field, line, 1);
        ++line;
    }
    row->addLayout(grid);
}

void ZRVPlayerWindowView::setupMediaControls() {
    auto* column = new QVBoxLayout(mediaControlBox);
    column->setContentsMargins(12, 4, 12, 4);
    column->setSpacing(2);
    videoPositionSlider = new QSlider(Qt::Horizontal, mediaControlBox);
    videoPositionSlider->setObjectName(QStringLiteral("videoPositionSlider"));
    videoPositionSlider->setRange(0, 1000);
    playTimeField = new ZRVPlayTimeField(mediaControlBox);
    playTimeField->setObjectName(QStringLiteral("playTimeField"));
    auto* positionRow = new QHBoxLayout;
    positionRow->setSpacing(10);
    positionRow->addWidget(videoPositionSlider, 1);
    positionRow->addWidget(playTimeField);
    column->addLayout(positionRow);

    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    column->addLayout(row);
    jumpBackwardButton = imageButton(mediaControlBox, QStringLiteral("icon_backward"),
                                     QCoreApplication::translate("InfoPlist", "main.jump_backward"),
                                     QStringLiteral("⏪"));
    playButton =
        imageButton(mediaControlBox, QStringLiteral("icon_play"),
                    QCoreApplication::translate("InfoPlist", "main.play"), QStringLiteral("▶"));
    jumpForwardButton = imageButton(mediaControlBox, QStringLiteral("icon_forward"),
                                    QCoreApplication::translate("InfoPlist", "main.jump_forward"),
                                    QStringLiteral("⏩"));
    swapButton =
        imageButton(mediaControlBox, QStringLiteral("icon_swap"),
                    QCoreApplication::translate("InfoPlist", "main.swap"), QStringLiteral("⇄"));
    decreaseSpeedButton = imageButton(mediaControlBox, QStringLiteral("icon_speed_down"),
                                      QCoreApplication::translate("InfoPlist", "main.speed_down"),
                                      QStringLiteral("−"));
    speedTextButton = textButton(mediaControlBox, QStringLiteral("1.0x"),
                                 QCoreApplication::translate("InfoPlist", "main.speed"));
    increaseSpeedButton =
        imageButton(mediaControlBox, QStringLiteral("icon_speed_up"),
                    QCoreApplication::translate("InfoPlist", "main.speed_up"), QStringLiteral("+"));
    sizeDownButton =
        imageButton(mediaControlBox, QStringLiteral("icon_size_down"),
                    QCoreApplication::translate("InfoPlist", "main.zoom_out"), QStringLiteral("−"));
    sizeTextButton = textButton(mediaControlBox, QStringLiteral("1.00x"),
                                QCoreApplication::translate("InfoPlist", "main.zoom"));
    sizeUpButton =
        imageButton(mediaControlBox, QStringLiteral("icon_size_up"),
                    QCoreApplication::translate("InfoPlist", "main.zoom_in"), QStringLiteral("+"));
    captureButton =
        imageButton(mediaControlBox, QStringLiteral("icon_capture"),
                    QCoreApplication::translate("InfoPlist", "main.capture"), QStringLiteral("◉"));
    printButton =
        imageButton(mediaControlBox, QStringLiteral("icon_print"),
                    QCoreApplication::translate("InfoPlist", "main.print"), QStringLiteral("⎙"));
    audioToggleButton =
        imageButton(mediaControlBox, QStringLiteral("icon_audio_front"),
                    QCoreApplication::translate("InfoPlist", "main.audio"), QStringLiteral("F/R"));
    audioToggleButton->setCheckable(true);
    volumeSlider = new QSlider(Qt::Horizontal, mediaControlBox);
    volumeSlider->setObjectName(QStringLiteral("volumeSlider"));
    volumeSlider->setRange(0, 200);
    volumeSlider->setValue(70);
    volumeSlider->setFixedWidth(72);
    volumeSlider->setToolTip(QCoreApplication::translate("InfoPlist", "main.volume"));

    for (QAbstractButton* button : {jumpBackwardButton, jumpForwardButton, swapButton,
                                    decreaseSpeedButton, increaseSpeedButton, sizeDownButton,
                                    sizeUpButton, captureButton, printButton, audioToggleButton}) {
        button->setFixedSize(32, 32);
    }
    playButton->setFixedSize(40, 40);
    for (QAbstractButton* button : {jumpBackwardButton, playButton, jumpForwardButton}) {
        row->addWidget(button);
    }
    row->addSpacing(10);
    row->addWidget(swapButton);
    row->addStretch(1);
    for (QAbstractButton* button : {decreaseSpeedButton, speedTextButton, increaseSpeedButton}) {
        row->addWidget(button);
    }
    row->addSpacing(8);
    for (QAbstractButton* button : {sizeDownButton, sizeTextButton, sizeUpButton}) {
        row->addWidget(button);
    }
    row->addSpacing(8);
    row->addWidget(captureButton);
    row->addWidget(printButton);
    row->addStretch(1);
    row->addWidget(audioToggleButton);
    row->addWidget(volumeSlider);
}

void ZRVPlayerWindowView::setupFullScreenControls() {
    auto* row = new QHBoxLayout(mediaControlBoxForFullScreen);
    row->setContentsMargins(12, 2, 12, 2);
    row->setSpacing(8);
    playButtonForFullScreen =
        imageButton(mediaControlBoxForFullScreen, QStringLiteral("icon_play"),
                    QCoreApplication::translate("InfoPlist", "main.play"), QStringLiteral("▶"));
    videoPositionSliderForFullScreen = new QSlider(Qt::Horizontal, mediaControlBoxForFullScreen);
    videoPositionSliderForFullScreen->setObjectName(
        QStringLiteral("videoPositionSliderForFullScreen"));
    videoPositionSliderForFullScreen->setRange(0, 1000);
    playTimeFieldForFullScreen = new ZRVPlayTimeField(mediaControlBoxForFullScreen);
    playTimeFieldForFullScreen->setObjectName(QStringLiteral("playTimeFieldForFullScreen"));
    leaveFullScreenButton = imageButton(
        mediaControlBoxForFullScreen, QStringLiteral("icon_fullscreen"),
        QCoreApplication::translate("InfoPlist", "main.fullscreen"), QStringLiteral("⛶"));
    playButtonForFullScreen->setFixedSize(30, 30);
    leaveFullScreenButton->setFixedSize(28, 28);
    row->addWidget(playButtonForFullScreen);
    row->addWidget(videoPositionSliderForFullScreen, 1);
    row->addWidget(playTimeFieldForFullScreen);
    row->addWidget(leaveFullScreenButton);
}

void ZRVPlayerWindowView::setupRightColumn() {
    auto* tabs = new QHBoxLayout(sideButtonBox);
    tabs->setContentsMargins(0, 0, 0, 0);
    tabs->setSpacing(0);
    auto* record = new QToolButton(sideButtonBox);
    record->setObjectName(QStringLiteral("recordButton"));
    record->setToolTip(QCoreApplication::translate("InfoPlist", "side.list"));
    auto* information = new QToolButton(sideButtonBox);
    information->setObjectName(QStringLiteral("informationButton"));
    information->setToolTip(QCoreApplication::translate("InfoPlist", "side.map"));
    for (QToolButton* tab : {record, information}) {
        tab->setCheckable(true);
        tab->setObjectName(tab == record ? QStringLiteral("recordButton")
                                         : QStringLiteral("informationButton"));
        tab->setProperty("sideTab", true);
        tab->setToolButtonStyle(Qt::ToolButtonIconOnly);
        tab->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        tab->setIconSize({167, 32});
        tabs->addWidget(tab);
    }
    recordButton = record;
    informationButton = information;

    mediaListTableView = new ZRVMediaListView(mediaListBox);
    mediaListTableView->setObjectName(QStringLiteral("mediaListTableView"));
    mapContainerView = box(mediaListBox, "mapContainerView");
    mapContainerTopView = box(mapContainerView, "mapContainerTopView");
    mapContainerBottomView = box(mapContainerView, "mapContainerBottomView");
    auto* note = new QVBoxLayout(mapContainerTopView);
    note->setContentsMargins(0, 0, 0, 0);
    mapNote = new QLabel(QCoreApplication::translate("InfoPlist", "map.no_position"),
                         mapContainerTopView);
    mapNote->setObjectName(QStringLiteral("mapNote"));
    mapNote->setAlignment(Qt::AlignCenter);
    note->addWidget(mapNote);
}

void ZRVPlayerWindowView::showMapWidget(QWidget* map) {
    if (map == nullptr) {
        return;
    }
    mapWebView = map;
    map->setObjectName(QStringLiteral("mapWebView"));
    mapContainerTopView->layout()->addWidget(map);
    mapNote->hide();
}

QAbstractButton* ZRVPlayerWindowView::imageButton(QWidget* parent, const QString& imageName,
                                                  const QString& toolTip,
                                                  const QString& fallbackText) {
    QAbstractButton* button = nullptr;
    if (!TKImage::named(imageName + QStringLiteral("_n")).isNull()) {
        auto* drawn = new TKImageButton(parent);
        drawn->setImageName(imageName + QStringLiteral("_n"));
        button = drawn;
    } else {
        auto* plain = new QToolButton(parent);
        plain->setText(fallbackText);
        plain->setObjectName(QStringLiteral("symbolButton"));
        button = plain;
    }
    button->setToolTip(toolTip);
    return button;
}

QAbstractButton* ZRVPlayerWindowView::textButton(QWidget* parent, const QString& label,
                                                 const QString& toolTip) {
    auto* button = new QToolButton(parent);
    button->setText(label);
    button->setProperty("speedText", true);
    button->setToolTip(toolTip);
    return button;
}

QLabel* ZRVPlayerWindowView::readOut(QWidget* parent, const char* objectName) {
    auto* field = new QLabel(QStringLiteral("-"), parent);
    field->setObjectName(QLatin1String(objectName));
    field->setProperty("readOut", true);
    field->setMinimumWidth(64);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return field;
}
