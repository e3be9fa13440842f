#pragma once

#include "common/ZRVExecutor.h"
#include "recording/ZRVMedia.h"
#include "recording/ZRVMediaListDelegate.h"
#include "recording/ZRVMediaListSnapshot.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The recordings of a folder, sorted by the time in their names, and their
// front/rear pairs. A scan runs on the executor and builds a new snapshot,
// which replaces the old one in one step; readers on any thread therefore see
// either the previous complete list or the new one. Of several scans started
// one after another, only the last is published.
class ZRVMediaList {
public:
    // The walk ends, wherever it is, once it holds this many recordings: more
    // would make the list unusable, and a large disk chosen by mistake would
    // otherwise be walked to its end.
    static constexpr std::size_t kScanLimit = 15000;

    explicit ZRVMediaList(ZRVExecutor executor);
    // Safe while a scan is still queued or running: that scan then publishes
    // nothing and tells no delegate. Waits for a delegate call in progress, so
    // a delegate must not block on the thread that destroys the list.
    ~ZRVMediaList();
    ZRVMediaList(const ZRVMediaList&) = delete;
    ZRVMediaList& operator=(const ZRVMediaList&) = delete;

    // With a path, starts a scan of it on the executor; without one, only
    // stores the absence and leaves the list as it is.
    void setDirectoryPath(std::optional<std::string> path);
    std::optional<std::string> directoryPath() const;

    std::size_t count() const;
    std::shared_ptr<const ZRVMedia> mediaAtIndex(std::size_t index) const;
    // Accepts a file name, a base name with or without its side suffix, or a
    // path.
    std::optional<ZRVMediaPair> findMediaPairWithFileName(std::string_view fileNameOrPath) const;
    void addMedia(std::shared_ptr<const ZRVMedia> media);

    ZRVMediaListDelegate* delegate() const;
    // Not owned. Waits for a delegate call in progress, so that the previous
    // delegate may be destroyed once this returns.
    void setDelegate(ZRVMediaListDelegate* delegate);

    std::vector<std::shared_ptr<const ZRVMedia>> medias() const;
    std::map<std::string, ZRVMediaPair> mediaPairDic() const;
    // The recordings a scan of the folder lists, in the list's order, found
    // on the calling thread without the pairs: for a caller that only lists
    // them.
    static std::vector<std::shared_ptr<const ZRVMedia>> sortedMedias(const std::string& directory);
    // The list as it is now; later scans publish new snapshots and leave this
    // one as it was. Never null.
    std::shared_ptr<const ZRVMediaListSnapshot> snapshot() const;

private:
    struct State;
    struct Walk;

    static void scan(const std::shared_ptr<State>& state, const std::string& directory,
                     std::uint64_t generation);
    // Empty when the walk found itself outdated.
    static std::optional<std::vector<std::shared_ptr<const ZRVMedia>>>
    walkAndSort(const std::string& directory, std::function<bool()> isOutdated);
    static void eachDir(const std::string& directory, const std::string& canonical, Walk& walk);

    std::shared_ptr<State> m_state;
    ZRVExecutor m_executor;
};
