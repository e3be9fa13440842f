#include "recording/ZRVAviFileWriter.h"

#include "common/ByteOrder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <random>

namespace {

constexpr std::uint32_t kAviHasIndex = 0x10;
constexpr std::uint32_t kAviIsInterleaved = 0x100;
constexpr std::uint32_t kIndexKeyFrame = 0x10;
constexpr std::uint32_t kMoviIdentifierOffset = ZRVAviFileWriter::kMoviListOffset + 8;

class ByteBuilder {
public:
    void fourCC(std::string_view code) {
        unsigned char* p = grow(4);
        for (std::size_t i = 0; i < 4; ++i) {
            p[i] = static_cast<unsigned char>(i < code.size() ? code[i] : ' ');
        }
    }
    void u16(std::uint16_t v) { ByteOrder::writeLE16(grow(2), v); }
    void u32(std::uint32_t v) { ByteOrder::writeLE32(grow(4), v); }
    void zeros(std::size_t n) { m_bytes.insert(m_bytes.end(), n, 0); }
    std::size_t size() const { return m_bytes.size(); }
    void patchU32(std::size_t at, std::uint32_t v) { ByteOrder::writeLE32(&m_bytes[at], v); }
    std::vector<unsigned char>& bytes() { return m_bytes; }

    // Room for n more bytes at the end.
    unsigned char* grow(std::size_t n) {
        m_bytes.resize(m_bytes.size() + n);
        return m_bytes.data() + m_bytes.size() - n;
    }

    // Starts a LIST or chunk whose size is filled in by close().
    std::size_t open(std::string_view id, std::string_view listType = {}) {
        fourCC(id);
        const std::size_t sizeAt = size();
        u32(0);
        if (!listType.empty()) {
            fourCC(listType);
        }
        return sizeAt;
    }
    void close(std::size_t sizeAt) {
        patchU32(sizeAt, static_cast<std::uint32_t>(size() - sizeAt - 4));
        if (size() % 2 != 0) {
            m_bytes.push_back(0);
        }
    }

private:
    std::vector<unsigned char> m_bytes;
};

struct StreamHeader {
    std::string_view type;
    std::string_view handler;
    std::uint32_t scale;
    std::uint32_t rate;
    std::uint32_t length;
    std::uint32_t suggestedBufferSize;
    std::uint32_t sampleSize;
    std::uint16_t width;
    std::uint16_t height;
};

void writeStreamHeader(ByteBuilder& b, const StreamHeader& h) {
    const auto strh = b.open("strh");
    b.fourCC(h.type);
    if (h.handler.empty()) {
        b.u32(0);
    } else {
        b.fourCC(h.handler);
    }
    b.u32(0); // flags
    b.u16(0); // priority
    b.u16(0); // language
    b.u32(0); // initial frames
    b.u32(h.scale);
    b.u32(h.rate);
    b.u32(0); // start
    b.u32(h.length);
    b.u32(h.suggestedBufferSize);
    b.u32(std::numeric_limits<std::uint32_t>::max()); // quality: driver default
    b.u32(h.sampleSize);
    b.u16(0);
    b.u16(0);
    b.u16(h.width);
    b.u16(h.height);
    b.close(strh);
}

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    std::random_device seed;
    return target.parent_path() /
           ("." + target.filename().string() + ".part-" + std::to_string(seed()));
}

} // namespace

ZRVAviFileWriter::ZRVAviFileWriter(std::filesystem::path target, Layout layout)
    : m_target(std::move(target)), m_temporary(temporaryBeside(m_target)), m_layout(layout) {
    m_file = std::fopen(m_temporary.c_str(), "wb");
    if (m_file == nullptr) {
        fail(m_temporary.string() + ": " + std::strerror(errno));
        return;
    }
    writeHeaderPlaceholder();
}

ZRVAviFileWriter::~ZRVAviFileWriter() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        std::error_code ignored;
        std::filesystem::remove(m_temporary, ignored);
    }
}

void ZRVAviFileWriter::writeHeaderPlaceholder() {
    const std::vector<unsigned char> header = headerBytes();
    append(header.data(), header.size());
}

