#include "settings/ui/ZRVLocalizedMessage.h"

#include "common/ui/ZRVLocalized.h"

#include <QRegularExpression>

QString localizedMessage(const LocalizedMessage& message) {
    static const QRegularExpression conversion(QStringLiteral("%(%|(?:\\.(\\d+))?([fd]))"));
    const QString format = localized(message.key.c_str());
    QString text;
    qsizetype at = 0;
    std::size_t next = 0;
    for (auto match = conversion.globalMatch(format); match.hasNext();) {
        const auto found = match.next();
        text += format.mid(at, found.capturedStart() - at);
        at = found.capturedEnd();
        if (found.captured(1) == QLatin1String("%")) {
            text += QLatin1Char('%');
            continue;
        }
        const double value = next < message.arguments.size() ? message.arguments[next++] : 0.0;
        const bool hasPrecision = found.capturedLength(2) > 0;
        text += found.captured(3) == QLatin1String("d")
                    ? QString::number(static_cast<long long>(value))
                    : QString::number(value, 'f', hasPrecision ? found.captured(2).toInt() : 6);
    }
    return text + format.mid(at);
}
