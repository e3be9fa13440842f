#pragma once

#include "platform/ZRVPrintSheet.h"

// Printing through QtPrintSupport: QPrintDialog with the paper-size choice,
// and QPainter on the printer.
class ZRVQtPrintSheet final : public ZRVPrintSheet {
public:
    void beginSheet(QPrinter& printer, QWidget* window,
                    std::function<void(int returnCode)> didEnd) override;
    int printPicture(QPrinter& printer, const QImage& picture, const QRect& target) override;
};
