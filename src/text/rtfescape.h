#pragma once
// Text as the writer puts it into rich text: plain ASCII as it is; "\", "{" and "}"
// escaped; other Windows-1250 characters as "\'xx"; tabs, line breaks, non-breaking
// spaces and hyphens and soft hyphens as their control words; every other character as
// "\uN?" (N signed 16-bit, "?" the one-byte fallback that \uc1 announces). Control
// characters and the document's structural marks are left out.
#include <QByteArray>
#include <QStringView>

namespace lumora::rtf {

class TextEscaper {
public:
    // The output the escaped text is appended to.
    explicit TextEscaper(QByteArray &out) : m_out(out) {}

    // Text follows a control word that still needs its delimiting space before any
    // plain character (escapes need none).
    void afterControlWord() { m_needSpace = true; }

    // Appends a control word or a sequence of them ("\b", "\fs24", "\pard\qc").
    void word(const char *w);
    void word(const char *w, int parameter);

    // A line end, for readability; it also ends the control word before it.
    void newline();

    void text(QStringView text);
    // A font name: like text, with ";" (which ends a name in the font table) escaped.
    void fontName(QStringView name);

private:
    void append(QStringView text, bool inName);
    void plain(char c);
    // A control symbol: a backslash and c; it needs no delimiter.
    void symbol(char c);
    void escapedByte(uchar b);
    void unicode(char16_t c);

    QByteArray &m_out;
    bool m_needSpace = false;
};

// Appends the decimal digits of value.
void appendNumber(QByteArray &out, int value);

} // namespace lumora::rtf
