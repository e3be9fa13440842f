#include "recording/ZRVMediaList.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <unordered_set>
#include <utility>

namespace {

std::string childPath(const std::string& parent, std::string_view name) {
    std::string child;
    child.reserve(parent.size() + 1 + name.size());
    child += parent;
    if (child.empty() || child.back() != '/') {
        child += '/';
    }
    child += name;
    return child;
}

} // namespace

// Shared with the scan jobs, which may outlive the list.
struct ZRVMediaList::State {
    // Held while a scan publishes and tells the delegate, so that destruction
    // and a change of delegate wait for that to finish. Recursive because the
    // delegate may change the delegate from inside the call.
    std::recursive_mutex notifyMutex;
    mutable std::mutex mutex;
    ZRVMediaList* owner = nullptr;
    ZRVMediaListDelegate* delegate = nullptr;
    std::optional<std::string> directoryPath;
    // Replaced as a whole by a scan; never null.
    std::shared_ptr<const ZRVMediaListSnapshot> contents = std::make_shared<ZRVMediaListSnapshot>();
    // Raised by every scan started and by destruction; a scan whose number is
    // no longer current gives up and publishes nothing.
    std::atomic<std::uint64_t> generation{0};
};

struct ZRVMediaList::Walk {
    const State& state;
    std::uint64_t generation;
    // Canonical paths, so that a folder reached again through a link, or a
    // cycle of links, is walked once.
    std::unordered_set<std::string> walkedFolders;
    std::vector<ZRVMedia> medias;

    bool isFull() const { return medias.size() >= kScanLimit; }
    bool isOutdated() const {
        return state.generation.load(std::memory_order_relaxed) != generation;
    }
};

ZRVMediaList::ZRVMediaList(ZRVExecutor executor)
    : m_state(std::make_shared<State>()), m_executor(std::move(executor)) {
    if (!m_executor) {
        m_executor = [](std::function<void()> job) { job(); };
    }
    m_state->owner = this;
}

ZRVMediaList::~ZRVMediaList() {
    std::lock_guard notify(m_state->notifyMutex);
    std::lock_guard lock(m_state->mutex);
    m_state->owner = nullptr;
    ++m_state->generation;
}

void ZRVMediaList::setDirectoryPath(std::optional<std::string> path) {
    std::uint64_t generation = 0;
    {
        std::lock_guard lock(m_state->mutex);
        m_state->directoryPath = path;
        if (!path) {
            return;
        }
        generation = ++m_state->generation;
    }
    m_executor([state = m_state, directory = std::move(*path), generation] {
        scan(state, directory, generation);
    });
}

std::optional<std::string> ZRVMediaList::directoryPath() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->directoryPath;
}

std::size_t ZRVMediaList::count() const {
    return snapshot()->count();
}

std::shared_ptr<const ZRVMedia> ZRVMediaList::mediaAtIndex(std::size_t index) const {
    return snapshot()->mediaAtIndex(index);
}

std::optional<ZRVMediaPair>
ZRVMediaList::findMediaPairWithFileName(std::string_view fileNameOrPath) const {
    return snapshot()->findMediaPairWithFileName(fileNameOrPath);
}

void ZRVMediaList::addMedia(std::shared_ptr<const ZRVMedia> media) {
    if (!media) {
        return;
    }
    std::lock_guard lock(m_state->mutex);
    auto medias = m_state->contents->medias();
    medias.push_back(std::move(media));
    m_state->contents = std::make_shared<ZRVMediaListSnapshot>(std::move(medias));
}

ZRVMediaListDelegate* ZRVMediaList::delegate() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->delegate;
}

void ZRVMediaList::setDelegate(ZRVMediaListDelegate* delegate) {
    std::lock_guard notify(m_state->notifyMutex);
    std::lock_guard lock(m_state->mutex);
    m_state->delegate = delegate;
}

std::vector<std::shared_ptr<const ZRVMedia>> ZRVMediaList::medias() const {
    return snapshot()->medias();
}

std::map<std::string, ZRVMediaPair> ZRVMediaList::mediaPairDic() const {
    return snapshot()->mediaPairDic();
}

