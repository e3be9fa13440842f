#pragma once

#include "sample-card/DriveRecordLog.h"
#include "sample-card/DriveSimulator.h"
#include "sample-card/EngineSound.h"
#include "sample-card/SampleCardPlan.h"
#include "sample-card/SampleRecordingWriter.h"
#include "sample-card/TelemetryRecordAssembler.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

// Writes a demo camera card: the front and rear recordings of every planned
// moment in the mode folders under DCIM, config.bin with factory values, the
// driving log DrvInfo/tavu_000.drv and the clock file timeset.cfg. Every file
// goes to a temporary file beside it and is renamed into place, so writing a
// card again replaces its files and an interrupted run leaves no torn file.
class SampleCardWriter {
public:
    struct Summary {
        int recordings = 0;
        int always = 0;
        int motion = 0;
        int event = 0;
        std::uintmax_t bytes = 0;
    };

    // Needs a QGuiApplication: the pictures' text is drawn with its fonts.
    SampleCardWriter(int moments, int seconds, std::uint64_t seed);

    // Returns an error message, or nothing when the whole card is written.
    std::optional<std::string> write(const std::filesystem::path& card);
    const Summary& summary() const { return m_summary; }

private:
    std::optional<std::string> makeFolders(const std::filesystem::path& card);
    std::optional<std::string> writeMoment(const std::filesystem::path& card,
                                           const SampleCardPlan::Moment& moment);
    std::optional<std::string> writeCardFiles(const std::filesystem::path& card);
    std::optional<std::string> writeFile(const std::filesystem::path& path,
                                         std::span<const unsigned char> bytes);
    void count(const std::filesystem::path& written);

    SampleCardPlan m_plan;
    DriveSimulator m_drive;
    TelemetryRecordAssembler m_assembler;
    EngineSound m_sound;
    DriveRecordLog m_log;
    SampleRecordingWriter m_front;
    SampleRecordingWriter m_rear;
    Summary m_summary;
};
