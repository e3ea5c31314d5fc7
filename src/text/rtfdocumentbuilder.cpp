#include "text/rtfdocumentbuilder.h"

#include "text/rtfcharacters.h"

#include <QFont>
#include <QTextOption>

namespace lumora::rtf {

namespace {

// Formats kept for reuse; a file with more distinct states starts the cache afresh.
constexpr qsizetype MaxCachedFormats = 4096;

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
    if (!m_blockOpen)
        openBlock(para, chr);
    if (!m_runFormatValid || !(chr == m_runState)) {
        flushRun();
        m_runState = chr;
        m_runFormat = charFormat(chr);
        m_runFormatValid = true;
    }
    const qsizetype before = m_run.size();
    m_run.append(text);
    QChar *p = m_run.data() + before;
    QChar *kept = p;
    for (QChar *end = m_run.data() + m_run.size(); p != end; ++p) {
        if (!isDroppedCharacter(p->unicode()))
            *kept++ = *p;
    }
    m_run.truncate(kept - m_run.constData());
    m_blockHasText = m_blockHasText || m_run.size() > 0;
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
    m_formats.clear();
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
    if (const auto it = m_formats.constFind(chr); it != m_formats.constEnd())
        return it.value();
    if (m_formats.size() >= MaxCachedFormats)
        m_formats.clear();

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
    if (chr.color >= 0 && chr.color < m_tables.colors.size() && m_tables.colors[chr.color].isValid())
        format.setForeground(m_tables.colors[chr.color]);
    m_formats.insert(chr, format);
    return format;
}

QTextBlockFormat DocumentBuilder::blockFormat(const ParaState &para) const
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
