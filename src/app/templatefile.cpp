#include "app/templatefile.h"

#include "platform/errors.h"
#include "platform/textfile.h"

namespace lumora::windowtemplate {

QString escape(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        default:
            if (c.unicode() < 0x20 || !textfile::encodable(QStringView(&c, 1)))
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out;
}

QString unescape(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        if (next == QLatin1Char('n')) {
            out += QLatin1Char('\n');
        } else if (next == QLatin1Char('r')) {
            out += QLatin1Char('\r');
        } else if (next == QLatin1Char('u') && i + 4 < value.size()) {
            bool ok = false;
            const ushort code = value.mid(i + 1, 4).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 4;
            } else {
                out += next;
            }
        } else {
            out += next;
        }
    }
    return out;
}

QStringList toLines(const QList<Property> &properties)
{
    QStringList lines{QString::fromLatin1(Header)};
    for (const Property &p : properties)
        lines.append(p.object + QLatin1Char('.') + p.name + QLatin1Char('=') + escape(p.value));
    return lines;
}

QList<Property> fromLines(const QStringList &lines, const QString &fileName)
{
    if (lines.isEmpty() || lines.first() != QLatin1String(Header))
        throw FileFormatError(QStringLiteral("'%1' is not a valid window template").arg(fileName));
    QList<Property> properties;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const qsizetype dot = line.left(eq).indexOf(QLatin1Char('.'));
        if (dot <= 0 || dot + 1 >= eq)
            continue;
        properties.append({line.left(dot), line.mid(dot + 1, eq - dot - 1), unescape(line.mid(eq + 1))});
    }
    return properties;
}

void save(const QString &path, const QList<Property> &properties)
{
    textfile::writeLines(path, toLines(properties));
}

QList<Property> load(const QString &path)
{
    return fromLines(textfile::readLines(path), path);
}

} // namespace lumora::windowtemplate
