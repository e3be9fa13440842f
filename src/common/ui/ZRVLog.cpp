#include "common/ui/ZRVLog.h"

Q_LOGGING_CATEGORY(zorvaPlayer, "zorva.player")
Q_LOGGING_CATEGORY(zorvaMap, "zorva.map")
Q_LOGGING_CATEGORY(zorvaCard, "zorva.card")
Q_LOGGING_CATEGORY(zorvaSettings, "zorva.settings")
