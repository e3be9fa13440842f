#include "common/ui/ZRVTranslator.h"

ZRVTranslator::ZRVTranslator(QObject* parent) : QTranslator(parent) {}

bool ZRVTranslator::loadLanguage(const QString& language) {
    const QString code = language.left(2).toLower();
    for (const QString& candidate : {code, QStringLiteral("en")}) {
        if (m_table.load(QStringLiteral(":/i18n/zorva_") + candidate + QStringLiteral(".qm"))) {
            return true;
        }
    }
    return false;
}

QString ZRVTranslator::translate(const char* context, const char* sourceText,
                                 const char* disambiguation, int n) const {
    QString text = m_table.translate(context, sourceText, disambiguation, n);
    if (text.isNull() && qstrcmp(context, kContext) == 0) {
        return QStringLiteral("");
    }
    return text;
}
