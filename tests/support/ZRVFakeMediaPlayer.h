#pragma once

#include "platform/ZRVMediaPlayer.h"

#include <optional>

// A player on a clock that moves only when a test calls advance(), so that the
// playback rules can be checked step by step and without waiting.
class ZRVFakeMediaPlayer final : public ZRVMediaPlayer {
    Q_OBJECT

public:
    using ZRVMediaPlayer::ZRVMediaPlayer;

    // What the next setMedia() opens: a recording of this length, with this
    // many sound tracks and this picture size.
    void setRecording(std::int64_t length, int audioTracks, QSize videoSize);
    // Moves the clock by the given wall-clock time; while playing the
    // recording moves by that times the rate and ends at its length.
    void advance(std::int64_t milliseconds);
    // Reports a player error, as libVLC does for a damaged file.
    void fail();
    // How the next play() of a stopped player goes: a damaged file fails, a
    // file on a hung card never gets past opening.
    enum class Start { Plays, Fails, Hangs };
    void setNextStart(Start start) { m_nextStart = start; }

    void setMedia(const QString& path) override;
    QString media() const override { return m_path; }

    void play() override;
    void pause() override;
    void stop() override;

    State state() const override { return m_state; }
    bool isPlaying() const override { return m_state == State::Playing; }

    double position() const override;
    void setPosition(double position) override;
    std::int64_t time() const override { return m_time; }
    void setTime(std::int64_t milliseconds) override;
    std::int64_t length() const override { return m_path.isEmpty() ? 0 : m_length; }

    double rate() const override { return m_rate; }
    void setRate(double rate) override;

    bool isMuted() const { return m_muted; }
    void setMute(bool muted) override { m_muted = muted; }
    int volume() const { return m_volume; }
    void setVolume(int volume) override;

    int audioTrackCount() const override { return m_path.isEmpty() ? 0 : m_audioTracks; }

    QSize videoSize() const override { return m_path.isEmpty() ? QSize() : m_videoSize; }
    bool saveSnapshot(const QString& path, int width, int height) override;

    void setVideoWindow(WId window) override { m_window = window; }
    WId videoWindow() const { return m_window; }

private:
    void setState(State state);

    QString m_path;
    State m_state = State::Idle;
    std::int64_t m_length = 0;
    std::int64_t m_time = 0;
    double m_rate = 1.0;
    bool m_muted = false;
    int m_volume = 100;
    int m_audioTracks = 0;
    QSize m_videoSize;
    WId m_window = 0;
    Start m_nextStart = Start::Plays;
    std::optional<std::int64_t> m_pendingTime;
};
