#include "sample-card/SampleCardWriter.h"

#include "settings/TimeZoneTable.h"
#include "settings/_FILEDATA.h"

#include <QFile>
#include <QSaveFile>
#include <future>
#include <set>

namespace {

const QSize kFrontPicture(640, 360);
// The rear camera is the smaller one, as on most two-camera dash-cams.
const QSize kRearPicture(480, 272);

std::string failure(const std::filesystem::path& path, const std::string& reason) {
    return "cannot write " + path.string() + ": " + reason;
}

} // namespace

SampleCardWriter::SampleCardWriter(int moments, int seconds, std::uint64_t seed)
    : m_plan(moments, seconds, seed), m_drive(seed), m_assembler(seed), m_sound(seed),
      m_front(CameraSide::front, kFrontPicture, &m_sound),
      m_rear(CameraSide::rear, kRearPicture, nullptr) {}

std::optional<std::string> SampleCardWriter::write(const std::filesystem::path& card) {
    if (auto error = makeFolders(card)) {
        return error;
    }
    for (const SampleCardPlan::Moment& moment : m_plan.moments()) {
        if (auto error = writeMoment(card, moment)) {
            return error;
        }
    }
    return writeCardFiles(card);
}

std::optional<std::string> SampleCardWriter::makeFolders(const std::filesystem::path& card) {
    std::set<std::filesystem::path> folders = {card / "DrvInfo"};
    for (const SampleCardPlan::Moment& moment : m_plan.moments()) {
        folders.insert(card / SampleCardPlan::folder(moment.mode));
    }
    for (const std::filesystem::path& folder : folders) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) {
            return failure(folder, error.message());
        }
    }
    return std::nullopt;
}

std::optional<std::string> SampleCardWriter::writeMoment(const std::filesystem::path& card,
                                                         const SampleCardPlan::Moment& moment) {
    const int seconds = m_plan.seconds();
    const int ticksPerSecond = DriveSimulator::kTicksPerSecond;
    std::vector<DriveSample> samples;
    for (int tick = 0; tick < seconds * ticksPerSecond; ++tick) {
        samples.push_back(m_drive.step());
    }
    const auto telemetry =
        m_assembler.assemble(samples, moment.start, moment.mode == SampleCardPlan::Mode::event);
    for (int second = 0; second < seconds; ++second) {
        const auto tick = static_cast<std::size_t>(second * ticksPerSecond);
        m_log.add(moment.start.plusSeconds(second), samples[tick], telemetry.gSensor[tick]);
    }

    const std::filesystem::path folder = card / SampleCardPlan::folder(moment.mode);
    const auto frontPath = folder / SampleCardPlan::fileName(moment, CameraSide::front);
    const auto rearPath = folder / SampleCardPlan::fileName(moment, CameraSide::rear);
    // The two cameras' files share nothing but the telemetry they read, so
    // they are drawn and encoded side by side.
    auto rearDone = std::async(std::launch::async, [&] {
        return m_rear.write(rearPath, moment.start, seconds, samples, telemetry.records);
    });
    const auto frontError =
        m_front.write(frontPath, moment.start, seconds, samples, telemetry.records);
    const auto rearError = rearDone.get();
    if (frontError || rearError) {
        return "cannot write " + (frontError ? *frontError : *rearError);
    }
    count(frontPath);
    count(rearPath);
    m_summary.recordings += 2;
    switch (moment.mode) {
    case SampleCardPlan::Mode::always:
        ++m_summary.always;
        break;
    case SampleCardPlan::Mode::motion:
        ++m_summary.motion;
        break;
    case SampleCardPlan::Mode::event:
        ++m_summary.event;
        break;
    }
    return std::nullopt;
}

std::optional<std::string> SampleCardWriter::writeCardFiles(const std::filesystem::path& card) {
    // Factory values in the zone the card was recorded in, so that its GPS
    // time and its clock agree.
    _FILEDATA settings = factorySettingsRecord();
    settings.time_gmt = findTimeZoneIndex(CardTime::kUtcOffsetHours * 3600LL);
    settings.checksum = computeSettingChecksum(settings);
    const _FILEDATA::Bytes config = settings.toBytes();
    const std::vector<unsigned char> log = m_log.bytes();
    // The camera sets its clock from this file; the demo card's clock runs on
    // from the end of its last recording.
    const std::string clock = m_plan.end().clockText();
    const std::span<const unsigned char> clockBytes(
        reinterpret_cast<const unsigned char*>(clock.data()), clock.size());
    for (const auto& [path, bytes] :
         {std::pair{card / "config.bin", std::span<const unsigned char>(config)},
          std::pair{card / "DrvInfo" / "tavu_000.drv", std::span<const unsigned char>(log)},
          std::pair{card / "timeset.cfg", clockBytes}}) {
        if (auto error = writeFile(path, bytes)) {
            return error;
        }
        count(path);
    }
    return std::nullopt;
}

std::optional<std::string> SampleCardWriter::writeFile(const std::filesystem::path& path,
                                                       std::span<const unsigned char> bytes) {
    QSaveFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        return failure(path, file.errorString().toStdString());
    }
    return std::nullopt;
}

void SampleCardWriter::count(const std::filesystem::path& written) {
    std::error_code ignored;
    const std::uintmax_t size = std::filesystem::file_size(written, ignored);
    if (!ignored) {
        m_summary.bytes += size;
    }
}
