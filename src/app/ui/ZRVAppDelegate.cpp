#include "app/ui/ZRVAppDelegate.h"

#include "app/ZRVPlayerLayout.h"
#include "app/ZRVWindowRules.h"
#include "app/ui/CustomWindow.h"
#include "app/ui/ZRVBusyIndicator.h"
#include "app/ui/ZRVLanguageDefaults.h"
#include "app/ui/ZRVMediaListController.h"
#include "app/ui/ZRVMediaListModel.h"
#include "app/ui/ZRVMediaListView.h"
#include "app/ui/ZRVPlayInfo.h"
#include "app/ui/ZRVPlaybackController.h"
#include "app/ui/ZRVPlayerShortcuts.h"
#include "app/ui/ZRVPresentationController.h"
#include "app/ui/ZRVSecondaryWindows.h"
#include "app/ui/ZRVSidePanel.h"
#include "app/ui/ZRVSnapshotController.h"
#include "app/ui/ZRVStepKeeper.h"
#include "app/ui/ZRVTelemetryDisplay.h"
#include "app/ui/ZRVVideoFrameKeeper.h"
#include "common/ui/ZRVUserDefaults.h"
#include "controls/TKImage.h"
#include "controls/TKThreePartImageView.h"
#include "controls/TKVideoBackgroundImageView.h"
#include "platform/ZRVMapView.h"
#include "platform/ZRVVlcMediaPlayer.h"
#include "platform/ZRVWebEngineMapView.h"
#include "recording/ZRVMediaList.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QThreadPool>

namespace {

void place(QWidget* widget, const ZRVPlayerLayout::Box& box) {
    if (widget == nullptr) {
        return;
    }
    widget->setGeometry(int(box.frame.x), int(box.frame.y), int(box.frame.width),
                        int(box.frame.height));
    widget->setVisible(box.visible);
}

} // namespace

ZRVAppDelegate::ZRVAppDelegate(Options options, QObject* parent)
    : QObject(parent), m_options(std::move(options)) {
    if (!m_options.executor) {
        m_options.executor = [](std::function<void()> job) {
            QThreadPool::globalInstance()->start(std::move(job));
        };
    }
    if (m_options.systemLanguages.isEmpty()) {
        m_options.systemLanguages = QLocale::system().uiLanguages();
    }
    if (!m_options.playerFactory) {
        m_options.playerFactory = [](QObject* parent) { return new ZRVVlcMediaPlayer(parent); };
    }
    if (!m_options.mapViewFactory) {
        m_options.mapViewFactory = [](QWidget* parent) {
            return new ZRVWebEngineMapView(parent, parent);
        };
    }
    if (!m_options.alert) {
        m_options.alert = [](QWidget* window, const QString& message) {
            auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("ZORVA"), message,
                                        QMessageBox::Ok, window);
            box->setWindowModality(Qt::WindowModal);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        };
    }
}

ZRVAppDelegate::~ZRVAppDelegate() {
    die();
    // The list controller is the catalogue's delegate and must let go of it
    // before the catalogue goes.
    delete m_mediaListController;
    m_mediaListController = nullptr;
}

std::unique_ptr<QSettings> ZRVAppDelegate::userDefaults() const {
    return openUserDefaults();
}

void ZRVAppDelegate::awakeFromNib() {
    m_window = std::make_unique<CustomWindow>(
        QRect(QPoint(),
              QSize(int(ZRVWindowRules::kMinWindowWidth), int(ZRVWindowRules::kMinWindowHeight))));
    m_window->setObjectName(QStringLiteral("playerWindow"));
    m_window->setWindowTitle(QStringLiteral("ZORVA Viewer"));
    m_view.setupUi(m_window.get());

    m_mediaList = std::make_unique<ZRVMediaList>(m_options.executor);

    m_view.mediaControlBoxForFullScreen->setImagesLeft(
        TKImage::named(QStringLiteral("bottom-background")),
        TKImage::named(QStringLiteral("bottom-background")),
        TKImage::named(QStringLiteral("bottom-background")));
    m_view.player1BackgroundView->setBackgroundNineImageName(QStringLiteral("v1"));
    m_view.player1BackgroundView->setLogoImage(TKImage::named(QStringLiteral("v1_front_logo")));
    m_view.player2BackgroundView->setBackgroundNineImageName(QStringLiteral("v2"));
    m_view.player2BackgroundView->setLogoImage(TKImage::named(QStringLiteral("v2_rear_logo")));

    new ZRVVideoFrameKeeper(m_view.player1BackgroundView, m_view.videoBox, this);
    new ZRVVideoFrameKeeper(m_view.player2BackgroundView, m_view.subVideoBox, this);
    createPlayers();
    m_mediaListController = new ZRVMediaListController(*m_mediaList, m_view.mediaListTableView,
                                                       m_options.folderChooser, this);
    m_mediaListController->initMediaListTableView();
    setupInitialValues();
}

