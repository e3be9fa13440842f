#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <mutex>

struct libvlc_media_player_t;
struct libvlc_media_t;

// libVLC's memory video output for one player: each picture, as RGB32 at the
// recording's own size, goes to a sink at the moment libVLC shows it. The
// callbacks all come on libVLC's video output thread; the mutex only keeps the
// UI thread's changes (sink, media) apart from them. A single picture buffer
// is enough because libVLC locks the next picture only after showing the
// last, and the buffer is a QImage so that a sink keeping a frame only costs a
// copy when libVLC next draws into it.
class ZRVVlcFrameOutput {
public:
    using Sink = std::function<void(const QImage& frame)>;

    ZRVVlcFrameOutput() = default;
    ~ZRVVlcFrameOutput();
    ZRVVlcFrameOutput(const ZRVVlcFrameOutput&) = delete;
    ZRVVlcFrameOutput& operator=(const ZRVVlcFrameOutput&) = delete;

    // Replaces the player's window output; the output must outlive the
    // player's playback.
    void attach(libvlc_media_player_t* player);
    void setSink(Sink sink);
    // The media the player holds, whose video track gives the picture size.
    void setMedia(libvlc_media_t* media);

private:
    static unsigned onFormat(void** opaque, char* chroma, unsigned* width, unsigned* height,
                             unsigned* pitches, unsigned* lines);
    static void* onLock(void* opaque, void** planes);
    static void onDisplay(void* opaque, void* picture);
    QSize sourceSize() const;

    std::mutex m_mutex;
    Sink m_sink;
    libvlc_media_t* m_media = nullptr;
    QImage m_frame;
};
