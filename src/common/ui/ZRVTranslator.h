#pragma once

#include <QTranslator>

// The "InfoPlist" text table. A key without a text reads as empty text rather
// than as the key itself, so an untranslated key never shows its dotted name.
class ZRVTranslator : public QTranslator {
    Q_OBJECT

public:
    static constexpr const char* kContext = "InfoPlist";

    explicit ZRVTranslator(QObject* parent = nullptr);

    // Loads the table of a language ("en", "ko", "ko-KR"...); an unknown
    // language falls back to English.
    bool loadLanguage(const QString& language);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    QTranslator m_table;
};
