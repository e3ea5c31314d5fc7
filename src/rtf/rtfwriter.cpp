#include "rtf/rtfwriter.h"

#include "rtf/rtfchartransitions.h"
#include "rtf/rtfescape.h"
#include "rtf/rtfformatlook.h"
#include "rtf/rtfkept.h"
#include "rtf/rtfcodepages.h"
#include "rtf/rtflists.h"
#include "rtf/rtfobjects.h"
#include "rtf/rtfpicture.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <cstring>
#include <vector>

namespace lumora::rtf {

namespace {

constexpr qsizetype HeaderRoom = 8192;

// A buffer holding HeaderRoom bytes, with capacity after them for the body of a usual
// lesson text: two and a half bytes a character (a letter of the code page's upper half
// takes four, and format changes come every few words); more only grows the buffer.
// Room reserved and not written costs no memory.
QByteArray bodyBuffer(qsizetype characters)
{
    QByteArray buffer;
    buffer.reserve(HeaderRoom + characters * 5 / 2 + 256);
    buffer.resize(HeaderRoom);
    return buffer;
}

class Writer {
public:
    explicit Writer(const QTextDocument &doc)
        : m_doc(doc), m_formats(doc.allFormats()), m_defaults(doc.defaultFont()), m_text(doc.toRawText())
    {
        keptTables();
    }

    QByteArray run();

private:
    // position: where the block starts in the document.
    void paragraph(const QTextBlock &block, int position);
    void paragraphFormat(const ParaState &para);
    void switchTo(int slot)
    {
        if (slot != m_charSlot) {
            m_out.words<CharTransitions::Slack>(m_transitions.words(m_charSlot, slot));
            m_charSlot = slot;
        }
    }
    int charSlot(int formatIndex)
    {
        FormatKind &kind = formatKind(formatIndex);
        if (kind.charSlot < 0)
            kind.charSlot = newCharSlot(formatIndex);
        return kind.charSlot;
    }
    int newCharSlot(int formatIndex);
    // The font and colour tables, default font and code page the document kept of its
    // file (see rtfkept.h): their entries keep their numbers, so that kept groups and
    // row definitions still mean what they meant.
    void keptTables();
    int fontNumber(const QTextCharFormat &format);
    int newFont(const QString &name);
    // Text goes out in the current font's code page.
    void textMode() { m_out.setWindows1250(m_charSlot < 0 || m_slotWindows1250[size_t(m_charSlot)]); }
    bool rowAsKept(const QTextTable *table, int row, int cells) const;
    const ParaState &paraState(int formatIndex);
    QByteArray header() const;
    void listTables(TextEscaper &out) const;
    void picture(const QTextImageFormat &format);
    // Opens or closes links so that the link numbered link is the one open (0: none).
    void link(int link);
    void tableRow(const QTextTable *table, int row);
    // Whether position lies inside a frame (a table) of the document; positions come
    // in increasing order.
    bool inFrame(int position);

    // What a format of the document is, looked at once per format.
    struct FormatKind {
        enum Object : unsigned char { Plain, Picture, Hidden, Kept };
        Object object = Plain;
        bool inObject = false; // a block format that names an object (a list)
        bool known = false;
        bool section = false;      // a block format with a section break before it
        bool leadingPlace = false; // the empty paragraph before a table that starts the document
        int link = 0;              // the number of a link's target; 0 outside links
        int charSlot = -1;         // what it writes as, made when first needed
        int paraSlot = -1;
    };
    // Indices outside the document's formats share one kind, which stays plain.
    FormatKind &formatKind(int index)
    {
        const bool valid = index >= 0 && index < m_formats.size();
        FormatKind &kind = valid ? m_kinds[size_t(index)] : m_kinds.back();
        if (!kind.known)
            lookAt(kind, valid ? m_formats[index] : QTextFormat());
        return kind;
    }
    void lookAt(FormatKind &kind, const QTextFormat &format);
    int listNumber(const QTextList *list);

