#include "app/ui/CustomWindow.h"
#include "app/ui/ZRVAppDelegate.h"
#include "app/ui/ZRVMediaListController.h"
#include "app/ui/ZRVMediaListModel.h"
#include "app/ui/ZRVMediaListView.h"
#include "app/ui/ZRVSecondaryWindows.h"
#include "app/ui/ZRVSidePanel.h"
#include "controls/TKThreePartImageView.h"
#include "recording/ZRVMediaList.h"
#include "settings/ui/ZRVSettingController.h"
#include "support/EventLoopWait.h"
#include "support/ZRVFakeMapView.h"
#include "support/ZRVFakeMediaPlayer.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <deque>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// Folder scans run inline, so a scan has ended when openDirectory returns
// and only the queued reload remains.
struct AppDelegateTest : ::testing::Test {
    QTemporaryDir settingsDir;
    QString chosenFolder;
    std::unique_ptr<ZRVAppDelegate> delegate;

    void SetUp() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        ZRVAppDelegate::Options options;
        options.executor = [](std::function<void()> job) { job(); };
        options.folderChooser = [this](QWidget*) { return chosenFolder; };
        options.busyScheduler = [](double, std::function<void()>) {};
        options.systemLanguages = {QStringLiteral("ko-KR"), QStringLiteral("en-US")};
        options.keepCamerasInStep = false;
        options.playerFactory = [](QObject* parent) { return new ZRVFakeMediaPlayer(parent); };
        options.mapViewFactory = [](QWidget* parent) { return new ZRVFakeMapView(parent); };
        delegate = std::make_unique<ZRVAppDelegate>(options);
        delegate->awakeFromNib();
    }

    QSettings userDefaults() const {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ZORVA"),
                         QStringLiteral("zorva"));
    }

    const ZRVPlayerWindowView& view() const { return delegate->view(); }
    ZRVMediaListModel* model() const { return delegate->mediaListController()->model(); }

    void waitForRows(int rows) {
        waitFor([&] { return model()->rowCount() == rows; }, 3000);
        ASSERT_EQ(model()->rowCount(), rows);
    }
};

} // namespace

TEST_F(AppDelegateTest, StartUpShowsTheListThePanelSwitchesOnlyOnAChangeAndCloseHides) {
    delegate->applicationDidFinishLaunching();
    CustomWindow* window = delegate->window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(delegate->mediaIndex(), -1);
    EXPECT_TRUE(view().mediaControlBoxForFullScreen->isHidden());
    EXPECT_FALSE(view().mediaListTableView->isHidden());
    EXPECT_TRUE(view().mapContainerView->isHidden());
    // The clock window comes later; until then its button cannot be pressed.
    EXPECT_FALSE(view().timeSetupButton->isEnabled());
    EXPECT_TRUE(view().settingButton->isEnabled());
    EXPECT_TRUE(view().openFolderButton->isEnabled());
    EXPECT_EQ(userDefaults().value(QStringLiteral("AppleLanguages")).toStringList(),
              QStringList{QStringLiteral("en")});

    ZRVSidePanel* panel = delegate->sidePanel();
    int changes = 0;
    QObject::connect(panel, &ZRVSidePanel::rightViewModeChanged, [&changes] { ++changes; });
    view().informationButton->click();
    view().informationButton->click();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(panel->rightViewMode(), 1);
    EXPECT_EQ(panel->recordImageName(), QStringLiteral("record_n.png"));
    EXPECT_EQ(panel->informationImageName(), QStringLiteral("information_p.png"));
    EXPECT_TRUE(view().mediaListTableView->isHidden());
    EXPECT_FALSE(view().mapContainerView->isHidden());
    view().recordButton->click();
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(view().mediaListTableView->isHidden());

    view().closeButton->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(AppDelegateTest, FullScreenHidesTheRightColumnAndEscapeBringsItBack) {
    delegate->applicationDidFinishLaunching();
    CustomWindow* window = delegate->window();
    const QRect startFrame = window->geometry();

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &escape);
    EXPECT_FALSE(window->isFullScreen()) << "escape only leaves full screen";

    delegate->toggleFullScreen();
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_TRUE(view().bodyRightBox->isHidden());
    EXPECT_TRUE(view().headBox->isHidden());
    EXPECT_TRUE(view().gsensorBox->isHidden());
    EXPECT_FALSE(view().mediaControlBoxForFullScreen->isHidden());
    EXPECT_EQ(view().bodyLeftBox->width(), window->width());

    QKeyEvent escapeAgain(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &escapeAgain);
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_EQ(window->geometry(), startFrame);
    EXPECT_FALSE(view().bodyRightBox->isHidden());
    EXPECT_EQ(view().bodyRightBox->width(), 334);
    EXPECT_TRUE(view().mediaControlBoxForFullScreen->isHidden());
}

