#include "controls/TKSegmentedControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

constexpr int horizontalPadding = 12;
constexpr int controlHeight = 24;
constexpr qreal cornerRadius = 5.0;

const QColor trackColor(0x2a, 0x2e, 0x35);
const QColor borderColor(0x45, 0x4b, 0x55);
const QColor dividerColor(0x3c, 0x42, 0x4b);
const QColor selectedColor(0x1f, 0x8f, 0xff);
const QColor pressedColor(0x36, 0x3c, 0x46);
const QColor textColor(0xd7, 0xdb, 0xe1);
const QColor selectedTextColor(Qt::white);
const QColor disabledTextColor(0x6b, 0x71, 0x7a);

} // namespace

TKSegmentedControl::TKSegmentedControl(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TKSegmentedControl::setSegmentCount(int count) {
    m_segments.resize(std::max(count, 0));
    if (!isValidSegment(m_selectedSegment)) {
        setSelectedSegment(-1);
    }
    updateGeometry();
    update();
}

void TKSegmentedControl::setLabels(const QStringList& labels) {
    setSegmentCount(static_cast<int>(labels.size()));
    for (int i = 0; i < labels.size(); ++i) {
        m_segments[i].label = labels[i];
    }
    updateGeometry();
    update();
}

QString TKSegmentedControl::label(int segment) const {
    return isValidSegment(segment) ? m_segments[segment].label : QString();
}

void TKSegmentedControl::setEnabled(bool enabled, int segment) {
    if (!isValidSegment(segment)) {
        return;
    }
    m_segments[segment].enabled = enabled;
    update();
}

bool TKSegmentedControl::isEnabledForSegment(int segment) const {
    return isValidSegment(segment) && m_segments[segment].enabled;
}

void TKSegmentedControl::setSelectedSegment(int segment) {
    const int selection = isValidSegment(segment) ? segment : -1;
    if (selection == m_selectedSegment) {
        return;
    }
    m_selectedSegment = selection;
    update();
    emit selectedSegmentChanged(m_selectedSegment);
}

QRect TKSegmentedControl::segmentRect(int segment) const {
    if (!isValidSegment(segment)) {
        return {};
    }
    // Equal shares; the last segment takes the pixels left by the division so
    // the row always ends flush with the control.
    const int count = segmentCount();
    const int left = width() * segment / count;
    const int right = width() * (segment + 1) / count;
    return {left, 0, right - left, height()};
}

int TKSegmentedControl::segmentAt(const QPoint& position) const {
    for (int i = 0; i < segmentCount(); ++i) {
        if (segmentRect(i).contains(position)) {
            return i;
        }
    }
    return -1;
}

QSize TKSegmentedControl::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (const Segment& segment : m_segments) {
        widest = std::max(widest, metrics.horizontalAdvance(segment.label));
    }
    const int height = std::max(controlHeight, metrics.height() + 8);
    return {std::max(1, segmentCount()) * (widest + 2 * horizontalPadding), height};
}

QSize TKSegmentedControl::minimumSizeHint() const {
    return sizeHint();
}

void TKSegmentedControl::choose(int segment) {
    if (!isEnabledForSegment(segment) || !isEnabled()) {
        return;
    }
    setSelectedSegment(segment);
    emit activated(segment);
}

int TKSegmentedControl::nextEnabledSegment(int from, int step) const {
    for (int i = from + step; isValidSegment(i); i += step) {
        if (m_segments[i].enabled) {
            return i;
        }
    }
    return -1;
}

void TKSegmentedControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressedSegment = segmentAt(event->position().toPoint());
    update();
}

void TKSegmentedControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int pressed = m_pressedSegment;
    m_pressedSegment = -1;
    update();
    // Like a button: the choice counts only when released over the segment
    // that was pressed, so the user can still back out by dragging away.
    if (pressed >= 0 && segmentAt(event->position().toPoint()) == pressed) {
        choose(pressed);
    }
}

void TKSegmentedControl::keyPressEvent(QKeyEvent* event) {
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Left:
        target = nextEnabledSegment(m_selectedSegment < 0 ? segmentCount() : m_selectedSegment, -1);
        break;
    case Qt::Key_Right:
        target = nextEnabledSegment(m_selectedSegment, 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (target >= 0) {
        choose(target);
    }
}

void TKSegmentedControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(bounds, cornerRadius, cornerRadius);
    painter.fillPath(outline, trackColor);

    painter.save();
    painter.setClipPath(outline);
    for (int i = 0; i < segmentCount(); ++i) {
        const QRect area = segmentRect(i);
        if (i == m_selectedSegment) {
            painter.fillRect(area, isEnabled() ? selectedColor : selectedColor.darker(160));
        } else if (i == m_pressedSegment) {
            painter.fillRect(area, pressedColor);
        }
        if (i > 0 && i != m_selectedSegment && i - 1 != m_selectedSegment) {
            painter.setPen(QPen(dividerColor, 1));
            painter.drawLine(QPointF(area.left() + 0.5, area.top() + 5),
                             QPointF(area.left() + 0.5, area.bottom() - 4));
        }
        QColor labelColor = textColor;
        if (!isEnabled() || !m_segments[i].enabled) {
            labelColor = disabledTextColor;
        } else if (i == m_selectedSegment) {
            labelColor = selectedTextColor;
        }
        painter.setPen(labelColor);
        const QString label =
            fontMetrics().elidedText(m_segments[i].label, Qt::ElideRight, area.width() - 8);
        painter.drawText(area, Qt::AlignCenter, label);
    }
    painter.restore();

    painter.setPen(QPen(hasFocus() ? selectedColor.lighter(120) : borderColor, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
}