    const QTextDocument &m_doc;
    const QList<QTextFormat> m_formats;
    const QFont m_defaults;
    const QString m_text; // the document's characters; positions index it

    // The font table: the kept entries in their order, then fonts in order of first use.
    struct FontRecord {
        int number = 0;
        QString name;
        int charset = -1; // -1: not given
        int codePage = 0; // \cpgN; 0: not given
        QByteArray entry; // as the file wrote it; empty: written from the fields above
    };
    QList<FontRecord> m_fonts;
    QHash<QString, int> m_fontIndex; // name to number
    QHash<int, int> m_fontRows;      // number to place in m_fonts
    int m_nextFont = 0;
    bool m_keptFonts = false;
    int m_defaultFont = 0;
    int m_codePage = 1250;
    QByteArray m_setUp;
    bool m_styleSheet = false; // the set-up has the file's style sheet
    // Whether the font of each character slot takes Windows-1250 text.
    std::vector<bool> m_slotWindows1250;
    // The colour table by number (RGB, -1 for the automatic colour); colour 0 is the
    // automatic colour unless the file said otherwise.
    QList<int> m_colors{-1};
    QHash<int, int> m_colorIndex;
    // The cells the row being written has in the file (all the table's when not kept).
    int m_rowCells = 0;

    // The paragraph states of the block formats, by their kinds' paraSlot. (Character
    // states are kept by slot in m_transitions; fonts and colours in them are indices
    // into the tables above, colour 0 for the automatic colour.)
    std::vector<ParaState> m_paras;

    // The output: the body is written after room kept for the header, which is known
    // only at the end (the tables list what the body used).
    QByteArray m_body{bodyBuffer(m_text.size())};
    TextEscaper m_out{m_body};
    int m_charSlot = -1; // the character state in force (-1 before the first run)
    // The character states by slot, and the control words from one to another.
    CharTransitions m_transitions;
    ParaState m_para;
    bool m_paraKnown = false;

