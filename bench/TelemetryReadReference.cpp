#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

// The least a program can do to get a recording's telemetry: find the index,
// read it, and read each "02sb" record it lists, one positioned read each.
// It decodes nothing and writes nothing; it fails when it read no record.
//
// Usage: TelemetryReadReference FILE

namespace {

std::uint32_t le32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool readAt(int fd, std::uint64_t position, unsigned char* out, std::size_t size) {
    return pread(fd, out, size, static_cast<off_t>(position)) == static_cast<ssize_t>(size);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 1;
    }
    const int fd = open(argv[1], O_RDONLY);
    if (fd < 0) {
        return 1;
    }
    // Top-level chunks after "RIFF size AVI ": the "movi" list, then "idx1".
    std::uint64_t position = 12;
    std::uint64_t moviStart = 0;
    std::vector<unsigned char> index;
    std::array<unsigned char, 12> header{};
    while (readAt(fd, position, header.data(), header.size())) {
        const std::uint32_t size = le32(header.data() + 4);
        if (std::memcmp(header.data(), "LIST", 4) == 0 &&
            std::memcmp(header.data() + 8, "movi", 4) == 0) {
            moviStart = position + 8;
        } else if (std::memcmp(header.data(), "idx1", 4) == 0) {
            index.resize(size);
            if (!readAt(fd, position + 8, index.data(), index.size())) {
                return 1;
            }
            break;
        }
        position += 8 + size + (size & 1U);
    }

    int records = 0;
    std::array<unsigned char, 1024> record{};
    for (std::size_t entry = 0; entry + 16 <= index.size(); entry += 16) {
        const unsigned char* fields = index.data() + entry;
        if (std::memcmp(fields, "02sb", 4) == 0) {
            const std::uint32_t size = std::min<std::uint32_t>(le32(fields + 12), record.size());
            records += readAt(fd, moviStart + le32(fields + 8) + 8, record.data(), size) ? 1 : 0;
        }
    }
    close(fd);
    return records > 0 ? 0 : 1;
}
