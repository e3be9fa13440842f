#pragma once

#include "sample-card/CameraSide.h"
#include "sample-card/CardTime.h"
#include "sample-card/DashCamFramePainter.h"
#include "sample-card/DriveSample.h"
#include "sample-card/TelemetryRecordAssembler.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class EngineSound;

// Writes the recordings of one camera: MJPEG pictures at 30 frames a second,
// the front camera's sound, and the moment's GPS and G-sensor records, each
// chunk placed in the file at its time so that players and the telemetry
// reader meet them in order.
class SampleRecordingWriter {
public:
    static constexpr int kFramesPerSecond = 30;

    // Without `sound` the recordings have no sound stream, as the rear camera's.
    SampleRecordingWriter(CameraSide side, QSize pictureSize, EngineSound* sound);

    // Returns an error message, or nothing when the file is in place.
    std::optional<std::string>
    write(const std::filesystem::path& target, const CardTime& start, int seconds,
          const std::vector<DriveSample>& samples,
          const std::vector<TelemetryRecordAssembler::TimedRecord>& records);

private:
    QSize m_pictureSize;
    DashCamFramePainter m_painter;
    EngineSound* m_sound;
};
