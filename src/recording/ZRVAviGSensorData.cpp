#include "recording/ZRVAviGSensorData.h"

#include <algorithm>

ZRVAviGSensorData ZRVAviGSensorData::aviGSensorDataWithData(const unsigned char* bytes) {
    Bytes copy;
    std::copy_n(bytes, copy.size(), copy.begin());
    return ZRVAviGSensorData(copy);
}
