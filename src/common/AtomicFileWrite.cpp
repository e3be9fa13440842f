#include "common/AtomicFileWrite.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string failure(const fs::path& path, int cause) {
    return "cannot write " + path.string() + ": " +
           (cause != 0 ? std::strerror(cause) : "the data was not written");
}

// Renaming over a link would replace the link; the file it names is the one
// to replace. A chain of links is followed a bounded number of times.
std::optional<fs::path> linkTarget(fs::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(path, error)) {
            return path;
        }
        const auto next = fs::read_symlink(path, error);
        if (error) {
            return std::nullopt;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// Unique within the process through the counter and across processes
// through the clock; a clash with another writer is caught by the exclusive
// open and retried.
std::FILE* createTemporaryBeside(const fs::path& target, fs::path& temporary) {
    static std::atomic<unsigned long long> counter{0};
    for (int attempt = 0; attempt < 16; ++attempt) {
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        temporary =
            target.parent_path() / ("." + target.filename().string() + "." + std::to_string(ticks) +
                                    "-" + std::to_string(counter.fetch_add(1)) + ".tmp");
        errno = 0;
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) {
            return file;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return nullptr;
}

// Writes the bytes and waits until the device has them; returns the error.
int writeDurably(std::FILE* file, std::span<const unsigned char> bytes) {
    errno = 0;
    int error = 0;
    if ((!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) ||
        std::fflush(file) != 0 || fsync(fileno(file)) != 0) {
        error = errno != 0 ? errno : EIO;
    }
    if (std::fclose(file) != 0 && error == 0) {
        error = errno != 0 ? errno : EIO;
    }
    return error;
}

} // namespace

std::optional<std::string> writeFileAtomically(const fs::path& path,
                                               std::span<const unsigned char> bytes) {
    const auto target = linkTarget(path);
    if (!target) {
        return failure(path, ELOOP);
    }
    std::error_code error;
    const auto previous = fs::status(*target, error);
    const bool replacing = fs::exists(previous);
    if (replacing && !fs::is_regular_file(previous)) {
        return failure(path, fs::is_directory(previous) ? EISDIR : EINVAL);
    }
    // A rename would replace a file the user made read-only; it stays as it is.
    if (replacing) {
        std::FILE* existing = std::fopen(target->c_str(), "r+b");
        if (existing == nullptr) {
            return failure(path, errno);
        }
        std::fclose(existing);
    }

    fs::path temporary;
    std::FILE* file = createTemporaryBeside(*target, temporary);
    if (file == nullptr) {
        return failure(path, errno);
    }
    if (const int written = writeDurably(file, bytes); written != 0) {
        fs::remove(temporary, error);
        return failure(path, written);
    }
    // The replacement keeps the old file's mode; a card's FAT file system has
    // none to keep, so failing to copy it does not fail the write.
    if (replacing) {
        fs::permissions(temporary, previous.permissions(), fs::perm_options::replace, error);
    }
    fs::rename(temporary, *target, error);
    if (error) {
        const int renameError = error.value();
        fs::remove(temporary, error);
        return failure(path, renameError);
    }
    return std::nullopt;
}
