#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

class PMLauncherEntry;
class PMProgressIndicator;

// The one shared object that composes the application icon (the "Dock icon",
// here the window icon of every window) from the registered progress bars:
// bar i at 16 * i points above the icon's bottom edge, a
// determinate bar as blue done part and grey rest (images "blueProgress" and
// "greyProgress", or six drawn bands when either is missing), an
// indeterminate one as the moving striped "barberProgress" image. It also
// publishes the progress to the launcher API of the session bus.
class PMProgressIndicatorController : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr int kIconSize = 128;      // the bar area is 128 points wide
    static constexpr int kBarSpacing = 16;     // bar i sits at y = 16 * i
    static constexpr int kRedrawDelayMs = 100; // redraws are scheduled 0.1 s later
    static constexpr double kStripePeriod = 32;

    // Created on first call, as a child of the application object: an empty
    // list, the icon copied from the current application icon, the three
    // images loaded, lastSpin = now.
    static PMProgressIndicatorController* sharedInstance();
    // The instance when one was created, else null (never creates one).
    static PMProgressIndicatorController* existingInstance();

    ~PMProgressIndicatorController() override;

    // Appends the bar when not listed; schedules drawProgressIndicators.
    void addProgressIndicator(PMProgressIndicator* bar);
    // Removes the bar; schedules drawProgressIndicators.
    void removeProgressIndicator(PMProgressIndicator* bar);
    int numProgressIndicators() const { return static_cast<int>(m_progressIndicators.size()); }
    const QList<PMProgressIndicator*>& progressIndicators() const { return m_progressIndicators; }

    // Cancels the pending redraw, composes the icon from the bars and sets
    // it as the application icon (the plain icon when no bar is listed);
    // schedules itself again after 0.1 s while a bar is spinning.
    void drawProgressIndicators();
    // Sets the application icon back to the one copied at creation.
    void restoreIcon();

    // A redraw is pending (scheduled, or the spin timer runs).
    bool isRedrawScheduled() const { return m_redrawTimer.isActive(); }
    int redrawInterval() const { return m_redrawTimer.interval(); }
    // The copy of the application icon that bars are drawn on, 128 x 128.
    const QImage& dockIcon() const { return m_dockIcon; }
    // The icon made by the last drawProgressIndicators.
    const QImage& composedIcon() const { return m_composedIcon; }
    // The process-wide stripe offset, 32 at start.
    static double stripeOffset();

    // Seams for tests and for the application's start-up.
    void setClock(Clock clock);
    // Null images stand for missing resources.
    void setBarImages(const QImage& blue, const QImage& grey, const QImage& barber);
    // Copies the current application icon again (when it was set after the
    // controller was made).
    void takeDockIconFromApplication();
    void setLauncherEntry(std::unique_ptr<PMLauncherEntry> entry);

private:
    explicit PMProgressIndicatorController(QObject* parent);

    void scheduleDraw();
    void drawBar(QPainter& painter, PMProgressIndicator* bar, int index, bool& spinning);
    void publishProgress();

    QList<PMProgressIndicator*> m_progressIndicators;
    QIcon m_applicationIcon;
    QImage m_dockIcon;
    QImage m_composedIcon;
    QImage m_blueBar;
    QImage m_greyBar;
    QImage m_barberBar;
    Clock m_clock;
    std::chrono::steady_clock::time_point m_lastSpin;
    // Both the delayed calls and the redraw timer: one single-shot timer
    // that is started only when not already pending, so that the changes of
    // one 0.1 s interval are drawn once and a stream of changes cannot
    // postpone the redraw.
    QTimer m_redrawTimer;
    std::unique_ptr<PMLauncherEntry> m_launcherEntry;
    bool m_published = false;
    double m_publishedProgress = -1;
    bool m_publishedVisible = false;
};
