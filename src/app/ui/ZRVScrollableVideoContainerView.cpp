#include "app/ui/ZRVScrollableVideoContainerView.h"

ZRVScrollableVideoContainerView::ZRVScrollableVideoContainerView(QWidget* parent)
    : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    updateTrackingAreas();
}

void ZRVScrollableVideoContainerView::updateTrackingAreas() {
    m_mouseTrackingArea =
        rect().adjusted(-kTrackingMargin, -kTrackingMargin, kTrackingMargin, kTrackingMargin);
}

void ZRVScrollableVideoContainerView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateTrackingAreas();
}
