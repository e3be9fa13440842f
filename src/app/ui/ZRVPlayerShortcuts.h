#pragma once

#include <QObject>
#include <functional>

class QWidget;

// The keys people expect of a video player: Space plays and pauses, the
// arrows jump ten seconds or change the volume, F toggles full screen,
// Ctrl+= (or Ctrl++) and Ctrl+- zoom as the zoom buttons do, S swaps the
// cameras, and Ctrl+, opens the settings as in most desktop programs.
// Escape, which leaves full screen, belongs to the window itself.
class ZRVPlayerShortcuts : public QObject {
    Q_OBJECT

public:
    struct Actions {
        std::function<void()> playPause;
        std::function<void()> jumpBackward;
        std::function<void()> jumpForward;
        std::function<void()> volumeUp;
        std::function<void()> volumeDown;
        std::function<void()> toggleFullScreen;
        std::function<void()> zoomIn;
        std::function<void()> zoomOut;
        std::function<void()> swap;
        std::function<void()> showSettingPanel;
    };

    ZRVPlayerShortcuts(QWidget* window, Actions actions, QObject* parent = nullptr);
};
