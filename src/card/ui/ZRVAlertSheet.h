#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

// A warning with one "OK" button over `window`, modal for that window only,
// with a short message text ("TAVU", "Warning", a path) above the
// informative text. Returns at once; `didEnd` runs when the user dismisses
// it. The box deletes itself when closed.
QMessageBox* showAlertSheet(QWidget* window, const QString& messageText,
                            const QString& informativeText, std::function<void()> didEnd = {});
