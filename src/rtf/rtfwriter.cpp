#include "rtf/rtfwriter.h"

#include "rtf/rtfescape.h"
#include "rtf/rtfformatlook.h"

#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cstring>
#include <vector>

namespace lumora::rtf {

namespace {

constexpr qsizetype HeaderRoom = 8192;

// A buffer holding HeaderRoom bytes, with capacity after them for the body of a usual
// lesson text (under two bytes a character; more only grows the buffer).
QByteArray bodyBuffer(qsizetype characters)
{
    QByteArray buffer;
    buffer.reserve(HeaderRoom + 2 * characters + 256);
    buffer.resize(HeaderRoom);
    return buffer;
}

class Writer {
public:
    explicit Writer(const QTextDocument &doc)
        : m_doc(doc), m_formats(doc.allFormats()), m_defaults(doc.defaultFont()),
          m_text(doc.toRawText()), m_charSlots(size_t(m_formats.size()), -1),
          m_paraSlots(size_t(m_formats.size()), -1)
    {
    }

    QByteArray run();

private:
    // position: where the block starts in the document.
    void paragraph(const QTextBlock &block, int position);
    void paragraphFormat(const ParaState &para);
    void switchTo(int slot);
    QByteArray transition(const CharState *from, const CharState &to) const;
    int charSlot(int formatIndex);
    const ParaState &paraState(int formatIndex);
    QByteArray header() const;

    const QTextDocument &m_doc;
    const QList<QTextFormat> m_formats;
    const QFont m_defaults;
    const QString m_text;  // the document's characters; positions index it

    // Fonts and colours in order of first use; colour 0 is the automatic colour.
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QRgb> m_colors;
    QHash<QRgb, int> m_colorIndex;

    // What each format of the document writes as, made once per format index. Fonts
    // and colours in these states are indices into the tables above (colour 0 for the
    // automatic colour).
    std::vector<int> m_charSlots;
    std::vector<int> m_paraSlots;
    std::vector<CharState> m_chars;
    std::vector<ParaState> m_paras;

    // The output: the body is written after room kept for the header, which is known
    // only at the end (the tables list what the body used).
    QByteArray m_body{bodyBuffer(m_text.size())};
    TextEscaper m_out{m_body};
    int m_charSlot = -1;  // the character state in force (-1 before the first run)
    // The control words from one character state to another, by both slots.
    QHash<quint64, QByteArray> m_transitions;
    ParaState m_para;
    bool m_paraKnown = false;
};

QByteArray Writer::run()
{
    // Blocks and their fragments follow each other without gaps, so positions are
    // summed up rather than asked for (which walks the document's trees each time).
    int position = 0;
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
        paragraph(block, position);
        position += block.length();
    }
    m_out.raw("}\r\n");
    m_out.finish();
    const QByteArray head = header();
    if (head.size() > HeaderRoom)
        return m_body.replace(0, HeaderRoom, head);
    // The header goes right before the body; the room before it is dropped, which
    // only moves the start of the buffer.
    std::memcpy(m_body.data() + HeaderRoom - head.size(), head.constData(), size_t(head.size()));
    return std::move(m_body.remove(0, HeaderRoom - head.size()));
}

void Writer::paragraph(const QTextBlock &block, int position)
{
    const ParaState &para = paraState(block.blockFormatIndex());
    if (!m_paraKnown || !(para == m_para))
        paragraphFormat(para);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int length = fragment.length();
        switchTo(charSlot(fragment.charFormatIndex()));
        m_out.text(QStringView(m_text).mid(position, length));
        position += length;
    }
    // An empty paragraph keeps its own character format, which sets its height.
    if (block.length() <= 1)
        switchTo(charSlot(block.charFormatIndex()));
    m_out.word("\\par");
    m_out.newline();
}

void Writer::paragraphFormat(const ParaState &para)
{
    m_out.word("\\pard");
    switch (para.align) {
    case Align::Left: break;
    case Align::Center: m_out.word("\\qc"); break;
    case Align::Right: m_out.word("\\qr"); break;
    case Align::Justify: m_out.word("\\qj"); break;
    }
    if (para.leftTwips != 0)
        m_out.word("\\li", para.leftTwips);
    if (para.rightTwips != 0)
        m_out.word("\\ri", para.rightTwips);
    if (para.firstTwips != 0)
        m_out.word("\\fi", para.firstTwips);
    for (int i = 0; i < para.tabCount; ++i) {
        const TabStop &tab = para.tabs[size_t(i)];
        switch (tab.kind) {
        case TabKind::Left: break;
        case TabKind::Center: m_out.word("\\tqc"); break;
        case TabKind::Right: m_out.word("\\tqr"); break;
        case TabKind::Decimal: m_out.word("\\tqdec"); break;
        }
        m_out.word("\\tx", tab.twips);
    }
    m_para = para;
    m_paraKnown = true;
}

