#pragma once

#include "card/TKUSBDiskEntity.h"
#include "card/ui/ZRVCardFormatJob.h"
#include "card/ui/ZRVFormatWindowView.h"
#include "common/ZRVExecutor.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

// The format window: lists the USB volumes, shows the chosen one's device,
// mount point and allocation unit, and formats it for the camera after the
// user has confirmed, keeping its config.bin. The job runs in the background
// under a busy bar that also shows on the application icon; its end is told
// in an alert, and the window closes after a format that went through.
class ZRVFormatWindowController : public QObject {
    Q_OBJECT

public:
    static constexpr int kProgressTickMs = 300;
    static constexpr double kLongestSeconds = 1000;

    struct Options {
        // The volumes listed and checked; the card tools' adapters for the
        // rest. Without volumes the list is empty.
        ZRVCardFormatJob::Parts parts;
        // Where the listing and the job run; the thread pool unless a test
        // says.
        ZRVExecutor executor;
    };

    explicit ZRVFormatWindowController(Options options, QWidget* opener = nullptr);
    ~ZRVFormatWindowController() override;

    // Builds the window, centres it on the screen, shows it and lists the
    // volumes.
    void showWindow();

    void loadUSBVolumes(std::function<void()> completion = {});
    std::optional<TKUSBDiskEntity> selectedUSBDisk() const;
    std::optional<TKUSBDiskEntity> selectUSBByDevFile(const std::string& device);
    void updateSelectedDiskInfo();

    // The format button: refuses with an alert when no disk or a locked one
    // is chosen, else asks before doFormat.
    void onFormat();
    void doFormat(const std::optional<TKUSBDiskEntity>& disk);
    void formatDidFinished(const TKUSBDiskEntity& disk, const ZRVCardFormatJob::Result& result);
    void changeDisk();
    void cancel();

    void showProgressBar(const QString& text);
    void updateProgressBar(double expectedSeconds);
    void hideProgressBar();

    QWidget* window() const { return m_window; }
    const ZRVFormatWindowView& view() const { return m_view; }
    const std::vector<TKUSBDiskEntity>& usbDiskArray() const { return m_usbDiskArray; }
    bool stopProgressBar() const { return m_stopProgressBar; }
    double progress() const { return m_progress; }
    bool isFormatting() const { return m_formatting; }

signals:
    // The relist has put its disks into the list.
    void volumesLoaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void windowDidLoad();
    void askBeforeFormat(const TKUSBDiskEntity& disk);
    void setFormatting(bool formatting);
    void alert(const QString& messageText, const QString& informativeText,
               std::function<void()> didEnd = {});

    Options m_options;
    QPointer<QWidget> m_opener;
    QPointer<QWidget> m_window;
    ZRVFormatWindowView m_view;
    std::vector<TKUSBDiskEntity> m_usbDiskArray;
    bool m_stopProgressBar = true;
    double m_progress = 0;
    // One timer for the ticks, so that a display started twice still
    // advances once a tick.
    QTimer m_progressTimer;
    double m_expectedSeconds = kLongestSeconds;
    bool m_formatting = false;
};
