#include "platform/ZRVMapWebPage.h"

#include "common/ui/ZRVLog.h"

bool ZRVMapWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool) {
    return url.scheme() == QLatin1String("qrc");
}

void ZRVMapWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                             const QString& message, int lineNumber,
                                             const QString& sourceID) {
    if (level == ErrorMessageLevel) {
        qCWarning(zorvaMap) << sourceID << lineNumber << message;
    } else {
        qCDebug(zorvaMap) << message;
    }
}
