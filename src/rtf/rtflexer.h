#pragma once
// Splits rich text into its tokens: braces, control words with their parameter, control
// symbols, "\'xx" bytes, runs of plain text and "\binN" data. It never looks further than
// the input and keeps numbers within int, whatever the file holds.
#include <QByteArrayView>

#include <string>

namespace lumora::rtf {

// The value of a hexadecimal digit (either case), or -1 for any other character: used by
// the "\'hh" escapes and by picture data.
inline int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct Token {
    enum class Kind { End, GroupStart, GroupEnd, Word, Symbol, HexByte, Text, Tab, Binary };

    Token(Kind k = Kind::End) : kind(k) {}

    Kind kind;
    // Word: the name (at most MaxWordLength letters); Text: the bytes; Binary: the data.
    QByteArrayView text;
    // Word: the parameter, clamped to the int range (0 when there is none).
    int param = 0;
    bool hasParam = false;
    // Symbol: the character after the backslash ('\n' for a backslash before a line end);
    // HexByte: the byte (an escape without hex digits comes as the Symbol '\'').
    char symbol = 0;
};

class Lexer {
public:
    static constexpr int MaxWordLength = 32;

    explicit Lexer(QByteArrayView input) : m_in(input) {}

    Token next();

    // Appends the text bytes that come next, plain and as "\'xx", to out, and stops
    // before anything else. Line ends between them are skipped. It does what next()
    // would, quicker, for the bulk of a document.
    void appendText(std::string &out);

    // Consumes the rest of the current group up to and including its closing brace (or
    // up to the end of the input), without producing tokens. Returns how many groups
    // the end of the input left open (0 when the group closed).
    int skipGroup();

    // Passes over a "*" that stands where "\*" should (a damaged destination's mark):
    // returns whether the next bytes were "*\" and the "*" was passed.
    bool skipBareStar()
    {
        if (m_pos + 1 < m_in.size() && m_in[m_pos] == '*' && m_in[m_pos + 1] == '\\') {
            ++m_pos;
            return true;
        }
        return false;
    }
    // Whether the next byte opens a group.
    bool atGroupStart() const { return m_pos < m_in.size() && m_in[m_pos] == '{'; }

    // Where the next token starts, and the whole input.
    qsizetype position() const { return m_pos; }
    QByteArrayView input() const { return m_in; }

private:
    Token word();
    Token escape();

    QByteArrayView m_in;
    qsizetype m_pos = 0;
};

} // namespace lumora::rtf
