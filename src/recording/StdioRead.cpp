#include "recording/StdioRead.h"

#include <limits>

namespace StdioRead {

std::size_t readAt(std::FILE* file, std::uint64_t position, unsigned char* out, std::size_t size) {
    if (position > static_cast<std::uint64_t>(std::numeric_limits<long>::max()) ||
        std::fseek(file, static_cast<long>(position), SEEK_SET) != 0) {
        return 0;
    }
    return std::fread(out, 1, size, file);
}

std::uint64_t lengthOf(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return 0;
    }
    const long end = std::ftell(file);
    return end > 0 ? static_cast<std::uint64_t>(end) : 0;
}

} // namespace StdioRead
