#pragma once
// The writer's output: control words, and text as rich text carries it: plain ASCII as
// it is; "\", "{" and "}" escaped; other Windows-1250 characters as "\'xx"; tabs, line
// breaks, non-breaking spaces and hyphens and soft hyphens as their control words;
// every other character as "\uN?" (N signed 16-bit, "?" the one-byte fallback that
// \uc1 announces). Characters rich text does not carry (isDroppedCharacter) are left
// out.
#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <cstring>

namespace lumora::rtf {

class TextEscaper {
public:
    // Output is appended to out, which holds its final size after finish().
    explicit TextEscaper(QByteArray &out) : m_out(out), m_used(out.size()) { setWindows1250(true); }

    // Appends a control word or a sequence of them ("\b", "\fs24", "\pard\qc"); a
    // plain character after it gets the delimiting space first (escapes need none).
    void word(const char *w)
    {
        put(w, std::strlen(w));
        m_needSpace = true;
    }
    void word(const char *w, int parameter)
    {
        put(w, std::strlen(w));
        number(parameter);
        m_needSpace = true;
    }

    // Appends control words made beforehand by another TextEscaper. Slack bytes must be
    // readable where they start, so that short ones take a copy of fixed length.
    template <qsizetype Slack>
    void words(QByteArrayView w)
    {
        if (w.isEmpty())
            return;
        if (w.size() <= Slack) {
            std::memcpy(room(Slack), w.data(), Slack);
            m_used += w.size();
        } else {
            put(w.data(), size_t(w.size()));
        }
        m_needSpace = true;
    }

    // A line end, for readability; it also ends the control word before it.
    void newline()
    {
        put("\r\n", 2);
        m_needSpace = false;
    }

    void text(QStringView text);
    // Whether the upper half of Windows-1250 goes out as "\'xx" (the default) or, for
    // text in a font of another code page, as "\uN?" like every other character.
    void setWindows1250(bool on);
    // A font name: like text, with ";" (which ends a name in the font table) escaped.
    void fontName(QStringView name);

    // Appends bytes as they are (table punctuation such as ";}").
    void raw(const char *bytes) { put(bytes, std::strlen(bytes)); }
    void rawBytes(QByteArrayView bytes)
    {
        put(bytes.data(), size_t(bytes.size()));
        m_needSpace = false;
    }

    void finish() { m_out.resize(m_used); }

private:
    // Appends text that the room left holds even if every unit takes its longest escape.
    void escape(QStringView text);
    void number(int value);
    void put(const char *bytes, size_t n)
    {
        std::memcpy(room(qsizetype(n)), bytes, n);
        m_used += qsizetype(n);
    }
    // Room for n more bytes at the end of the output.
    char *room(qsizetype n)
    {
        if (m_used + n > m_size)
            grow(n);
        return m_data + m_used;
    }
    void grow(qsizetype n);

    QByteArray &m_out;
    const void *m_pieces = nullptr; // the piece table in use (see rtfescape.cpp)
    char *m_data = nullptr;         // m_out's bytes, all of which the output may use
    qsizetype m_size = 0;
    qsizetype m_used;
    bool m_needSpace = false;
};

} // namespace lumora::rtf
