#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keeps a video's framed area over the box the layout gives it. The players
// draw into X windows, and X moves a child window only together with its
// native parent: under boxes that Qt draws itself (alien widgets), a video
// stayed where it was when a box moved, and was left out when a box was shown
// again. So the framed area is a direct child of the window, whose every
// ancestor is native, and follows its box: its place, its size and whether
// the box can be seen.
class ZRVVideoFrameKeeper : public QObject {
    Q_OBJECT

public:
    ZRVVideoFrameKeeper(QWidget* frame, QWidget* box, QObject* parent = nullptr);

    // Places the frame over its box now; the keeper calls it on every move,
    // resize, show and hide of the box or of a widget that holds it.
    void follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchAncestors();

    QPointer<QWidget> m_frame;
    QPointer<QWidget> m_box;
};