void ZRVAppDelegate::createPlayers() {
    m_player1 = m_options.playerFactory(this);
    m_player2 = m_options.playerFactory(this);
    m_playInfo = new ZRVPlayInfo(this);
}

// The players draw into X windows; on any other platform (offscreen, in
// tests) a window id means nothing to them, and handing one over would make
// libVLC look for a video output that can use it. The video areas become
// native windows only here, after the map's web view has set up its drawing
// surface: made before it, they brought QtWebEngine down on X11.
void ZRVAppDelegate::giveVideoWindows() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // Each framed area first, so that its video's X window is made
        // inside it and moves with it. Their siblings, the boxes Qt draws
        // and the window's resize handles, must stay drawn by Qt: made
        // native, a transparent handle shows whatever the screen held.
        QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
        m_view.player1BackgroundView->winId();
        m_view.player2BackgroundView->winId();
        m_player1->setVideoWindow(m_view.video1View->winId());
        m_player2->setVideoWindow(m_view.video2View->winId());
    }
}

void ZRVAppDelegate::die() {
    if (m_playback != nullptr) {
        m_playback->stopPlay();
    }
    delete m_telemetry;
    m_telemetry = nullptr;
    delete m_playback;
    m_playback = nullptr;
    delete m_snapshot;
    m_snapshot = nullptr;
    delete m_stepKeeper;
    m_stepKeeper = nullptr;
    delete m_presentation;
    m_presentation = nullptr;
    delete m_player1;
    m_player1 = nullptr;
    delete m_player2;
    m_player2 = nullptr;
}

bool ZRVAppDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window.get() && event->type() == QEvent::Close && m_playback != nullptr) {
        m_playback->stopPlay();
    }
    return QObject::eventFilter(watched, event);
}

void ZRVAppDelegate::setupInitialValues() {
    connect(m_window.get(), &CustomWindow::isFullScreenChanged, this,
            &ZRVAppDelegate::layoutWindow);
    connect(m_window.get(), &CustomWindow::contentResized, this, &ZRVAppDelegate::placeBoxes);

    m_busyIndicator = new ZRVBusyIndicator(m_view.progressIndicator, m_view.headBox,
                                           m_options.busyScheduler, this);
    m_sidePanel = new ZRVSidePanel(
        m_view.recordButton, m_view.informationButton, m_view.mediaListTableView,
        m_view.mapContainerView, [this] { layoutMapContainer(); }, this);

    connect(m_view.openFolderButton, &QAbstractButton::clicked, m_mediaListController,
            &ZRVMediaListController::openMediaDirectoryDialog);
    connect(m_view.fullScreenButton, &QAbstractButton::clicked, this,
            &ZRVAppDelegate::toggleFullScreen);
    connect(m_view.leaveFullScreenButton, &QAbstractButton::clicked, this,
            &ZRVAppDelegate::toggleFullScreen);
    connect(m_view.closeButton, &QAbstractButton::clicked, this, &ZRVAppDelegate::closeWindow);
    connect(m_mediaListController, &ZRVMediaListController::directoryWillChange, this,
            &ZRVAppDelegate::directoryWillChange);
    connect(m_mediaListController, &ZRVMediaListController::mediaListReloaded, m_sidePanel,
            [this] { m_sidePanel->setRightViewMode(0); });

    m_presentation = new ZRVPresentationController(*m_player1, *m_player2, *m_playInfo,
                                                   m_window.get(), m_view, {}, this);
    connect(m_window.get(), &CustomWindow::contentResized, m_presentation,
            &ZRVPresentationController::updatePlayInfoScale);
    ZRVPlaybackController::Parts parts;
    parts.player1 = m_player1;
    parts.player2 = m_player2;
    parts.playInfo = m_playInfo;
    parts.mediaListModel = m_mediaListController->model();
    parts.view = &m_view;
    parts.presentation = m_presentation;
    parts.busyIndicator = m_busyIndicator;
    parts.sidePanel = m_sidePanel;
    parts.executor = m_options.executor;
    parts.scheduler = m_options.playbackScheduler;
    parts.alert = [this](const QString& message) { m_options.alert(m_window.get(), message); };
    m_playback = new ZRVPlaybackController(std::move(parts), this);
    m_snapshot = new ZRVSnapshotController(*m_player1, m_window.get(), {}, this);
    m_secondaryWindows = new ZRVSecondaryWindows(m_options.settings, m_window.get(), this);
    if (m_options.keepCamerasInStep) {
        m_stepKeeper = new ZRVStepKeeper(*m_player1, *m_player2, this);
        connect(m_playback, &ZRVPlaybackController::secondPlayerRealigning, m_stepKeeper,
                &ZRVStepKeeper::holdOff);
    }
    connectPlaybackControls();
    showTelemetry();
    m_window->installEventFilter(this);

    m_sidePanel->setRightViewMode(0);
    m_presentation->setVolume(ZRVPresentationController::kInitialVolume);
    m_playInfo->setIsPlaying(false);
    m_telemetry->loadMapPage();
    giveVideoWindows();
    layoutWindow();
    m_secondaryWindows->lookUpCameraCard();
}

