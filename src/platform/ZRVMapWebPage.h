#pragma once

#include <QWebEnginePage>

// The map page's web page: it never navigates away from the application's
// resources (the page hands links to the desktop's browser itself), and its
// console goes to the map's log category.
class ZRVMapWebPage final : public QWebEnginePage {
    Q_OBJECT

public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceID) override;
};
