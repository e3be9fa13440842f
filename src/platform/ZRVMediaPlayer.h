#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <cstdint>
#include <qwindowdefs.h>

// What the playback rules need from a player, so that they can be tested on a
// fake clock and run on libVLC unchanged. Reports arrive on the UI thread.
class ZRVMediaPlayer : public QObject {
    Q_OBJECT

public:
    // Ended sits with the paused states: the end-of-recording watch looks for
    // "not playing, position at the end", and a finished file is exactly that.
    enum class State { Idle, Opening, Buffering, Playing, Paused, Stopped, Ended, Error };
    Q_ENUM(State)

    using QObject::QObject;
    ~ZRVMediaPlayer() override = default;

    // An empty path releases the current recording.
    virtual void setMedia(const QString& path) = 0;
    virtual QString media() const = 0;
    bool hasMedia() const { return !media().isEmpty(); }

    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;

    virtual State state() const = 0;
    virtual bool isPlaying() const = 0;
    // A finished recording stands paused at its end.
    bool isPaused() const { return state() == State::Paused || state() == State::Ended; }

    // Fraction of the length, 0 to 1.
    virtual double position() const = 0;
    virtual void setPosition(double position) = 0;

    // Milliseconds.
    virtual std::int64_t time() const = 0;
    virtual void setTime(std::int64_t milliseconds) = 0;
    virtual std::int64_t length() const = 0;
    std::int64_t remainingTime() const {
        const auto left = length() - time();
        return left > 0 ? left : 0;
    }

    virtual double rate() const = 0;
    virtual void setRate(double rate) = 0;

    void jumpForward(int seconds) { jumpBy(static_cast<std::int64_t>(seconds) * 1000); }
    void jumpBackward(int seconds) { jumpBy(-static_cast<std::int64_t>(seconds) * 1000); }

    virtual void setMute(bool muted) = 0;
    // 0 to 200, 100 being the recording's own level.
    virtual void setVolume(int volume) = 0;

    // A count of zero means the file has no sound.
    virtual int audioTrackCount() const = 0;

    // Empty until the first frame has been decoded.
    virtual QSize videoSize() const = 0;
    virtual bool saveSnapshot(const QString& path, int width, int height) = 0;

    virtual void setVideoWindow(WId window) = 0;

signals:
    void stateChanged(ZRVMediaPlayer::State state);
    void timeChanged(std::int64_t milliseconds);
    void lengthChanged(std::int64_t milliseconds);

private:
    // Clamped to the recording, so a jump near either end lands on it rather
    // than failing.
    void jumpBy(std::int64_t delta) {
        auto target = time() + delta;
        if (target < 0) {
            target = 0;
        }
        if (length() > 0 && target > length()) {
            target = length();
        }
        setTime(target);
    }
};