    // Link targets numbered from 1 in order of first use; the number of the field
    // being written (0 outside one), and the character state in force where it began,
    // which its closing brace brings back.
    QStringList m_hrefs;
    QHash<QString, int> m_linkNumbers;
    int m_link = 0;
    int m_slotBeforeLink = -1;
    // Lists in order of first use; their number is their place plus one.
    QList<const QTextList *> m_lists;
    QHash<const QTextList *, int> m_listIndex;
    // List items written so far, by list: the index of the next one.
    QHash<const QTextList *, int> m_listItems;
    // The frames directly in the document, in order, and the next one to pass.
    const QList<QTextFrame *> m_frames = m_doc.rootFrame()->childFrames();
    qsizetype m_nextFrame = 0;
    // By format index, with one slot more for indices outside the list.
    std::vector<FormatKind> m_kinds{size_t(m_formats.size()) + 1};
};

// "\\'hh" for a byte of the list table's label texts.
QByteArray hexByte(int value)
{
    return "\\'" + QByteArray::number(value & 0xFF, 16).rightJustified(2, '0');
}

// The list table's number format (\levelnfc) of a list style.
int numberFormat(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListDecimal: return 0;
    case QTextListFormat::ListUpperRoman: return 1;
    case QTextListFormat::ListLowerRoman: return 2;
    case QTextListFormat::ListUpperAlpha: return 3;
    case QTextListFormat::ListLowerAlpha: return 4;
    default: return 23;
    }
}

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
    const int blockFormat = block.blockFormatIndex();
    const FormatKind &blockKind = formatKind(blockFormat);
    if (blockKind.leadingPlace && position == 0 && block.length() <= 1 && inFrame(position + 1))
        return;
    if (blockKind.section) {
        m_out.rawBytes(m_formats[blockFormat].property(SectionBreakProperty).toByteArray());
        m_out.newline();
        m_paraKnown = false;
    }
    // The paragraph's state as its format gives it; list items and table paragraphs
    // change a copy of it.
    const ParaState *state = &paraState(blockFormat);
    ParaState para;
    // Only a block whose format names an object can be a list item.
    const QTextList *list = formatKind(blockFormat).inObject ? block.textList() : nullptr;
    if (list) {
        para = *state;
        state = &para;
        // Indents of a list item come from its list level.
        para.listNumber = listNumber(list);
        para.listLevel = qBound(0, list->format().indent() - 1, MaxListLevels - 1);
        // The file's indents, unless the author indented the item; else the list's.
        const QTextFormat &format = m_formats[blockFormat];
        if (format.hasProperty(ListItemLeftProperty) && format.intProperty(QTextFormat::BlockIndent) == 0) {
            para.leftTwips = qBound(-MaxTwips, format.intProperty(ListItemLeftProperty), MaxTwips);
            para.firstTwips = qBound(-MaxTwips, format.intProperty(ListItemFirstProperty), MaxTwips);
        } else {
            para.leftTwips = 360 * (para.listLevel + 2);
            para.firstTwips = -360;
        }
    }
    const QTextTable *table = inFrame(position) ? QTextCursor(block).currentTable() : nullptr;
    QTextTableCell cell;
    if (table) {
        if (state != &para) {
            para = *state;
            state = &para;
        }
        cell = table->cellAt(block.position());
        para.inTable = true;
        if (cell.column() == 0 && cell.firstPosition() == block.position())
            tableRow(table, cell.row());
        // Cells past those the file's row had stay empty and are not written.
        if (cell.column() >= m_rowCells)
            return;
    }
    if (!m_paraKnown || !(*state == m_para))
        paragraphFormat(*state);
    textMode();
    if (list) {
        // The label for older readers, as the pane shows it.
        m_out.rawBytes("{\\listtext ");
        m_out.text(listItemLabel(list->format(), m_listItems[list]++));
        m_out.word("\\tab");
        m_out.rawBytes("}");
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int length = fragment.length();
        const int formatIndex = fragment.charFormatIndex();
        const FormatKind &kind = formatKind(formatIndex);
        if (kind.link != m_link)
            link(kind.link);
        switchTo(charSlot(formatIndex));
        textMode();
        if (kind.object == FormatKind::Plain) {
            m_out.text(QStringView(m_text).mid(position, length));
            position += length;
            continue;
        }
        const QTextFormat &format = m_formats[formatIndex];
        if (kind.object == FormatKind::Kept) {
            const QByteArray group = format.property(KeptGroupProperty).toByteArray();
            for (int i = 0; i < length; ++i)
                m_out.rawBytes(group);
        } else if (kind.object == FormatKind::Picture) {
            for (int i = 0; i < length; ++i)
                picture(format.toImageFormat());
        } else {
            for (int i = 0; i < length; ++i) {
                m_out.rawBytes("{\\v ");
                m_out.text(format.stringProperty(HiddenTextProperty));
                m_out.rawBytes("}");
            }
        }
        position += length;
    }
    if (m_link != 0)
        link(0);
    // An empty paragraph keeps its own character format, which sets its height.
    if (block.length() <= 1)
        switchTo(charSlot(block.charFormatIndex()));
    if (table && cell.lastPosition() == block.position() + block.length() - 1) {
        m_out.word("\\cell");
        if (cell.column() + cell.columnSpan() >= m_rowCells)
            m_out.word("\\row");
    } else {
        m_out.word("\\par");
    }
    m_out.newline();
    // Table paragraphs carry their mark each; the first one after them ends it.
    if (table)
        m_paraKnown = false;
}

