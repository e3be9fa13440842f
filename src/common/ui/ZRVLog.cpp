#include "common/ui/ZRVLog.h"

Q_LOGGING_CATEGORY(zorvaPlayer, "zorva.player")
