#pragma once

#include "recording/ZRVMedia.h"

#include <memory>

// The front and the rear file of one moment; either side may be missing.
class ZRVMediaPair {
public:
    static ZRVMediaPair mediaPair() { return {}; }

    const std::shared_ptr<const ZRVMedia>& frontMedia() const { return m_frontMedia; }
    void setFrontMedia(std::shared_ptr<const ZRVMedia> media) { m_frontMedia = std::move(media); }
    const std::shared_ptr<const ZRVMedia>& rearMedia() const { return m_rearMedia; }
    void setRearMedia(std::shared_ptr<const ZRVMedia> media) { m_rearMedia = std::move(media); }

    bool operator==(const ZRVMediaPair&) const = default;

private:
    std::shared_ptr<const ZRVMedia> m_frontMedia;
    std::shared_ptr<const ZRVMedia> m_rearMedia;
};
