#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumora::translations {

namespace {

bool load(QTranslator &translator, const QLocale &locale)
{
    return translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace

QLocale::Language install(const QLocale &locale)
{
    // One translator for the whole run, replaced when called again.
    static QTranslator *translator = nullptr;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translator = new QTranslator(QCoreApplication::instance());
    // Qt's texts are written in English: an English locale needs nothing.
    if (locale.language() == QLocale::English)
        return QLocale::English;
    QLocale used = locale;
    if (!load(*translator, used)) {
        used = QLocale(QLocale::Slovak, QLocale::Slovakia);
        if (!load(*translator, used))
            return QLocale::English;
    }
    QCoreApplication::installTranslator(translator);
    return used.language();
}

} // namespace lumora::translations
