#pragma once

#include "platform/ZRVPrintSheet.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;
class ZRVMediaPlayer;

// A still picture of the main video, saved under a name the user picks or
// printed. Both go through one temporary JPEG picture.
class ZRVSnapshotController : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kPictureName = "zorva_capture.jpg";
    static constexpr const char* kProposedSaveName = "zorva_capture.png";

    // Every member left empty gets the desktop's own: a save dialog, the
    // default viewer, a warning box on the window, the print dialog.
    struct Options {
        // The chosen path, or empty when the user cancels.
        std::function<QString(QWidget* window)> saveChooser;
        std::function<bool(const QUrl& url)> opener;
        std::function<void(QWidget* window, const QString& title, const QString& message)> alert;
        std::unique_ptr<ZRVPrintSheet> printSheet;
    };

    ZRVSnapshotController(ZRVMediaPlayer& player, QWidget* window, Options options = {},
                          QObject* parent = nullptr);
    ~ZRVSnapshotController() override;

    // The capture and print buttons.
    void captureVideo();
    void print();

    // Made on first use and kept, so the choices of one print carry over to
    // the next.
    QPrinter& loadPrintInfo();
    // 1 prints the picture taken by print(); anything else is a cancel.
    void printPanelDidEnd(int returnCode);

    // Empty when no private folder is available.
    static QString temporaryPicturePath();

private:
    std::optional<QByteArray> takeSnapshot();
    void saveCopy(const QByteArray& picture, const QString& destination);

    ZRVMediaPlayer& m_player;
    QPointer<QWidget> m_window;
    Options m_options;
    std::unique_ptr<QPrinter> m_printer;
    QString m_picturePath;
};
