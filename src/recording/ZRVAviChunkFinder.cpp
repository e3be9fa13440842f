#include "recording/ZRVAviChunkFinder.h"

#include "common/ByteOrder.h"
#include "recording/StdioRead.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

using StdioRead::readAt;

namespace {

constexpr std::uint64_t kChunkHeaderSize = 8;
constexpr std::size_t kIndexEntrySize = 16;
// Reading the index in large blocks instead of entry by entry is what makes
// opening a recording fast; 64 KiB keeps the buffer small.
constexpr std::size_t kIndexBlockSize = 4096 * kIndexEntrySize;
// An entry's offset points at the chunk's identifier, counted from the 'movi'
// identifier; the chunk's data follows its identifier and size.
constexpr std::uint64_t kDataAfterIndexOffset =
    ZRVAviChunkFinder::kMoviIdentifierOffset + kChunkHeaderSize;

bool isFourCharacterCode(const unsigned char* code) {
    return std::all_of(code, code + 4, [](unsigned char c) { return c >= ' ' && c <= '~'; });
}

bool codeIs(const unsigned char* code, std::string_view expected) {
    return std::memcmp(code, expected.data(), 4) == 0;
}

// RIFF keeps every chunk at an even position.
std::uint64_t paddedEnd(std::uint64_t dataPosition, std::uint32_t size) {
    return dataPosition + size + (size & 1U);
}

} // namespace

ZRVAviChunkFinder::ZRVAviChunkFinder(std::FILE* file, std::uint64_t riffEnd,
                                     std::uint64_t fileLength)
    : m_file(file), m_riffEnd(riffEnd), m_fileLength(fileLength) {
    // A file too short for the size field reads it as 0 (or partly), which
    // puts the index where no index is.
    std::array<unsigned char, 4> moviSize{};
    readAt(m_file, kMoviSizeOffset, moviSize.data(), moviSize.size());
    m_moviSize = ByteOrder::readLE32(moviSize.data());
    m_indexStart = kMoviIdentifierOffset + m_moviSize + kChunkHeaderSize;
}

ZRVAviChunkFinder::IndexListing ZRVAviChunkFinder::listFromIndex() const {
    IndexListing listing;
    std::uint64_t furthestChunkEnd = kFirstChunkOffset;
    bool pointsPastTheEnd = false;

    std::vector<unsigned char> block(kIndexBlockSize);
    std::uint64_t blockStart = m_indexStart;
    std::size_t blockFill = 0;
    std::uint64_t position = m_indexStart;
    for (;;) {
        if (position + kIndexEntrySize > blockStart + blockFill) {
            blockStart = position;
            blockFill = readAt(m_file, position, block.data(), block.size());
        }
        const auto available = static_cast<std::size_t>(
            std::min<std::uint64_t>(kIndexEntrySize, blockStart + blockFill - position));
        std::array<unsigned char, kIndexEntrySize> entry{};
        std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(position - blockStart), available,
                    entry.begin());

        const std::uint64_t dataPosition =
            ByteOrder::readLE32(entry.data() + 8) + kDataAfterIndexOffset;
        const std::uint32_t size = ByteOrder::readLE32(entry.data() + 12);
        if (available == kIndexEntrySize) {
            furthestChunkEnd = std::max(furthestChunkEnd, paddedEnd(dataPosition, size));
            pointsPastTheEnd = pointsPastTheEnd || dataPosition + size > m_fileLength;
        }

        // Reading through the index has always stopped after a record read
        // that found nothing: a record whose data lies at or past the end of
        // the file.
        bool readSomething = available > 0;
        if (available >= 4 && codeIs(entry.data(), "02sb")) {
            listing.chunks.push_back({dataPosition, size});
            readSomething = dataPosition < m_fileLength;
        }

        position += kIndexEntrySize;
        if (position > m_riffEnd || !readSomething || position >= m_fileLength) {
            break;
        }
    }

    const std::uint64_t moviEnd = kMoviIdentifierOffset + m_moviSize;
    listing.coversMoviList =
        indexChunkIsWhole() && !pointsPastTheEnd && furthestChunkEnd + kChunkHeaderSize > moviEnd;
    return listing;
}

bool ZRVAviChunkFinder::indexChunkIsWhole() const {
    std::array<unsigned char, kChunkHeaderSize> header{};
    return readAt(m_file, m_indexStart - kChunkHeaderSize, header.data(), header.size()) ==
               header.size() &&
           codeIs(header.data(), "idx1") &&
           m_indexStart + ByteOrder::readLE32(header.data() + 4) <= m_fileLength;
}

std::vector<ZRVAviDataChunk> ZRVAviChunkFinder::listFromMoviList() const {
    std::vector<ZRVAviDataChunk> chunks;
    std::array<unsigned char, 12> header{};
    if (readAt(m_file, kMoviListOffset, header.data(), header.size()) != header.size() ||
        !codeIs(header.data(), "LIST") || !codeIs(header.data() + 8, "movi")) {
        return chunks;
    }
    std::uint64_t position = kFirstChunkOffset;
    while (readAt(m_file, position, header.data(), header.size()) >= kChunkHeaderSize &&
           isFourCharacterCode(header.data()) && !codeIs(header.data(), "idx1")) {
        const std::uint64_t dataPosition = position + kChunkHeaderSize;
        const std::uint32_t size = ByteOrder::readLE32(header.data() + 4);
        // A 'rec ' list only groups chunks: walk on into it. The header read
        // above already holds its type when the file goes on that far.
        if (codeIs(header.data(), "LIST") && size >= 4 && dataPosition + 4 <= m_fileLength &&
            codeIs(header.data() + 8, "rec ")) {
            position = dataPosition + 4;
            continue;
        }
        if (dataPosition + size > m_fileLength) {
            break;
        }
        if (codeIs(header.data(), "02sb")) {
            chunks.push_back({dataPosition, size});
        }
        position = paddedEnd(dataPosition, size);
    }
    return chunks;
}
