#pragma once

#include <QColor>
#include <QWidget>

// A plain area of one colour. Without a colour (an invalid QColor) it draws
// nothing of its own and what lies behind shows through.
class TKColorBackgroundView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)

public:
    explicit TKColorBackgroundView(QWidget* parent = nullptr);

    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_backgroundColor;
};
