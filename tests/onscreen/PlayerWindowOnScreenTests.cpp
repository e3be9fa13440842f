#include "app/ZRVWindowRules.h"
#include "onscreen/CameraPictureFinder.h"
#include "onscreen/ViewerOnScreen.h"
#include "support/ProgramRun.h"
#include "support/TemporaryDirectory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Camera = CameraPicture::Camera;

// Drawn at the size of its box along one side, and nowhere outside it.
bool fills(const QRect& picture, const QRect& box) {
    const int slack = 4;
    return box.adjusted(-slack, -slack, slack, slack).contains(picture) &&
           (std::abs(picture.width() - box.width()) <= slack ||
            std::abs(picture.height() - box.height()) <= slack);
}

class PlayerWindowOnScreenTests : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_card = std::make_unique<TemporaryDirectory>();
        const auto run = ProgramRun::run({ZORVA_TOOL_PATH, "sample-card", s_card->path().string(),
                                          "--moments", "2", "--seconds", "40"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }
    static void TearDownTestSuite() { s_card.reset(); }

    // Reads the screen until the main camera fills the large box and the
    // other the small one (or, in full screen, is nowhere), each drawn once.
    // Pictures take a moment to follow a change, so it asks for a few
    // seconds before it gives up and keeps the last screen for whoever looks.
    ::testing::AssertionResult camerasInTheirBoxes(const char* step, Camera main,
                                                   bool smallBoxShown = true) {
        const Camera other = main == Camera::front ? Camera::rear : Camera::front;
        QString seen;
        QImage screen;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 8000) {
            QCoreApplication::processEvents();
            screen = m_viewer.grabScreen();
            const auto pictures = CameraPictureFinder::find(screen);
            const QRect large = m_viewer.videoBox();
            const QRect small = m_viewer.subVideoBox();
            bool ok = pictures.size() == (smallBoxShown ? 2U : 1U);
            seen.clear();
            for (const CameraPicture& picture : pictures) {
                seen += picture.describe() + QStringLiteral("; ");
                if (picture.camera == main) {
                    ok = ok && fills(picture.rect, large);
                } else {
                    ok = ok && picture.camera == other && smallBoxShown &&
                         fills(picture.rect, small);
                }
            }
            if (ok) {
                return ::testing::AssertionSuccess();
            }
            QThread::msleep(250);
        }
        screen.save(QStringLiteral("onscreen-%1.png").arg(QLatin1String(step)));
        return ::testing::AssertionFailure()
               << step << ": large box " << m_viewer.videoBox().x() << ","
               << m_viewer.videoBox().y() << " " << m_viewer.videoBox().width() << "x"
               << m_viewer.videoBox().height() << ", small box " << m_viewer.subVideoBox().x()
               << "," << m_viewer.subVideoBox().y() << "; found " << seen.toStdString();
    }

    // Waits for the window's frame as the X server has it.
    bool frameBecomes(const QRect& expected) {
        for (int attempt = 0; attempt < 40; ++attempt) {
            if (m_viewer.windowFrame() == expected) {
                return true;
            }
            QThread::msleep(100);
        }
        return false;
    }

    bool sizeBecomes(const QSize& expected) {
        for (int attempt = 0; attempt < 40; ++attempt) {
            if (m_viewer.windowFrame().size() == expected) {
                return true;
            }
            QThread::msleep(100);
        }
        return false;
    }

    void playFirstRow() {
        const QRect list = m_viewer.screenBox(&ZRVPlayerLayout::mediaList);
        m_viewer.click({list.center().x(), list.top() + 38}, 2);
    }

    void clickSideTab(bool map) {
        const QRect tabs = m_viewer.screenBox(&ZRVPlayerLayout::sideButton);
        m_viewer.click({tabs.left() + tabs.width() * (map ? 3 : 1) / 4, tabs.center().y()});
    }

    // The open-folder button, fifth from the right in the head.
    void openFolderDialogAndCancel() {
        const QRect frame = m_viewer.windowFrame();
        const QString before =
            ViewerOnScreen::runXdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), QStringLiteral(".")});
        m_viewer.click({frame.right() - 188, frame.top() + int(ZRVPlayerLayout::kHeadHeight / 2)});
        QString dialog;
        for (int attempt = 0; attempt < 50 && dialog.isEmpty(); ++attempt) {
            QThread::msleep(100);
            const QStringList now = ViewerOnScreen::runXdotool(
                                        {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                         QStringLiteral("--name"), QStringLiteral(".")})
                                        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            for (const QString& window : now) {
                if (!before.contains(window)) {
                    dialog = window;
                }
            }
        }
        ASSERT_FALSE(dialog.isEmpty()) << "no folder dialog opened";
        QThread::msleep(500);
        ViewerOnScreen::runXdotool(
            {QStringLiteral("key"), QStringLiteral("--window"), dialog, QStringLiteral("Escape")});
    }

    static std::unique_ptr<TemporaryDirectory> s_card;
    ViewerOnScreen m_viewer;
};