void Writer::switchTo(int slot)
{
    // Runs mostly alternate among a few formats, so the words between two states are
    // made once and then copied.
    if (slot == m_charSlot)
        return;
    const quint64 key = quint64(quint32(m_charSlot)) << 32 | quint32(slot);
    auto it = m_transitions.constFind(key);
    if (it == m_transitions.constEnd()) {
        const CharState *from = m_charSlot < 0 ? nullptr : &m_chars[size_t(m_charSlot)];
        it = m_transitions.insert(key, transition(from, m_chars[size_t(slot)]));
    }
    m_out.words(*it);
    m_charSlot = slot;
}

QByteArray Writer::transition(const CharState *from, const CharState &to) const
{
    // Only the differences are written; the first run writes its font and size and
    // whatever differs from the plain defaults.
    CharState plain;
    plain.color = 0;
    const CharState &was = from ? *from : plain;
    QByteArray bytes;
    TextEscaper out(bytes);
    if (!from || to.font != was.font)
        out.word("\\f", to.font);
    if (!from || to.halfPoints != was.halfPoints)
        out.word("\\fs", to.halfPoints);
    if (to.bold != was.bold)
        out.word(to.bold ? "\\b" : "\\b0");
    if (to.italic != was.italic)
        out.word(to.italic ? "\\i" : "\\i0");
    if (to.underline != was.underline)
        out.word(to.underline ? "\\ul" : "\\ulnone");
    if (to.strike != was.strike)
        out.word(to.strike ? "\\strike" : "\\strike0");
    if (to.color != was.color)
        out.word("\\cf", to.color);
    out.finish();
    return bytes;
}

int Writer::charSlot(int formatIndex)
{
    const bool known = formatIndex >= 0 && formatIndex < qsizetype(m_charSlots.size());
    if (known && m_charSlots[size_t(formatIndex)] >= 0)
        return m_charSlots[size_t(formatIndex)];

    const CharLook look = charLook(known ? m_formats[formatIndex].toCharFormat()
                                         : QTextCharFormat(),
                                   m_defaults);
    CharState state;
    state.font = m_fontIndex.value(look.family, -1);
    if (state.font < 0) {
        state.font = int(m_fonts.size());
        m_fonts.append(look.family);
        m_fontIndex.insert(look.family, state.font);
    }
    state.halfPoints = look.halfPoints;
    state.bold = look.bold;
    state.italic = look.italic;
    state.underline = look.underline;
    state.strike = look.strike;
    state.color = 0;
    if (look.hasColor) {
        state.color = m_colorIndex.value(look.color, 0);
        if (state.color == 0) {
            m_colors.append(look.color);
            state.color = int(m_colors.size());
            m_colorIndex.insert(look.color, state.color);
        }
    }
    m_chars.push_back(state);
    const int slot = int(m_chars.size() - 1);
    if (known)
        m_charSlots[size_t(formatIndex)] = slot;
    return slot;
}

const ParaState &Writer::paraState(int formatIndex)
{
    const bool known = formatIndex >= 0 && formatIndex < qsizetype(m_paraSlots.size());
    if (known && m_paraSlots[size_t(formatIndex)] >= 0)
        return m_paras[size_t(m_paraSlots[size_t(formatIndex)])];
    m_paras.push_back(paraLook(known ? m_formats[formatIndex].toBlockFormat() : QTextBlockFormat(),
                               m_doc.indentWidth()));
    if (known)
        m_paraSlots[size_t(formatIndex)] = int(m_paras.size() - 1);
    return m_paras.back();
}

QByteArray Writer::header() const
{
    QByteArray bytes;
    TextEscaper out(bytes);
    out.word("{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl");
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        out.word("{\\f", int(i));
        out.word("\\fnil\\fcharset238");
        out.fontName(m_fonts[i]);
        out.raw(";}");
    }
    out.raw("}");
    out.newline();
    out.word("{\\colortbl");
    out.text(u";");
    for (const QRgb rgb : m_colors) {
        out.word("\\red", qRed(rgb));
        out.word("\\green", qGreen(rgb));
        out.word("\\blue", qBlue(rgb));
        out.raw(";");
    }
    out.raw("}");
    out.newline();
    out.word("\\uc1");
    out.finish();
    return bytes;
}

} // namespace

QByteArray write(const QTextDocument &doc)
{
    return Writer(doc).run();
}

} // namespace lumora::rtf
