#include "rtf/rtfparser.h"

#include "rtf/rtfcharacters.h"
#include "rtf/rtfkept.h"
#include "rtf/rtfpicture.h"

#include <QTextDocument>
#include <QTextFrame>

namespace lumora::rtf {

namespace {

bool toggle(const Token &t)
{
    return !t.hasParam || t.param != 0;
}

int twips(const Token &t)
{
    return qBound(-MaxTwips, t.param, MaxTwips);
}

constexpr int MaxFieldInstruction = 4096;
constexpr int MaxTableCells = 4096;

// The target of a "HYPERLINK" field instruction: its first quoted word (or first word),
// with a "\l" place appended as a fragment; empty for other fields.
QString linkTarget(const QByteArray &instruction)
{
    const QString text = QString::fromLatin1(instruction).simplified();
    if (!text.startsWith(QStringLiteral("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    QString rest = text.mid(9).trimmed();
    QString target, place;
    while (!rest.isEmpty()) {
        QString word;
        if (rest.startsWith(u'"')) {
            const qsizetype end = rest.indexOf(u'"', 1);
            word = rest.mid(1, end < 0 ? -1 : end - 1);
            rest = end < 0 ? QString() : rest.mid(end + 1).trimmed();
        } else {
            const qsizetype end = rest.indexOf(u' ');
            word = rest.left(end);
            rest = end < 0 ? QString() : rest.mid(end + 1).trimmed();
        }
        if (word == u"\\l") {
            place = QStringLiteral("#");
        } else if (word.startsWith(u'\\')) {
            continue;
        } else if (place == u"#") {
            place += word;
        } else if (target.isEmpty()) {
            target = word;
        }
    }
    // Targets come percent-encoded (as the writer writes them); they read back as text.
    target = QString::fromUtf8(QByteArray::fromPercentEncoding(target.toLatin1()));
    return target + (place.size() > 1 ? place : QString());
}

} // namespace

Parser::Parser(QByteArrayView input, QTextCursor &cursor)
    : m_lexer(input), m_builder(cursor, m_tables), m_document(cursor.document())
{
    m_builder.rowDefinition(m_row);
}

Parser::Parser(QByteArrayView input, QTextCursor &cursor, const Tables &tables) : Parser(input, cursor)
{
    m_tables = tables;
}

void Parser::run()
{
    // The input ends, or the document's group closes: what follows it is not part of it.
    while (!m_ended) {
        if (plainText())
            m_lexer.appendText(m_pending);
        const qsizetype at = m_lexer.position();
        const Token t = m_lexer.next();
        m_tokenStart = at;
        if (m_star && t.kind != Token::Kind::Word) {
            // "\*" before anything but a word: the group is of no use to the reader.
            m_star = false;
            if (t.kind == Token::Kind::GroupStart)
                m_lexer.skipGroup();
            if (t.kind != Token::Kind::GroupEnd)
                skipGroup();
            else
                closeGroup();
            continue;
        }
        switch (t.kind) {
        case Token::Kind::GroupEnd: closeGroup(); break;
        case Token::Kind::End: m_ended = true; break;
        case Token::Kind::GroupStart:
            openGroup(at);
            // "{*\word" is taken for a damaged "{\*\word".
            m_star = m_lexer.skipBareStar();
            break;
        case Token::Kind::Text:
            if (plainText())
                m_pending.append(t.text.data(), size_t(t.text.size()));
            else
                bytes(t.text);
            break;
        case Token::Kind::HexByte:
            if (plainText())
                m_pending.push_back(t.symbol);
            else if (!skipFallback())
                bytes(QByteArrayView(&t.symbol, 1), true);
            break;
        case Token::Kind::Tab:
            if (!skipFallback())
                character(u'\t');
            break;
        case Token::Kind::Binary: skipFallback(); break;
        case Token::Kind::Symbol:
            if (!skipFallback())
                symbol(t.symbol);
            break;
        case Token::Kind::Word:
            if (!skipFallback())
                word(t);
            break;
        }
    }
    flushText();
    emitHidden();
    m_builder.finish(endingParagraph(), m_group.chr);
    if (m_keepSetUp)
        storeSetUp();
}

void Parser::keepParagraphWord(const Token &t)
{
    QByteArray &kept = m_group.para.kept;
    if (kept.size() >= MaxParagraphKept)
        return;
    kept += '\\';
    kept += t.text;
    if (t.hasParam)
        kept += QByteArray::number(t.param);
}

void Parser::storeSetUp()
{
    QTextFrame *root = m_document->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    if (!m_setUp.isEmpty())
        format.setProperty(SetUpProperty, m_setUp);
    QVariantList fonts;
    for (auto it = m_tables.fonts.constBegin(); it != m_tables.fonts.constEnd(); ++it) {
        const FontEntry &font = it.value();
        fonts.append(QVariant(QVariantList{it.key(), font.name, font.charset, font.codePage, font.entry}));
    }
    if (!fonts.isEmpty())
        format.setProperty(FontTableProperty, fonts);
    QVariantList colors;
    for (const QColor &color : std::as_const(m_tables.colors))
        colors.append(color.isValid() ? int(color.rgb() & 0xFFFFFF) : -1);
    if (!colors.isEmpty())
        format.setProperty(ColorTableProperty, colors);
    format.setProperty(DefaultFontProperty, m_tables.defaultFont);
    format.setProperty(CodePageProperty, m_tables.codePage);
    root->setFrameFormat(format);
}

bool Parser::settingUp() const
{
    return m_keepSetUp && m_group.dest == Destination::Text && (!m_builder.started() || m_builder.sectionOpen());
}

void Parser::keepSetUpBytes(QByteArrayView bytes)
{
    if (m_builder.started())
        m_builder.sectionWords(bytes);
    else
        m_setUp.append(bytes.data(), bytes.size());
}

void Parser::keepSetUpGroup(bool starred)
{
    // Only groups right inside the document's group set it up.
    if (m_stack.size() != 2 || m_overflowDepth > 0 || !settingUp() || m_stack.back().dest != Destination::Text) {
        skipGroup();
        return;
    }
    flushText();
    const qsizetype from = m_tokenStart;
    const bool closed = m_lexer.skipGroup() == 0;
    QByteArray group = starred ? QByteArray("{\\*") : QByteArray("{");
    group.append(m_lexer.input().sliced(from, m_lexer.position() - from));
    closeGroup();
    if (closed) {
        keepSetUpBytes(group);
        keepSetUpBytes("\r\n");
    }
}

const ParaState &Parser::endingParagraph()
{
    const ParaState &para = m_group.para;
    const bool item = m_itemMarked && !m_itemContinued;
    m_itemMarked = m_itemContinued = false;
    if (item || (para.listNumber == 0 && para.listKind == ListKind::None))
        return para;
    // A paragraph that names no list of its own (nor has a label) continues the item
    // before it: it keeps its indents and gets no number.
    m_unlisted = para;
    m_unlisted.listNumber = 0;
    m_unlisted.listKind = ListKind::None;
    return m_unlisted;
}

void Parser::endLevelText()
{
    // The text's first character is its length; the rest up to it is the label.
    if (m_listOpen && m_listLevel >= 0 && m_listLevel < MaxListLevels && !m_levelText.isEmpty()) {
        const int length = qMin<int>(m_levelText.at(0).unicode(), int(m_levelText.size()) - 1);
        m_listDef.levels[size_t(m_listLevel)].text = m_levelText.mid(1, length);
    }
    m_levelText.clear();
    m_levelTextDepth = 0;
}

void Parser::openGroup(qsizetype at)
{
    flushText();
    m_fallbackLeft = 0;
    m_groupStart = at;
    if (m_stack.size() >= size_t(MaxDepth)) {
        ++m_overflowDepth;
        return;
    }
    m_stack.push_back(m_group);
    m_group.start = at;
}

void Parser::closeGroup()
{
    flushText();
    m_fallbackLeft = 0;
    if (m_overflowDepth > 0) {
        // Only the deepest kept group knows where it starts; those beyond it do not.
        --m_overflowDepth;
        m_groupStart = m_overflowDepth == 0 ? m_group.start : -1;
        return;
    }
    // The outermost group is the document's; it stays open to the end.
    if (m_stack.size() <= 1) {
        m_ended = m_stack.size() == 1;
        return;
    }
    // A font entry's name ends with its group at the latest (not with a group inside it).
    if (m_group.dest == Destination::FontTable && m_stack.size() <= m_fontDepth) {
        commitFontName();
        // An entry in a group of its own is kept as the file wrote it.
        if (m_stack.size() == m_fontDepth && m_fontNumber >= 0 && m_group.start == m_fontGroupStart
            && m_fontGroupStart >= 0) {
            const QByteArrayView entry =
                m_lexer.input().sliced(m_fontGroupStart, m_lexer.position() - m_fontGroupStart).trimmed();
            if (entry.startsWith("{\\f") && entry.size() > 3 && entry[3] >= '0' && entry[3] <= '9')
                m_tables.fonts[m_fontNumber].entry = entry.toByteArray();
        }
    }
    if (m_levelTextDepth > 0 && m_stack.size() <= m_levelTextDepth)
        endLevelText();
    m_oldListText = nullptr;
    if (m_group.dest == Destination::ListTable && m_listOpen && m_stack.size() <= m_listDepth) {
        if (m_tables.lists.size() < Tables::MaxLists || m_tables.lists.contains(m_listId))
            m_tables.lists.insert(m_listId, m_listDef);
        m_listOpen = false;
        tablesChanged();
    }
    const Destination closing = m_group.dest;
    m_group = m_stack.back();
    m_stack.pop_back();
    m_groupStart = m_group.start;
    if (closing == Destination::OldList && m_group.dest != Destination::OldList) {
        m_itemMarked = true;
        m_itemContinued = m_oldListContinue;
        ParaState &para = m_group.para;
        if (para.listNumber == 0) {
            para.listKind = m_oldListKind;
            para.listLevel = m_oldListLevel;
        }
        // The kind also stands for a list the list table does not define.
        if (m_oldListKind != ListKind::None)
            para.listKind = m_oldListKind;
        para.listStart = m_oldListStart;
        para.listBefore = m_oldListBefore;
        para.listAfter = m_oldListAfter;
    } else if (closing == Destination::FieldInstruction && m_group.dest != Destination::FieldInstruction) {
        m_fieldLink = linkTarget(m_fieldInstruction);
    }
}

bool Parser::canSkip() const
{
    return m_stack.size() > 1 || m_overflowDepth > 0;
}

void Parser::skipGroup()
{
    if (!canSkip())
        return;
    flushText();
    m_lexer.skipGroup();
    closeGroup();
}

bool Parser::skipFallback()
{
    if (m_fallbackLeft == 0)
        return false;
    --m_fallbackLeft;
    return true;
}

void Parser::bytes(QByteArrayView data, bool escaped)
{
    if (m_fallbackLeft > 0) {
        const qsizetype skipped = qMin<qsizetype>(m_fallbackLeft, data.size());
        m_fallbackLeft -= int(skipped);
        data = data.sliced(skipped);
    }
    switch (m_group.dest) {
    case Destination::Text:
        if (!m_group.chr.hidden)
            m_pending.append(data.data(), size_t(data.size()));
        else
            m_hiddenBytes.append(data.data(), size_t(data.size()));
        break;
    case Destination::FontTable: fontNameBytes(data, escaped); break;
    case Destination::ColorTable:
        if (!escaped)
            colorBytes(data);
        break;
    case Destination::FieldInstruction:
        if (m_fieldInstruction.size() + data.size() <= MaxFieldInstruction)
            m_fieldInstruction.append(data.data(), data.size());
        break;
    case Destination::ListTable:
        if (m_levelTextDepth > 0)
            decoder().decode(data, m_levelText);
        break;
    case Destination::OldList:
        if (m_oldListText && m_oldListText->size() < MaxFontName)
            decoder().decode(data, *m_oldListText);
        break;
    case Destination::ListOverrideTable: break;
    }
}

void Parser::character(char16_t c)
{
    flushText();
    if (m_group.dest == Destination::Text && m_group.chr.hidden)
        m_hiddenText.append(QChar(c));
    else if (m_group.dest == Destination::Text)
        m_builder.text(QStringView(&c, 1), m_group.chr, m_group.para);
    else if (m_group.dest == Destination::FontTable)
        fontNameCharacter(c);
    else if (m_group.dest == Destination::ListTable && m_levelTextDepth > 0)
        m_levelText.append(QChar(c));
    else if (m_group.dest == Destination::OldList && m_oldListText && m_oldListText->size() < MaxFontName)
        m_oldListText->append(QChar(c));
}

void Parser::decodeHidden()
{
    if (m_hiddenBytes.empty())
        return;
    decoder().decode(QByteArrayView(m_hiddenBytes.data(), qsizetype(m_hiddenBytes.size())), m_hiddenText);
    m_hiddenBytes.clear();
}

void Parser::emitHidden()
{
    decodeHidden();
    m_hiddenText.removeIf([](QChar c) { return isDroppedCharacter(c.unicode()); });
    if (!m_hiddenText.isEmpty())
        m_builder.hidden(m_hiddenText, m_group.chr, m_group.para);
    m_hiddenText.clear();
}

void Parser::flushText()
{
    if (m_group.chr.hidden) {
        decodeHidden();
    } else if (!m_hiddenText.isEmpty() || !m_hiddenBytes.empty()) {
        // Hidden text came before the pending visible text.
        emitHidden();
    }
    if (m_pending.empty())
        return;
    const ByteDecoder &bytes = decoder();
    QString &run = m_builder.textBuffer(m_group.chr, m_group.para);
    const qsizetype from = run.size();
    bytes.decode(QByteArrayView(m_pending.data(), qsizetype(m_pending.size())), run);
    m_builder.textAdded(from);
    m_pending.clear();
}

const ByteDecoder &Parser::decoder()
{
    // Bytes decode by the code page of the current font's charset, else by the
    // document's code page. Decoders are remembered per font until a table changes.
    const int font = m_group.chr.font;
    if (m_decoder && m_decoderFont == font)
        return *m_decoder;
    const ByteDecoder **known = nullptr;
    if (font >= -1 && font < int(m_decoders.size()) - 1) {
        known = &m_decoders[size_t(font + 1)];
    } else {
        if (m_otherDecoders.size() >= Tables::MaxFonts)
            m_otherDecoders.clear();
        known = &m_otherDecoders[font];
    }
    if (!*known) {
        int codePage = 0;
        if (const FontEntry *entry = m_tables.font(font))
            codePage = entry->codePage != 0 ? entry->codePage : codePageForCharset(entry->charset);
        *known = &decoderFor(codePage != 0 ? codePage : m_tables.codePage);
    }
    m_decoder = *known;
    m_decoderFont = font;
    return *m_decoder;
}

void Parser::symbol(char c)
{
    switch (c) {
    case '\\':
    case '{':
    case '}': bytes(QByteArrayView(&c, 1), true); break;
    case '~': character(0x00A0); break;
    case '-': character(0x00AD); break;
    case '_': character(0x2011); break;
    case '\n':
        flushText();
        if (m_group.dest == Destination::Text) {
            emitHidden();
            m_builder.paragraphEnd(endingParagraph(), m_group.chr);
        }
        break;
    case '*': m_star = true; break;
    default: break;
    }
}

bool Parser::knownStarred(Word word)
{
    switch (word) {
    case Word::ListTable:
    case Word::ListOverrideTable:
    case Word::OldList:
    case Word::FieldInstruction:
    case Word::Object:
    case Word::Shape:
    case Word::ShapePicture:
    case Word::NonShapePicture:
    case Word::UnicodeForm:
    case Word::NestedTableProperties:
    case Word::KeptDestination:
    case Word::InlineKept: return true;
    default: return false;
    }
}

void Parser::listWord(const Token &t, Word word)
{
    switch (m_group.dest) {
    case Destination::ListTable:
        if (word == Word::List) {
            m_listOpen = true;
            m_listDepth = m_stack.size();
            m_listDef = ListDefinition{};
            m_listLevel = -1;
            m_listId = 0;
        } else if (word == Word::ListId && m_listOpen) {
            m_listId = t.param;
        } else if (word == Word::ListLevel && m_listOpen) {
            m_listLevel = qMin(m_listLevel + 1, MaxListLevels);
        } else if (m_listOpen && m_listLevel >= 0 && m_listLevel < MaxListLevels) {
            ListLevel &level = m_listDef.levels[size_t(m_listLevel)];
            if (word == Word::LevelFormat) {
                level.kind = listKindForNumberFormat(t.param);
            } else if (word == Word::LevelStart) {
                level.start = qBound(0, t.param, MaxListStart);
            } else if (word == Word::LevelText) {
                m_levelTextDepth = m_stack.size();
                m_levelText.clear();
            }
        }
        break;
    case Destination::ListOverrideTable:
        if (word == Word::ListOverride) {
            m_overrideList = 0;
        } else if (word == Word::ListId) {
            m_overrideList = t.param;
        } else if (word == Word::ListNumber && t.param > 0
                   && (m_tables.listOverrides.size() < Tables::MaxLists || m_tables.listOverrides.contains(t.param))) {
            m_tables.listOverrides.insert(t.param, m_overrideList);
            tablesChanged();
        }
        break;
    case Destination::OldList:
        switch (word) {
        case Word::OldListBullet: m_oldListKind = ListKind::Disc; break;
        case Word::OldListBody:
            if (m_oldListKind == ListKind::None || m_oldListKind == ListKind::Disc)
                m_oldListKind = ListKind::Decimal;
            break;
        case Word::OldListLevel:
            m_oldListLevel = qBound(0, t.param - 1, MaxListLevels - 1);
            if (m_oldListKind == ListKind::None)
                m_oldListKind = ListKind::Decimal;
            break;
        case Word::OldListDecimal: m_oldListKind = ListKind::Decimal; break;
        case Word::OldListUpperLetter: m_oldListKind = ListKind::UpperAlpha; break;
        case Word::OldListLowerLetter: m_oldListKind = ListKind::LowerAlpha; break;
        case Word::OldListUpperRoman: m_oldListKind = ListKind::UpperRoman; break;
        case Word::OldListLowerRoman: m_oldListKind = ListKind::LowerRoman; break;
        case Word::OldListStart: m_oldListStart = qBound(0, t.param, MaxListStart); break;
        case Word::OldListContinue: m_oldListContinue = true; break;
        case Word::OldListTextBefore: m_oldListText = &m_oldListBefore; break;
        case Word::OldListTextAfter: m_oldListText = &m_oldListAfter; break;
        default: break;
        }
        break;
    default: break;
    }
}

void Parser::picture()
{
    const QByteArrayView in = m_lexer.input();
    qsizetype start = m_groupStart;
    while (start >= 0 && start < in.size() && in[start] != '{')
        ++start;
    if (m_group.dest != Destination::Text || start < 0 || start >= in.size() || !canSkip()) {
        skipGroup();
        return;
    }
    flushText();
    const bool closed = m_lexer.skipGroup() == 0;
    const QByteArrayView group = in.sliced(start, m_lexer.position() - start);
    // The group is kept as it stands only when it is the picture alone; text or words
    // before "\pict" (already read as text) make it be kept in a form of its own.
    const bool alone = group.startsWith("{\\pict");
    closeGroup();
    if (!m_group.chr.hidden && m_group.dest == Destination::Text)
        m_builder.picture(group, closed && alone, m_group.chr, m_group.para);
}

void Parser::keepGroup(KeptKind kind, bool starred)
{
    if (m_group.dest != Destination::Text || !canSkip()) {
        skipGroup();
        return;
    }
    flushText();
    emitHidden();
    // The group is kept from its first word on: what came before the word in the group
    // was read already. A group the input cuts short is dropped: its last bytes may be
    // half a control word or binary data that would swallow any closing brace added.
    const qsizetype from = m_tokenStart;
    const bool closed = m_lexer.skipGroup() == 0;
    QByteArray group = starred ? QByteArray("{\\*") : QByteArray("{");
    group.append(m_lexer.input().sliced(from, m_lexer.position() - from));
    closeGroup();
    if (!closed || m_group.chr.hidden || m_group.dest != Destination::Text)
        return;
    const Tables &tables = m_tables;
    m_builder.keptGroup(
        kind, group,
        [&tables](QByteArrayView box) {
            QTextDocument doc;
            QTextCursor cursor(&doc);
            Parser(box, cursor, tables).run();
            return doc.toPlainText().trimmed();
        },
        m_group.chr, m_group.para);
}

void Parser::word(const Token &t)
{
    flushText();
    const WordEntry entry = lookupWord(t.text);
    const bool starred = std::exchange(m_star, false);
    if (starred && !knownStarred(entry.word)) {
        skipGroup();
        return;
    }
    // List definitions read their own words; Unicode characters in their label texts
    // are read as everywhere.
    if ((m_group.dest == Destination::ListTable || m_group.dest == Destination::ListOverrideTable
         || m_group.dest == Destination::OldList)
        && entry.word != Word::Unicode && entry.word != Word::UnicodeSkip) {
        listWord(t, entry.word);
        return;
    }
    switch (wordGroup(entry.word)) {
    case WordGroup::None:
        if (m_group.dest == Destination::Text && isParagraphKeptWord(t.text)) {
            if (isParagraphBorderSide(t.text)) {
                m_paraBorderSide = true;
                m_rowBorderSide = false;
            }
            keepParagraphWord(t);
        } else if (m_paraBorderSide && m_group.dest == Destination::Text && isBorderDetailWord(t.text)) {
            keepParagraphWord(t);
        }
        // Page, document and section set-up at the document's level is kept as written.
        if (m_stack.size() == 1 && settingUp() && isSetUpWord(t.text)) {
            QByteArray bytes = "\\" + t.text.toByteArray();
            if (t.hasParam)
                bytes += QByteArray::number(t.param);
            keepSetUpBytes(bytes);
        }
        break;
    case WordGroup::Destination: destinationWord(entry.word, starred); break;
    case WordGroup::Document: documentWord(t, entry.word); break;
    case WordGroup::FontOrColorTable: tableEntryWord(t, entry.word); break;
    case WordGroup::Character: characterWord(t, entry.word); break;
    case WordGroup::Paragraph: paragraphWord(t, entry.word); break;
    case WordGroup::TableRow: tableRowWord(t, entry.word); break;
    case WordGroup::Break: breakWord(entry); break;
    }
}

void Parser::destinationWord(Word word, bool starred)
{
    switch (word) {
    case Word::FontTable:
        if (canSkip())
            m_group.dest = Destination::FontTable;
        m_fontNumber = -1;
        break;
    case Word::ColorTable:
        if (canSkip())
            m_group.dest = Destination::ColorTable;
        m_tables.colors.clear();
        m_red = m_green = m_blue = 0;
        m_colorGiven = false;
        tablesChanged();
        break;
    case Word::SkipDestination: skipGroup(); break;
    case Word::ListTable:
        if (canSkip())
            m_group.dest = Destination::ListTable;
        break;
    case Word::ListOverrideTable:
        if (canSkip())
            m_group.dest = Destination::ListOverrideTable;
        break;
    case Word::OldList:
        if (canSkip() && m_group.dest == Destination::Text) {
            m_group.dest = Destination::OldList;
            m_oldListKind = ListKind::None;
            m_oldListLevel = 0;
            m_oldListStart = 0;
            m_oldListContinue = false;
            m_oldListBefore.clear();
            m_oldListAfter.clear();
            m_oldListText = nullptr;
        }
        break;
    case Word::ListText:
        // The label older readers show: the paragraph is a list item.
        m_itemMarked = true;
        skipGroup();
        break;
    case Word::Field:
        m_fieldLink.clear();
        m_fieldInstruction.clear();
        break;
    case Word::FieldInstruction:
        if (canSkip()) {
            m_group.dest = Destination::FieldInstruction;
            m_fieldInstruction.clear();
        }
        break;
    case Word::FieldResult:
        if (m_group.dest == Destination::Text && !m_fieldLink.isEmpty()) {
            if (m_tables.links.size() < Tables::MaxLinks)
                m_tables.links.append(m_fieldLink);
            m_group.chr.link = int(m_tables.links.size()) - 1;
            m_fieldLink.clear();
        }
        break;
    case Word::Picture: picture(); break;
    case Word::Object: keepGroup(KeptKind::Object, starred); break;
    case Word::Shape: keepGroup(KeptKind::Shape, starred); break;
    case Word::ShapePicture: keepGroup(KeptKind::ShapePicture, starred); break;
    case Word::NonShapePicture: keepGroup(KeptKind::Unshown, starred); break;
    case Word::InlineKept: keepGroup(KeptKind::Unshown, starred); break;
    case Word::KeptDestination: keepSetUpGroup(starred); break;
    case Word::FootnoteMark:
        // A footnote's number where it stands in the text, kept as it came.
        if (m_group.dest == Destination::Text && !m_group.chr.hidden) {
            flushText();
            emitHidden();
            m_builder.keptGroup(KeptKind::Unshown, "{\\chftn}", {}, m_group.chr, m_group.para);
        }
        break;
    case Word::UnicodePair:
        // "{\upr{plain form}{\*\ud{Unicode form}}}": the plain form is passed over.
        if (m_lexer.atGroupStart()) {
            m_lexer.next();
            m_lexer.skipGroup();
        }
        break;
    case Word::NestedTableProperties:
        // Its text is read; its row definitions are the inner table's, which is read
        // as paragraphs, and leave the outer table's alone.
        m_group.nestedRow = true;
        break;
    default:
        // The words inside list definitions, read by listWord.
        break;
    }
}

void Parser::documentWord(const Token &t, Word word)
{
    switch (word) {
    case Word::CharsetAnsi:
        m_tables.codePage = 1252;
        tablesChanged();
        break;
    case Word::CharsetMac:
        m_tables.codePage = 10000;
        tablesChanged();
        break;
    case Word::CharsetPc:
        m_tables.codePage = 437;
        tablesChanged();
        break;
    case Word::CharsetPca:
        m_tables.codePage = 850;
        tablesChanged();
        break;
    case Word::AnsiCodePage:
        if (t.param > 0) {
            m_tables.codePage = t.param;
            tablesChanged();
        }
        break;
    case Word::DefaultFont:
        m_tables.defaultFont = t.param;
        tablesChanged();
        break;
    case Word::UnicodeSkip: m_group.unicodeSkip = qBound(0, t.param, MaxUnicodeSkip); break;
    case Word::Unicode:
        if (t.hasParam && t.param >= -0x8000 && t.param <= 0xFFFF) {
            character(char16_t(t.param < 0 ? t.param + 0x10000 : t.param));
            m_fallbackLeft = m_group.unicodeSkip;
        }
        break;
    default: break;
    }
}

void Parser::tableEntryWord(const Token &t, Word word)
{
    const bool inFonts = m_group.dest == Destination::FontTable;
    switch (word) {
    case Word::Font:
        if (inFonts)
            beginFont(t.param);
        else
            m_group.chr.font = t.param;
        break;
    case Word::FontCharset:
        if (inFonts && m_fontNumber >= 0) {
            m_tables.fonts[m_fontNumber].charset = t.param;
            tablesChanged();
        }
        break;
    case Word::FontCodePage:
        if (inFonts && m_fontNumber >= 0) {
            m_tables.fonts[m_fontNumber].codePage = qMax(0, t.param);
            tablesChanged();
        }
        break;
    case Word::Red:
    case Word::Green:
    case Word::Blue:
        if (m_group.dest == Destination::ColorTable) {
            int &component = word == Word::Red ? m_red : word == Word::Green ? m_green : m_blue;
            component = qBound(0, t.param, 255);
            m_colorGiven = true;
        }
        break;
    default: break;
    }
}

void Parser::characterWord(const Token &t, Word word)
{
    CharState &chr = m_group.chr;
    switch (word) {
    case Word::Plain: chr = CharState{}; break;
    case Word::Bold: chr.bold = toggle(t); break;
    case Word::Italic: chr.italic = toggle(t); break;
    case Word::Underline: chr.underline = toggle(t); break;
    case Word::UnderlineNone: chr.underline = false; break;
    case Word::Strike: chr.strike = toggle(t); break;
    case Word::Hidden: chr.hidden = toggle(t); break;
    case Word::FontSize:
        chr.halfPoints = t.param > 0 ? qBound(MinHalfPoints, t.param, MaxHalfPoints) : DefaultHalfPoints;
        break;
    case Word::Color: chr.color = qMax(-1, t.param); break;
    case Word::Super: chr.vertical = VerticalPlace::Super; break;
    case Word::Sub: chr.vertical = VerticalPlace::Sub; break;
    case Word::NoSuperSub: chr.vertical = VerticalPlace::Normal; break;
    case Word::Up: chr.vertical = t.hasParam && t.param == 0 ? VerticalPlace::Normal : VerticalPlace::Super; break;
    case Word::Down: chr.vertical = t.hasParam && t.param == 0 ? VerticalPlace::Normal : VerticalPlace::Sub; break;
    case Word::Caps: chr.caps = toggle(t); break;
    case Word::Highlight:
    case Word::Background:
        // Colour 0 is the automatic colour: no background.
        chr.background = t.param > 0 ? t.param : -1;
        break;
    default: break;
    }
}

void Parser::paragraphWord(const Token &t, Word word)
{
    ParaState &para = m_group.para;
    switch (word) {
    case Word::Pard:
        para = ParaState{};
        m_rowBorderSide = false;
        m_paraBorderSide = false;
        break;
    case Word::AlignLeft: para.align = Align::Left; break;
    case Word::AlignCenter: para.align = Align::Center; break;
    case Word::AlignRight: para.align = Align::Right; break;
    case Word::AlignJustify: para.align = Align::Justify; break;
    case Word::LeftIndent: para.leftTwips = twips(t); break;
    case Word::RightIndent: para.rightTwips = twips(t); break;
    case Word::FirstIndent: para.firstTwips = twips(t); break;
    case Word::TabStop:
        para.addTab({twips(t), para.nextTabKind});
        para.nextTabKind = TabKind::Left;
        break;
    case Word::TabRight: para.nextTabKind = TabKind::Right; break;
    case Word::TabCenter: para.nextTabKind = TabKind::Center; break;
    case Word::TabDecimal: para.nextTabKind = TabKind::Decimal; break;
    case Word::SpaceBefore: para.spaceBefore = qBound(0, t.param, MaxTwips); break;
    case Word::SpaceAfter: para.spaceAfter = qBound(0, t.param, MaxTwips); break;
    case Word::LineSpacing: para.lineSpacing = twips(t); break;
    case Word::LineMultiple: para.lineMultiple = toggle(t); break;
    case Word::ListNumber:
        para.listNumber = qBound(0, t.param, 0x7FFF);
        m_itemMarked = true;
        break;
    case Word::ListLevelNumber:
        para.listLevel = qBound(0, t.param, MaxListLevels - 1);
        m_itemMarked = true;
        break;
    case Word::Style: para.style = qBound(0, t.param, 0x7FFF); break;
    case Word::PageBreakBefore: para.pageBreakBefore = toggle(t); break;
    default: break;
    }
}

void Parser::tableRowWord(const Token &t, Word word)
{
    if (m_group.nestedRow && word != Word::InTable)
        return;
    switch (word) {
    case Word::InTable: m_group.para.inTable = true; break;
    case Word::RowDefaults:
        m_row = {};
        m_rowBorderSide = false;
        m_rowStart = m_tokenStart;
        m_rowChecked = m_lexer.position();
        m_rowDepth = 0;
        break;
    case Word::CellRight:
        if (m_row.rights.size() < size_t(MaxTableCells))
            m_row.rights.push_back(twips(t));
        m_rowBorderSide = false;
        // The definition as the file wrote it, when its braces are balanced; each byte is
        // looked at once however many cells the row has.
        if (m_rowStart >= 0 && m_rowChecked < m_lexer.position()) {
            const QByteArrayView input = m_lexer.input();
            for (qsizetype i = m_rowChecked; i < m_lexer.position() && m_rowStart >= 0; ++i) {
                if (input[i] == '\\' && i + 1 < input.size() && (input[i + 1] == '{' || input[i + 1] == '}'))
                    m_rowStart = -1;
                else if (input[i] == '\\')
                    ++i;
                else if (input[i] == '{')
                    ++m_rowDepth;
                else if (input[i] == '}' && --m_rowDepth < 0)
                    m_rowStart = -1;
            }
            m_rowChecked = m_lexer.position();
            if (m_rowStart >= 0 && m_rowDepth == 0)
                m_row.entry = input.sliced(m_rowStart, m_rowChecked - m_rowStart).trimmed();
        }
        break;
    case Word::RowGap: m_row.gapTwips = qBound(0, t.param, MaxCellGapTwips); break;
    case Word::RowHeader: m_row.header = true; break;
    case Word::RowBorderSide:
        m_rowBorderSide = true;
        m_paraBorderSide = false;
        break;
    case Word::BorderStyle:
        // A border style counts for the row only right after one of its border sides
        // (paragraph borders use the same style words).
        if (m_rowBorderSide)
            m_row.bordered = true;
        else if (m_paraBorderSide && m_group.dest == Destination::Text)
            keepParagraphWord(t);
        break;
    case Word::NoBorder:
        m_rowBorderSide = false;
        if (m_paraBorderSide && m_group.dest == Destination::Text)
            keepParagraphWord(t);
        break;
    default: break;
    }
}

void Parser::breakWord(const WordEntry &entry)
{
    const bool inText = m_group.dest == Destination::Text;
    const CharState &chr = m_group.chr;
    const bool ends = entry.word == Word::Par || entry.word == Word::Row || entry.word == Word::Cell
        || entry.word == Word::Section || entry.word == Word::Page;
    const ParaState &para = inText && ends ? endingParagraph() : m_group.para;
    switch (entry.word) {
    case Word::Par:
        if (inText) {
            emitHidden();
            m_builder.paragraphEnd(para, chr);
        }
        break;
    case Word::Row:
        if (inText) {
            emitHidden();
            m_builder.rowEnd(para, chr);
        }
        break;
    case Word::Section:
    case Word::Page:
        if (inText) {
            m_builder.softParagraphEnd(para, chr);
            if (entry.word == Word::Page)
                m_builder.pageBreak();
            else if (m_keepSetUp && m_stack.size() == 1)
                m_builder.sectionBreak();
        }
        break;
    case Word::Line: character(0x2028); break;
    case Word::Tab: character(u'\t'); break;
    case Word::Cell:
        if (inText) {
            emitHidden();
            m_builder.cellEnd(para, chr);
        }
        break;
    case Word::Character: character(entry.character); break;
    default: break;
    }
}

void Parser::beginFont(int number)
{
    commitFontName();
    m_fontNamed = false;
    if (m_tables.fonts.size() >= Tables::MaxFonts && !m_tables.fonts.contains(number)) {
        m_fontNumber = -1;
        return;
    }
    m_fontNumber = number;
    m_fontDepth = m_stack.size();
    m_fontGroupStart = m_group.start;
    m_tables.fonts[number] = FontEntry{};
    tablesChanged();
}

bool Parser::readingFontName() const
{
    return m_fontNumber >= 0 && !m_fontNamed;
}

void Parser::fontNameBytes(QByteArrayView data, bool escaped)
{
    for (const char c : data) {
        if (!readingFontName())
            return;
        if (c == ';' && !escaped)
            commitFontName();
        else if (m_fontNameBytes.size() + m_fontName.size() < MaxFontName)
            m_fontNameBytes.append(c);
    }
}

void Parser::fontNameCharacter(char16_t c)
{
    if (!readingFontName())
        return;
    decodeFontName();
    if (m_fontName.size() < MaxFontName)
        m_fontName.append(QChar(c));
}

void Parser::decodeFontName()
{
    if (m_fontNameBytes.isEmpty())
        return;
    // A symbol font's name is ordinary text; only its characters are symbols.
    const FontEntry &font = m_tables.fonts[m_fontNumber];
    int codePage = font.codePage != 0 ? font.codePage : codePageForCharset(font.charset);
    if (codePage == 0 || codePage == SymbolCodePage)
        codePage = m_tables.codePage;
    decoderFor(codePage).decode(m_fontNameBytes, m_fontName);
    m_fontNameBytes.clear();
}

void Parser::commitFontName()
{
    if (!readingFontName())
        return;
    decodeFontName();
    m_fontNamed = true;
    m_fontName.removeIf([](QChar c) { return isDroppedCharacter(c.unicode()); });
    m_tables.fonts[m_fontNumber].name = m_fontName.trimmed();
    m_fontName.clear();
    tablesChanged();
}

void Parser::colorBytes(QByteArrayView data)
{
    for (const char c : data) {
        if (c != ';')
            continue;
        if (m_tables.colors.size() < Tables::MaxColors)
            m_tables.colors.append(m_colorGiven ? QColor(m_red, m_green, m_blue) : QColor());
        m_red = m_green = m_blue = 0;
        m_colorGiven = false;
        tablesChanged();
    }
}

void Parser::tablesChanged()
{
    m_decoder = nullptr;
    m_decoders.fill(nullptr);
    m_otherDecoders.clear();
    m_builder.tablesChanged();
}

} // namespace lumora::rtf
