#include "app/ui/ZRVLanguageDefaults.h"

#include "common/ui/ZRVLog.h"

QStringList ZRVLanguageDefaults::preferredLanguages(const QSettings& settings,
                                                    const QStringList& systemLanguages) {
    const QStringList stored = settings.value(QLatin1String(kKey)).toStringList();
    return stored.isEmpty() ? systemLanguages : stored;
}

void ZRVLanguageDefaults::applicationDidFinishLaunching(QSettings& settings,
                                                        const QStringList& systemLanguages) {
    for (const QString& language : preferredLanguages(settings, systemLanguages)) {
        qCInfo(zorvaPlayer).noquote() << QStringLiteral("SUPPORT_LANGUAGE=%1").arg(language);
    }
    settings.setValue(QLatin1String(kKey), QStringList{QStringLiteral("en")});
}
