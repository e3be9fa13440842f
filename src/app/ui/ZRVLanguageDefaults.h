#pragma once

#include <QSettings>
#include <QStringList>

// The "AppleLanguages" user default: the languages the user prefers are
// logged at launch, and from the next launch on the application runs in
// English.
class ZRVLanguageDefaults {
public:
    static constexpr const char* kKey = "AppleLanguages";

    // The language list to use for this run: the stored list, else the
    // system's preferred languages.
    static QStringList preferredLanguages(const QSettings& settings,
                                          const QStringList& systemLanguages);
    // Logs each preferred language and stores English for the next launch.
    static void applicationDidFinishLaunching(QSettings& settings,
                                              const QStringList& systemLanguages);
};
