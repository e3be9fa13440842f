#include "recording/ZRVGpsData.h"

void ZRVGpsData::clear() {
    *this = ZRVGpsData{};
}

ZRVGpsData ZRVGpsData::duplicate() const {
    ZRVGpsData copy;
    copy.updateFromObject(*this);
    return copy;
}

void ZRVGpsData::updateFromObject(const ZRVGpsData& other) {
    *this = other;
}

std::uint8_t ZRVGpsData::satelliteUsedAtIndex(std::size_t index) const {
    return index < SatelliteUsed.size() ? SatelliteUsed[index] : 0;
}

void ZRVGpsData::setSatelliteUsed(std::uint8_t satellite, std::size_t index) {
    if (index < SatelliteUsed.size()) {
        SatelliteUsed[index] = satellite;
    }
}
