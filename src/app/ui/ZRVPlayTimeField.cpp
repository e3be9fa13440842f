#include "app/ui/ZRVPlayTimeField.h"

#include <QFont>
#include <QFontMetrics>

ZRVPlayTimeField::ZRVPlayTimeField(QWidget* parent) : QLabel(parent) {
    QFont digits(QStringLiteral("DejaVu Sans Mono"));
    digits.setStyleHint(QFont::Monospace);
    digits.setPixelSize(11);
    setFont(digits);
    setStyleSheet(QStringLiteral("color: #d5dbe3;"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMinimumWidth(QFontMetrics(digits).horizontalAdvance(QStringLiteral("00:00 / 00:00")));
}
