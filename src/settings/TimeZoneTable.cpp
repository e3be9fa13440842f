#include "settings/TimeZoneTable.h"

#include <algorithm>
#include <ctime>

int findTimeZoneIndex() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return -1;
    }
    return findTimeZoneIndex(local.tm_gmtoff);
}

int findTimeZoneIndex(long long offsetSeconds) {
    const long long hours = offsetSeconds / 3600;
    const long long minutes = (offsetSeconds - hours * 3600) / 60;
    const long long key = hours * 100 + minutes;
    const auto found = std::find(TimeZoneTable.begin(), TimeZoneTable.end(), key);
    return found == TimeZoneTable.end() ? -1 : static_cast<int>(found - TimeZoneTable.begin());
}
