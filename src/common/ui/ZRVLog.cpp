#include "common/ui/ZRVLog.h"

Q_LOGGING_CATEGORY(zorvaPlayer, "zorva.player")
Q_LOGGING_CATEGORY(zorvaMap, "zorva.map")