void Writer::lookAt(FormatKind &kind, const QTextFormat &format)
{
    kind.known = true;
    kind.inObject = format.objectIndex() >= 0;
    kind.section = format.hasProperty(SectionBreakProperty);
    kind.leadingPlace = format.boolProperty(LeadingTablePlaceProperty);
    if (format.hasProperty(KeptGroupProperty))
        kind.object = FormatKind::Kept;
    else if (format.isImageFormat())
        kind.object = FormatKind::Picture;
    else if (format.objectType() == HiddenTextObject)
        kind.object = FormatKind::Hidden;
    const QString href =
        format.boolProperty(QTextFormat::IsAnchor) ? format.stringProperty(QTextFormat::AnchorHref) : QString();
    if (!href.isEmpty()) {
        kind.link = m_linkNumbers.value(href);
        if (kind.link == 0) {
            m_hrefs.append(href);
            kind.link = int(m_hrefs.size());
            m_linkNumbers.insert(href, kind.link);
        }
    }
}

bool Writer::inFrame(int position)
{
    while (m_nextFrame < m_frames.size() && m_frames[m_nextFrame]->lastPosition() < position)
        ++m_nextFrame;
    return m_nextFrame < m_frames.size() && m_frames[m_nextFrame]->firstPosition() <= position;
}

int Writer::listNumber(const QTextList *list)
{
    const auto it = m_listIndex.constFind(list);
    if (it != m_listIndex.constEnd())
        return it.value();
    m_lists.append(list);
    const int number = int(m_lists.size());
    m_listIndex.insert(list, number);
    return number;
}

bool Writer::rowAsKept(const QTextTable *table, int row, int cells) const
{
    // The row as the file defined it, while the author has not changed its shape: the
    // table has its columns, no cell spans others, and cells past the file's are empty.
    if (cells < 1 || cells > table->columns() || table->format().intProperty(TableColumnsProperty) != table->columns())
        return false;
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        if (cell.rowSpan() != 1 || cell.columnSpan() != 1)
            return false;
        if (c >= cells && cell.lastPosition() > cell.firstPosition())
            return false;
    }
    return true;
}

void Writer::tableRow(const QTextTable *table, int row)
{
    const QTextTableCellFormat first = table->cellAt(row, 0).format().toTableCellFormat();
    const QByteArray kept = first.property(RowDefinitionProperty).toByteArray();
    const int cells = first.intProperty(RowCellsProperty);
    if (!kept.isEmpty() && rowAsKept(table, row, cells)) {
        m_out.rawBytes(kept);
        m_out.newline();
        m_rowCells = cells;
        return;
    }
    m_rowCells = table->columns();
    // The gap is the cells' padding, so that other programs give the text the room the
    // pane gives it; a table drawn with borders gets them on every side of every cell.
    const QTextTableFormat format = table->format();
    m_out.word("\\trowd\\trgaph", qBound(0, pixelsToTwips(format.cellPadding()), MaxCellGapTwips));
    const int border = format.border() > 0 ? qBound(1, pixelsToTwips(format.border()), 75) : 0;
    const QList<QTextLength> widths = format.columnWidthConstraints();
    int right = 0;
    for (int c = 0; c < table->columns(); ++c) {
        int twips = 1800;
        if (c < widths.size() && widths[c].type() == QTextLength::FixedLength)
            twips = qMax(15, pixelsToTwips(widths[c].rawValue()));
        right = qMin(right + twips, MaxTwips);
        if (border > 0) {
            for (const char *side : {"\\clbrdrt", "\\clbrdrl", "\\clbrdrb", "\\clbrdrr"}) {
                m_out.word(side);
                m_out.word("\\brdrs\\brdrw", border);
            }
        }
        m_out.word("\\cellx", right);
    }
    m_out.newline();
}

