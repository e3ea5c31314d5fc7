#include "app/commandline.h"

#include "info/infotexts.h"

namespace lumora::commandline {

namespace {

// Options the toolkit reads itself; they may come first.
bool isToolkitOption(QString option)
{
    if (option.startsWith(QLatin1String("--")))
        option.remove(0, 1);
    static const QStringList toolkit = {
        QStringLiteral("-platform"), QStringLiteral("-platformpluginpath"), QStringLiteral("-platformtheme"),
        QStringLiteral("-plugin"), QStringLiteral("-style"), QStringLiteral("-stylesheet"),
        QStringLiteral("-reverse"), QStringLiteral("-session"), QStringLiteral("-display"),
        QStringLiteral("-geometry"), QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowtitle"),
        QStringLiteral("-qwindowicon"), QStringLiteral("-widgetcount"), QStringLiteral("-nograb"),
        QStringLiteral("-dograb"), QStringLiteral("-sync")};
    return toolkit.contains(option.section(QLatin1Char('='), 0, 0));
}

QString usage()
{
    return QString::fromUtf8(
        "Použitie: lumora [VOĽBA]\n"
        "          lumora OBSAHOVÝ-SÚBOR [SLOVÁ NADPISU...]\n"
        "\n"
        "Lumora je prehrávač výukových kurzov na samoštúdium. Spustite ho v programovom\n"
        "adresári: každý jeho podadresár je jeden kurz a CONFIG.TXT v ňom určuje texty\n"
        "a nastavenia.\n"
        "\n"
        "S cestou k obsahovému súboru obrazovky a slovami nadpisu ukáže len tú jednu\n"
        "obrazovku (vyhľadávacie okno).\n"
        "\n"
        "  -h, --help     vypíše tento návod a skončí\n"
        "      --version  vypíše verziu programu a skončí\n");
}

} // namespace

Decision decide(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return {};
    const QString first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h"))
        return {Action::Help, usage()};
    if (first == QLatin1String("--version"))
        return {Action::Version, QStringLiteral("lumora ") + info::version() + QLatin1Char('\n')};
    if (first.startsWith(QLatin1Char('-')) && !isToolkitOption(first))
        return {Action::UnknownOption,
                QStringLiteral("lumora: neznáma voľba „%1“ (pomoc: lumora --help)\n").arg(first)};
    return {};
}

} // namespace lumora::commandline
