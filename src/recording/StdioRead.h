#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Positioned reads on a stdio stream, for readers that jump around a
// recording instead of reading it front to back.
namespace StdioRead {

// Reads up to `size` bytes at `position` and returns how many were read; a
// position that cannot be reached reads nothing. A stream on a file is read
// through its descriptor, past stdio's buffer: what was written through the
// stream must have been flushed.
std::size_t readAt(std::FILE* file, std::uint64_t position, unsigned char* out, std::size_t size);

// The stream's length in bytes, 0 when it cannot be told.
std::uint64_t lengthOf(std::FILE* file);

} // namespace StdioRead