void Writer::link(int link)
{
    if (link == m_link)
        return;
    if (m_link != 0) {
        m_out.rawBytes("}}");
        m_charSlot = m_slotBeforeLink;
    }
    m_link = link;
    if (link == 0)
        return;
    const QString &href = m_hrefs[link - 1];
    m_slotBeforeLink = m_charSlot;
    // The target in ASCII, with blanks, quotes, braces, backslashes, percent signs and
    // everything outside ASCII percent-encoded, so that any reader reads it whole.
    static const QByteArray kept = [] {
        QByteArray chars;
        for (char c = 0x21; c < 0x7F; ++c) {
            if (c != '"' && c != '%' && c != '\\' && c != '{' && c != '}')
                chars += c;
        }
        return chars;
    }();
    // A place in the document itself ("#name", a bookmark) is written as such.
    const bool place = href.startsWith(u'#') && href.size() > 1;
    const QByteArray target = (place ? href.mid(1) : href).toUtf8().toPercentEncoding(kept);
    m_out.rawBytes(place ? "{\\field{\\*\\fldinst HYPERLINK \\\\l \"" : "{\\field{\\*\\fldinst HYPERLINK \"");
    m_out.text(QString::fromLatin1(target));
    m_out.rawBytes("\"}{\\fldrslt ");
}

void Writer::picture(const QTextImageFormat &format)
{
    const QByteArray group = format.property(PictureGroupProperty).toByteArray();
    if (!group.isEmpty()) {
        m_out.rawBytes(group);
        return;
    }
    const QVariant resource = m_doc.resource(QTextDocument::ImageResource, QUrl(format.name()));
    QImage image = resource.value<QImage>();
    if (image.isNull())
        image = resource.value<QPixmap>().toImage();
    if (image.isNull())
        return;
    const double width = format.width() > 0 ? format.width() : image.width();
    const double height = format.height() > 0 ? format.height() : image.height();
    m_out.rawBytes(pngPictureGroup(image, width, height));
}

void Writer::paragraphFormat(const ParaState &para)
{
    m_out.word("\\pard");
    if (para.style != 0)
        m_out.word("\\s", para.style);
    if (para.pageBreakBefore)
        m_out.word("\\pagebb");
    switch (para.align) {
    case Align::Left: break;
    case Align::Center: m_out.word("\\qc"); break;
    case Align::Right: m_out.word("\\qr"); break;
    case Align::Justify: m_out.word("\\qj"); break;
    }
    // With the file's style sheet, a reader may give a paragraph its style's indents and
    // spacing where the paragraph names none: they are written even when zero.
    const bool all = m_styleSheet;
    if (para.leftTwips != 0 || all)
        m_out.word("\\li", para.leftTwips);
    if (para.rightTwips != 0 || all)
        m_out.word("\\ri", para.rightTwips);
    if (para.firstTwips != 0 || all)
        m_out.word("\\fi", para.firstTwips);
    if (para.spaceBefore != 0 || all)
        m_out.word("\\sb", para.spaceBefore);
    if (para.spaceAfter != 0 || all)
        m_out.word("\\sa", para.spaceAfter);
    if (para.lineSpacing != 0) {
        m_out.word("\\sl", para.lineSpacing);
        m_out.word(para.lineMultiple ? "\\slmult1" : "\\slmult0");
    }
    if (para.listNumber > 0) {
        m_out.word("\\ls", para.listNumber);
        m_out.word("\\ilvl", para.listLevel);
    }
    if (para.inTable)
        m_out.word("\\intbl");
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
    if (!para.kept.isEmpty())
        m_out.word(para.kept.constData());
    m_para = para;
    m_paraKnown = true;
}

int Writer::newCharSlot(int formatIndex)
{
    const bool known = formatIndex >= 0 && formatIndex < m_formats.size();
    const QTextCharFormat format = known ? m_formats[formatIndex].toCharFormat() : QTextCharFormat();
    const CharLook look = charLook(format, m_defaults);
    CharState state;
    state.font = fontNumber(format);
    const FontRecord &font = m_fonts[m_fontRows.value(state.font)];
    const int codePage = font.codePage != 0                          ? font.codePage
        : font.charset >= 0 && codePageForCharset(font.charset) != 0 ? codePageForCharset(font.charset)
                                                                     : m_codePage;
    m_slotWindows1250.push_back(codePage == 1250);
    state.halfPoints = look.halfPoints;
    state.bold = look.bold;
    state.italic = look.italic;
    state.underline = look.underline;
    state.strike = look.strike;
    const auto colorNumber = [this](QRgb color) {
        const int rgb = int(color & 0xFFFFFF);
        int number = m_colorIndex.value(rgb, -1);
        if (number < 0) {
            m_colors.append(rgb);
            number = int(m_colors.size() - 1);
            m_colorIndex.insert(rgb, number);
        }
        return number;
    };
    state.color = look.hasColor ? colorNumber(look.color) : 0;
    state.background = look.hasBackground ? colorNumber(look.background) : 0;
    state.caps = look.caps;
    state.vertical = look.vertical;
    return m_transitions.add(state);
}

