#include "rtf/rtfdocumentbuilder.h"

#include "rtf/rtfcharacters.h"

#include <QFont>
#include <QTextOption>

#include <algorithm>

namespace lumora::rtf {

namespace {

size_t formatSlot(const CharState &s)
{
    const unsigned flags = unsigned(s.bold) | unsigned(s.italic) << 1 | unsigned(s.underline) << 2
                           | unsigned(s.strike) << 3;
    const unsigned mix = unsigned(s.font) * 0x9E3779B1u + unsigned(s.halfPoints) * 0x85EBCA77u
                         + unsigned(s.color) * 0xC2B2AE3Du + flags * 0x27D4EB2Fu;
    return (mix >> 24) & 0xFF;
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextCursor &cursor, const Tables &tables)
    : m_cursor(cursor), m_tables(tables), m_tailFormat(cursor.blockFormat()),
      m_tailCharFormat(cursor.blockCharFormat())
{
}

void DocumentBuilder::text(QStringView text, const CharState &chr, const ParaState &para)
{
    if (text.isEmpty())
        return;
    QString &run = textBuffer(chr, para);
    const qsizetype from = run.size();
    run.append(text);
    textAdded(from);
}

QString &DocumentBuilder::textBuffer(const CharState &chr, const ParaState &para)
{
    if (!m_blockOpen)
        openBlock(para, chr);
    if (!m_runFormatValid || !(chr == m_runState)) {
        flushRun();
        m_runState = chr;
        m_runFormat = charFormat(chr);
        m_runFormatValid = true;
    }
    return m_run;
}

void DocumentBuilder::textAdded(qsizetype from)
{
    // Dropped characters are rare: they are looked for first, and the run is compacted
    // only from the first one on.
    const QChar *const end = m_run.constEnd();
    const QChar *const first = std::find_if(m_run.constBegin() + from, end, [](QChar c) {
        return isDroppedCharacter(c.unicode());
    });
    if (first != end) {
        const qsizetype at = first - m_run.constBegin();
        QChar *kept = m_run.data() + at;
        for (const QChar *p = kept; p != m_run.constEnd(); ++p) {
            if (!isDroppedCharacter(p->unicode()))
                *kept++ = *p;
        }
        m_run.truncate(kept - m_run.constData());
    }
    m_blockHasText = m_blockHasText || !m_run.isEmpty();
}

void DocumentBuilder::paragraphEnd(const ParaState &para, const CharState &chr)
{
    flushRun();
    if (!m_blockOpen)
        openBlock(para, chr);
    if (!(para == m_blockPara))
        m_cursor.setBlockFormat(blockFormat(para));
    if (!m_blockHasText)
        m_cursor.setBlockCharFormat(charFormat(chr));
    m_blockOpen = false;
}

void DocumentBuilder::softParagraphEnd(const ParaState &para, const CharState &chr)
{
    flushRun();
    if (m_blockOpen && m_blockHasText)
        paragraphEnd(para, chr);
}

void DocumentBuilder::finish(const ParaState &para, const CharState &chr)
{
    flushRun();
    if (m_blockOpen)
        paragraphEnd(para, chr);
    else if (!m_cursor.atBlockEnd())
        m_cursor.insertBlock(m_tailFormat, m_tailCharFormat);
}

void DocumentBuilder::tablesChanged()
{
    flushRun();
    for (CachedFormat &cached : m_formats)
        cached.valid = false;
    m_runFormatValid = false;
}

void DocumentBuilder::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, m_runFormat);
    m_run.resize(0);
}

void DocumentBuilder::openBlock(const ParaState &para, const CharState &chr)
{
    flushRun();
    m_cursor.insertBlock(blockFormat(para), charFormat(chr));
    m_blockPara = para;
    m_blockOpen = true;
    m_blockHasText = false;
}

QTextCharFormat DocumentBuilder::charFormat(const CharState &chr)
{
    CachedFormat &cached = m_formats[formatSlot(chr)];
    if (!cached.valid || !(cached.state == chr)) {
        cached.state = chr;
        cached.format = makeCharFormat(chr);
        cached.valid = true;
    }
    return cached.format;
}

QTextBlockFormat DocumentBuilder::blockFormat(const ParaState &para)
{
    if (!m_lastBlockValid || !(m_lastPara == para)) {
        m_lastPara = para;
        m_lastBlockFormat = makeBlockFormat(para);
        m_lastBlockValid = true;
    }
    return m_lastBlockFormat;
}

QTextCharFormat DocumentBuilder::makeCharFormat(const CharState &chr) const
{
    QTextCharFormat format;
    if (const FontEntry *font = m_tables.font(chr.font); font && !font->name.isEmpty())
        format.setFontFamilies({font->name});
    format.setFontPointSize(chr.halfPoints / 2.0);
    if (chr.bold)
        format.setFontWeight(QFont::Bold);
    if (chr.italic)
        format.setFontItalic(true);
    if (chr.underline)
        format.setFontUnderline(true);
    if (chr.strike)
        format.setFontStrikeOut(true);
    const QColor color = m_tables.colors.value(chr.color);
    if (color.isValid())
        format.setForeground(color);
    return format;
}

QTextBlockFormat DocumentBuilder::makeBlockFormat(const ParaState &para) const
{
    QTextBlockFormat format;
    switch (para.align) {
    case Align::Left: break;
    case Align::Center: format.setAlignment(Qt::AlignHCenter); break;
    case Align::Right: format.setAlignment(Qt::AlignRight); break;
    case Align::Justify: format.setAlignment(Qt::AlignJustify); break;
    }
    if (para.leftTwips != 0)
        format.setLeftMargin(twipsToPixels(para.leftTwips));
    if (para.rightTwips != 0)
        format.setRightMargin(twipsToPixels(para.rightTwips));
    if (para.firstTwips != 0)
        format.setTextIndent(twipsToPixels(para.firstTwips));
    if (para.tabCount > 0) {
        QList<QTextOption::Tab> tabs;
        tabs.reserve(para.tabCount);
        for (int i = 0; i < para.tabCount; ++i) {
            const TabStop &stop = para.tabs[size_t(i)];
            QTextOption::TabType type = QTextOption::LeftTab;
            switch (stop.kind) {
            case TabKind::Left: break;
            case TabKind::Center: type = QTextOption::CenterTab; break;
            case TabKind::Right: type = QTextOption::RightTab; break;
            case TabKind::Decimal: type = QTextOption::DelimiterTab; break;
            }
            tabs.append(QTextOption::Tab(twipsToPixels(stop.twips), type,
                                         stop.kind == TabKind::Decimal ? QChar(u'.') : QChar()));
        }
        format.setTabPositions(tabs);
    }
    return format;
}

} // namespace lumora::rtf
