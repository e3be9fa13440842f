#pragma once

#include <QColor>
#include <QFrame>

// A box filled with the warm grey of the application's panels; whatever it
// holds is drawn over the fill.
class CustomBackgroundBox : public QFrame {
    Q_OBJECT

public:
    explicit CustomBackgroundBox(QWidget* parent = nullptr);

    static QColor fillColor();

protected:
    void paintEvent(QPaintEvent* event) override;
};