TEST_F(AppDelegateTest, ChosenFolderIsListedRememberedAndResetsThePlayingIndex) {
    QTemporaryDir card;
    touch(card.filePath(QStringLiteral("event_20160108_123456_R.avi")));
    touch(card.filePath(QStringLiteral("alwa_20160108_123450_F.avi")));
    touch(card.filePath(QStringLiteral("notes.txt")));
    delegate->applicationDidFinishLaunching();
    delegate->setMediaIndex(5);
    delegate->sidePanel()->clickMapViewButton();

    chosenFolder.clear();
    view().openFolderButton->click();
    EXPECT_EQ(delegate->mediaIndex(), 5) << "a cancelled dialog changes nothing";

    chosenFolder = card.path();
    view().openFolderButton->click();
    EXPECT_EQ(delegate->mediaIndex(), -1);
    waitForRows(2);
    EXPECT_EQ(delegate->sidePanel()->rightViewMode(), 0) << "a finished scan shows the list";
    EXPECT_EQ(userDefaults().value(QStringLiteral("lastMediaDirectory")).toString(),
              QDir(card.path()).absolutePath());

    // What each cell holds is the cell's own test; here only that rows reach the view.
    EXPECT_EQ(model()->data(model()->index(1, 3), Qt::DisplayRole).toString(),
              QStringLiteral("event_20160108_123456_R.avi"));
    EXPECT_FALSE(model()->data(model()->index(1, 0), Qt::DecorationRole).isNull());
}

TEST_F(AppDelegateTest, RememberedFolderOpensAtTheNextStart) {
    QTemporaryDir card;
    touch(card.filePath(QStringLiteral("alwa_20160108_123450_F.avi")));
    userDefaults().setValue(QStringLiteral("lastMediaDirectory"), card.path());
    delegate->applicationDidFinishLaunching();
    waitForRows(1);
}

TEST(ZRVMediaListViewTests, OnlyALocalFolderIsOfferedFromADrop) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("alwa_20160108_123450_F.avi"));
    touch(file);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file), QUrl(QStringLiteral("https://example.com/card"))});
    EXPECT_EQ(ZRVMediaListView::droppedDirectory(&mime), QString());
    mime.setUrls({QUrl::fromLocalFile(file), QUrl::fromLocalFile(folder.path())});
    EXPECT_EQ(ZRVMediaListView::droppedDirectory(&mime), folder.path());
    EXPECT_EQ(ZRVMediaListView::droppedDirectory(nullptr), QString());
}

TEST(CustomWindowTests, DraggingTheBackgroundStopsAtTheTopOfTheScreen) {
    CustomWindow window(QRect(0, 0, 400, 300));
    window.show();
    const QRect visible = window.screen()->availableGeometry();
    window.move(visible.x() + 100, visible.y() + 200);

    auto send = [&window](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, window.mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    };
    send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    send(QEvent::MouseMove, {40, 60}, Qt::LeftButton);
    EXPECT_EQ(window.pos(), QPoint(visible.x() + 130, visible.y() + 250));
    send(QEvent::MouseMove, {10, -400}, Qt::LeftButton);
    EXPECT_EQ(window.pos(), QPoint(visible.x() + 130, visible.y()));
}

// The test run's system bus points nowhere: no UDisks2 answers, as on a
// machine without it. The viewer still starts, and the settings open on
// factory values.
TEST_F(AppDelegateTest, WithoutADiskServiceCtrlCommaOpensTheSettingsOnFactoryValues) {
    delegate->applicationDidFinishLaunching();
    CustomWindow* window = delegate->window();
    window->activateWindow();
    ASSERT_TRUE(waitFor([window] { return window->isActiveWindow(); }, 2000));
    QTest::keyClick(window, Qt::Key_Comma, Qt::ControlModifier);
    auto* settings =
        qobject_cast<ZRVSettingController*>(delegate->secondaryWindows()->lastDialogController());
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(waitFor([settings] { return settings->targetController() != nullptr; }, 3000));
    EXPECT_FALSE(settings->window()->windowTitle().contains(" : "));
    EXPECT_EQ(settings->fileData().vid_enc_bitrate, 1u);
    EXPECT_TRUE(settings->settingFilePath().isEmpty());

    view().settingButton->click();
    EXPECT_EQ(delegate->secondaryWindows()->lastDialogController(), settings)
        << "the open window comes forward with its changes";
    QTest::keyClick(settings->window(), Qt::Key_Escape);
    EXPECT_FALSE(settings->window()->isVisible());
}
