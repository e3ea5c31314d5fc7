#include "text/rtfescape.h"

#include "platform/textfile.h"
#include "text/rtfcharacters.h"

#include <array>
#include <memory>

namespace lumora::rtf {

namespace {

// For every UTF-16 unit its Windows-1250 byte, 0 when the code page lacks it. Only the
// upper half is filled: ASCII is written as itself.
using CodePageTable = std::array<uchar, 0x10000>;

const CodePageTable &windows1250()
{
    static const std::unique_ptr<CodePageTable> table = [] {
        auto t = std::make_unique<CodePageTable>();
        t->fill(0);
        for (int b = 0x80; b < 0x100; ++b) {
            const char byte = char(b);
            const QString ch = textfile::decode(QByteArrayView(&byte, 1));
            if (ch.size() == 1 && ch[0].unicode() >= 0x80 && textfile::encode(ch) == QByteArrayView(&byte, 1))
                (*t)[ch[0].unicode()] = uchar(b);
        }
        return t;
    }();
    return *table;
}

constexpr char hexDigits[] = "0123456789abcdef";

} // namespace

void appendNumber(QByteArray &out, int value)
{
    char digits[12];
    int n = 0;
    unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        out.append('-');
    while (n > 0)
        out.append(digits[--n]);
}

void TextEscaper::word(const char *w)
{
    m_out.append(w);
    m_needSpace = true;
}

void TextEscaper::word(const char *w, int parameter)
{
    m_out.append(w);
    appendNumber(m_out, parameter);
    m_needSpace = true;
}

void TextEscaper::newline()
{
    m_out.append("\r\n");
    m_needSpace = false;
}

void TextEscaper::text(QStringView text)
{
    append(text, false);
}

void TextEscaper::fontName(QStringView name)
{
    append(name, true);
}

void TextEscaper::append(QStringView text, bool inName)
{
    const CodePageTable &table = windows1250();
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c >= 0x20 && c < 0x7F) {
            if (c == u'\\' || c == u'{' || c == u'}') {
                symbol(char(c));
            } else if (inName && c == u';') {
                escapedByte(uchar(c));
            } else {
                plain(char(c));
            }
            continue;
        }
        switch (c) {
        case u'\t': word("\\tab"); continue;
        case 0x2028: word("\\line"); continue;
        case 0x00A0: symbol('~'); continue;
        case 0x00AD: symbol('-'); continue;
        case 0x2011: symbol('_'); continue;
        default:
            break;
        }
        if (isDroppedCharacter(c))
            continue;
        if (const uchar b = table[c])
            escapedByte(b);
        else
            unicode(c);
    }
}

void TextEscaper::plain(char c)
{
    if (m_needSpace) {
        m_out.append(' ');
        m_needSpace = false;
    }
    m_out.append(c);
}

void TextEscaper::symbol(char c)
{
    const char escape[2] = {'\\', c};
    m_out.append(escape, 2);
    m_needSpace = false;
}

void TextEscaper::escapedByte(uchar b)
{
    const char escape[4] = {'\\', '\'', hexDigits[b >> 4], hexDigits[b & 0xF]};
    m_out.append(escape, 4);
    m_needSpace = false;
}

void TextEscaper::unicode(char16_t c)
{
    m_out.append("\\u");
    appendNumber(m_out, c > 0x7FFF ? int(c) - 0x10000 : int(c));
    m_out.append('?');
    m_needSpace = false;
}

} // namespace lumora::rtf
