#include "app/translations.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumora::translations {

namespace {

// Qt's Slovak translations leave some texts in English: the standard dialog buttons
// ("Cancel" in every file dialog), the print dialog's page choice and a file dialog's
// "Folder". They are answered here when the loaded translations have none.
class MissingSlovak : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char * = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "QPlatformTheme") != 0)
            return dialogText(context, sourceText);
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

private:
    static QString dialogText(const char *context, const char *sourceText)
    {
        static const QList<QByteArray> contexts{"QPrintDialog",     "QPrintSettingsOutput",
                                                "QUnixPrintWidget", "QAbstractFileIconProvider",
                                                "QFileSystemModel", "QFileDialog"};
        if (!contexts.contains(QByteArray(context)))
            return QString();
        static const QHash<QByteArray, QString> texts{
            {"Pages", QStringLiteral("Strany")},
            {"Page Set:", QStringLiteral("Výber strán:")},
            {"All Pages", QStringLiteral("Všetky strany")},
            {"Odd Pages", QStringLiteral("Nepárne strany")},
            {"Even Pages", QStringLiteral("Párne strany")},
            {"Current Page", QStringLiteral("Aktuálna strana")},
            {"Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
             "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
             QStringLiteral("Zadajte strany alebo rozsahy strán oddelené čiarkami. Rozsah sú dve čísla spojené "
                            "pomlčkou. Napríklad 3,5-7,9 vytlačí strany 3, 5, 6, 7 a 9.")},
            {"Folder", QStringLiteral("Priečinok")},
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
    // The one installed last is asked first: these texts only where Qt's own are silent.
    if (used.language() == QLocale::Slovak) {
        buttons = new MissingSlovak(QCoreApplication::instance());
        QCoreApplication::installTranslator(buttons);
    }
    QCoreApplication::installTranslator(translator);
    return used.language();
}

} // namespace lumora::translations