// The telemetry display follows what playback announces; a click in the
// graph or on the track seeks through playback like a slider drag.
void ZRVAppDelegate::showTelemetry() {
    ZRVMapView* map = m_options.mapViewFactory(m_view.mapContainerTopView);
    m_view.showMapWidget(map != nullptr ? map->widget() : nullptr);
    m_telemetry = new ZRVTelemetryDisplay(m_view, *m_player1, map, this);
    connect(m_playback, &ZRVPlaybackController::blackBoxDataChanged, m_telemetry,
            &ZRVTelemetryDisplay::setTelemetry);
    connect(m_playback, &ZRVPlaybackController::controlsReset, m_telemetry,
            &ZRVTelemetryDisplay::resetReadOuts);
    connect(m_playInfo, &ZRVPlayInfo::positionChanged, m_telemetry,
            &ZRVTelemetryDisplay::showPlayPosition);
    connect(m_telemetry, &ZRVTelemetryDisplay::seekRequested, m_playback,
            &ZRVPlaybackController::seekTo);
}

ZRVMapView* ZRVAppDelegate::mapWebView() const {
    return m_telemetry != nullptr ? m_telemetry->mapView() : nullptr;
}

void ZRVAppDelegate::connectPlaybackControls() {
    ZRVPlaybackController* playback = m_playback;
    ZRVPresentationController* presentation = m_presentation;
    const auto onClick = [this](QAbstractButton* button, auto* receiver, auto action) {
        connect(button, &QAbstractButton::clicked, receiver, action);
    };
    onClick(m_view.playButton, playback, &ZRVPlaybackController::clickPlayButton);
    onClick(m_view.playButtonForFullScreen, playback, &ZRVPlaybackController::clickPlayButton);
    onClick(m_view.jumpBackwardButton, playback, &ZRVPlaybackController::jumpBackward);
    onClick(m_view.jumpForwardButton, playback, &ZRVPlaybackController::jumpForward);
    onClick(m_view.swapButton, playback, &ZRVPlaybackController::swapPlayer);
    onClick(m_view.decreaseSpeedButton, presentation, &ZRVPresentationController::decreaseSpeed);
    onClick(m_view.increaseSpeedButton, presentation, &ZRVPresentationController::increaseSpeed);
    onClick(m_view.sizeDownButton, presentation, &ZRVPresentationController::sizeDown);
    onClick(m_view.sizeUpButton, presentation, &ZRVPresentationController::sizeUp);
    onClick(m_view.captureButton, m_snapshot, &ZRVSnapshotController::captureVideo);
    onClick(m_view.printButton, m_snapshot, &ZRVSnapshotController::print);
    onClick(m_view.settingButton, m_secondaryWindows, &ZRVSecondaryWindows::showSettingPanel);
    onClick(m_view.timeSetupButton, m_secondaryWindows, &ZRVSecondaryWindows::showTimeSetupPanel);
    connect(m_view.audioToggleButton, &QAbstractButton::clicked, presentation,
            &ZRVPresentationController::toggleAudioChoice);
    connect(m_view.volumeSlider, &QSlider::valueChanged, presentation,
            &ZRVPresentationController::volumeSliderMoved);
    connect(m_view.mediaListTableView, &QAbstractItemView::doubleClicked, playback,
            [playback](const QModelIndex& index) {
                playback->changeAndPlay(index.data(ZRVMediaListModel::PathRole).toString());
            });
    connect(playback, &ZRVPlaybackController::playingMediaChanged, m_mediaListController->model(),
            &ZRVMediaListModel::setPlayingPath);
    connect(playback, &ZRVPlaybackController::recordingFoundCutShort,
            m_mediaListController->model(), &ZRVMediaListModel::markCutShort);

    ZRVPlayerShortcuts::Actions keys;
    keys.playPause = [playback] { playback->clickPlayButton(); };
    keys.jumpBackward = [playback] { playback->jumpBackward(); };
    keys.jumpForward = [playback] { playback->jumpForward(); };
    keys.volumeUp = [presentation] { presentation->volumeUp(); };
    keys.volumeDown = [presentation] { presentation->volumeDown(); };
    keys.toggleFullScreen = [this] { toggleFullScreen(); };
    keys.zoomIn = [presentation] { presentation->sizeUp(); };
    keys.zoomOut = [presentation] { presentation->sizeDown(); };
    keys.swap = [playback] { playback->swapPlayer(); };
    keys.showSettingPanel = [this] { m_secondaryWindows->showSettingPanel(); };
    new ZRVPlayerShortcuts(m_window.get(), std::move(keys), this);
}

