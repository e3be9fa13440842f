#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Writes a recording in the camera's AVI layout: RIFF "AVI " with a header
// list describing MJPEG video (stream 00), optional PCM sound (stream 01) and
// the private data stream 02 ("dats"), a JUNK chunk that puts the 'movi' list
// at offset 14132 where the camera's readers expect it, the chunks in the
// order they were added, and a legacy idx1 index right after 'movi'.
//
// Chunks are streamed to a temporary file beside the target; finish() writes
// the index, fills in the sizes and renames the file into place, so a failed
// or abandoned write never leaves a half-written recording under the name.
class ZRVAviFileWriter {
public:
    static constexpr std::uint32_t kMoviListOffset = 14132;

    struct VideoFormat {
        std::uint32_t width = 640;
        std::uint32_t height = 360;
        std::uint32_t framesPerSecond = 30;
    };
    struct AudioFormat {
        std::uint32_t sampleRate = 8000;
        std::uint16_t channels = 1;
        std::uint16_t bitsPerSample = 16;
    };
    struct Layout {
        VideoFormat video;
        std::optional<AudioFormat> audio;
    };

    ZRVAviFileWriter(std::filesystem::path target, Layout layout);
    ~ZRVAviFileWriter();
    ZRVAviFileWriter(const ZRVAviFileWriter&) = delete;
    ZRVAviFileWriter& operator=(const ZRVAviFileWriter&) = delete;

    void addVideoFrame(std::span<const unsigned char> jpeg);
    void addAudio(std::span<const unsigned char> pcm);
    // One "02sb" chunk: a GPS or G-sensor record as the camera stores it.
    void addDataRecord(std::span<const unsigned char> record);
    // Any chunk, for files that hold streams the camera does not write.
    void addChunk(std::string_view fourCC, std::span<const unsigned char> data);

    // Completes the file. Returns an error message, or nothing on success.
    std::optional<std::string> finish();

private:
    struct IndexEntry {
        char fourCC[4];
        std::uint32_t offset;
        std::uint32_t size;
    };

    void writeHeaderPlaceholder();
    std::vector<unsigned char> headerBytes() const;
    void append(const unsigned char* data, std::size_t size);
    void fail(std::string message);

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    Layout m_layout;
    std::FILE* m_file = nullptr;
    std::optional<std::string> m_error;
    std::uint64_t m_position = 0;
    std::vector<IndexEntry> m_index;
    std::uint32_t m_videoFrames = 0;
    std::uint32_t m_dataChunks = 0;
    std::uint64_t m_audioBytes = 0;
    std::uint32_t m_largestChunk = 0;
};