void Writer::keptTables()
{
    const QTextFrameFormat root = m_doc.rootFrame()->frameFormat();
    const QVariantList fonts = root.property(FontTableProperty).toList();
    for (const QVariant &item : fonts) {
        const QVariantList fields = item.toList();
        if (fields.size() != 5)
            continue;
        FontRecord font{fields[0].toInt(), fields[1].toString(), fields[2].toInt(), fields[3].toInt(),
                        fields[4].toByteArray()};
        if (m_fontRows.contains(font.number) || font.number < 0)
            continue;
        m_fontRows.insert(font.number, int(m_fonts.size()));
        if (!m_fontIndex.contains(font.name))
            m_fontIndex.insert(font.name, font.number);
        m_nextFont = qMax(m_nextFont, font.number + 1);
        m_fonts.append(font);
        m_keptFonts = true;
    }
    if (root.hasProperty(DefaultFontProperty))
        m_defaultFont = root.intProperty(DefaultFontProperty);
    if (root.hasProperty(CodePageProperty) && root.intProperty(CodePageProperty) > 0)
        m_codePage = root.intProperty(CodePageProperty);
    m_setUp = root.property(SetUpProperty).toByteArray();
    m_styleSheet = m_setUp.contains("{\\stylesheet");
    const QVariantList colors = root.property(ColorTableProperty).toList();
    if (!colors.isEmpty()) {
        m_colors.clear();
        for (const QVariant &color : colors) {
            const int rgb = color.toInt();
            if (rgb >= 0 && !m_colorIndex.contains(rgb))
                m_colorIndex.insert(rgb, int(m_colors.size()));
            m_colors.append(rgb < 0 ? -1 : rgb & 0xFFFFFF);
        }
    }
}

int Writer::newFont(const QString &name)
{
    const int number = m_nextFont++;
    m_fontRows.insert(number, int(m_fonts.size()));
    m_fontIndex.insert(name, number);
    m_fonts.append(FontRecord{number, name, 238, 0, {}});
    return number;
}

int Writer::fontNumber(const QTextCharFormat &format)
{
    const QStringList families = format.fontFamilies().toStringList();
    if (families.isEmpty() || families.first().isEmpty()) {
        // Text without a face of its own is in the file's default font, when it kept one.
        if (m_keptFonts && m_fontRows.contains(m_defaultFont))
            return m_defaultFont;
        const int known = m_fontIndex.value(m_defaults.family(), -1);
        return known >= 0 ? known : newFont(m_defaults.family());
    }
    const QString &name = families.first();
    // The font the file gave the text, while the text still has its face.
    if (format.hasProperty(FontNumberProperty)) {
        const int number = format.intProperty(FontNumberProperty);
        const auto row = m_fontRows.constFind(number);
        if (row != m_fontRows.constEnd() && m_fonts[row.value()].name == name)
            return number;
    }
    const int known = m_fontIndex.value(name, -1);
    return known >= 0 ? known : newFont(name);
}

