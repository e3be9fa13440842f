#include "platform/ZRVPrintSheet.h"

#include <QPrinter>

bool ZRVPrintSheet::printsToPrinter(const QPrinter& printer) const {
    return printer.outputFormat() != QPrinter::PdfFormat && printer.outputFileName().isEmpty();
}
