#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class PMProgressIndicator;
class QDialog;
class QLabel;
class QWidget;

// The sheet over the settings window while config.bin is read: a title and
// a busy bar. It closes at the first half-second tick after hideLoading, and
// after the given seconds at the latest, whatever the read does.
class ZRVSettingLoadingSheet : public QObject {
    Q_OBJECT

public:
    static constexpr int kTickMs = 500;
    static constexpr double kLongestSeconds = 15;

    explicit ZRVSettingLoadingSheet(QWidget* window);
    ~ZRVSettingLoadingSheet() override;

    void showLoading(const QString& text);
    void updateLoadingWindow(double seconds);
    void hideLoading() { m_stopLoadingWindow = true; }

    bool isShown() const;
    QDialog* progressPanel() const { return m_progressPanel; }

private:
    QPointer<QDialog> m_progressPanel;
    PMProgressIndicator* m_progressIndicator = nullptr;
    QLabel* m_progressTitleField = nullptr;
    bool m_stopLoadingWindow = true;
    double m_progress = 0;
};
