#pragma once

#include "records/ZRVDriveRecord.h"
#include "sample-card/CardTime.h"
#include "sample-card/DriveSample.h"

#include <array>
#include <cstdint>
#include <vector>

// DrvInfo/tavu_000.drv: the camera's driving log, one record per logged
// second after a header whose first word is the record count. Each record
// carries the highest speed logged so far.
class DriveRecordLog {
public:
    void add(const CardTime& time, const DriveSample& sample,
             const std::array<std::int32_t, 3>& gSensorCounts);
    std::size_t count() const { return m_records.size(); }
    std::vector<unsigned char> bytes() const;

private:
    std::vector<ZRVDriveRecord> m_records;
    std::uint16_t m_maximumSpeed = 0;
};
