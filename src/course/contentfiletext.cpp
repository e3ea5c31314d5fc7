#include "course/contentfiletext.h"

namespace lumora::course {

namespace {
char16_t upperAscii(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

bool isBlank(QChar c)
{
    return c.unicode() <= 0x20;
}
} // namespace

QString asciiUpper(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        dst[i] = QChar(upperAscii(text[i].unicode()));
    return out;
}

bool sameIgnoringCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (upperAscii(a[i].unicode()) != upperAscii(b[i].unicode()))
            return false;
    }
    return true;
}

bool containsIgnoringCase(QStringView text, QStringView part)
{
    return asciiUpper(text).contains(asciiUpper(part));
}

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin).toString();
}

QString replaceAfterFirstDot(QStringView name, QStringView extension)
{
    const qsizetype dot = name.indexOf(u'.');
    QString result = name.first(dot + 1).toString();
    result.append(extension);
    return result;
}

} // namespace lumora::course
