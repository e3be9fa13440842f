#include "app/ZRVAppDelegate.h"

#include "app/CustomWindow.h"
#include "app/ZRVBusyIndicator.h"
#include "app/ZRVLanguageDefaults.h"
#include "app/ZRVMediaListController.h"
#include "app/ZRVMediaListView.h"
#include "app/ZRVPlayerLayout.h"
#include "app/ZRVSidePanel.h"
#include "app/ZRVWindowRules.h"
#include "controls/TKImage.h"
#include "controls/TKThreePartImageView.h"
#include "controls/TKVideoBackgroundImageView.h"
#include "recording/ZRVMediaList.h"

#include <QAbstractButton>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
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
}

ZRVAppDelegate::~ZRVAppDelegate() {
    // The list controller is the catalogue's delegate and must let go of it
    // before the catalogue goes.
    delete m_mediaListController;
    m_mediaListController = nullptr;
}

std::unique_ptr<QSettings> ZRVAppDelegate::userDefaults() const {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("ZORVA"), QStringLiteral("zorva"));
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

    m_mediaListController = new ZRVMediaListController(*m_mediaList, m_view.mediaListTableView,
                                                       m_options.folderChooser, this);
    m_mediaListController->initMediaListTableView();
    setupInitialValues();
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

    m_sidePanel->setRightViewMode(0);
    m_volume = 70;
    disableControlsOfLaterParts();
    layoutWindow();
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
    m_mediaIndex = -1;

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

// Playback, the map, telemetry, snapshots and the card windows arrive with
// their own work; until then their controls are visible but cannot be used.
void ZRVAppDelegate::disableControlsOfLaterParts() {
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_view.settingButton, m_view.timeSetupButton, m_view.playButton,
             m_view.jumpBackwardButton, m_view.jumpForwardButton, m_view.swapButton,
             m_view.decreaseSpeedButton, m_view.speedTextButton, m_view.increaseSpeedButton,
             m_view.sizeDownButton, m_view.sizeTextButton, m_view.sizeUpButton,
             m_view.audioToggleButton, m_view.captureButton, m_view.printButton,
             m_view.videoPositionSlider, m_view.volumeSlider, m_view.playButtonForFullScreen,
             m_view.videoPositionSliderForFullScreen}) {
        control->setEnabled(false);
    }
}

void ZRVAppDelegate::directoryWillChange(const QString& path) {
    m_mediaIndex = -1;
    userDefaults()->setValue(QLatin1String(kLastDirectoryKey), QDir(path).absolutePath());
}
