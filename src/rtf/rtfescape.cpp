#include "rtf/rtfescape.h"

#include "rtf/rtfcharacters.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <memory>

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

std::unique_ptr<PieceTable> asciiTable()
{
    auto t = std::make_unique<PieceTable>();
    for (int c = 0x20; c < 0x7F; ++c) {
        if (c != '\\' && c != '{' && c != '}')
            (*t)[size_t(c)] = Piece{{char(c)}, 1};
    }
    return t;
}

// Printable ASCII only: every other character goes out as "\uN?".
const PieceTable &asciiPieces()
{
    static const std::unique_ptr<PieceTable> table = asciiTable();
    return *table;
}

const PieceTable &pieces()
{
    static const std::unique_ptr<PieceTable> table = [] {
        auto t = asciiTable();
        // The upper half of Windows-1250, the code page the header announces.
        QStringDecoder decode("windows-1250", QStringConverter::Flag::Stateless);
        QStringEncoder encode("windows-1250", QStringConverter::Flag::Stateless);
        for (int b = 0x80; b < 0x100; ++b) {
            const char byte = char(b);
            const QString ch = decode(QByteArrayView(&byte, 1));
            if (ch.size() != 1 || ch[0].unicode() < 0x80 || ch[0].unicode() == 0xA0 || ch[0].unicode() == 0xAD
                || QByteArray(encode(ch)) != QByteArrayView(&byte, 1))
                continue;
            (*t)[ch[0].unicode()] = Piece{{'\\', '\'', hexDigits[b >> 4], hexDigits[b & 0xF]}, 4};
        }
        return t;
    }();
    return *table;
}

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

// Writes the pieces of the units from s on, up to stop or the first unit that has
// none, and tells where it stopped. Every unit takes the same few steps whatever it
// is, and the only branch on the text is the rarely taken stop. Lesson text has a
// letter of the code page's upper half every few characters, so splitting it into
// plain runs costs more in mispredicted branches than copying the runs saves.
inline const char16_t *putPieces(const PieceTable &table, const char16_t *s, const char16_t *stop, char *&p)
{
    for (; s != stop; ++s) {
        const Piece &piece = table[*s];
        if (piece.length == 0)
            break;
        std::memcpy(p, piece.bytes, 4);
        p += piece.length;
    }
    return s;
}

char *putWord(char *p, const char *w)
{
    while (*w)
        *p++ = *w++;
    return p;
}

} // namespace

void TextEscaper::setWindows1250(bool on)
{
    m_pieces = on ? &pieces() : &asciiPieces();
}

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
    // Text goes in pieces that the room left holds even at their longest, so the
    // buffer grows only when the output itself needs it.
    while (!text.isEmpty()) {
        const qsizetype fits = qMin(text.size(), (m_size - m_used - 1) / MaxBytesPerUnit);
        if (fits <= 0) {
            grow(1 + qMin(text.size(), qsizetype(4096)) * MaxBytesPerUnit);
            continue;
        }
        escape(text.first(fits));
        text = text.sliced(fits);
    }
}

void TextEscaper::escape(QStringView text)
{
    // Everything stays in locals: the compiler keeps them in registers although the
    // loop writes bytes (which could alias any member).
    const PieceTable &table = *static_cast<const PieceTable *>(m_pieces);
    char *p = m_data + m_used;
    const char16_t *s = text.utf16();
    const char16_t *const end = s + text.size();
    bool needSpace = m_needSpace;
    while (s != end) {
        if (!needSpace) {
            s = putPieces(table, s, end, p);
            if (s == end)
                break;
        }
        const char16_t c = *s++;
        const Piece &piece = table[c];
        if (piece.length != 0) {
            // Reached with a piece only right after a control word (without one, such
            // units went out above): a plain character needs the word's delimiting
            // space first.
            if (piece.length == 1)
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
