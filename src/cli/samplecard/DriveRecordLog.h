#pragma once

#include "cli/samplecard/CardTime.h"
#include "cli/samplecard/DriveSample.h"

#include <array>
#include <cstdint>
#include <vector>

// DrvInfo/tavu_000.drv: the camera's driving log, one 40-byte record per
// logged second after a 12-byte header whose first word is the record count.
class DriveRecordLog {
public:
    static constexpr std::size_t kHeaderSize = 12;
    static constexpr std::size_t kRecordSize = 40;

    void add(const CardTime& time, const DriveSample& sample,
             const std::array<std::int32_t, 3>& gSensorCounts);
    std::size_t count() const { return m_records.size() / kRecordSize; }
    std::vector<unsigned char> bytes() const;

private:
    std::vector<unsigned char> m_records;
    std::uint16_t m_maximumSpeed = 0;
};
