#pragma once

#include "support/EventLoopWait.h"

#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QWidget>
#include <optional>

struct Alert {
    QString message;
    QString informative;
};

// The alert shown on the window, dismissed with Return as a user would.
inline std::optional<Alert> takeAlert(QWidget* window, int timeoutMs = 3000) {
    QMessageBox* shown = nullptr;
    waitFor(
        [&] {
            for (QMessageBox* box : window->findChildren<QMessageBox*>()) {
                if (box->isVisible()) {
                    shown = box;
                }
            }
            return shown != nullptr;
        },
        timeoutMs);
    if (shown == nullptr) {
        return std::nullopt;
    }
    Alert alert{shown->text(), shown->informativeText()};
    QTest::keyClick(shown, Qt::Key_Return);
    runEventsFor(20);
    return alert;
}