std::vector<unsigned char> ZRVAviFileWriter::headerBytes() const {
    const VideoFormat& video = m_layout.video;
    const bool hasAudio = m_layout.audio.has_value();
    const AudioFormat audio = m_layout.audio.value_or(AudioFormat{});
    const std::uint16_t blockAlign =
        static_cast<std::uint16_t>(audio.channels * audio.bitsPerSample / 8);
    const std::uint32_t bytesPerSecond = audio.sampleRate * blockAlign;

    ByteBuilder b;
    b.fourCC("RIFF");
    b.u32(static_cast<std::uint32_t>(m_position > 8 ? m_position - 8 : 0));
    b.fourCC("AVI ");

    const auto hdrl = b.open("LIST", "hdrl");
    const auto avih = b.open("avih");
    b.u32(1000000 / video.framesPerSecond);
    b.u32(m_largestChunk * video.framesPerSecond + (hasAudio ? bytesPerSecond : 0));
    b.u32(0);
    b.u32(kAviHasIndex | kAviIsInterleaved);
    b.u32(m_videoFrames);
    b.u32(0);
    b.u32(hasAudio ? 3 : 2);
    b.u32(m_largestChunk);
    b.u32(video.width);
    b.u32(video.height);
    b.zeros(16);
    b.close(avih);

    const auto videoList = b.open("LIST", "strl");
    writeStreamHeader(b, {"vids", "MJPG", 1, video.framesPerSecond, m_videoFrames, m_largestChunk,
                          0, static_cast<std::uint16_t>(video.width),
                          static_cast<std::uint16_t>(video.height)});
    const auto videoFormat = b.open("strf");
    b.u32(40);
    b.u32(video.width);
    b.u32(video.height);
    b.u16(1);
    b.u16(24);
    b.fourCC("MJPG");
    b.u32(video.width * video.height * 3);
    b.zeros(16);
    b.close(videoFormat);
    b.close(videoList);

    if (hasAudio) {
        const auto audioList = b.open("LIST", "strl");
        writeStreamHeader(b, {"auds", "", blockAlign, bytesPerSecond,
                              static_cast<std::uint32_t>(m_audioBytes / blockAlign), bytesPerSecond,
                              blockAlign, 0, 0});
        const auto audioFormat = b.open("strf");
        b.u16(1); // PCM
        b.u16(audio.channels);
        b.u32(audio.sampleRate);
        b.u32(bytesPerSecond);
        b.u16(blockAlign);
        b.u16(audio.bitsPerSample);
        b.close(audioFormat);
        b.close(audioList);
    }

    const auto dataList = b.open("LIST", "strl");
    writeStreamHeader(b, {"dats", "", 1, 1000, m_dataChunks, 552, 0, 0, 0});
    const auto dataFormat = b.open("strf");
    b.close(dataFormat);
    b.close(dataList);
    b.close(hdrl);

    const auto junk = b.open("JUNK");
    b.zeros(kMoviListOffset - b.size());
    b.close(junk);

    // Until finish() the 'movi' list is empty; then m_position is its end.
    const std::uint64_t moviEnd = std::max<std::uint64_t>(m_position, kMoviIdentifierOffset + 4);
    b.fourCC("LIST");
    b.u32(static_cast<std::uint32_t>(moviEnd - kMoviIdentifierOffset));
    b.fourCC("movi");
    return std::move(b.bytes());
}

void ZRVAviFileWriter::append(const unsigned char* data, std::size_t size) {
    if (m_file == nullptr || m_error) {
        return;
    }
    if (size > 0 && std::fwrite(data, 1, size, m_file) != size) {
        fail(m_temporary.string() + ": " + std::strerror(errno));
        return;
    }
    m_position += size;
}

void ZRVAviFileWriter::addChunk(std::string_view fourCC, std::span<const unsigned char> data) {
    IndexEntry entry{};
    for (std::size_t i = 0; i < 4; ++i) {
        entry.fourCC[i] = i < fourCC.size() ? fourCC[i] : ' ';
    }
    entry.offset = static_cast<std::uint32_t>(m_position - kMoviIdentifierOffset);
    entry.size = static_cast<std::uint32_t>(data.size());
    m_index.push_back(entry);
    m_largestChunk = std::max(m_largestChunk, entry.size);

    unsigned char header[8];
    std::memcpy(header, entry.fourCC, 4);
    ByteOrder::writeLE32(header + 4, entry.size);
    append(header, sizeof header);
    append(data.data(), data.size());
    if (data.size() % 2 != 0) {
        const unsigned char pad = 0;
        append(&pad, 1);
    }
}

void ZRVAviFileWriter::addVideoFrame(std::span<const unsigned char> jpeg) {
    addChunk("00dc", jpeg);
    ++m_videoFrames;
}

void ZRVAviFileWriter::addAudio(std::span<const unsigned char> pcm) {
    addChunk("01wb", pcm);
    m_audioBytes += pcm.size();
}

void ZRVAviFileWriter::addDataRecord(std::span<const unsigned char> record) {
    addChunk("02sb", record);
    ++m_dataChunks;
}

void ZRVAviFileWriter::fail(std::string message) {
    if (!m_error) {
        m_error = std::move(message);
    }
}

std::optional<std::string> ZRVAviFileWriter::finish() {
    if (m_file == nullptr) {
        return m_error.value_or("the recording was already finished");
    }
    const std::uint64_t moviEnd = m_position;

    ByteBuilder index;
    const auto idx1 = index.open("idx1");
    for (const IndexEntry& entry : m_index) {
        index.fourCC(std::string_view(entry.fourCC, 4));
        index.u32(kIndexKeyFrame);
        index.u32(entry.offset);
        index.u32(entry.size);
    }
    index.close(idx1);
    append(index.bytes().data(), index.size());

    if (!m_error && m_position > std::numeric_limits<std::uint32_t>::max()) {
        fail("a recording larger than 4 GiB cannot be written as AVI");
    }
    if (!m_error) {
        const std::uint64_t fileEnd = m_position;
        m_position = moviEnd;
        std::vector<unsigned char> header = headerBytes();
        ByteOrder::writeLE32(&header[4], static_cast<std::uint32_t>(fileEnd - 8));
        m_position = fileEnd;
        if (std::fseek(m_file, 0, SEEK_SET) != 0 ||
            std::fwrite(header.data(), 1, header.size(), m_file) != header.size() ||
            std::fflush(m_file) != 0) {
            fail(m_temporary.string() + ": " + std::strerror(errno));
        }
    }
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!closed) {
        fail(m_temporary.string() + ": " + std::strerror(errno));
    }
    std::error_code error;
    if (!m_error) {
        std::filesystem::rename(m_temporary, m_target, error);
        if (error) {
            fail(m_target.string() + ": " + error.message());
        }
    }
    if (m_error) {
        std::filesystem::remove(m_temporary, error);
    }
    return m_error;
}
