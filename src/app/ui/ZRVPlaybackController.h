#pragma once

#include "app/ui/ZRVPlayNextWatch.h"
#include "app/ui/ZRVPositionDisplay.h"
#include "app/ui/ZRVScheduler.h"
#include "common/ZRVExecutor.h"
#include "platform/ZRVMediaPlayer.h"
#include "recording/ZRVBlackBoxData.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class ZRVBusyIndicator;
class ZRVMedia;
class ZRVMediaListModel;
class ZRVPlayInfo;
class ZRVPlayerWindowView;
class ZRVPresentationController;
class ZRVSidePanel;

// The two players of one moment. The main player is the master: every seek
// acts on it, and the second player is moved to its position shortly after.
// Opens a recording with its telemetry, starts, pauses, seeks, jumps and
// swaps the players, and moves on to the next moment at the end. Rows are
// those the list shows, never a catalogue that a scan may have replaced.
class ZRVPlaybackController : public QObject {
    Q_OBJECT

public:
    static constexpr double kEndPosition = ZRVPlayNextWatch::kEndPosition;
    static constexpr int kJumpSeconds = 10;
    static constexpr double kStartTimeoutSeconds = 10.0;
    // How long nothing else should move the second player after both were
    // moved together or a recording was opened.
    static constexpr double kOpeningHoldSeconds = 0.5;
    static constexpr int kSliderSteps = ZRVPositionDisplay::kSliderSteps;

    struct Parts {
        ZRVMediaPlayer* player1 = nullptr;
        ZRVMediaPlayer* player2 = nullptr;
        ZRVPlayInfo* playInfo = nullptr;
        const ZRVMediaListModel* mediaListModel = nullptr;
        const ZRVPlayerWindowView* view = nullptr;
        ZRVPresentationController* presentation = nullptr;
        ZRVBusyIndicator* busyIndicator = nullptr;
        ZRVSidePanel* sidePanel = nullptr;
        ZRVExecutor executor;
        ZRVScheduler scheduler;
        // Tells the user that a recording could not be played.
        std::function<void(const QString& message)> alert;
    };

    explicit ZRVPlaybackController(Parts parts, QObject* parent = nullptr);

    bool playAtIndex(qint64 index);
    // Opens the next moment's first row; false after the last moment.
    bool playNext();
    // The double-click on a row, given the file the row shows.
    void changeAndPlay(const QString& path);
    void updateVideoUI();
    void initMediaControlView();
    bool isPlaying(const ZRVMediaPlayer& player) const;
    void stopPlay();
    void didStartPlayer();
    void didFinishPlay();
    void syncVideoPositionDelay(double seconds);

    void mediaPlayerStateChanged(ZRVMediaPlayer& player);
    void mediaPlayerTimeChanged(ZRVMediaPlayer& player);

    void clickPlayButton();
    void swapPlayer();
    void videoPositionSliderMoved(double value);
    // Moves the play position and both players there, as a slider drag does.
    void seekTo(double position);
    void jumpForward();
    void jumpBackward();

    qint64 mediaIndex() const { return m_mediaIndex; }
    void setMediaIndex(qint64 index);
    bool waitingForPlayStart() const { return m_waitingForPlayStart; }
    bool preparingPlayNext() const { return m_playNextWatch->preparingPlayNext(); }
    bool moving() const { return m_moving; }
    double movingPosition() const { return m_movingPosition; }
    bool swapping() const { return m_swapping; }
    // The telemetry of the recording being played, replaced whole when the
    // next one has been read.
    const ZRVBlackBoxData& blackBoxData() const { return *m_blackBoxData; }

signals:
    // The second player is about to be put in step by these rules; anything
    // else that moves it should leave it alone for this long.
    void secondPlayerRealigning(double seconds);
    // A recording opened with this telemetry (its front file's).
    void blackBoxDataChanged(std::shared_ptr<const ZRVBlackBoxData> data);
    // The controls were reset for a recording that opens.
    void controlsReset();
    // The file of the row that plays; empty when none does.
    void playingMediaChanged(const QString& path);
    // Opening this file found it without a usable index (the camera lost
    // power while recording); its records were recovered one by one.
    void recordingFoundCutShort(const QString& path, qint64 recoveredRecords);

private:
    void setPlayingMedia(std::shared_ptr<const ZRVMedia> media);
    void followReloadedRows();
    void showPlayButtonImage(bool playing);
    void showVideoViews();
    void readTelemetry(quint64 generation);
    void startPlayers(quint64 generation, std::shared_ptr<const ZRVBlackBoxData> data,
                      const QString& telemetrySource);
    void watchForStart(quint64 generation);
    void giveUpStart();
    void setLogos(bool mainIsRear, bool secondIsFront);
    void animateSwap();
    void playBoth();
    void moveBothTo(std::int64_t mainTime, std::int64_t secondTime);

    Parts m_parts;
    ZRVMediaPlayer& m_player1;
    ZRVMediaPlayer& m_player2;
    ZRVPlayInfo& m_playInfo;
    ZRVPositionDisplay m_position;
    ZRVPlayNextWatch* m_playNextWatch;
    std::shared_ptr<const ZRVBlackBoxData> m_blackBoxData;
    // The row opened, and its place among the rows now shown.
    std::shared_ptr<const ZRVMedia> m_playingMedia;
    qint64 m_mediaIndex = -1;
    bool m_waitingForPlayStart = false;
    bool m_moving = false;
    double m_movingPosition = 0;
    bool m_swapping = false;
    int m_timeReportCounter = -1;
    quint64 m_openGeneration = 0;
};
