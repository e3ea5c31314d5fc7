#include "platform/accesskeys.h"

namespace lumora::accesskeys {

QString withAccessKey(const QString &caption, const QString &builtIn)
{
    if (caption.contains(QLatin1Char('&')))
        return caption;
    const qsizetype mark = builtIn.indexOf(QLatin1Char('&'));
    if (mark < 0 || mark + 1 >= builtIn.size())
        return caption;
    const QChar letter = builtIn.at(mark + 1).toLower();
    qsizetype at = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i).toLower() != letter)
            continue;
        if (i == 0 || caption.at(i - 1).isSpace()) {
            at = i;
            break;
        }
        if (at < 0)
            at = i;
    }
    if (at < 0)
        return caption;
    QString out = caption;
    out.insert(at, QLatin1Char('&'));
    return out;
}

QString withoutAccessKey(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 >= caption.size())
                break; // a marker with no letter after it
            ++i;       // the letter it marks, or the second "&" of "&&"
        }
        out += caption.at(i);
    }
    return out;
}

} // namespace lumora::accesskeys
