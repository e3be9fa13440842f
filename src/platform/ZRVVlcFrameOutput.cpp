#include "platform/ZRVVlcFrameOutput.h"

#include <algorithm>
#include <vlc/vlc.h>

namespace {

// Far above any dash-cam picture; refuses a damaged header's size.
constexpr unsigned kLargestSide = 8192;

} // namespace

ZRVVlcFrameOutput::~ZRVVlcFrameOutput() {
    setMedia(nullptr);
}

void ZRVVlcFrameOutput::attach(libvlc_media_player_t* player) {
    libvlc_video_set_format_callbacks(player, &ZRVVlcFrameOutput::onFormat, nullptr);
    libvlc_video_set_callbacks(player, &ZRVVlcFrameOutput::onLock, nullptr,
                               &ZRVVlcFrameOutput::onDisplay, this);
}

void ZRVVlcFrameOutput::setSink(Sink sink) {
    const std::lock_guard lock(m_mutex);
    m_sink = std::move(sink);
}

void ZRVVlcFrameOutput::setMedia(libvlc_media_t* media) {
    if (media != nullptr) {
        libvlc_media_retain(media);
    }
    const std::lock_guard lock(m_mutex);
    if (m_media != nullptr) {
        libvlc_media_release(m_media);
    }
    m_media = media;
}

unsigned ZRVVlcFrameOutput::onFormat(void** opaque, char* chroma, unsigned* width, unsigned* height,
                                     unsigned* pitches, unsigned* lines) {
    auto& self = *static_cast<ZRVVlcFrameOutput*>(*opaque);
    const std::lock_guard lock(self.m_mutex);
    // libVLC offers the decoder's buffer, rounded up to whole blocks, and
    // would stretch the picture over it; the recording's own size keeps the
    // pixels as they were filmed.
    if (const auto source = self.sourceSize(); !source.isEmpty() &&
                                               static_cast<unsigned>(source.width()) <= *width &&
                                               static_cast<unsigned>(source.height()) <= *height) {
        *width = static_cast<unsigned>(source.width());
        *height = static_cast<unsigned>(source.height());
    }
    if (*width == 0 || *height == 0 || *width > kLargestSide || *height > kLargestSide) {
        return 0;
    }
    self.m_frame =
        QImage(static_cast<int>(*width), static_cast<int>(*height), QImage::Format_RGB32);
    if (self.m_frame.isNull()) {
        return 0;
    }
    // RV32 is QImage's RGB32 in memory: blue, green, red, then a spare byte.
    std::copy_n("RV32", 4, chroma);
    pitches[0] = static_cast<unsigned>(self.m_frame.bytesPerLine());
    lines[0] = *height;
    return 1;
}

void* ZRVVlcFrameOutput::onLock(void* opaque, void** planes) {
    auto& self = *static_cast<ZRVVlcFrameOutput*>(opaque);
    const std::lock_guard lock(self.m_mutex);
    planes[0] = self.m_frame.bits();
    return nullptr;
}

void ZRVVlcFrameOutput::onDisplay(void* opaque, void*) {
    auto& self = *static_cast<ZRVVlcFrameOutput*>(opaque);
    const std::lock_guard lock(self.m_mutex);
    if (self.m_sink) {
        self.m_sink(self.m_frame);
    }
}

QSize ZRVVlcFrameOutput::sourceSize() const {
    QSize size;
    if (m_media == nullptr) {
        return size;
    }
    libvlc_media_track_t** tracks = nullptr;
    const unsigned count = libvlc_media_tracks_get(m_media, &tracks);
    for (unsigned i = 0; i < count && size.isEmpty(); ++i) {
        if (tracks[i]->i_type == libvlc_track_video && tracks[i]->video != nullptr) {
            size = QSize(static_cast<int>(tracks[i]->video->i_width),
                         static_cast<int>(tracks[i]->video->i_height));
        }
    }
    libvlc_media_tracks_release(tracks, count);
    return size;
}
