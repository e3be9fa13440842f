#include "platform/ZRVQtPrintSheet.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

void ZRVQtPrintSheet::beginSheet(QPrinter& printer, QWidget* window,
                                 std::function<void(int returnCode)> didEnd) {
    auto* dialog = new QPrintDialog(&printer, window);
    dialog->setOption(QAbstractPrintDialog::PrintShowPageSize);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [didEnd = std::move(didEnd)](int result) { didEnd(result); });
    // open(), not exec(): the window's own event loop goes on, and only the
    // window is blocked while the sheet is up.
    dialog->open();
}

int ZRVQtPrintSheet::printPicture(QPrinter& printer, const QImage& picture, const QRect& target) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return kPrintFailed;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return kPrintFailed;
    }
    return 0;
}
