#pragma once

#include <QLoggingCategory>

// Warnings and worse reach the terminal; the diagnostic lines below them are
// for whoever asks, e.g. QT_LOGGING_RULES="zorva.*.info=true".
Q_DECLARE_LOGGING_CATEGORY(zorvaPlayer)
Q_DECLARE_LOGGING_CATEGORY(zorvaMap)
Q_DECLARE_LOGGING_CATEGORY(zorvaCard)
Q_DECLARE_LOGGING_CATEGORY(zorvaSettings)

namespace ZRVLog {

// The core's diagnostic lines become information messages of a category of
// the name the core gives them, held back like those above.
void routeDiagnosticLog();

} // namespace ZRVLog
