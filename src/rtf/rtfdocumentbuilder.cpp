#include "rtf/rtfdocumentbuilder.h"

#include "rtf/rtfcharacters.h"
#include "rtf/rtfkept.h"
#include "rtf/rtflists.h"
#include "rtf/rtfpicture.h"

#include <QFont>
#include <QTextList>
#include <QTextOption>
#include <QTextTable>

#include <algorithm>

namespace lumora::rtf {

namespace {

size_t formatSlot(const CharState &s)
{
    const unsigned flags = unsigned(s.bold) | unsigned(s.italic) << 1 | unsigned(s.underline) << 2
        | unsigned(s.strike) << 3 | unsigned(s.caps) << 4 | unsigned(s.vertical) << 5;
    const unsigned mix = unsigned(s.font) * 0x9E3779B1u + unsigned(s.halfPoints) * 0x85EBCA77u
        + unsigned(s.color) * 0xC2B2AE3Du + flags * 0x27D4EB2Fu + unsigned(s.background) * 0x165667B1u
        + unsigned(s.link) * 0xD3A2646Cu;
    return (mix >> 24) & 0xFF;
}

QTextListFormat::Style listStyle(ListKind kind)
{
    switch (kind) {
    case ListKind::None:
    case ListKind::Disc: return QTextListFormat::ListDisc;
    case ListKind::Circle: return QTextListFormat::ListCircle;
    case ListKind::Square: return QTextListFormat::ListSquare;
    case ListKind::Decimal: return QTextListFormat::ListDecimal;
    case ListKind::LowerAlpha: return QTextListFormat::ListLowerAlpha;
    case ListKind::UpperAlpha: return QTextListFormat::ListUpperAlpha;
    case ListKind::LowerRoman: return QTextListFormat::ListLowerRoman;
    case ListKind::UpperRoman: return QTextListFormat::ListUpperRoman;
    }
    return QTextListFormat::ListDisc;
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextCursor &cursor, const Tables &tables)
    : m_cursor(cursor), m_tables(tables), m_tailFormat(cursor.blockFormat()), m_tailCharFormat(cursor.blockCharFormat())
{}

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
    // A table at the very start takes the place of the empty paragraph there.
    if (m_blockOpen && !m_blockHasText && m_run.isEmpty() && para.inTable && !m_table)
        m_blockOpen = false;
    if (!m_blockOpen)
        openBlock(para, chr);
    m_started = true;
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
    const QChar *const first =
        std::find_if(m_run.constBegin() + from, end, [](QChar c) { return isDroppedCharacter(c.unicode()); });
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
    if (!(para == m_blockPara)) {
        m_cursor.setBlockFormat(blockFormat(para));
        if (!m_blockExtras.isEmpty())
            m_cursor.mergeBlockFormat(m_blockExtras);
    }
    m_started = true;
    ++m_paragraphsEnded;
    if (!m_blockHasText)
        m_cursor.setBlockCharFormat(charFormat(chr));
    addToList(para);
    m_blockOpen = false;
}

void DocumentBuilder::addToList(const ParaState &para)
{
    ListLevel level;
    level.kind = para.listKind;
    level.start = para.listStart > 0 ? para.listStart : 1;
    if (para.listNumber > 0) {
        const ListDefinition *def = nullptr;
        const auto over = m_tables.listOverrides.constFind(para.listNumber);
        if (over != m_tables.listOverrides.constEnd()) {
            const auto it = m_tables.lists.constFind(over.value());
            if (it != m_tables.lists.constEnd())
                def = &it.value();
        }
        // A list the tables do not define is numbered as its \pn words say, else
        // with decimals.
        if (def)
            level = def->levels[size_t(para.listLevel)];
        else if (level.kind == ListKind::None)
            level.kind = ListKind::Decimal;
    }
    if (level.kind == ListKind::None)
        return;
    // Items of one list are numbered on together, level by level; an item ends the
    // numbering of the levels below it, which start again under it. Older lists (\pn)
    // are told apart by their kind.
    const int key = para.listNumber > 0 ? para.listNumber : -1 - int(level.kind);
    ListRun &run = m_listRuns[key];
    const size_t at = size_t(para.listLevel);
    for (size_t below = at + 1; below < run.lists.size(); ++below)
        run.lists[below] = nullptr;
    QTextList *&list = run.lists[at];
    if (list && list->document() == m_cursor.document() && run.kinds[at] == level.kind) {
        list->add(m_cursor.block());
        ++run.numbers[at];
        return;
    }
    const QTextListFormat::Style style = listStyle(level.kind);
    QTextListFormat format;
    setListNumbering(format, style, level.start);
    format.setIndent(para.listLevel + 1);
    if (!isBulletStyle(style)) {
        // Control characters are no part of a label (in a level's text the first nine
        // stand for numbers).
        const auto printable = [](QString text) {
            text.removeIf([](QChar c) { return c.unicode() < 0x20; });
            return text;
        };
        QString before = printable(para.listBefore), after = printable(para.listAfter);
        if (para.listNumber > 0 && !labelParts(level.text, para.listLevel, run, before, after)) {
            before.clear();
            after = QStringLiteral(".");
        } else if (para.listNumber == 0 && before.isEmpty() && after.isEmpty()) {
            after = QStringLiteral(".");
        }
        format.setNumberPrefix(before);
        format.setNumberSuffix(after);
    }
    list = m_cursor.createList(format);
    run.kinds[at] = level.kind;
    run.numbers[at] = level.start;
    run.styles[at] = style;
}

bool DocumentBuilder::labelParts(const QString &text, int level, const ListRun &run, QString &before, QString &after)
{
    // The numbers of the levels above stand in the label as they are now.
    before.clear();
    after.clear();
    bool own = false;
    for (const QChar c : text) {
        QString &part = own ? after : before;
        const int placeholder = c.unicode();
        if (placeholder >= 0x20) {
            part += c;
        } else if (placeholder == level && !own) {
            own = true;
        } else if (placeholder < level && run.lists[size_t(placeholder)]) {
            part += listNumberText(run.styles[size_t(placeholder)], run.numbers[size_t(placeholder)]);
        }
    }
    return own;
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
    if (m_table) {
        leaveTable();
        return;
    } else if (!m_cursor.atBlockEnd())
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
    placeInTable(para);
    if (m_reuseBlock) {
        m_cursor.setBlockFormat(blockFormat(para));
        m_cursor.setBlockCharFormat(charFormat(chr));
        m_cursor.setCharFormat(charFormat(chr));
        m_reuseBlock = false;
    } else {
        m_cursor.insertBlock(blockFormat(para), charFormat(chr));
    }
    takeBreaks();
    m_blockPara = para;
    m_blockOpen = true;
    m_blockHasText = false;
}

void DocumentBuilder::takeBreaks()
{
    m_blockExtras = QTextBlockFormat();
    if (m_pendingBreak)
        m_blockExtras.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (!m_pendingSection.isEmpty())
        m_blockExtras.setProperty(SectionBreakProperty, m_pendingSection);
    m_pendingBreak = false;
    m_pendingSection.clear();
    if (!m_blockExtras.isEmpty())
        m_cursor.mergeBlockFormat(m_blockExtras);
}

void DocumentBuilder::object(const QTextCharFormat &format, const CharState &chr, const ParaState &para)
{
    textBuffer(chr, para);
    flushRun();
    m_cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
    m_blockHasText = true;
    m_started = true;
}

void DocumentBuilder::picture(QByteArrayView group, bool closed, const CharState &chr, const ParaState &para)
{
    // The picture stands in the text's character format, which sets its line's height.
    QTextCharFormat format = charFormat(chr);
    format.merge(pictureFormat(group, closed, *m_cursor.document()));
    object(format, chr, para);
}

void DocumentBuilder::keptGroup(KeptKind kind, QByteArrayView group, const TextBoxReader &readTextBox,
                                const CharState &chr, const ParaState &para)
{
    QTextDocument &doc = *m_cursor.document();
    QTextCharFormat format = charFormat(chr);
    const QTextCharFormat kept = keptGroupFormat(kind, group, doc, readTextBox);
    if (kept.objectType() == TextBoxObject)
        drawTextBoxes(doc, true);
    format.merge(kept);
    object(format, chr, para);
}

void DocumentBuilder::hidden(const QString &text, const CharState &chr, const ParaState &para)
{
    CharState shown = chr;
    shown.hidden = false;
    QTextCharFormat format = charFormat(shown);
    format.setObjectType(HiddenTextObject);
    format.setProperty(HiddenTextProperty, text);
    object(format, shown, para);
}

void DocumentBuilder::placeInTable(const ParaState &para)
{
    if (para.inTable && !m_table)
        startTable();
    else if (para.inTable && m_rowDone)
        nextRow();
    else if (para.inTable && m_cellDone)
        nextCell();
    else if (!para.inTable && m_table)
        leaveTable();
}

void DocumentBuilder::startTable()
{
    static const RowDefinition none;
    const RowDefinition &row = m_rowDefinition ? *m_rowDefinition : none;
    const std::vector<int> &rights = row.rights;
    const int columns = int(qBound<size_t>(1, rights.size(), size_t(MaxColumns)));
    QTextTableFormat format;
    format.setCellPadding(row.gapTwips >= 0 ? twipsToPixels(row.gapTwips) : 2);
    // A table drawn without borders in its file stays without them; the row's first
    // definition decides for the whole table.
    format.setBorder(row.bordered ? 1 : 0);
    format.setCellSpacing(0);
    QList<QTextLength> widths;
    int left = 0;
    for (int i = 0; i < columns && size_t(i) < rights.size(); ++i) {
        const int right = qBound(left, rights[size_t(i)], MaxTwips);
        widths.append(QTextLength(QTextLength::FixedLength, twipsToPixels(qMax(right - left, 15))));
        left = right;
    }
    if (widths.size() == columns)
        format.setColumnWidthConstraints(widths);
    format.setHeaderRowCount(row.header ? 1 : 0);
    // A table that starts the document: the document still has its empty paragraph
    // before it, which the file did not have.
    const bool leading = m_paragraphsEnded == 0 && m_cursor.block().position() == 0 && m_cursor.block().length() <= 1
        && m_cursor.document()->begin() == m_cursor.block();
    m_table = m_cursor.insertTable(1, columns, format);
    if (leading) {
        QTextCursor before(m_cursor.document());
        QTextBlockFormat place;
        place.setProperty(LeadingTablePlaceProperty, true);
        before.mergeBlockFormat(place);
    }
    m_row = 0;
    m_column = 0;
    m_rowDone = false;
    m_cellDone = false;
    m_reuseBlock = true;
}

void DocumentBuilder::nextRow()
{
    m_table->appendRows(1);
    ++m_row;
    // Header rows are the table's first rows, each marked as one.
    QTextTableFormat format = m_table->format();
    if (m_rowDefinition && m_rowDefinition->header && format.headerRowCount() == m_row) {
        format.setHeaderRowCount(m_row + 1);
        m_table->setFormat(format);
    }
    m_column = 0;
    m_rowDone = false;
    m_cellDone = false;
    m_cursor = m_table->cellAt(m_row, 0).firstCursorPosition();
    m_reuseBlock = true;
}

void DocumentBuilder::nextCell()
{
    m_cellDone = false;
    if (m_column + 1 < m_table->columns()) {
        ++m_column;
    } else if (m_table->columns() < MaxColumns) {
        m_table->appendColumns(1);
        ++m_column;
    } else {
        // Past the last column: the text goes on in the last cell.
        m_cursor = m_table->cellAt(m_row, m_column).lastCursorPosition();
        m_reuseBlock = false;
        return;
    }
    m_cursor = m_table->cellAt(m_row, m_column).firstCursorPosition();
    m_reuseBlock = true;
}

void DocumentBuilder::leaveTable()
{
    QTextTableFormat format = m_table->format();
    format.setProperty(TableColumnsProperty, m_table->columns());
    m_table->setFormat(format);
    m_cursor = m_table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
    m_rowDone = false;
    m_cellDone = false;
    m_reuseBlock = true;
}

void DocumentBuilder::cellEnd(const ParaState &para, const CharState &chr)
{
    flushRun();
    if (!para.inTable && !m_table) {
        // A cell end outside any table keeps its cells apart with a tab.
        text(u"\t", chr, para);
        return;
    }
    ParaState inCell = para;
    inCell.inTable = true;
    if (m_blockOpen && !m_blockHasText && !m_table)
        m_blockOpen = false;
    if (m_blockOpen) {
        paragraphEnd(inCell, chr);
    } else if (m_table && !m_rowDone && !m_cellDone) {
        // A paragraph end right before the cell end: the cell's last paragraph is empty.
        openBlock(inCell, chr);
        paragraphEnd(inCell, chr);
    } else {
        // An empty cell: its paragraph takes the formats in force.
        placeInTable(inCell);
        if (m_reuseBlock) {
            m_cursor.setBlockFormat(blockFormat(inCell));
            m_cursor.setBlockCharFormat(charFormat(chr));
            addToList(inCell);
        }
    }
    m_cellDone = true;
    m_blockOpen = false;
    m_reuseBlock = false;
}

void DocumentBuilder::rowEnd(const ParaState &para, const CharState &chr)
{
    flushRun();
    if (!m_table) {
        if (m_blockOpen && m_blockHasText)
            paragraphEnd(para, chr);
        return;
    }
    if (m_blockOpen && m_blockHasText) {
        ParaState inCell = para;
        inCell.inTable = true;
        paragraphEnd(inCell, chr);
    }
    // The row keeps its definition as the file wrote it on its first cell.
    if (m_rowDefinition && !m_rowDefinition->entry.isEmpty()) {
        QTextTableCell first = m_table->cellAt(m_row, 0);
        QTextTableCellFormat format = first.format().toTableCellFormat();
        format.setProperty(RowDefinitionProperty, m_rowDefinition->entry.toByteArray());
        format.setProperty(RowCellsProperty, int(m_rowDefinition->rights.size()));
        first.setFormat(format);
    }
    m_cellDone = false;
    m_rowDone = true;
    m_blockOpen = false;
    m_reuseBlock = false;
    m_started = true;
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
    if (const FontEntry *font = m_tables.font(chr.font); font && !font->name.isEmpty()) {
        format.setFontFamilies({font->name});
        format.setProperty(FontNumberProperty, chr.font < 0 ? m_tables.defaultFont : chr.font);
    }
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
    const QColor background = m_tables.colors.value(chr.background);
    if (background.isValid())
        format.setBackground(background);
    if (chr.caps)
        format.setFontCapitalization(QFont::AllUppercase);
    if (chr.vertical == VerticalPlace::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chr.vertical == VerticalPlace::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (chr.link >= 0 && chr.link < m_tables.links.size()) {
        format.setAnchor(true);
        format.setAnchorHref(m_tables.links.at(chr.link));
    }
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
    // A list item's indents come from its list.
    const bool listItem = para.listNumber > 0 || para.listKind != ListKind::None;
    if (para.leftTwips != 0 && !listItem)
        format.setLeftMargin(twipsToPixels(para.leftTwips));
    if (listItem && (para.leftTwips != 0 || para.firstTwips != 0)) {
        format.setProperty(ListItemLeftProperty, para.leftTwips);
        format.setProperty(ListItemFirstProperty, para.firstTwips);
    }
    if (para.rightTwips != 0)
        format.setRightMargin(twipsToPixels(para.rightTwips));
    if (para.firstTwips != 0 && !listItem)
        format.setTextIndent(twipsToPixels(para.firstTwips));
    if (para.spaceBefore != 0)
        format.setTopMargin(twipsToPixels(para.spaceBefore));
    if (para.spaceAfter != 0)
        format.setBottomMargin(twipsToPixels(para.spaceAfter));
    if (para.lineSpacing != 0) {
        if (para.lineMultiple && para.lineSpacing > 0)
            format.setLineHeight(para.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        else if (para.lineSpacing > 0)
            format.setLineHeight(twipsToPixels(para.lineSpacing), QTextBlockFormat::MinimumHeight);
        else
            format.setLineHeight(twipsToPixels(-para.lineSpacing), QTextBlockFormat::FixedHeight);
    }
    if (para.style != 0)
        format.setProperty(ParagraphStyleProperty, para.style);
    if (para.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (!para.kept.isEmpty())
        format.setProperty(ParagraphKeptProperty, para.kept);
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
