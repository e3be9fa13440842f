#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

// A row of mutually exclusive choices with at most one selected. Selecting an
// index outside the row clears the selection: a stored setting beyond the
// choices a page offers then shows no choice rather than a wrong one.
class TKSegmentedControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int selectedSegment READ selectedSegment WRITE setSelectedSegment NOTIFY
                   selectedSegmentChanged)

public:
    explicit TKSegmentedControl(QWidget* parent = nullptr);

    int segmentCount() const { return static_cast<int>(m_segments.size()); }
    // New segments have empty labels; removing segments drops a selection
    // that no longer exists.
    void setSegmentCount(int count);
    void setLabels(const QStringList& labels);
    // Empty outside the row.
    QString label(int segment) const;
    void setEnabled(bool enabled, int segment);
    bool isEnabledForSegment(int segment) const;

    // -1 when nothing is selected.
    int selectedSegment() const { return m_selectedSegment; }
    void setSelectedSegment(int segment);

    QRect segmentRect(int segment) const;
    // -1 outside every segment.
    int segmentAt(const QPoint& position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void selectedSegmentChanged(int segment);
    // Only for choices the user makes, by pointer or keyboard.
    void activated(int segment);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Segment {
        QString label;
        bool enabled = true;
    };

    bool isValidSegment(int segment) const { return segment >= 0 && segment < segmentCount(); }
    void choose(int segment);
    int nextEnabledSegment(int from, int step) const;

    QVector<Segment> m_segments;
    int m_selectedSegment = -1;
    int m_pressedSegment = -1;
};
