#include "sample-card/SampleRecordingWriter.h"

#include "recording/ZRVAviFileWriter.h"
#include "sample-card/DriveSimulator.h"
#include "sample-card/EngineSound.h"

#include <algorithm>
#include <cmath>
#include <span>

SampleRecordingWriter::SampleRecordingWriter(CameraSide side, QSize pictureSize, EngineSound* sound)
    : m_pictureSize(pictureSize), m_painter(side, pictureSize), m_sound(sound) {}

std::optional<std::string>
SampleRecordingWriter::write(const std::filesystem::path& target, const CardTime& start,
                             int seconds, const std::vector<DriveSample>& samples,
                             const std::vector<TelemetryRecordAssembler::TimedRecord>& records) {
    ZRVAviFileWriter::Layout layout;
    layout.video = {static_cast<std::uint32_t>(m_pictureSize.width()),
                    static_cast<std::uint32_t>(m_pictureSize.height()), kFramesPerSecond};
    if (m_sound != nullptr) {
        layout.audio = ZRVAviFileWriter::AudioFormat{EngineSound::kSampleRate, 1, 16};
    }
    ZRVAviFileWriter writer(target, layout);

    auto addRecordsUntil = [&, next = std::size_t{0}](std::uint64_t offsetMs) mutable {
        for (; next < records.size() && records[next].offsetMs <= offsetMs; ++next) {
            writer.addDataRecord(records[next].bytes);
        }
    };

    const int frames = seconds * kFramesPerSecond;
    std::uint64_t soundSamples = 0;
    DashCamFramePainter::Frame frame;
    for (int index = 0; index < frames; ++index) {
        const std::uint64_t offsetMs = static_cast<std::uint64_t>(index) * 1000 / kFramesPerSecond;
        addRecordsUntil(offsetMs);

        const std::size_t tick = std::min<std::size_t>(
            static_cast<std::size_t>(offsetMs / DriveSimulator::kTickMs), samples.size() - 1);
        const DriveSample& sample = samples[tick];
        const double sinceTick =
            static_cast<double>(offsetMs - tick * DriveSimulator::kTickMs) / 1000.0;
        if (index % kFramesPerSecond == 0) {
            frame.clockText =
                QString::fromStdString(start.plusSeconds(index / kFramesPerSecond).clockText());
        }
        frame.index = index;
        frame.speedKmh = static_cast<int>(std::lround(sample.speedKmh));
        frame.odometer = sample.odometer + sample.speedKmh / 3.6 * sinceTick;
        const QByteArray jpeg = m_painter.render(frame);
        if (jpeg.isEmpty()) {
            return target.string() + ": the picture could not be encoded as JPEG";
        }
        writer.addVideoFrame({reinterpret_cast<const unsigned char*>(jpeg.constData()),
                              static_cast<std::size_t>(jpeg.size())});
        if (m_sound != nullptr) {
            // Each frame carries the sound up to its end, so sound and picture
            // chunks stay within one frame of each other.
            const std::uint64_t soundEnd =
                static_cast<std::uint64_t>(index + 1) * EngineSound::kSampleRate / kFramesPerSecond;
            writer.addAudio(m_sound->next(soundEnd - soundSamples, sample.speedKmh));
            soundSamples = soundEnd;
        }
    }
    addRecordsUntil(static_cast<std::uint64_t>(seconds) * 1000);
    return writer.finish();
}
