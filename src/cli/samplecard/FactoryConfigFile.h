#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// config.bin as a camera holds it after a reset to factory values: the
// 428-byte settings record, little-endian, with its checksum filled in.
class FactoryConfigFile {
public:
    static constexpr std::size_t kSize = 428;
    using Bytes = std::array<unsigned char, kSize>;

    static Bytes bytes();
    // XOR of the low 16-bit halves of the 32-bit words 1 to 106; word 0 holds
    // the format marker and the checksum itself.
    static std::uint16_t checksum(const Bytes& record);
};
