#pragma once

#include "recording/ZRVAviGpsData.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The GPS record in effect at each G-sensor sample, as a list as long as the
// samples it covers. It names each sample's record by its place in the
// recording's GPS records rather than holding a copy: a record is about half
// a kilobyte and stands for some ten samples, so copies would cost a
// three-minute recording about a megabyte.
class ZRVGpsRecordsBySample {
public:
    ZRVGpsRecordsBySample() = default;
    // Entry k of `recordOfSample` is the place in `records` of sample k's
    // record; every entry must name a record.
    ZRVGpsRecordsBySample(std::span<const ZRVAviGpsData> records,
                          std::span<const std::uint32_t> recordOfSample)
        : m_records(records), m_recordOfSample(recordOfSample), m_oneEach(false) {}
    // One record for each sample, in order; implicit, so that a plain list
    // of records reads as such.
    ZRVGpsRecordsBySample(const std::vector<ZRVAviGpsData>& records) : m_records(records) {}

    std::size_t size() const { return m_oneEach ? m_records.size() : m_recordOfSample.size(); }
    bool empty() const { return size() == 0; }
    // Sample k's record, k < size().
    const ZRVAviGpsData& operator[](std::size_t k) const { return m_records[recordIndexAt(k)]; }
    // The place of sample k's record among the recording's GPS records.
    std::size_t recordIndexAt(std::size_t k) const { return m_oneEach ? k : m_recordOfSample[k]; }

    // As long, and each sample's record equal.
    bool operator==(const ZRVGpsRecordsBySample& other) const {
        if (size() != other.size()) {
            return false;
        }
        for (std::size_t k = 0; k < size(); ++k) {
            if (!((*this)[k] == other[k])) {
                return false;
            }
        }
        return true;
    }

private:
    std::span<const ZRVAviGpsData> m_records;
    std::span<const std::uint32_t> m_recordOfSample;
    bool m_oneEach = true;
};
