#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// The camera writes every number little-endian. These helpers decode and
// encode explicitly, so the result never depends on the host's byte order.
namespace ByteOrder {

inline std::uint16_t readLE16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t readLE32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::uint64_t readLE64(const unsigned char* p) {
    return static_cast<std::uint64_t>(readLE32(p)) |
           (static_cast<std::uint64_t>(readLE32(p + 4)) << 32);
}

inline std::int32_t readLEInt32(const unsigned char* p) {
    return std::bit_cast<std::int32_t>(readLE32(p));
}

inline double readLEDouble(const unsigned char* p) {
    return std::bit_cast<double>(readLE64(p));
}

inline void writeLE16(unsigned char* p, std::uint16_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}

inline void writeLE32(unsigned char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<unsigned char>(v >> (8 * i));
    }
}

inline void writeLE64(unsigned char* p, std::uint64_t v) {
    writeLE32(p, static_cast<std::uint32_t>(v));
    writeLE32(p + 4, static_cast<std::uint32_t>(v >> 32));
}

inline void writeLEInt32(unsigned char* p, std::int32_t v) {
    writeLE32(p, std::bit_cast<std::uint32_t>(v));
}

inline void writeLEDouble(unsigned char* p, double v) {
    writeLE64(p, std::bit_cast<std::uint64_t>(v));
}

} // namespace ByteOrder
