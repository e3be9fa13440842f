#include "platform/ZRVQtPrintSheet.h"
#include "support/TemporaryDirectory.h"

#include <QFile>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(ZRVQtPrintSheet, ShowsTheDialogOnTheWindowWithoutWaitingAndReportsTheChoice) {
    QWidget window;
    window.show();
    QPrinter printer;
    ZRVQtPrintSheet sheet;
    std::vector<int> returnCodes;
    sheet.beginSheet(printer, &window, [&](int code) { returnCodes.push_back(code); });

    auto* dialog = window.findChild<QPrintDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintShowPageSize));
    EXPECT_EQ(dialog->printer(), &printer);
    EXPECT_TRUE(returnCodes.empty());
    dialog->reject();
    EXPECT_EQ(returnCodes, std::vector{0});
}

TEST(ZRVQtPrintSheet, AFileIsNotAPrinter) {
    ZRVQtPrintSheet sheet;
    QPrinter pdf;
    pdf.setOutputFormat(QPrinter::PdfFormat);
    EXPECT_FALSE(sheet.printsToPrinter(pdf));
    QPrinter named;
    named.setOutputFileName(QStringLiteral("/tmp/out.pdf"));
    EXPECT_FALSE(sheet.printsToPrinter(named));
}

TEST(ZRVQtPrintSheet, PaintsThePictureOnAPage) {
    TemporaryDirectory folder;
    const auto output = QString::fromStdString((folder.path() / "page.pdf").string());
    QPrinter printer;
    printer.setOutputFileName(output);
    QImage picture(64, 36, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    ZRVQtPrintSheet sheet;
    EXPECT_EQ(sheet.printPicture(printer, picture, QRect(10, 10, 640, 360)), 0);
    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(4) == "%PDF");

    QPrinter unwritable;
    unwritable.setOutputFileName(
        QString::fromStdString((folder.path() / "missing" / "page.pdf").string()));
    EXPECT_EQ(sheet.printPicture(unwritable, picture, QRect(0, 0, 64, 36)),
              ZRVPrintSheet::kPrintFailed);
}

} // namespace
