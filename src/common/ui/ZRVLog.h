#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(zorvaPlayer)
Q_DECLARE_LOGGING_CATEGORY(zorvaMap)
Q_DECLARE_LOGGING_CATEGORY(zorvaCard)
Q_DECLARE_LOGGING_CATEGORY(zorvaSettings)
