#pragma once

#include <QCoreApplication>
#include <QString>

// The text of a key of the "InfoPlist" table (empty when the table lacks it).
inline QString localized(const char* key) {
    return QCoreApplication::translate("InfoPlist", key);
}

// A key's text with its one "%d" filled in.
inline QString localizedNumber(const char* key, int number) {
    return localized(key).replace(QLatin1String("%d"), QString::number(number));
}

// A format shown as it stands ("3(%@)") with its "%@" filled by a key's text.
inline QString filledWithLocalized(const char* format, const char* key) {
    return QString::fromUtf8(format).replace(QLatin1String("%@"), localized(key));
}
