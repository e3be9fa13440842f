#include "platform/ZRVVlcMediaPlayer.h"

#include "platform/ZRVVlcFrameOutput.h"

#include <QFile>
#include <QPointer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <utility>
#include <vector>
#include <vlc/vlc.h>

namespace {

QStringList& pendingArguments() {
    static QStringList arguments;
    return arguments;
}

constexpr libvlc_event_e kEvents[] = {
    libvlc_MediaPlayerOpening,          libvlc_MediaPlayerBuffering,
    libvlc_MediaPlayerPlaying,          libvlc_MediaPlayerPaused,
    libvlc_MediaPlayerStopped,          libvlc_MediaPlayerEndReached,
    libvlc_MediaPlayerEncounteredError, libvlc_MediaPlayerTimeChanged,
    libvlc_MediaPlayerLengthChanged,
};

std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

void ZRVVlcMediaPlayer::setInstanceArguments(const QStringList& arguments) {
    pendingArguments() = arguments;
}

libvlc_instance_t* ZRVVlcMediaPlayer::instance() {
    static std::once_flag once;
    static libvlc_instance_t* shared = nullptr;
    std::call_once(once, [] {
        // The title would be drawn over the recording, which carries its own
        // overlay.
        QStringList arguments{QStringLiteral("--no-video-title-show"), QStringLiteral("--quiet")};
        arguments += QString::fromLocal8Bit(qgetenv("ZORVA_VLC_ARGS"))
                         .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        arguments += pendingArguments();
        std::vector<QByteArray> storage;
        std::vector<const char*> argv;
        for (const auto& argument : arguments) {
            storage.push_back(argument.toLocal8Bit());
        }
        for (const auto& argument : storage) {
            argv.push_back(argument.constData());
        }
        shared = libvlc_new(static_cast<int>(argv.size()), argv.data());
    });
    return shared;
}

ZRVVlcMediaPlayer::ZRVVlcMediaPlayer(QObject* parent) : ZRVMediaPlayer(parent) {
    if (auto* vlc = instance()) {
        m_player = libvlc_media_player_new(vlc);
    }
    attachEvents(true);
}

ZRVVlcMediaPlayer::~ZRVVlcMediaPlayer() {
    if (m_player == nullptr) {
        return;
    }
    // libVLC sends events under the lock that detaching takes, so once this
    // returns no callback still runs with a pointer to this object; the ones
    // already posted are dropped with it by Qt.
    attachEvents(false);
    libvlc_media_player_stop(m_player);
    libvlc_media_player_release(m_player);
}

void ZRVVlcMediaPlayer::attachEvents(bool attach) {
    if (m_player == nullptr) {
        return;
    }
    auto* manager = libvlc_media_player_event_manager(m_player);
    for (const auto type : kEvents) {
        if (attach) {
            libvlc_event_attach(manager, type, &ZRVVlcMediaPlayer::onEvent, this);
        } else {
            libvlc_event_detach(manager, type, &ZRVVlcMediaPlayer::onEvent, this);
        }
    }
}

void ZRVVlcMediaPlayer::onEvent(const libvlc_event_t* event, void* opaque) {
    // Runs on a libVLC thread: copy what the event says and leave. Events of
    // a recording that has since been replaced are dropped when they arrive.
    auto* player = static_cast<ZRVVlcMediaPlayer*>(opaque);
    const auto generation = player->m_mediaGeneration.load();
    QPointer<ZRVVlcMediaPlayer> self(player);
    const auto post = [&self, generation](auto job) {
        QMetaObject::invokeMethod(
            self.data(),
            [self, job, generation] {
                if (self && self->m_mediaGeneration.load() == generation) {
                    job(*self);
                }
            },
            Qt::QueuedConnection);
    };
    switch (event->type) {
    case libvlc_MediaPlayerOpening:
        post([](ZRVVlcMediaPlayer& p) { p.handleState(State::Opening); });
        break;
    case libvlc_MediaPlayerBuffering:
        break;
    case libvlc_MediaPlayerPlaying:
        post([](ZRVVlcMediaPlayer& p) { p.handleState(State::Playing); });
        break;
    case libvlc_MediaPlayerPaused:
        post([](ZRVVlcMediaPlayer& p) { p.handleState(State::Paused); });
        break;
    case libvlc_MediaPlayerStopped:
        post([](ZRVVlcMediaPlayer& p) { p.handleState(State::Stopped); });
        break;
    case libvlc_MediaPlayerEndReached:
        post([](ZRVVlcMediaPlayer& p) { p.handleState(State::Ended); });
        break;
    case libvlc_MediaPlayerEncounteredError:
        post([](ZRVVlcMediaPlayer& p) { p.handleState(State::Error); });
        break;
    case libvlc_MediaPlayerTimeChanged: {
        const std::int64_t time = event->u.media_player_time_changed.new_time;
        player->m_reportedTime.store(time);
        player->m_reportedAtNs.store(nowNs());
        post([time](ZRVVlcMediaPlayer& p) { emit p.timeChanged(time); });
        break;
    }
    case libvlc_MediaPlayerLengthChanged: {
        const std::int64_t length = event->u.media_player_length_changed.new_length;
        post([length](ZRVVlcMediaPlayer& p) { emit p.lengthChanged(length); });
        break;
    }
    default:
        break;
    }
}

void ZRVVlcMediaPlayer::handleState(State state) {
    if (state == State::Playing) {
        // The audio output only exists once playing, so settings made before
        // would otherwise be lost.
        applyAudioSettings();
        if (m_pendingTime) {
            libvlc_media_player_set_time(m_player, *std::exchange(m_pendingTime, std::nullopt));
        }
    }
    if (state == State::Stopped) {
        // libVLC follows its end, and a failure, with a stop of its own; that
        // one must not hide the end from the end-of-recording watch.
        const bool asked = m_stopRequested;
        m_stopRequested = false;
        if (!asked && (m_state == State::Ended || m_state == State::Error)) {
            return;
        }
    }
    if (m_state == state) {
        return;
    }
    m_state = state;
    emit stateChanged(state);
}

void ZRVVlcMediaPlayer::applyAudioSettings() {
    libvlc_audio_set_mute(m_player, m_muted ? 1 : 0);
    libvlc_audio_set_volume(m_player, m_volume);
}

void ZRVVlcMediaPlayer::setMedia(const QString& path) {
    if (m_player == nullptr) {
        return;
    }
    m_path = path;
    m_pendingTime.reset();
    ++m_mediaGeneration;
    // Setting the media ends the input of the one before; libVLC's own stop
    // is left out (see releaseInput).
    libvlc_media_t* media = nullptr;
    if (!path.isEmpty()) {
        media = libvlc_media_new_path(instance(), QFile::encodeName(path).constData());
    }
    if (media != nullptr) {
        // A recording cut short by a power loss has no index, or half of
        // one. Without it libVLC would ask what to do; rebuilding it when
        // needed plays the file to its last complete frame and leaves
        // intact files as they are.
        libvlc_media_add_option(media, ":avi-index=3");
    }
    libvlc_media_player_set_media(m_player, media);
    if (m_frameOutput != nullptr) {
        m_frameOutput->setMedia(media);
    }
    if (media != nullptr) {
        libvlc_media_release(media);
    }
    handleState(State::Idle);
}

void ZRVVlcMediaPlayer::play() {
    if (m_player == nullptr || m_path.isEmpty()) {
        return;
    }
    // A libVLC player at its end keeps its finished input and ignores play
    // until stopped.
    if (m_state == State::Ended || m_state == State::Error) {
        stop();
    }
    libvlc_media_player_play(m_player);
}

void ZRVVlcMediaPlayer::pause() {
    if (m_player != nullptr) {
        libvlc_media_player_set_pause(m_player, 1);
    }
}

// libVLC reports no stop of its own here: the input is ended without one.
void ZRVVlcMediaPlayer::stop() {
    if (m_player == nullptr) {
        return;
    }
    ++m_mediaGeneration;
    releaseInput();
    m_stopRequested = true;
    handleState(State::Stopped);
}

// libVLC's stop also closes the video and sound outputs, and the next
// recording opens them afresh: a new X window, graphics context and threads
// each time, which left the process about 2 MB larger for every recording
// played. Taking the media away and giving it back ends the input alone; the
// outputs stay for whatever plays next, and the media plays from its start.
void ZRVVlcMediaPlayer::releaseInput() {
    libvlc_media_t* media = libvlc_media_player_get_media(m_player);
    libvlc_media_player_set_media(m_player, nullptr);
    if (media != nullptr) {
        libvlc_media_player_set_media(m_player, media);
        libvlc_media_release(media);
    }
}

bool ZRVVlcMediaPlayer::isPlaying() const {
    return m_player != nullptr && libvlc_media_player_is_playing(m_player) != 0;
}

double ZRVVlcMediaPlayer::position() const {
    if (m_state == State::Ended) {
        return 1.0;
    }
    if (const auto total = length(); total > 0) {
        return std::clamp(static_cast<double>(time()) / static_cast<double>(total), 0.0, 1.0);
    }
    const float position = m_player != nullptr ? libvlc_media_player_get_position(m_player) : 0.0F;
    return std::clamp(static_cast<double>(position), 0.0, 1.0);
}

void ZRVVlcMediaPlayer::setPosition(double position) {
    if (m_player == nullptr) {
        return;
    }
    position = std::clamp(position, 0.0, 1.0);
    if (const auto total = length(); total > 0) {
        setTime(static_cast<std::int64_t>(std::llround(position * static_cast<double>(total))));
        return;
    }
    libvlc_media_player_set_position(m_player, static_cast<float>(position));
}

// libVLC moves its clock only about four times a second; between its reports
// the time is the last report plus the wall time since, at the play rate. A
// seek shows at once as a clock that no longer matches the last report.
std::int64_t ZRVVlcMediaPlayer::time() const {
    if (m_state == State::Ended) {
        return length();
    }
    const auto reported = m_player != nullptr ? libvlc_media_player_get_time(m_player) : 0;
    if (m_state == State::Playing && reported > 0 && reported == m_reportedTime.load()) {
        const double sinceMs = static_cast<double>(nowNs() - m_reportedAtNs.load()) / 1e6;
        const double ahead = std::clamp(sinceMs, 0.0, kLongestReportGapMs) * rate();
        auto estimate = reported + static_cast<std::int64_t>(std::llround(ahead));
        if (const auto total = length(); total > 0) {
            estimate = std::min(estimate, total);
        }
        return estimate;
    }
    return std::max<std::int64_t>(reported, 0);
}

// A player that is not open (stopped, or at its end) cannot seek; the time is
// kept and gone to as soon as it plays again.
void ZRVVlcMediaPlayer::setTime(std::int64_t milliseconds) {
    if (m_player == nullptr) {
        return;
    }
    milliseconds = std::max<std::int64_t>(milliseconds, 0);
    if (m_state != State::Playing && m_state != State::Paused && !m_path.isEmpty()) {
        m_pendingTime = milliseconds;
    }
    libvlc_media_player_set_time(m_player, milliseconds);
}

std::int64_t ZRVVlcMediaPlayer::length() const {
    const auto length = m_player != nullptr ? libvlc_media_player_get_length(m_player) : 0;
    return std::max<std::int64_t>(length, 0);
}

double ZRVVlcMediaPlayer::rate() const {
    return m_player != nullptr ? libvlc_media_player_get_rate(m_player) : 1.0;
}

void ZRVVlcMediaPlayer::setRate(double rate) {
    if (m_player != nullptr && rate > 0.0) {
        libvlc_media_player_set_rate(m_player, static_cast<float>(rate));
    }
}

void ZRVVlcMediaPlayer::setMute(bool muted) {
    m_muted = muted;
    if (m_player != nullptr) {
        libvlc_audio_set_mute(m_player, muted ? 1 : 0);
    }
}

void ZRVVlcMediaPlayer::setVolume(int volume) {
    m_volume = std::clamp(volume, 0, 200);
    if (m_player != nullptr) {
        libvlc_audio_set_volume(m_player, m_volume);
    }
}

QList<int> ZRVVlcMediaPlayer::audioTrackIds() const {
    QList<int> ids;
    if (m_player == nullptr) {
        return ids;
    }
    auto* descriptions = libvlc_audio_get_track_description(m_player);
    // libVLC lists a "Disable" entry with the id -1 among the tracks.
    for (auto* item = descriptions; item != nullptr; item = item->p_next) {
        if (item->i_id >= 0) {
            ids.append(item->i_id);
        }
    }
    libvlc_track_description_list_release(descriptions);
    return ids;
}

int ZRVVlcMediaPlayer::audioTrackCount() const {
    return static_cast<int>(audioTrackIds().size());
}

QSize ZRVVlcMediaPlayer::videoSize() const {
    unsigned width = 0;
    unsigned height = 0;
    if (m_player == nullptr || libvlc_video_get_size(m_player, 0, &width, &height) != 0) {
        return {};
    }
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

bool ZRVVlcMediaPlayer::saveSnapshot(const QString& path, int width, int height) {
    if (m_player == nullptr) {
        return false;
    }
    return libvlc_video_take_snapshot(m_player, 0, QFile::encodeName(path).constData(),
                                      static_cast<unsigned>(std::max(width, 0)),
                                      static_cast<unsigned>(std::max(height, 0))) == 0;
}

void ZRVVlcMediaPlayer::setVideoWindow(WId window) {
    if (m_player != nullptr && m_frameOutput == nullptr) {
        libvlc_media_player_set_xwindow(m_player, static_cast<std::uint32_t>(window));
        // Clicks and keys over the picture belong to the window, which is
        // dragged by them and has its own shortcuts.
        libvlc_video_set_mouse_input(m_player, 0);
        libvlc_video_set_key_input(m_player, 0);
    }
}

void ZRVVlcMediaPlayer::setFrameSink(FrameSink sink) {
    if (m_player == nullptr) {
        return;
    }
    if (m_frameOutput == nullptr) {
        m_frameOutput = std::make_unique<ZRVVlcFrameOutput>();
        if (auto* media = libvlc_media_player_get_media(m_player)) {
            m_frameOutput->setMedia(media);
            libvlc_media_release(media);
        }
        m_frameOutput->attach(m_player);
    }
    m_frameOutput->setSink(std::move(sink));
}
