#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

// The switch of the right column between the recording list (mode 0) and the
// map (mode 1), with the two tab images that show which one is chosen.
class ZRVSidePanel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int rightViewMode READ rightViewMode NOTIFY rightViewModeChanged)

public:
    ZRVSidePanel(QAbstractButton* recordButton, QAbstractButton* informationButton,
                 QWidget* mediaListScrollView, QWidget* mapContainerView,
                 std::function<void()> layoutMapContainer, QObject* parent = nullptr);

    int rightViewMode() const { return m_rightViewMode; }
    // Sets the mode without a change check, as start-up and a finished scan
    // do, then brings the tabs and panels in line.
    void setRightViewMode(int mode);

    void updateSideViewButton();
    void clickMediaListViewButton();
    void clickMapViewButton();

    QString recordImageName() const { return m_recordImageName; }
    QString informationImageName() const { return m_informationImageName; }

signals:
    void rightViewModeChanged(int mode);

private:
    void showImage(QAbstractButton* button, const QString& name);

    QPointer<QAbstractButton> m_recordButton;
    QPointer<QAbstractButton> m_informationButton;
    QPointer<QWidget> m_mediaListScrollView;
    QPointer<QWidget> m_mapContainerView;
    std::function<void()> m_layoutMapContainer;
    QString m_recordImageName;
    QString m_informationImageName;
    int m_rightViewMode = 0;
};
