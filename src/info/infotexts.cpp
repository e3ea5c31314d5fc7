#include "info/infotexts.h"

#include "config/keys.h"

#include <iterator>

namespace lumora::info {

namespace {

// The key mixed into the character at position i of the plain text.
char16_t key(qsizetype i)
{
    return char16_t(0x40 | ((0x1F + 11 * i) & 0x3F));
}

// "autori@lumora.sk", scrambled.
constexpr char16_t StoredAddress[] = {0x2F, 0x0A, 0x40, 0x02, 0x2A, 0x22, 0x2F, 0x02,
                                      0x00, 0x21, 0x3F, 0x39, 0x2F, 0x01, 0x1F, 0x3E};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

QString version()
{
    return QStringLiteral(LUMORA_VERSION);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype cut = text.indexOf(QLatin1Char(';')); cut >= 0; cut = text.indexOf(QLatin1Char(';'), start)) {
        lines << text.mid(start, cut - start);
        start = cut + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

QString aboutText()
{
    return QStringLiteral("LUMORA ") + version()
        + text(";program pre samoštúdium;;"
               "Autorské práva k programu Lumora patria jeho autorom.;"
               "Kurzy, ich texty a obrázky patria autorom kurzov.;;"
               "Bližšie informácie:");
}

QString scramble(const QString &plain)
{
    QString out(plain.size(), QChar());
    for (qsizetype i = 0; i < plain.size(); ++i)
        out[plain.size() - 1 - i] = QChar(char16_t(plain.at(i).unicode() ^ key(i)));
    return out;
}

QString unscramble(const QString &scrambled)
{
    QString out(scrambled.size(), QChar());
    for (qsizetype i = 0; i < scrambled.size(); ++i)
        out[i] = QChar(char16_t(scrambled.at(scrambled.size() - 1 - i).unicode() ^ key(i)));
    return out;
}

QString authorsAddress()
{
    return unscramble(QString::fromUtf16(StoredAddress, qsizetype(std::size(StoredAddress))));
}

QString feedbackText()
{
    return text("LUMORA\nprogram pre samoštúdium\n\nAutori programu Lumora\n\n"
                "Pripomienky, odkazy, návrhy, ohlasy posielajte prosím na mailovú adresu:");
}

QString feedbackOther()
{
    return text("Prípadne na adresu:");
}

QString feedbackAddress()
{
    return text("https://www.lumora.sk\n\nĎ A K U J E M E ...");
}

std::array<CreditRow, 5> creditRows()
{
    return {{
        {&keys::Copyright1Label, &keys::Copyright1Www},
        {&keys::Copyright2Label, &keys::Copyright2Www},
        {&keys::Copyright3Label, &keys::Copyright3Www},
        {&keys::Copyright4Label, &keys::Copyright4Www},
        {&keys::Copyright5Label, &keys::Copyright5Www},
    }};
}

std::array<const TextKey *, 3> extraCreditKeys()
{
    return {&keys::CopyrightAnother1Label, &keys::CopyrightAnother2Label, &keys::CopyrightAnother3Label};
}

QStringList trademarkNotice()
{
    return {QString(),
            text("Názvy produktov a firiem, ktoré sú v ukážkach používané, "),
            text("sú alebo môžu byť ochranné známky, alebo registrované ochranné "),
            text("známky svojich vlastníkov. "),
            QString(),
            text("Autori ich používajú s plným vedomím a rešpektovaním ich vlastníctva.")};
}

} // namespace lumora::info
