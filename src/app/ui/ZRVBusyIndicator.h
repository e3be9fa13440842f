#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class PMProgressIndicator;

// The busy indicator shown in the head strip while a recording opens. It
// counts towards an expected duration in ticks of 0.3 seconds and stops at
// 100 % or at the first tick after hideLoading.
class ZRVBusyIndicator : public QObject {
    Q_OBJECT

public:
    static constexpr double kTickSeconds = 0.3;
    static constexpr double kExpectedSeconds = 15.0;

    // Runs a job after a delay in seconds; tests give one that they advance
    // by hand.
    using Scheduler = std::function<void(double seconds, std::function<void()> job)>;

    ZRVBusyIndicator(PMProgressIndicator* indicator, QWidget* headBox, Scheduler scheduler = {},
                     QObject* parent = nullptr);

    // The caption is accepted for callers that name what is loading; the bar
    // itself has no room for it.
    void showLoading(const QString& caption);
    void updateLoadingWindow(double expectedSeconds);
    void hideLoading();

    double progress() const { return m_progress; }
    bool stopVideoLoadingView() const { return m_stopVideoLoadingView; }

private:
    void schedule(double expectedSeconds);

    QPointer<PMProgressIndicator> m_indicator;
    QPointer<QWidget> m_headBox;
    Scheduler m_scheduler;
    double m_progress = 0;
    bool m_stopVideoLoadingView = false;
};
