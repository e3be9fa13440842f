#include "recording/ZRVAviGpsData.h"

#include <algorithm>

ZRVAviGpsData ZRVAviGpsData::aviGpsDataWithData(const unsigned char* bytes) {
    Bytes copy;
    std::copy_n(bytes, copy.size(), copy.begin());
    return ZRVAviGpsData(copy);
}
