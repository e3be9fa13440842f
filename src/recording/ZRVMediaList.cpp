#include "recording/ZRVMediaList.h"

#include <algorithm>
#include <atomic>
#include <dirent.h>
#include <exception>
#include <filesystem>
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
    // True once a later scan has made this one pointless.
    std::function<bool()> isOutdated;
    // Canonical paths, so that a folder reached again through a link, or a
    // cycle of links, is walked once.
    std::unordered_set<std::string> walkedFolders;
    std::vector<ZRVMedia> medias;

    bool isFull() const { return medias.size() >= kScanLimit; }
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

std::vector<std::shared_ptr<const ZRVMedia>>
ZRVMediaList::sortedMedias(const std::string& directory) {
    return *walkAndSort(directory, [] { return false; });
}

void ZRVMediaList::scan(const std::shared_ptr<State>& state, const std::string& directory,
                        std::uint64_t generation) {
    std::shared_ptr<const ZRVMediaListSnapshot> contents;
    try {
        auto medias = walkAndSort(directory, [&state, generation] {
            return state->generation.load(std::memory_order_relaxed) != generation;
        });
        if (!medias) {
            return;
        }
        contents = std::make_shared<ZRVMediaListSnapshot>(std::move(*medias));
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

std::optional<std::vector<std::shared_ptr<const ZRVMedia>>>
ZRVMediaList::walkAndSort(const std::string& directory, std::function<bool()> isOutdated) {
    // Room for the most a walk keeps, given back below when the folder was
    // small: growing would move every recording several times.
    Walk walk{std::move(isOutdated), {}, {}};
    walk.medias.reserve(kScanLimit);
    std::error_code error;
    const auto root = std::filesystem::absolute(directory, error);
    const auto canonical = error ? root : std::filesystem::canonical(root, error);
    if (!error) {
        eachDir(root.native(), canonical.native(), walk);
    }
    if (walk.isOutdated()) {
        return std::nullopt;
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
    return medias;
}

void ZRVMediaList::eachDir(const std::string& directory, const std::string& canonical, Walk& walk) {
    if (walk.isFull() || walk.isOutdated() || !walk.walkedFolders.insert(canonical).second) {
        return;
    }
    // The C library's listing rather than std::filesystem's: that one builds
    // every entry's path and splits it into its components, which cost more
    // than reading the folder. A folder that cannot be opened is skipped.
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(directory.c_str()), closedir);
    if (!folder) {
        return;
    }
    while (!walk.isFull()) {
        const dirent* entry = readdir(folder.get());
        if (entry == nullptr) {
            break;
        }
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        // The type comes from the listing itself; only links, and the entries
        // of a file system that does not give types, cost a stat.
        auto type = entry->d_type;
        if (type == DT_UNKNOWN) {
            std::error_code typeError;
            const auto status =
                std::filesystem::symlink_status(childPath(directory, name), typeError);
            type = std::filesystem::is_symlink(status)     ? DT_LNK
                   : std::filesystem::is_directory(status) ? DT_DIR
                                                           : DT_REG;
        }
        if (type == DT_DIR) {
            eachDir(childPath(directory, name), childPath(canonical, name), walk);
            continue;
        }
        std::string path = childPath(directory, name);
        std::error_code linkError;
        if (type == DT_LNK && std::filesystem::is_directory(path, linkError)) {
            if (const auto target = std::filesystem::canonical(path, linkError); !linkError) {
                eachDir(path, target.native(), walk);
            }
        } else if (ZRVMedia::isRecordingFileName(name)) {
            const std::size_t nameStart = path.size() - name.size();
            walk.medias.push_back(ZRVMedia(std::move(path), nameStart));
        }
    }
}