qint64 ZRVAppDelegate::mediaIndex() const {
    return m_playback->mediaIndex();
}

void ZRVAppDelegate::setMediaIndex(qint64 index) {
    m_playback->setMediaIndex(index);
}

quint64 ZRVAppDelegate::volume() const {
    return m_presentation->volume();
}

void ZRVAppDelegate::applicationDidFinishLaunching() {
    {
        const auto settings = userDefaults();
        ZRVLanguageDefaults::applicationDidFinishLaunching(*settings, m_options.systemLanguages);
    }
    const QRect frame = minWindowFrame();
    m_window->setGeometry(frame);
    m_window->show();
    m_window->setInitialFrame(m_window->geometry());
    setMediaIndex(-1);

    QString directory = m_options.initialDirectory;
    if (directory.isEmpty()) {
        directory = userDefaults()->value(QLatin1String(kLastDirectoryKey)).toString();
    }
    if (!directory.isEmpty() && QDir(directory).exists()) {
        m_mediaListController->openDirectory(directory);
    }
}

QRect ZRVAppDelegate::minWindowFrame() const {
    QScreen* screen = m_window ? m_window->screen() : QGuiApplication::primaryScreen();
    const QRect visible = screen != nullptr ? screen->availableGeometry() : QRect();
    const ZRVRect frame =
        ZRVWindowRules::minWindowFrame({double(visible.x()), double(visible.y()),
                                        double(visible.width()), double(visible.height())});
    return QRect(int(frame.x), int(frame.y), int(frame.width), int(frame.height));
}

void ZRVAppDelegate::layoutWindow() {
    userDefaults()->setValue(QLatin1String(kVisualizeConstraintsKey), true);
    placeBoxes();
}

// Widgets have no constraints that follow the window by themselves, so every
// change of size places the boxes again; the user default is written only
// when the mode changes, not on each step of a resize.
void ZRVAppDelegate::placeBoxes() {
    const QSize size = m_window->size();
    const auto layout =
        ZRVPlayerLayout::compute(size.width(), size.height(), m_window->isFullScreen(), 0);
    place(m_view.backgroundBox, layout.background);
    place(m_view.headBox, layout.head);
    place(m_view.bodyBox, layout.body);
    layoutBodyBox();
}

void ZRVAppDelegate::layoutBodyBox() {
    const QSize size = m_window->size();
    const auto layout =
        ZRVPlayerLayout::compute(size.width(), size.height(), m_window->isFullScreen(), 0);
    place(m_view.bodyLeftBox, layout.bodyLeft);
    place(m_view.bodyRightBox, layout.bodyRight);
    place(m_view.videoBox, layout.video);
    place(m_view.gsensorBox, layout.gsensor);
    place(m_view.mediaControlBox, layout.mediaControl);
    place(m_view.mediaControlBoxForFullScreen, layout.mediaControlForFullScreen);
    if (!m_window->isFullScreen()) {
        place(m_view.sideButtonBox, layout.sideButton);
        place(m_view.mediaListBox, layout.mediaList);
        place(m_view.subVideoBox, layout.subVideo);
    }
    layoutMapContainer();
}

void ZRVAppDelegate::layoutMapContainer() {
    if (m_window->isFullScreen() || m_sidePanel == nullptr) {
        return;
    }
    const QSize size = m_window->size();
    const auto layout =
        ZRVPlayerLayout::compute(size.width(), size.height(), false, m_sidePanel->rightViewMode());
    place(m_view.mediaListTableView, layout.mediaListScroll);
    place(m_view.mapContainerView, layout.mapContainer);
    place(m_view.mapContainerTopView, layout.mapContainerTop);
    place(m_view.mapContainerBottomView, layout.mapContainerBottom);
}

void ZRVAppDelegate::toggleFullScreen() {
    if (m_window->isFullScreen()) {
        m_window->leaveFullscreen();
    } else {
        m_window->enterFullscreen();
    }
}

void ZRVAppDelegate::closeWindow() {
    m_window->close();
}

void ZRVAppDelegate::directoryWillChange(const QString& path) {
    m_playback->stopPlay();
    setMediaIndex(-1);
    userDefaults()->setValue(QLatin1String(kLastDirectoryKey), QDir(path).absolutePath());
}
