#include "rtf/rtfescape.h"

#include "rtf/rtfcharacters.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtAlgorithms>

#include <array>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumora::rtf {

namespace {

constexpr char hexDigits[] = "0123456789abcdef";

// The most bytes one UTF-16 unit can take: "\u-32768?".
constexpr qsizetype MaxBytesPerUnit = 9;

// What a character is written as, when that is the same wherever it stands: printable
// ASCII as itself, the code page's upper half as "\'xx". Length 0 for the characters
// that need more thought (syntax characters, controls, the special spaces and hyphens,
// and everything the code page lacks).
struct Piece {
    char bytes[4] = {};
    uchar length = 0;
};

// The pieces of every UTF-16 unit.
using PieceTable = std::array<Piece, 0x10000>;

const PieceTable &pieces()
{
    static const std::unique_ptr<PieceTable> table = [] {
        auto t = std::make_unique<PieceTable>();
        for (int c = 0x20; c < 0x7F; ++c) {
            if (c != '\\' && c != '{' && c != '}')
                (*t)[size_t(c)] = Piece{{char(c)}, 1};
        }
        // The upper half of Windows-1250, the code page the header announces.
        QStringDecoder decode("windows-1250", QStringConverter::Flag::Stateless);
        QStringEncoder encode("windows-1250", QStringConverter::Flag::Stateless);
        for (int b = 0x80; b < 0x100; ++b) {
            const char byte = char(b);
            const QString ch = decode(QByteArrayView(&byte, 1));
            if (ch.size() != 1 || ch[0].unicode() < 0x80 || ch[0].unicode() == 0xA0
                || ch[0].unicode() == 0xAD || QByteArray(encode(ch)) != QByteArrayView(&byte, 1))
                continue;
            (*t)[ch[0].unicode()] = Piece{{'\\', '\'', hexDigits[b >> 4], hexDigits[b & 0xF]}, 4};
        }
        return t;
    }();
    return *table;
}

#if defined(__SSE2__)
// Writes the eight UTF-16 units at s as bytes at p and tells how many of them, from
// the first on, are plain ASCII (printable, not "\", "{", "}"): those bytes are the
// output, the rest is written over next. Text is mostly plain ASCII with a letter of
// the upper half now and then, so eight at a time pays.
int plainAsciiPrefix(const char16_t *s, char *p)
{
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s));
    // Units from 0x8000 up are negative as signed lanes, so they fail the first test.
    const __m128i printable = _mm_and_si128(_mm_cmpgt_epi16(units, _mm_set1_epi16(0x1F)),
                                            _mm_cmplt_epi16(units, _mm_set1_epi16(0x7F)));
    const __m128i syntax = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(units, _mm_set1_epi16('\\')),
                                                     _mm_cmpeq_epi16(units, _mm_set1_epi16('{'))),
                                        _mm_cmpeq_epi16(units, _mm_set1_epi16('}')));
    const __m128i plain = _mm_andnot_si128(syntax, printable);
    _mm_storel_epi64(reinterpret_cast<__m128i *>(p), _mm_packus_epi16(units, units));
    const unsigned mask = unsigned(_mm_movemask_epi8(plain));
    return mask == 0xFFFF ? 8 : int(qCountTrailingZeroBits(~mask) / 2);
}
#endif

// Writes the decimal digits of value at p.
char *putNumber(char *p, int value)
{
    char digits[12];
    int n = 0;
    unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *p++ = '-';
    while (n > 0)
        *p++ = digits[--n];
    return p;
}

char *putWord(char *p, const char *w)
{
    while (*w)
        *p++ = *w++;
    return p;
}

} // namespace

void TextEscaper::grow(qsizetype n)
{
    // The output takes all the room its buffer has and doubles that when full; finish()
    // cuts it to what was written.
    if (m_used + n > m_out.capacity())
        m_out.reserve(qMax(m_used + n, 2 * m_out.capacity() + 256));
    m_out.resize(m_out.capacity());
    m_data = m_out.data();
    m_size = m_out.size();
}

void TextEscaper::number(int value)
{
    m_used = putNumber(room(12), value) - m_data;
}

void TextEscaper::fontName(QStringView name)
{
    // ";" ends a name in the font table, so inside one it is escaped.
    for (qsizetype start = 0;;) {
        const qsizetype semicolon = name.indexOf(u';', start);
        text(name.sliced(start, (semicolon < 0 ? name.size() : semicolon) - start));
        if (semicolon < 0)
            return;
        put("\\'3b", 4);
        m_needSpace = false;
        start = semicolon + 1;
    }
}

void TextEscaper::text(QStringView text)
{
    // Everything stays in locals: the compiler keeps them in registers although the
    // loop writes bytes (which could alias any member).
    const PieceTable &table = pieces();
    char *p = room(1 + text.size() * MaxBytesPerUnit);
    const char16_t *s = text.utf16();
    const char16_t *const end = s + text.size();
    bool needSpace = m_needSpace;
    while (s != end) {
#if defined(__SSE2__)
        if (!needSpace) {
            while (end - s >= 8) {
                const int plain = plainAsciiPrefix(s, p);
                p += plain;
                s += plain;
                if (plain < 8)
                    break;
            }
            if (s == end)
                break;
        }
#endif
        const char16_t c = *s++;
        const Piece &piece = table[c];
        if (piece.length != 0) {
            // After a control word, plain text needs the word's delimiting space first.
            if (needSpace && piece.length == 1)
                *p++ = ' ';
            needSpace = false;
            std::memcpy(p, piece.bytes, 4);
            p += piece.length;
            continue;
        }
        const char *escape = nullptr;
        switch (c) {
        case u'\\': escape = "\\\\"; break;
        case u'{': escape = "\\{"; break;
        case u'}': escape = "\\}"; break;
        case u'\t': escape = "\\tab"; break;
        case 0x2028: escape = "\\line"; break;
        case 0x00A0: escape = "\\~"; break;
        case 0x00AD: escape = "\\-"; break;
        case 0x2011: escape = "\\_"; break;
        default: break;
        }
        if (escape) {
            p = putWord(p, escape);
            needSpace = c == u'\t' || c == 0x2028;
        } else if (!isDroppedCharacter(c)) {
            p = putWord(p, "\\u");
            p = putNumber(p, c > 0x7FFF ? int(c) - 0x10000 : int(c));
            *p++ = '?';
            needSpace = false;
        }
    }
    m_needSpace = needSpace;
    m_used = p - m_data;
}

} // namespace lumora::rtf