std::shared_ptr<const ZRVMediaListSnapshot> ZRVMediaList::snapshot() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->contents;
}

void ZRVMediaList::scan(const std::shared_ptr<State>& state, const std::string& directory,
                        std::uint64_t generation) {
    std::shared_ptr<const ZRVMediaListSnapshot> contents;
    try {
        // Room for the most a walk keeps, given back below when the folder
        // was small: growing would move every recording several times.
        Walk walk{*state, generation, {}, {}};
        walk.medias.reserve(kScanLimit);
        std::error_code error;
        const auto root = std::filesystem::absolute(directory, error);
        const auto canonical = error ? root : std::filesystem::canonical(root, error);
        if (!error) {
            eachDir(root, canonical.native(), walk);
        }
        if (walk.isOutdated()) {
            return;
        }
        if (walk.medias.size() < walk.medias.capacity() / 2) {
            walk.medias.shrink_to_fit();
        }
        // One allocation holds every recording of the scan and each one handed
        // out shares it, which is far cheaper than a block per recording; a
        // single recording kept elsewhere keeps the scan's batch alive.
        const auto batch = std::make_shared<const std::vector<ZRVMedia>>(std::move(walk.medias));
        // The index rides in the low bits of the order key, so the sort moves
        // and compares plain numbers.
        constexpr int indexBits = 64 - ZRVMedia::kDateOrderKeyBits;
        static_assert(kScanLimit < std::uint64_t{1} << indexBits);
        std::vector<std::uint64_t> order;
        order.reserve(batch->size());
        for (std::size_t i = 0; i < batch->size(); ++i) {
            order.push_back((*batch)[i].dateOrderKey() << indexBits | i);
        }
        std::sort(order.begin(), order.end());
        std::vector<std::shared_ptr<const ZRVMedia>> medias;
        medias.reserve(order.size());
        constexpr std::uint64_t indexMask = (std::uint64_t{1} << indexBits) - 1;
        for (const auto keyAndIndex : order) {
            medias.emplace_back(batch, &(*batch)[keyAndIndex & indexMask]);
        }
        contents = std::make_shared<ZRVMediaListSnapshot>(std::move(medias));
    } catch (const std::exception&) {
        // Only allocation can fail here; the previous list is better than a
        // partial one.
        return;
    }

    std::lock_guard notify(state->notifyMutex);
    ZRVMediaList* owner = nullptr;
    ZRVMediaListDelegate* delegate = nullptr;
    {
        std::lock_guard lock(state->mutex);
        if (state->owner == nullptr || state->generation != generation) {
            return;
        }
        std::swap(state->contents, contents);
        owner = state->owner;
        delegate = state->delegate;
    }
    if (delegate != nullptr) {
        delegate->mediaListChanged(*owner);
    }
}

void ZRVMediaList::eachDir(const std::filesystem::path& directory, const std::string& canonical,
                           Walk& walk) {
    if (walk.isFull() || walk.isOutdated() || !walk.walkedFolders.insert(canonical).second) {
        return;
    }
    std::error_code error;
    std::filesystem::directory_iterator entries(
        directory, std::filesystem::directory_options::skip_permission_denied, error);
    // An entry's path is this folder's path joined with the entry's name, so
    // the name starts at the same place in every one.
    const auto nameStart = (directory / std::filesystem::path()).native().size();
    std::shared_ptr<const std::string> sharedDir;
    for (; !error && !walk.isFull() && entries != std::filesystem::directory_iterator();
         entries.increment(error)) {
        const auto& entry = *entries;
        const std::string& path = entry.path().native();
        const auto name = std::string_view(path).substr(std::min(nameStart, path.size()));
        // The type comes from the listing itself; only links cost a stat.
        std::error_code typeError;
        if (entry.is_directory(typeError)) {
            if (!entry.is_symlink(typeError)) {
                eachDir(entry.path(), childPath(canonical, name), walk);
            } else if (const auto target = std::filesystem::canonical(entry.path(), typeError);
                       !typeError) {
                eachDir(entry.path(), target.native(), walk);
            }
        } else if (ZRVMedia::isRecordingFileName(name)) {
            walk.medias.push_back(ZRVMedia(path, sharedDir));
        }
    }
}
