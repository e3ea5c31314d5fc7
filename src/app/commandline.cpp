#include "app/commandline.h"

#include "course/contentfileitems.h"
#include "info/infotexts.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace lumora::commandline {

namespace {

// Options the toolkit reads itself; they may come first.
bool isToolkitOption(QString option)
{
    if (option.startsWith(QLatin1String("--")))
        option.remove(0, 1);
    static const QStringList toolkit = {QStringLiteral("-platform"),
                                        QStringLiteral("-platformpluginpath"),
                                        QStringLiteral("-platformtheme"),
                                        QStringLiteral("-plugin"),
                                        QStringLiteral("-style"),
                                        QStringLiteral("-stylesheet"),
                                        QStringLiteral("-reverse"),
                                        QStringLiteral("-session"),
                                        QStringLiteral("-display"),
                                        QStringLiteral("-geometry"),
                                        QStringLiteral("-qwindowgeometry"),
                                        QStringLiteral("-qwindowtitle"),
                                        QStringLiteral("-qwindowicon"),
                                        QStringLiteral("-widgetcount"),
                                        QStringLiteral("-nograb"),
                                        QStringLiteral("-dograb"),
                                        QStringLiteral("-sync")};
    return toolkit.contains(option.section(QLatin1Char('='), 0, 0));
}

// Whether a file can be a screen's content file: readable text, without the control
// bytes that pictures, documents and programs are full of (a content file holds lines of
// Windows-1250 or UTF-8 text, at most with tabs and an old end-of-file mark).
bool looksLikeContentFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 Sample = 64 * 1024;
    const QByteArray head = file.read(Sample);
    return std::none_of(head.begin(), head.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != 0x0c && byte != 0x1a;
    });
}

QString usage()
{
    return QString::fromUtf8("Použitie: lumora [VOĽBA]\n"
                             "          lumora PRIEČINOK-S-KURZAMI\n"
                             "          lumora OBSAHOVÝ-SÚBOR [SLOVÁ NADPISU...]\n"
                             "\n"
                             "Lumora je prehrávač výukových kurzov na samoštúdium. Otvorí programový adresár\n"
                             "(zadaný ako parameter, inak aktuálny adresár): každý jeho podadresár je jeden\n"
                             "kurz a CONFIG.TXT v ňom určuje texty a nastavenia.\n"
                             "\n"
                             "S cestou k obsahovému súboru obrazovky a slovami nadpisu ukáže len tú jednu\n"
                             "obrazovku (vyhľadávacie okno).\n"
                             "\n"
                             "  -h, --help     vypíše tento návod a skončí\n"
                             "      --version  vypíše verziu programu a skončí\n"
                             "      --last     otvorí naposledy použitý programový adresár (položka v ponuke)\n");
}

Decision decidePath(Decision decision, const QString &currentFolder)
{
    const QString first = decision.arguments.first();
    const QString path = paths::resolve(QDir(currentFolder).absoluteFilePath(paths::fromCourse(first)));
    if (paths::folderExists(path)) {
        // The folder stands in for the current folder; the words after it keep their
        // places, so the window is an ordinary player, not a search window.
        decision.programFolder = QDir::cleanPath(path);
        decision.arguments.first().clear();
        return decision;
    }
    // Only a content file opens a search window: any other file would show an empty one.
    if (paths::fileExists(path)) {
        if (course::itemKind(paths::fileName(path)) == course::ItemKind::Screen && looksLikeContentFile(path))
            return decision;
        return {Action::BadPath,
                QStringLiteral("lumora: „%1“ nie je obsahový súbor kurzu (textový súbor s tlačidlami a textom "
                               "obrazovky; pomoc: lumora --help)\n")
                    .arg(first),
                {},
                false,
                {}};
    }
    return {Action::BadPath,
            QStringLiteral("lumora: „%1“ nie je priečinok s kurzami ani obsahový súbor (pomoc: lumora --help)\n")
                .arg(first),
            {},
            false,
            {}};
}

} // namespace

Decision decide(const QStringList &arguments, const QString &currentFolder)
{
    Decision decision;
    decision.arguments = arguments;
    if (arguments.isEmpty())
        return decision;
    // "--" ends the options: what follows is a folder or a file even when it begins
    // with "-".
    if (arguments.first() == QLatin1String("--")) {
        decision.arguments.removeFirst();
        if (decision.arguments.isEmpty())
            return decision;
        return decidePath(decision, currentFolder);
    }
    const QString first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h"))
        return {Action::Help, usage(), {}, false, {}};
    if (first == QLatin1String("--version"))
        return {Action::Version, QStringLiteral("lumora ") + info::version() + QLatin1Char('\n'), {}, false, {}};
    if (first == QLatin1String("--last")) {
        decision.lastFolder = true;
        decision.arguments.removeFirst();
        return decision;
    }
    if (first.startsWith(QLatin1Char('-'))) {
        if (isToolkitOption(first))
            return decision;
        return {Action::UnknownOption,
                QStringLiteral("lumora: neznáma voľba „%1“ (pomoc: lumora --help)\n").arg(first),
                {},
                false,
                {}};
    }
    return decidePath(decision, currentFolder);
}

} // namespace lumora::commandline
