#include "app/translations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumora::translations {

namespace {

// Qt's Slovak translations leave the standard dialog buttons in English ("Cancel" in
// every file dialog): they are answered here when the loaded translations have none.
class StandardButtons : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char * = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "QPlatformTheme") != 0)
            return QString();
        static const QHash<QByteArray, QString> texts{
            {"OK", QStringLiteral("OK")},
            {"Save", QStringLiteral("Uložiť")},
            {"Save All", QStringLiteral("Uložiť všetko")},
            {"Open", QStringLiteral("Otvoriť")},
            {"&Yes", QStringLiteral("&Áno")},
            {"Yes to &All", QStringLiteral("Áno &všetkým")},
            {"&No", QStringLiteral("&Nie")},
            {"N&o to All", QStringLiteral("N&ie všetkým")},
            {"Abort", QStringLiteral("Prerušiť")},
            {"Retry", QStringLiteral("Skúsiť znova")},
            {"Ignore", QStringLiteral("Ignorovať")},
            {"Close", QStringLiteral("Zavrieť")},
            {"Cancel", QStringLiteral("Zrušiť")},
            {"Discard", QStringLiteral("Zahodiť")},
            {"Help", QStringLiteral("Pomocník")},
            {"Apply", QStringLiteral("Použiť")},
            {"Reset", QStringLiteral("Obnoviť")},
            {"Restore Defaults", QStringLiteral("Obnoviť predvolené")},
        };
        return texts.value(QByteArray(sourceText));
    }
};

bool load(QTranslator &translator, const QLocale &locale)
{
    return translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace

QLocale::Language install(const QLocale &locale)
{
    // One set of translators for the whole run, replaced when called again.
    static QTranslator *translator = nullptr;
    static QTranslator *buttons = nullptr;
    for (QTranslator **installed : {&translator, &buttons}) {
        if (*installed) {
            QCoreApplication::removeTranslator(*installed);
            delete *installed;
            *installed = nullptr;
        }
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
    // The one installed last is asked first: the buttons only where Qt's own are silent.
    if (used.language() == QLocale::Slovak) {
        buttons = new StandardButtons(QCoreApplication::instance());
        QCoreApplication::installTranslator(buttons);
    }
    QCoreApplication::installTranslator(translator);
    return used.language();
}

} // namespace lumora::translations