const ParaState &Writer::paraState(int formatIndex)
{
    FormatKind &kind = formatKind(formatIndex);
    if (kind.paraSlot < 0) {
        const bool known = formatIndex >= 0 && formatIndex < m_formats.size();
        ParaState para =
            paraLook(known ? m_formats[formatIndex].toBlockFormat() : QTextBlockFormat(), m_doc.indentWidth());
        // Written in full with the file's style sheet: automatic spacing is single
        // spacing, so that reading the file back gives the same state.
        if (m_styleSheet && para.lineSpacing == 0) {
            para.lineSpacing = 240;
            para.lineMultiple = true;
        }
        m_paras.push_back(para);
        kind.paraSlot = int(m_paras.size() - 1);
    }
    return m_paras[size_t(kind.paraSlot)];
}

QByteArray Writer::header() const
{
    QByteArray bytes;
    TextEscaper out(bytes);
    // Text in the header (font names, list labels) is in the header's code page.
    out.setWindows1250(m_codePage == 1250);
    out.word("{\\rtf1\\ansi\\ansicpg", m_codePage);
    out.word("\\deff", m_keptFonts ? m_defaultFont : 0);
    out.raw("{\\fonttbl");
    for (const FontRecord &font : m_fonts) {
        if (!font.entry.isEmpty()) {
            out.rawBytes(font.entry);
            continue;
        }
        out.word("{\\f", font.number);
        out.word("\\fnil");
        if (font.charset >= 0)
            out.word("\\fcharset", font.charset);
        if (font.codePage > 0)
            out.word("\\cpg", font.codePage);
        out.fontName(font.name);
        out.raw(";}");
    }
    out.raw("}");
    out.newline();
    out.word("{\\colortbl");
    for (const int rgb : m_colors) {
        if (rgb < 0) {
            out.text(u";");
            continue;
        }
        out.word("\\red", qRed(QRgb(rgb)));
        out.word("\\green", qGreen(QRgb(rgb)));
        out.word("\\blue", qBlue(QRgb(rgb)));
        out.raw(";");
    }
    out.raw("}");
    out.newline();
    listTables(out);
    if (!m_setUp.isEmpty()) {
        out.rawBytes(m_setUp);
        out.newline();
    }
    out.word("\\uc1");
    out.finish();
    return bytes;
}

void Writer::listTables(TextEscaper &out) const
{
    if (m_lists.isEmpty())
        return;
    out.raw("{\\*\\listtable");
    for (qsizetype i = 0; i < m_lists.size(); ++i) {
        const QTextListFormat format = m_lists[i]->format();
        const int nfc = numberFormat(shownListStyle(format));
        // The label's text around the number; at most 255 characters in all.
        const QString before = format.numberPrefix().left(120);
        const QString after =
            format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix().left(120) : QStringLiteral(".");
        out.newline();
        out.word("{\\list\\listtemplateid", int(i + 1));
        for (int level = 0; level < MaxListLevels; ++level) {
            out.word("{\\listlevel\\levelnfc", nfc);
            out.word("\\levelnfcn", nfc);
            out.word("\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat", listStart(format));
            if (nfc == 23) {
                out.word("{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}");
            } else {
                out.raw("{\\leveltext");
                out.rawBytes(hexByte(int(before.size() + 1 + after.size())));
                out.text(before);
                out.rawBytes(hexByte(level));
                out.text(after);
                out.raw(";}");
                out.raw("{\\levelnumbers");
                out.rawBytes(hexByte(int(before.size() + 1)));
                out.raw(";}");
            }
            out.word("\\fi-360\\li", 360 * (level + 2));
            out.raw("}");
        }
        out.word("\\listid", int(i + 1));
        out.raw("}");
    }
    out.raw("}");
    out.newline();
    out.raw("{\\*\\listoverridetable");
    for (qsizetype i = 0; i < m_lists.size(); ++i) {
        out.word("{\\listoverride\\listid", int(i + 1));
        out.word("\\listoverridecount0\\ls", int(i + 1));
        out.raw("}");
    }
    out.raw("}");
    out.newline();
}

} // namespace

QByteArray write(const QTextDocument &doc)
{
    return Writer(doc).run();
}

} // namespace lumora::rtf
