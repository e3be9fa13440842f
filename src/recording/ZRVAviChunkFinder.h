#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

// Where one "02sb" chunk's data starts in the file, and the size that the
// index entry or the chunk's own header gives it.
struct ZRVAviDataChunk {
    std::uint64_t dataPosition = 0;
    std::uint32_t size = 0;

    bool operator==(const ZRVAviDataChunk&) const = default;
};

// Finds the "02sb" chunks of a recording in the camera's layout, in file
// order: through the legacy index that follows the 'movi' list, or, for a
// recording whose index was lost or cut short when the camera lost power, by
// walking the 'movi' list itself. Reads only what it is asked for; the
// stream stays open and is not owned.
class ZRVAviChunkFinder {
public:
    // The camera always puts the 'movi' list at the same place, so its size
    // field and, right after the list, the legacy index are found without
    // parsing the headers.
    static constexpr std::uint64_t kMoviListOffset = 14132;
    static constexpr std::uint64_t kMoviSizeOffset = 14136;
    // Index offsets and the 'movi' list size count from here.
    static constexpr std::uint64_t kMoviIdentifierOffset = 14140;
    static constexpr std::uint64_t kFirstChunkOffset = 14144;

    ZRVAviChunkFinder(std::FILE* file, std::uint64_t riffEnd, std::uint64_t fileLength);

    std::uint32_t moviSize() const { return m_moviSize; }
    // Where the first index entry is: right after the 'movi' list and the
    // index's own identifier and size.
    std::uint64_t indexStart() const { return m_indexStart; }

    struct IndexListing {
        std::vector<ZRVAviDataChunk> chunks;
        // Whether the index can be taken to list every chunk of the 'movi'
        // list (see listFromIndex).
        bool coversMoviList = false;
    };

    // The "02sb" entries of the index, read entry after entry, whatever the
    // index's own size says, while the next entry starts no later than the
    // RIFF end and before the end of the file, ending after an entry whose
    // data lies at or past the end of the file. An entry cut off by the end
    // of the file reads its missing bytes as 0.
    //
    // The index covers the 'movi' list when all of these hold: an 'idx1'
    // chunk stands where the list's size field says the list ends, and ends
    // inside the file; every entry's chunk ends inside the file; and the
    // furthest indexed chunk (padded to an even size) leaves no room for
    // another chunk header before the list's end. A camera that loses power
    // leaves a recording that fails the first check (no index, or one cut
    // off) and often the third; the checks cost one read of 8 bytes beyond
    // the index itself.
    IndexListing listFromIndex() const;

    // The complete "02sb" chunks of the 'movi' list, in file order, found by
    // walking it chunk by chunk from its first chunk; the chunks of a
    // 'LIST rec ' are walked as part of the list. The walk trusts no size
    // that reaches past the end of the file, nor the list's own size field,
    // which in a file cut short may still hold what was written when the
    // file was opened: it ends at the end of the file, at a chunk that the
    // file's end cuts short, at the 'idx1' chunk, or at an identifier that
    // is not four printable characters (such as a zero-filled tail). It
    // gives nothing when the 'movi' list is not where the camera puts it.
    std::vector<ZRVAviDataChunk> listFromMoviList() const;

private:
    bool indexChunkIsWhole() const;

    std::FILE* m_file;
    std::uint64_t m_riffEnd;
    std::uint64_t m_fileLength;
    std::uint32_t m_moviSize = 0;
    std::uint64_t m_indexStart = 0;
};
