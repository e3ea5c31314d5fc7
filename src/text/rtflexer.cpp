#include "text/rtflexer.h"

#include <array>
#include <limits>

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

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Token Lexer::next()
{
    const qsizetype n = m_in.size();
    while (m_pos < n) {
        const char c = m_in[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            return {Token::Kind::GroupStart};
        case '}':
            ++m_pos;
            return {Token::Kind::GroupEnd};
        case '\\':
            ++m_pos;
            return escape();
        case '\t':
            ++m_pos;
            return {Token::Kind::Tab};
        default:
            break;
        }
        if (uchar(c) < 0x20) {
            ++m_pos;
            continue;
        }
        const qsizetype start = m_pos;
        while (m_pos < n && !textStops[uchar(m_in[m_pos])])
            ++m_pos;
        Token t{Token::Kind::Text};
        t.text = m_in.sliced(start, m_pos - start);
        return t;
    }
    return {};
}

Token Lexer::escape()
{
    if (m_pos >= m_in.size())
        return {};
    const char c = m_in[m_pos];
    if (isLetter(c))
        return word();
    ++m_pos;
    if (c == '\'') {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_in.size() && hexValue(m_in[m_pos]) >= 0) {
            value = value * 16 + hexValue(m_in[m_pos]);
            ++m_pos;
            ++digits;
        }
        Token t{digits == 0 ? Token::Kind::Symbol : Token::Kind::HexByte};
        t.symbol = digits == 0 ? c : char(value);
        return t;
    }
    Token t{Token::Kind::Symbol};
    t.symbol = (c == '\r' || c == '\n') ? '\n' : c;
    return t;
}

Token Lexer::word()
{
    const qsizetype n = m_in.size();
    const qsizetype start = m_pos;
    while (m_pos < n && isLetter(m_in[m_pos]))
        ++m_pos;
    Token t{Token::Kind::Word};
    t.text = m_in.sliced(start, qMin<qsizetype>(m_pos - start, MaxWordLength));

    bool negative = false;
    if (m_pos + 1 < n && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < n && isDigit(m_in[m_pos])) {
        // Every digit is consumed; the value stops growing at the int limit.
        constexpr qint64 limit = std::numeric_limits<int>::max();
        qint64 value = 0;
        while (m_pos < n && isDigit(m_in[m_pos])) {
            value = qMin(value * 10 + (m_in[m_pos] - '0'), limit);
            ++m_pos;
        }
        t.hasParam = true;
        t.param = int(negative ? -value : value);
    }
    if (m_pos < n && m_in[m_pos] == ' ')
        ++m_pos;

    if (t.text == "bin") {
        // Raw bytes follow; a length beyond the input takes what is left.
        const qsizetype length = qBound(qsizetype(0), qsizetype(t.param), n - m_pos);
        Token data{Token::Kind::Binary};
        data.text = m_in.sliced(m_pos, length);
        m_pos += length;
        return data;
    }
    return t;
}

void Lexer::skipGroup()
{
    const qsizetype n = m_in.size();
    qsizetype depth = 1;
    while (m_pos < n) {
        const char c = m_in[m_pos++];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0)
                return;
        } else if (c == '\\' && m_pos < n) {
            if (isLetter(m_in[m_pos]))
                word(); // consumes "\binN" data, so braces inside it are not counted
            else
                ++m_pos;
        }
    }
}

} // namespace lumora::rtf
