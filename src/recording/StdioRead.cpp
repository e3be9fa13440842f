#include "recording/StdioRead.h"

#include <cerrno>
#include <limits>
#include <unistd.h>

namespace StdioRead {

std::size_t readAt(std::FILE* file, std::uint64_t position, unsigned char* out, std::size_t size) {
    if (position > static_cast<std::uint64_t>(std::numeric_limits<long>::max())) {
        return 0;
    }
    // A recording's records lie far apart, so each is a read of its own: one
    // positioned read costs half of a seek and a read. A stream with no file
    // under it (one in memory) has no descriptor and takes the stdio way.
    const int descriptor = fileno(file);
    if (descriptor < 0) {
        if (std::fseek(file, static_cast<long>(position), SEEK_SET) != 0) {
            return 0;
        }
        return std::fread(out, 1, size, file);
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t read =
            pread(descriptor, out + done, size - done, static_cast<off_t>(position + done));
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read <= 0) {
            break;
        }
        done += static_cast<std::size_t>(read);
    }
    return done;
}

std::uint64_t lengthOf(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return 0;
    }
    const long end = std::ftell(file);
    return end > 0 ? static_cast<std::uint64_t>(end) : 0;
}

} // namespace StdioRead
