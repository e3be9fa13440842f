#pragma once

#include <QRect>
#include <functional>

class QImage;
class QPrinter;
class QWidget;

// The printing side of the snapshot: the print dialog shown as a sheet on the
// window, and one picture sent to the chosen printer. Behind an interface
// because no printer can be reached where the tests run.
class ZRVPrintSheet {
public:
    static constexpr int kPrintFailed = -1;

    virtual ~ZRVPrintSheet() = default;

    // Returns at once; didEnd gets 1 once the user has chosen to print with
    // the settings now in `printer`, 0 when the dialog was dismissed.
    virtual void beginSheet(QPrinter& printer, QWidget* window,
                            std::function<void(int returnCode)> didEnd) = 0;

    // A PDF or any named output file is a file, not a printer, whatever the
    // dialog called it.
    virtual bool printsToPrinter(const QPrinter& printer) const;

    // Puts the picture into `target` (device pixels of the printable area) on
    // one page. Returns 0 once the job went out, otherwise an error code.
    virtual int printPicture(QPrinter& printer, const QImage& picture, const QRect& target) = 0;
};
