#pragma once

#include "platform/ZRVMediaPlayer.h"

#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

struct libvlc_instance_t;
struct libvlc_media_player_t;
struct libvlc_event_t;
class QImage;
class ZRVVlcFrameOutput;

// The player on libVLC 3. All the players of the process share one libVLC
// instance; libVLC's events are carried over to the UI thread before anything
// reacts to them, because libVLC must not be called back from its own threads.
class ZRVVlcMediaPlayer final : public ZRVMediaPlayer {
    Q_OBJECT

public:
    explicit ZRVVlcMediaPlayer(QObject* parent = nullptr);
    ~ZRVVlcMediaPlayer() override;
    ZRVVlcMediaPlayer(const ZRVVlcMediaPlayer&) = delete;
    ZRVVlcMediaPlayer& operator=(const ZRVVlcMediaPlayer&) = delete;

    // Extra libVLC arguments (tests pass dummy outputs), added to those of the
    // ZORVA_VLC_ARGS environment variable. Only effective before the first
    // player is made, as the instance is created once.
    static void setInstanceArguments(const QStringList& arguments);
    // Null when libVLC could not start (no plugins found, for instance).
    static libvlc_instance_t* instance();

    void setMedia(const QString& path) override;
    QString media() const override { return m_path; }

    void play() override;
    void pause() override;
    void stop() override;

    State state() const override { return m_state; }
    bool isPlaying() const override;

    double position() const override;
    void setPosition(double position) override;
    std::int64_t time() const override;
    void setTime(std::int64_t milliseconds) override;
    std::int64_t length() const override;

    double rate() const override;
    void setRate(double rate) override;

    void setMute(bool muted) override;
    void setVolume(int volume) override;

    int audioTrackCount() const override;

    QSize videoSize() const override;
    bool saveSnapshot(const QString& path, int width, int height) override;

    void setVideoWindow(WId window) override;

    // Memory video output for tests and benchmarks, in place of a window: each
    // frame, as RGB32 at the recording's own size, goes to the sink on
    // libVLC's video output thread at the moment libVLC shows it. So the sink
    // must be quick, thread-safe and must not call back into the player. The
    // image may be kept; the player then draws the next frame elsewhere. Set
    // it before loading media; once set, setVideoWindow is ignored.
    using FrameSink = std::function<void(const QImage& frame)>;
    void setFrameSink(FrameSink sink);

private:
    static void onEvent(const libvlc_event_t* event, void* opaque);
    void attachEvents(bool attach);
    void handleState(State state);
    void releaseInput();
    void applyAudioSettings();
    QList<int> audioTrackIds() const;

    // libVLC reports its clock every quarter second or so; an estimate is
    // never carried further than this past a report.
    static constexpr double kLongestReportGapMs = 400.0;

    libvlc_media_player_t* m_player = nullptr;
    // Bumped whenever the recording is replaced; written on the UI thread,
    // read on libVLC's.
    std::atomic<quint64> m_mediaGeneration{0};
    // The last time report and when it came, written on libVLC's thread.
    std::atomic<std::int64_t> m_reportedTime{-1};
    std::atomic<std::int64_t> m_reportedAtNs{0};
    std::optional<std::int64_t> m_pendingTime;
    std::unique_ptr<ZRVVlcFrameOutput> m_frameOutput;
    QString m_path;
    State m_state = State::Idle;
    bool m_stopRequested = false;
    bool m_muted = false;
    int m_volume = 100;
};
