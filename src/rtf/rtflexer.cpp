#include "rtf/rtflexer.h"

#include <QtAlgorithms>

#include <array>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumora::rtf {

namespace {

// Bytes that end a run of plain text: the three syntax characters and every control
// character (line ends are not text in rich text; a tab is a token of its own).
constexpr std::array<bool, 256> textStops = [] {
    std::array<bool, 256> stops{};
    for (int b = 0; b < 0x20; ++b)
        stops[size_t(b)] = true;
    stops[size_t('\\')] = stops[size_t('{')] = stops[size_t('}')] = true;
    return stops;
}();

// Where the run of plain text starting at in[pos] ends (at n at the latest).
qsizetype textRunEnd(const char *in, qsizetype pos, qsizetype n)
{
#if defined(__SSE2__)
    // Sixteen bytes at a time: a stop is "\\", "{", "}" or a byte below 0x20.
    const __m128i backslash = _mm_set1_epi8('\\');
    const __m128i open = _mm_set1_epi8('{');
    const __m128i close = _mm_set1_epi8('}');
    const __m128i lastControl = _mm_set1_epi8(0x1F);
    while (n - pos >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + pos));
        const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(bytes, lastControl), bytes);
        const __m128i syntax = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, backslash), _mm_cmpeq_epi8(bytes, open)),
                                            _mm_cmpeq_epi8(bytes, close));
        const unsigned stops = unsigned(_mm_movemask_epi8(_mm_or_si128(control, syntax)));
        if (stops != 0)
            return pos + qCountTrailingZeroBits(stops);
        pos += 16;
    }
#endif
    while (pos < n && !textStops[uchar(in[pos])])
        ++pos;
    return pos;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

// The scanning loops work on local copies of the position and the bytes: the compiler
// then keeps them in registers (a byte read could otherwise alias the members).

Token Lexer::next()
{
    const char *const in = m_in.data();
    const qsizetype n = m_in.size();
    qsizetype pos = m_pos;
    while (pos < n) {
        const char c = in[pos];
        if (!textStops[uchar(c)]) {
            const qsizetype start = pos;
            pos = textRunEnd(in, pos + 1, n);
            m_pos = pos;
            Token t{Token::Kind::Text};
            t.text = QByteArrayView(in + start, pos - start);
            return t;
        }
        ++pos;
        switch (c) {
        case '{': m_pos = pos; return {Token::Kind::GroupStart};
        case '}': m_pos = pos; return {Token::Kind::GroupEnd};
        case '\\': m_pos = pos; return escape();
        case '\t': m_pos = pos; return {Token::Kind::Tab};
        default: break; // other control characters are no text
        }
    }
    m_pos = pos;
    return {};
}

void Lexer::appendText(std::string &out)
{
    const char *const in = m_in.data();
    const qsizetype n = m_in.size();
    qsizetype pos = m_pos;
    while (pos < n) {
        const char c = in[pos];
        if (!textStops[uchar(c)]) {
            const qsizetype start = pos;
            pos = textRunEnd(in, pos + 1, n);
            out.append(in + start, size_t(pos - start));
        } else if (c == '\\' && pos + 3 < n && in[pos + 1] == '\'') {
            const int high = hexValue(in[pos + 2]);
            const int low = hexValue(in[pos + 3]);
            if (high < 0 || low < 0)
                break;
            out.push_back(char(high * 16 + low));
            pos += 4;
        } else if (c == '\r' || c == '\n') {
            ++pos;
        } else {
            break;
        }
    }
    m_pos = pos;
}

Token Lexer::escape()
{
    const char *const in = m_in.data();
    const qsizetype n = m_in.size();
    qsizetype pos = m_pos;
    if (pos >= n)
        return {};
    const char c = in[pos];
    if (isLetter(c))
        return word();
    ++pos;
    Token t{Token::Kind::Symbol};
    t.symbol = (c == '\r' || c == '\n') ? '\n' : c;
    if (c == '\'') {
        int value = 0;
        int digits = 0;
        for (int h; digits < 2 && pos < n && (h = hexValue(in[pos])) >= 0; ++pos, ++digits)
            value = value * 16 + h;
        if (digits > 0) {
            t.kind = Token::Kind::HexByte;
            t.symbol = char(value);
        }
    }
    m_pos = pos;
    return t;
}

Token Lexer::word()
{
    const char *const in = m_in.data();
    const qsizetype n = m_in.size();
    qsizetype pos = m_pos;
    const qsizetype start = pos;
    while (pos < n && isLetter(in[pos]))
        ++pos;
    Token t{Token::Kind::Word};
    t.text = QByteArrayView(in + start, qMin<qsizetype>(pos - start, MaxWordLength));

    bool negative = false;
    if (pos + 1 < n && in[pos] == '-' && isDigit(in[pos + 1])) {
        negative = true;
        ++pos;
    }
    if (pos < n && isDigit(in[pos])) {
        // Every digit is consumed; the value stops growing at the int limit.
        constexpr qint64 limit = std::numeric_limits<int>::max();
        qint64 value = 0;
        while (pos < n && isDigit(in[pos])) {
            value = qMin(value * 10 + (in[pos] - '0'), limit);
            ++pos;
        }
        t.hasParam = true;
        t.param = int(negative ? -value : value);
    }
    if (pos < n && in[pos] == ' ')
        ++pos;

    if (t.text.size() == 3 && t.text[0] == 'b' && t.text[1] == 'i' && t.text[2] == 'n') {
        // Raw bytes follow; a length beyond the input takes what is left.
        const qsizetype length = qBound(qsizetype(0), qsizetype(t.param), n - pos);
        Token data{Token::Kind::Binary};
        data.text = QByteArrayView(in + pos, length);
        m_pos = pos + length;
        return data;
    }
    m_pos = pos;
    return t;
}

int Lexer::skipGroup()
{
    const qsizetype n = m_in.size();
    qsizetype depth = 1;
    while (m_pos < n) {
        const char c = m_in[m_pos++];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0)
                return 0;
        } else if (c == '\\' && m_pos < n) {
            if (isLetter(m_in[m_pos]))
                word(); // consumes "\binN" data, so braces inside it are not counted
            else
                ++m_pos;
        }
    }
    return int(qMin<qsizetype>(depth, 1 << 20));
}

} // namespace lumora::rtf
