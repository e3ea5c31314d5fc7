#include "text/rtfcontrolwords.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace lumora::rtf {

namespace {

struct Named {
    std::string_view name;
    WordEntry entry;
};

std::vector<Named> sortedTable()
{
    std::vector<Named> table = {
        {"fonttbl", {Word::FontTable}},
        {"colortbl", {Word::ColorTable}},
        // Destinations a lesson pane cannot show: style definitions, document
        // properties, pictures, objects, headers and footers, footnote bodies, field
        // instructions, list definitions and the like.
        {"stylesheet", {Word::SkipDestination}},
        {"info", {Word::SkipDestination}},
        {"pict", {Word::SkipDestination}},
        {"object", {Word::SkipDestination}},
        {"shp", {Word::SkipDestination}},
        {"nonshppict", {Word::SkipDestination}},
        {"do", {Word::SkipDestination}},
        {"header", {Word::SkipDestination}},
        {"headerl", {Word::SkipDestination}},
        {"headerr", {Word::SkipDestination}},
        {"headerf", {Word::SkipDestination}},
        {"footer", {Word::SkipDestination}},
        {"footerl", {Word::SkipDestination}},
        {"footerr", {Word::SkipDestination}},
        {"footerf", {Word::SkipDestination}},
        {"footnote", {Word::SkipDestination}},
        {"ftnsep", {Word::SkipDestination}},
        {"ftnsepc", {Word::SkipDestination}},
        {"aftnsep", {Word::SkipDestination}},
        {"aftnsepc", {Word::SkipDestination}},
        {"annotation", {Word::SkipDestination}},
        {"atnid", {Word::SkipDestination}},
        {"atnauthor", {Word::SkipDestination}},
        {"fldinst", {Word::SkipDestination}},
        {"xe", {Word::SkipDestination}},
        {"tc", {Word::SkipDestination}},
        {"pn", {Word::SkipDestination}},
        {"listtable", {Word::SkipDestination}},
        {"listoverridetable", {Word::SkipDestination}},
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

        {"par", {Word::Par}},
        {"line", {Word::Line}},
        {"tab", {Word::Tab}},
        {"sect", {Word::Section}},
        {"page", {Word::Page}},
        {"cell", {Word::Cell}},
        {"nestcell", {Word::Cell}},
        {"row", {Word::Row}},
        {"nestrow", {Word::Row}},

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
    std::sort(table.begin(), table.end(),
              [](const Named &a, const Named &b) { return a.name < b.name; });
    return table;
}

} // namespace

WordEntry lookupWord(QByteArrayView name)
{
    static const std::vector<Named> table = sortedTable();
    const std::string_view key(name.data(), size_t(name.size()));
    const auto it = std::lower_bound(table.begin(), table.end(), key,
                                     [](const Named &a, std::string_view k) { return a.name < k; });
    return it != table.end() && it->name == key ? it->entry : WordEntry{};
}

} // namespace lumora::rtf
