#pragma once

#include "recording/ZRVMedia.h"
#include "recording/ZRVMediaPair.h"

#include <cstddef>
#include <map>
#include <memory>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One complete state of the catalogue: its recordings in order and their
// front/rear pairs. Never changed once made, so the scan that builds it, the
// catalogue that publishes it and the list that shows it share one instance
// across threads, and whoever holds it keeps reading the rows it was given.
class ZRVMediaListSnapshot {
public:
    ZRVMediaListSnapshot() = default;
    // Pairs are filed in the given order: of two files of the same moment and
    // side, the later one is the pair's.
    explicit ZRVMediaListSnapshot(std::vector<std::shared_ptr<const ZRVMedia>> medias);
    ZRVMediaListSnapshot(const ZRVMediaListSnapshot&) = delete;
    ZRVMediaListSnapshot& operator=(const ZRVMediaListSnapshot&) = delete;

    std::size_t count() const { return m_medias.size(); }
    std::shared_ptr<const ZRVMedia> mediaAtIndex(std::size_t index) const;
    const std::vector<std::shared_ptr<const ZRVMedia>>& medias() const { return m_medias; }
    // Accepts a file name, a base name with or without its side suffix, or a
    // path.
    std::optional<ZRVMediaPair> findMediaPairWithFileName(std::string_view fileNameOrPath) const;
    std::map<std::string, ZRVMediaPair> mediaPairDic() const;

    // The first row holding exactly this path.
    std::optional<std::size_t> indexOfPath(std::string_view path) const;
    // The first later row of another moment: the rows after `index` that share
    // its name without the side suffix are the other camera of the same
    // moment. Empty at the last moment.
    std::optional<std::size_t> nextMomentIndex(std::size_t index) const;

private:
    static constexpr std::size_t kNoMedia = static_cast<std::size_t>(-1);
    struct PairIndices {
        std::size_t front = kNoMedia;
        std::size_t rear = kNoMedia;
    };

    ZRVMediaPair pairAt(const PairIndices& indices) const;

    std::vector<std::shared_ptr<const ZRVMedia>> m_medias;
    // Keys view the name of a recording in m_medias, which keeps it alive, and
    // the sides are indices into m_medias: filing spends no string and no
    // reference count per pair. The table's nodes come from one arena, given
    // back at once with the snapshot.
    std::pmr::monotonic_buffer_resource m_pairMemory;
    std::pmr::unordered_map<std::string_view, PairIndices> m_pairIndices{&m_pairMemory};
};
