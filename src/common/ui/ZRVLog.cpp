#include "common/ui/ZRVLog.h"

#include "common/DiagnosticLog.h"

#include <QString>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

Q_LOGGING_CATEGORY(zorvaPlayer, "zorva.player", QtWarningMsg)
Q_LOGGING_CATEGORY(zorvaMap, "zorva.map", QtWarningMsg)
Q_LOGGING_CATEGORY(zorvaCard, "zorva.card", QtWarningMsg)
Q_LOGGING_CATEGORY(zorvaSettings, "zorva.settings", QtWarningMsg)

namespace {

// A category keeps a pointer to its name, so both stay for the life of the
// process. Lines arrive from worker threads too.
const QLoggingCategory& categoryNamed(std::string_view name) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<QLoggingCategory>, std::less<>> categories;
    const std::lock_guard lock(mutex);
    auto found = categories.find(name);
    if (found == categories.end()) {
        found = categories.emplace(std::string(name), nullptr).first;
        found->second = std::make_unique<QLoggingCategory>(found->first.c_str(), QtWarningMsg);
    }
    return *found->second;
}

} // namespace

void ZRVLog::routeDiagnosticLog() {
    DiagnosticLog::setSink([](std::string_view category, std::string_view message) {
        qCInfo(categoryNamed(category)).noquote()
            << QString::fromUtf8(message.data(), qsizetype(message.size()));
    });
}
