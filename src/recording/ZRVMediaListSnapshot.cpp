#include "recording/ZRVMediaListSnapshot.h"

namespace {

// The key of a pair: the base name without its side suffix, so that the front
// and the rear file of one moment meet under one key.
std::string_view pairKey(std::string_view mediaName) {
    if (mediaName.ends_with("_F") || mediaName.ends_with("_R")) {
        mediaName.remove_suffix(2);
    }
    return mediaName;
}

} // namespace

ZRVMediaListSnapshot::ZRVMediaListSnapshot(std::vector<std::shared_ptr<const ZRVMedia>> medias)
    : m_medias(std::move(medias)) {
    m_pairIndices.reserve(m_medias.size());
    for (std::size_t index = 0; index < m_medias.size(); ++index) {
        const ZRVMedia& media = *m_medias[index];
        auto& indices = m_pairIndices[pairKey(media.mediaName())];
        if (media.isRearMedia()) {
            indices.rear = index;
        } else if (media.isFrontMedia()) {
            indices.front = index;
        }
    }
}

std::shared_ptr<const ZRVMedia> ZRVMediaListSnapshot::mediaAtIndex(std::size_t index) const {
    return index < m_medias.size() ? m_medias[index] : nullptr;
}

ZRVMediaPair ZRVMediaListSnapshot::pairAt(const PairIndices& indices) const {
    auto pair = ZRVMediaPair::mediaPair();
    if (indices.front != kNoMedia) {
        pair.setFrontMedia(m_medias[indices.front]);
    }
    if (indices.rear != kNoMedia) {
        pair.setRearMedia(m_medias[indices.rear]);
    }
    return pair;
}

std::optional<ZRVMediaPair>
ZRVMediaListSnapshot::findMediaPairWithFileName(std::string_view fileNameOrPath) const {
    const auto found = m_pairIndices.find(pairKey(ZRVMedia::mediaNameOfPath(fileNameOrPath)));
    if (found == m_pairIndices.end()) {
        return std::nullopt;
    }
    return pairAt(found->second);
}

std::map<std::string, ZRVMediaPair> ZRVMediaListSnapshot::mediaPairDic() const {
    std::map<std::string, ZRVMediaPair> pairs;
    for (const auto& [key, indices] : m_pairIndices) {
        pairs.emplace(key, pairAt(indices));
    }
    return pairs;
}

std::optional<std::size_t> ZRVMediaListSnapshot::indexOfPath(std::string_view path) const {
    for (std::size_t index = 0; index < m_medias.size(); ++index) {
        if (m_medias[index]->path() == path) {
            return index;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> ZRVMediaListSnapshot::nextMomentIndex(std::size_t index) const {
    if (index >= m_medias.size()) {
        return std::nullopt;
    }
    const auto moment = pairKey(m_medias[index]->mediaName());
    for (std::size_t later = index + 1; later < m_medias.size(); ++later) {
        if (pairKey(m_medias[later]->mediaName()) != moment) {
            return later;
        }
    }
    return std::nullopt;
}
