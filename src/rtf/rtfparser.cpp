#include "rtf/rtfparser.h"

#include "rtf/rtfcharacters.h"
#include "rtf/rtfcontrolwords.h"

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

} // namespace

Parser::Parser(QByteArrayView input, QTextCursor &cursor)
    : m_lexer(input), m_builder(cursor, m_tables)
{
}

void Parser::run()
{
    for (;;) {
        if (plainText())
            m_lexer.appendText(m_pending);
        const Token t = m_lexer.next();
        switch (t.kind) {
        case Token::Kind::End:
            flushText();
            m_builder.finish(m_group.para, m_group.chr);
            return;
        case Token::Kind::GroupStart:
            openGroup();
            break;
        case Token::Kind::GroupEnd:
            closeGroup();
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
        case Token::Kind::Binary:
            skipFallback();
            break;
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
}

void Parser::openGroup()
{
    flushText();
    m_fallbackLeft = 0;
    if (m_stack.size() >= size_t(MaxDepth)) {
        ++m_overflowDepth;
        return;
    }
    m_stack.push_back(m_group);
}

void Parser::closeGroup()
{
    flushText();
    m_fallbackLeft = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    // The outermost group is never closed: text after a stray closing brace is kept.
    if (m_stack.size() <= 1)
        return;
    // A font entry's name ends with its group at the latest (not with a group inside it).
    if (m_group.dest == Destination::FontTable && m_stack.size() <= m_fontDepth)
        commitFontName();
    m_group = m_stack.back();
    m_stack.pop_back();
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
        break;
    case Destination::FontTable:
        fontNameBytes(data, escaped);
        break;
    case Destination::ColorTable:
        if (!escaped)
            colorBytes(data);
        break;
    }
}

void Parser::character(char16_t c)
{
    flushText();
    if (m_group.dest == Destination::Text && !m_group.chr.hidden)
        m_builder.text(QStringView(&c, 1), m_group.chr, m_group.para);
    else if (m_group.dest == Destination::FontTable)
        fontNameCharacter(c);
}

void Parser::flushText()
{
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
    case '}':
        bytes(QByteArrayView(&c, 1), true);
        break;
    case '~': character(0x00A0); break;
    case '-': character(0x00AD); break;
    case '_': character(0x2011); break;
    case '\n':
        flushText();
        if (m_group.dest == Destination::Text)
            m_builder.paragraphEnd(m_group.para, m_group.chr);
        break;
    case '*':
        skipGroup();
        break;
    default:
        break;
    }
}

void Parser::word(const Token &t)
{
    flushText();
    const WordEntry entry = lookupWord(t.text);
    CharState &chr = m_group.chr;
    ParaState &para = m_group.para;
    const bool inText = m_group.dest == Destination::Text;
    const bool inFonts = m_group.dest == Destination::FontTable;
    const bool inColors = m_group.dest == Destination::ColorTable;

    switch (entry.word) {
    case Word::Unknown:
        break;
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
    case Word::SkipDestination:
        skipGroup();
        break;

    case Word::CharsetAnsi: m_tables.codePage = 1252; tablesChanged(); break;
    case Word::CharsetMac: m_tables.codePage = 10000; tablesChanged(); break;
    case Word::CharsetPc: m_tables.codePage = 437; tablesChanged(); break;
    case Word::CharsetPca: m_tables.codePage = 850; tablesChanged(); break;
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
    case Word::UnicodeSkip:
        m_group.unicodeSkip = qBound(0, t.param, MaxUnicodeSkip);
        break;
    case Word::Unicode:
        if (t.hasParam && t.param >= -0x8000 && t.param <= 0xFFFF) {
            character(char16_t(t.param < 0 ? t.param + 0x10000 : t.param));
            m_fallbackLeft = m_group.unicodeSkip;
        }
        break;

    case Word::Font:
        if (inFonts)
            beginFont(t.param);
        else
            chr.font = t.param;
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
        if (inColors) {
            int &component = entry.word == Word::Red     ? m_red
                             : entry.word == Word::Green ? m_green
                                                         : m_blue;
            component = qBound(0, t.param, 255);
            m_colorGiven = true;
        }
        break;

    case Word::Plain: chr = CharState{}; break;
    case Word::Bold: chr.bold = toggle(t); break;
    case Word::Italic: chr.italic = toggle(t); break;
    case Word::Underline: chr.underline = toggle(t); break;
    case Word::UnderlineNone: chr.underline = false; break;
    case Word::Strike: chr.strike = toggle(t); break;
    case Word::Hidden: chr.hidden = toggle(t); break;
    case Word::FontSize:
        chr.halfPoints = t.param > 0 ? qBound(MinHalfPoints, t.param, MaxHalfPoints)
                                     : DefaultHalfPoints;
        break;
    case Word::Color:
        chr.color = qMax(-1, t.param);
        break;

    case Word::Pard: para = ParaState{}; break;
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

    case Word::Par:
    case Word::Row:
        if (inText)
            m_builder.paragraphEnd(para, chr);
        break;
    case Word::Section:
    case Word::Page:
        if (inText)
            m_builder.softParagraphEnd(para, chr);
        break;
    case Word::Line: character(0x2028); break;
    case Word::Tab:
    case Word::Cell:
        character(u'\t');
        break;
    case Word::Character: character(entry.character); break;
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
