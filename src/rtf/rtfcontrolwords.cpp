#include "rtf/rtfcontrolwords.h"

#include <array>
#include <string_view>
#include <vector>

namespace lumora::rtf {

namespace {

struct Named {
    std::string_view name;
    WordEntry entry;
};

std::vector<Named> namedWords()
{
    return {
        {"fonttbl", {Word::FontTable}},
        {"colortbl", {Word::ColorTable}},
        // Destinations a lesson pane cannot show: style definitions, document
        // properties, headers and footers, footnote bodies, field
        // instructions, list definitions and the like.
        {"stylesheet", {Word::KeptDestination}},
        {"info", {Word::SkipDestination}},
        {"pict", {Word::Picture}},
        {"shppict", {Word::ShapePicture}},
        {"object", {Word::Object}},
        {"shp", {Word::Shape}},
        {"nonshppict", {Word::NonShapePicture}},
        {"do", {Word::NonShapePicture}},
        {"upr", {Word::UnicodePair}},
        {"ud", {Word::UnicodeForm}},
        {"nesttableprops", {Word::NestedTableProperties}},
        // the plain form of nested tables, for readers that cannot nest them
        {"nonesttables", {Word::SkipDestination}},
        {"header", {Word::KeptDestination}},
        {"headerl", {Word::KeptDestination}},
        {"headerr", {Word::KeptDestination}},
        {"headerf", {Word::KeptDestination}},
        {"footer", {Word::KeptDestination}},
        {"footerl", {Word::KeptDestination}},
        {"footerr", {Word::KeptDestination}},
        {"footerf", {Word::KeptDestination}},
        {"footnote", {Word::InlineKept}},
        {"bkmkstart", {Word::InlineKept}},
        {"bkmkend", {Word::InlineKept}},
        {"chftn", {Word::FootnoteMark}},
        {"ftnsep", {Word::KeptDestination}},
        {"ftnsepc", {Word::KeptDestination}},
        {"aftnsep", {Word::KeptDestination}},
        {"aftnsepc", {Word::KeptDestination}},
        {"annotation", {Word::SkipDestination}},
        {"atnid", {Word::SkipDestination}},
        {"atnauthor", {Word::SkipDestination}},
        {"field", {Word::Field}},
        {"fldinst", {Word::FieldInstruction}},
        {"fldrslt", {Word::FieldResult}},
        {"listtext", {Word::ListText}},
        {"pntext", {Word::ListText}},
        {"xe", {Word::SkipDestination}},
        {"tc", {Word::SkipDestination}},
        {"pn", {Word::OldList}},
        {"pnlvlblt", {Word::OldListBullet}},
        {"pnlvlbody", {Word::OldListBody}},
        {"pnlvl", {Word::OldListLevel}},
        {"pndec", {Word::OldListDecimal}},
        {"pnucltr", {Word::OldListUpperLetter}},
        {"pnlcltr", {Word::OldListLowerLetter}},
        {"pnucrm", {Word::OldListUpperRoman}},
        {"pnlcrm", {Word::OldListLowerRoman}},
        {"pnstart", {Word::OldListStart}},
        {"pnlvlcont", {Word::OldListContinue}},
        {"pntxtb", {Word::OldListTextBefore}},
        {"pntxta", {Word::OldListTextAfter}},
        {"levelstartat", {Word::LevelStart}},
        {"leveltext", {Word::LevelText}},
        {"listtable", {Word::ListTable}},
        {"listoverridetable", {Word::ListOverrideTable}},
        {"list", {Word::List}},
        {"listid", {Word::ListId}},
        {"listlevel", {Word::ListLevel}},
        {"levelnfc", {Word::LevelFormat}},
        {"levelnfcn", {Word::LevelFormat}},
        {"listoverride", {Word::ListOverride}},
        {"ls", {Word::ListNumber}},
        {"ilvl", {Word::ListLevelNumber}},
        {"s", {Word::Style}},
        {"pagebb", {Word::PageBreakBefore}},
        {"revtbl", {Word::SkipDestination}},
        {"rsidtbl", {Word::SkipDestination}},
        {"filetbl", {Word::SkipDestination}},

        {"ansi", {Word::CharsetAnsi}},
        {"mac", {Word::CharsetMac}},
        {"pc", {Word::CharsetPc}},
        {"pca", {Word::CharsetPca}},
        {"ansicpg", {Word::AnsiCodePage}},
        {"deff", {Word::DefaultFont}},
        {"uc", {Word::UnicodeSkip}},
        {"u", {Word::Unicode}},

        {"f", {Word::Font}},
        {"fcharset", {Word::FontCharset}},
        {"cpg", {Word::FontCodePage}},
        {"red", {Word::Red}},
        {"green", {Word::Green}},
        {"blue", {Word::Blue}},

        {"plain", {Word::Plain}},
        {"b", {Word::Bold}},
        {"i", {Word::Italic}},
        {"ul", {Word::Underline}},
        {"uld", {Word::Underline}},
        {"uldash", {Word::Underline}},
        {"uldashd", {Word::Underline}},
        {"uldashdd", {Word::Underline}},
        {"uldb", {Word::Underline}},
        {"ulhwave", {Word::Underline}},
        {"ulldash", {Word::Underline}},
        {"ulth", {Word::Underline}},
        {"ulthd", {Word::Underline}},
        {"ulthdash", {Word::Underline}},
        {"ulthdashd", {Word::Underline}},
        {"ulthdashdd", {Word::Underline}},
        {"ulthldash", {Word::Underline}},
        {"ululdbwave", {Word::Underline}},
        {"ulw", {Word::Underline}},
        {"ulwave", {Word::Underline}},
        {"ulnone", {Word::UnderlineNone}},
        {"strike", {Word::Strike}},
        {"striked", {Word::Strike}},
        {"fs", {Word::FontSize}},
        {"cf", {Word::Color}},
        {"v", {Word::Hidden}},
        {"super", {Word::Super}},
        {"sub", {Word::Sub}},
        {"nosupersub", {Word::NoSuperSub}},
        {"up", {Word::Up}},
        {"dn", {Word::Down}},
        {"caps", {Word::Caps}},
        {"highlight", {Word::Highlight}},
        {"cb", {Word::Background}},
        {"chcbpat", {Word::Background}},

        {"pard", {Word::Pard}},
        {"ql", {Word::AlignLeft}},
        {"qc", {Word::AlignCenter}},
        {"qr", {Word::AlignRight}},
        {"qj", {Word::AlignJustify}},
        {"qd", {Word::AlignJustify}},
        {"li", {Word::LeftIndent}},
        {"lin", {Word::LeftIndent}},
        {"ri", {Word::RightIndent}},
        {"rin", {Word::RightIndent}},
        {"fi", {Word::FirstIndent}},
        {"tx", {Word::TabStop}},
        {"tqr", {Word::TabRight}},
        {"tqc", {Word::TabCenter}},
        {"tqdec", {Word::TabDecimal}},
        {"sb", {Word::SpaceBefore}},
        {"sa", {Word::SpaceAfter}},
        {"sl", {Word::LineSpacing}},
        {"slmult", {Word::LineMultiple}},
        {"trowd", {Word::RowDefaults}},
        {"cellx", {Word::CellRight}},
        {"intbl", {Word::InTable}},
        {"trgaph", {Word::RowGap}},
        {"trhdr", {Word::RowHeader}},
        {"clbrdrt", {Word::RowBorderSide}},
        {"clbrdrl", {Word::RowBorderSide}},
        {"clbrdrb", {Word::RowBorderSide}},
        {"clbrdrr", {Word::RowBorderSide}},
        {"trbrdrt", {Word::RowBorderSide}},
        {"trbrdrl", {Word::RowBorderSide}},
        {"trbrdrb", {Word::RowBorderSide}},
        {"trbrdrr", {Word::RowBorderSide}},
        {"trbrdrh", {Word::RowBorderSide}},
        {"trbrdrv", {Word::RowBorderSide}},
        {"brdrs", {Word::BorderStyle}},
        {"brdrth", {Word::BorderStyle}},
        {"brdrsh", {Word::BorderStyle}},
        {"brdrdb", {Word::BorderStyle}},
        {"brdrdot", {Word::BorderStyle}},
        {"brdrdash", {Word::BorderStyle}},
        {"brdrhair", {Word::BorderStyle}},
        {"brdrtriple", {Word::BorderStyle}},
        {"brdrinset", {Word::BorderStyle}},
        {"brdroutset", {Word::BorderStyle}},
        {"brdrnone", {Word::NoBorder}},

        {"par", {Word::Par}},
        {"line", {Word::Line}},
        {"tab", {Word::Tab}},
        {"sect", {Word::Section}},
        {"page", {Word::Page}},
        {"cell", {Word::Cell}},
        {"nestcell", {Word::Tab}}, // cells inside cells are flattened
        {"row", {Word::Row}},
        {"nestrow", {Word::Par}},

        {"emdash", {Word::Character, 0x2014}},
        {"endash", {Word::Character, 0x2013}},
        {"emspace", {Word::Character, 0x2003}},
        {"enspace", {Word::Character, 0x2002}},
        {"qmspace", {Word::Character, 0x2005}},
        {"bullet", {Word::Character, 0x2022}},
        {"lquote", {Word::Character, 0x2018}},
        {"rquote", {Word::Character, 0x2019}},
        {"ldblquote", {Word::Character, 0x201C}},
        {"rdblquote", {Word::Character, 0x201D}},
        {"zwj", {Word::Character, 0x200D}},
        {"zwnj", {Word::Character, 0x200C}},
        {"ltrmark", {Word::Character, 0x200E}},
        {"rtlmark", {Word::Character, 0x200F}},
    };
}

size_t hashName(std::string_view name)
{
    quint32 h = 2166136261u;
    for (const char c : name) {
        h ^= uchar(c);
        h *= 16777619u;
    }
    return h;
}

// Names are short: a plain loop beats calling memcmp.
bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// The words by the hash of their name, open addressing in a table a few times larger
// than the list: a lookup is one hash and mostly one comparison.
class WordTable {
public:
    WordTable() : m_words(namedWords())
    {
        m_slots.fill(-1);
        for (size_t i = 0; i < m_words.size(); ++i) {
            size_t slot = hashName(m_words[i].name) & Mask;
            while (m_slots[slot] >= 0)
                slot = (slot + 1) & Mask;
            m_slots[slot] = int(i);
        }
    }

    WordEntry find(std::string_view name) const
    {
        for (size_t slot = hashName(name) & Mask; m_slots[slot] >= 0; slot = (slot + 1) & Mask) {
            const Named &word = m_words[size_t(m_slots[slot])];
            if (sameName(word.name, name))
                return word.entry;
        }
        return {};
    }

private:
    static constexpr size_t Size = 1024;
    static constexpr size_t Mask = Size - 1;
    std::vector<Named> m_words;
    std::array<int, Size> m_slots;
};

} // namespace

WordEntry lookupWord(QByteArrayView name)
{
    static const WordTable table;
    return table.find(std::string_view(name.data(), size_t(name.size())));
}

} // namespace lumora::rtf
