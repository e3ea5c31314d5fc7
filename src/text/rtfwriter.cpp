#include "text/rtfwriter.h"

#include "platform/textfile.h"
#include "text/rtfescape.h"
#include "text/rtfformatlook.h"

#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <vector>

namespace lumora::rtf {

namespace {

class Writer {
public:
    explicit Writer(const QTextDocument &doc)
        : m_doc(doc), m_formats(doc.allFormats()), m_defaults(doc.defaultFont()),
          m_text(doc.toRawText()),
          m_charSlots(size_t(m_formats.size()), -1), m_paraSlots(size_t(m_formats.size()), -1)
    {
    }

    QByteArray run();

private:
    void paragraph(const QTextBlock &block);
    void paragraphFormat(const ParaState &para);
    void switchTo(const CharState &next);
    const CharState &charState(int formatIndex);
    const ParaState &paraState(int formatIndex);
    QByteArray header() const;

    const QTextDocument &m_doc;
    const QList<QTextFormat> m_formats;
    const QFont m_defaults;
    const QString m_text;  // the document's characters; fragment positions index it

    // Fonts and colours in order of first use; colour 0 is the automatic colour.
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QRgb> m_colors;
    QHash<QRgb, int> m_colorIndex;

    // What each format of the document writes as, made once per format index.
    std::vector<int> m_charSlots;
    std::vector<int> m_paraSlots;
    std::vector<CharState> m_chars;
    std::vector<ParaState> m_paras;

    QByteArray m_body;
    TextEscaper m_out{m_body};
    CharState m_char;
    bool m_charKnown = false;
    ParaState m_para;
    bool m_paraKnown = false;
};

QByteArray Writer::run()
{
    m_body.reserve(m_text.size() * 2 + 256);
    for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next())
        paragraph(block);
    QByteArray out = header();
    out += m_body;
    out += "}\r\n";
    return out;
}

void Writer::paragraph(const QTextBlock &block)
{
    const ParaState &para = paraState(block.blockFormatIndex());
    if (!m_paraKnown || !(para == m_para))
        paragraphFormat(para);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        switchTo(charState(fragment.charFormatIndex()));
        m_out.text(QStringView(m_text).mid(fragment.position(), fragment.length()));
    }
    // An empty paragraph keeps its own character format, which sets its height.
    if (block.length() <= 1)
        switchTo(charState(block.charFormatIndex()));
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

void Writer::switchTo(const CharState &next)
{
    // Only the differences are written; the first run writes its font and size and
    // whatever differs from the plain defaults.
    if (!m_charKnown) {
        m_char = CharState{};
        m_char.color = 0;
    }
    if (!m_charKnown || next.font != m_char.font)
        m_out.word("\\f", next.font);
    if (!m_charKnown || next.halfPoints != m_char.halfPoints)
        m_out.word("\\fs", next.halfPoints);
    if (next.bold != m_char.bold)
        m_out.word(next.bold ? "\\b" : "\\b0");
    if (next.italic != m_char.italic)
        m_out.word(next.italic ? "\\i" : "\\i0");
    if (next.underline != m_char.underline)
        m_out.word(next.underline ? "\\ul" : "\\ulnone");
    if (next.strike != m_char.strike)
        m_out.word(next.strike ? "\\strike" : "\\strike0");
    if (next.color != m_char.color)
        m_out.word("\\cf", next.color);
    m_char = next;
    m_charKnown = true;
}

const CharState &Writer::charState(int formatIndex)
{
    const bool known = formatIndex >= 0 && formatIndex < qsizetype(m_charSlots.size());
    if (known && m_charSlots[size_t(formatIndex)] >= 0)
        return m_chars[size_t(m_charSlots[size_t(formatIndex)])];

    const CharLook look = charLook(known ? m_formats[formatIndex].toCharFormat() : QTextCharFormat(),
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
    if (known)
        m_charSlots[size_t(formatIndex)] = int(m_chars.size() - 1);
    return m_chars.back();
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
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl";
    TextEscaper names(out);
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        names.word("{\\f", int(i));
        names.word("\\fnil\\fcharset238");
        names.fontName(m_fonts[i]);
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (const QRgb rgb : m_colors) {
        out += "\\red";
        appendNumber(out, qRed(rgb));
        out += "\\green";
        appendNumber(out, qGreen(rgb));
        out += "\\blue";
        appendNumber(out, qBlue(rgb));
        out += ';';
    }
    out += "}\r\n\\uc1";
    return out;
}

} // namespace

QByteArray write(const QTextDocument &doc)
{
    return Writer(doc).run();
}

void save(const QString &path, const QTextDocument &doc)
{
    textfile::writeBytes(path, write(doc));
}

} // namespace lumora::rtf