std::unique_ptr<TemporaryDirectory> PlayerWindowOnScreenTests::s_card;

} // namespace

TEST_F(PlayerWindowOnScreenTests, EachCameraStaysInItsBoxThroughEveryLayoutChange) {
    ASSERT_TRUE(m_viewer.start(QString::fromStdString(s_card->path().string())));
    playFirstRow();
    ASSERT_TRUE(camerasInTheirBoxes("playing", Camera::front));

    m_viewer.key(QStringLiteral("ctrl+equal"));
    EXPECT_TRUE(sizeBecomes({1224, 768}));
    EXPECT_TRUE(camerasInTheirBoxes("zoomed-in", Camera::front));
    m_viewer.key(QStringLiteral("ctrl+minus"));
    EXPECT_TRUE(sizeBecomes({1020, 640}));
    EXPECT_TRUE(camerasInTheirBoxes("zoomed-out", Camera::front));

    m_viewer.setWindowSize({1280, 800});
    EXPECT_TRUE(camerasInTheirBoxes("larger", Camera::front));

    const QRect beforeFullScreen = m_viewer.windowFrame();
    m_viewer.key(QStringLiteral("f"));
    EXPECT_TRUE(camerasInTheirBoxes("full-screen", Camera::front, false));
    m_viewer.key(QStringLiteral("Escape"));
    EXPECT_TRUE(frameBecomes(beforeFullScreen));
    EXPECT_TRUE(camerasInTheirBoxes("full-screen-left", Camera::front));

    m_viewer.key(QStringLiteral("s"));
    EXPECT_TRUE(camerasInTheirBoxes("swapped", Camera::rear));

    clickSideTab(true);
    EXPECT_TRUE(camerasInTheirBoxes("map-panel", Camera::rear));
    clickSideTab(false);

    openFolderDialogAndCancel();
    EXPECT_TRUE(camerasInTheirBoxes("dialog-closed", Camera::rear));
}

// No window manager runs here: the window's own handles do the resizing.
TEST_F(PlayerWindowOnScreenTests, HandlesOnTheEdgesResizeTheWindowDownToItsMinimumSize) {
    ASSERT_TRUE(m_viewer.start(QString::fromStdString(s_card->path().string())));
    playFirstRow();
    ASSERT_TRUE(camerasInTheirBoxes("playing", Camera::front));

    const QRect start = m_viewer.windowFrame();
    const QPoint corner = start.bottomRight() - QPoint(2, 2);
    m_viewer.drag(corner, corner + QPoint(180, 120));
    EXPECT_TRUE(frameBecomes(start.adjusted(0, 0, 180, 120)));
    EXPECT_TRUE(camerasInTheirBoxes("corner-dragged", Camera::front));

    const QRect grown = m_viewer.windowFrame();
    const QPoint leftEdge(grown.left() + 2, grown.center().y());
    m_viewer.drag(leftEdge, leftEdge + QPoint(120, 0));
    EXPECT_TRUE(frameBecomes(grown.adjusted(120, 0, 0, 0)));
    EXPECT_TRUE(camerasInTheirBoxes("left-edge-dragged", Camera::front));

    const QRect narrower = m_viewer.windowFrame();
    const QPoint top(narrower.center().x(), narrower.top() + 2);
    m_viewer.drag(top, top + QPoint(0, 600));
    EXPECT_TRUE(
        frameBecomes(QRect(narrower.left(), narrower.bottom() + 1 - 640, narrower.width(), 640)));
    EXPECT_TRUE(camerasInTheirBoxes("top-edge-at-minimum", Camera::front));
}
