#pragma once
// What the reader keeps while it reads rich text: the character and paragraph
// properties of the current group, and the document's font and colour tables.
#include "rtf/rtfunits.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QString>

#include <algorithm>
#include <array>

namespace lumora::rtf {

// Font sizes in half points: 1 to 1638 points.
inline constexpr int MinHalfPoints = 2;
inline constexpr int MaxHalfPoints = 3276;
inline constexpr int DefaultHalfPoints = 24;

enum class VerticalPlace : unsigned char { Normal, Super, Sub };

// How a paragraph is numbered as a list item: the list styles of a text document.
enum class ListKind : signed char {
    None = 0,
    Disc,
    Circle,
    Square,
    Decimal,
    LowerAlpha,
    UpperAlpha,
    LowerRoman,
    UpperRoman
};
inline constexpr int MaxListLevels = 9;
inline constexpr int MaxListStart = 32767;

struct CharState {
    int font = -1; // \fN; -1 for the document's default font (\deffN)
    int halfPoints = DefaultHalfPoints;
    int color = -1; // index into the colour table; -1 for the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    bool caps = false;
    VerticalPlace vertical = VerticalPlace::Normal;
    int background = -1; // index into the colour table; -1 for none
    int link = -1;       // index into the link targets; -1 outside a link

    bool operator==(const CharState &) const = default;
};

enum class Align : unsigned char { Left, Center, Right, Justify };
enum class TabKind : unsigned char { Left, Center, Right, Decimal };

struct TabStop {
    int twips = 0;
    TabKind kind = TabKind::Left;

    bool operator==(const TabStop &) const = default;
};

struct ParaState {
    static constexpr int MaxTabs = 32;

    Align align = Align::Left;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstTwips = 0;
    int tabCount = 0;
    std::array<TabStop, MaxTabs> tabs{};
    // The kind that the next \txN gets (\tqr, \tqc, \tqdec come before it).
    TabKind nextTabKind = TabKind::Left;
    int spaceBefore = 0; // twips
    int spaceAfter = 0;
    int lineSpacing = 0;       // \slN: 0 automatic; above 0 at least, below 0 exactly N twips
    bool lineMultiple = false; // \slmult1: N is 240ths of a single line
    // List item: the list (\lsN, or OldListNumber for the older \pn words) and level.
    int listNumber = 0;
    int listLevel = 0;
    ListKind listKind = ListKind::None; // from \pn, when no \ls names a list
    // From \pn: the first number (0 when not given), the text before and after it.
    int listStart = 0;
    QString listBefore, listAfter;
    bool inTable = false;
    int style = 0;                // \sN: the paragraph's style in the file's style sheet
    bool pageBreakBefore = false; // \pagebb, or a page break (\page) before the paragraph
    // Borders, shading and keeping with the next paragraph: the words as the file wrote
    // them, which the pane does not show and the writer writes back.
    QByteArray kept;

    // Adds a tab stop; stops stay sorted by position, a second stop at one position
    // replaces the first, and stops beyond MaxTabs are dropped.
    void addTab(TabStop stop)
    {
        auto *begin = tabs.begin();
        auto *end = begin + tabCount;
        auto *at = std::lower_bound(begin, end, stop.twips, [](const TabStop &s, int pos) { return s.twips < pos; });
        if (at != end && at->twips == stop.twips) {
            *at = stop;
        } else if (tabCount < MaxTabs) {
            std::move_backward(at, end, end + 1);
            *at = stop;
            ++tabCount;
        }
    }

    bool operator==(const ParaState &o) const
    {
        return align == o.align && leftTwips == o.leftTwips && rightTwips == o.rightTwips && firstTwips == o.firstTwips
            && spaceBefore == o.spaceBefore && spaceAfter == o.spaceAfter && lineSpacing == o.lineSpacing
            && lineMultiple == o.lineMultiple && listNumber == o.listNumber && listLevel == o.listLevel
            && listKind == o.listKind && inTable == o.inTable && listStart == o.listStart && listBefore == o.listBefore
            && listAfter == o.listAfter && tabCount == o.tabCount && style == o.style
            && pageBreakBefore == o.pageBreakBefore && kept == o.kept
            && std::equal(tabs.begin(), tabs.begin() + tabCount, o.tabs.begin());
    }
};

struct FontEntry {
    QString name;
    int charset = -1; // \fcharsetN; -1 when not given
    int codePage = 0; // \cpgN; 0 when not given
    QByteArray entry; // "{\fN ...;}" as the file wrote it; empty when it had no group of its own
};

// How one level of a list numbers its items: the kind, the first number, and the label
// text (\leveltext), in which the characters 0 to 8 stand for the numbers of levels 1
// to 9; an empty text means the level's number followed by ".".
struct ListLevel {
    ListKind kind = ListKind::Decimal;
    int start = 1;
    QString text;
};

// One list of the list table: the numbering of each of its levels.
struct ListDefinition {
    std::array<ListLevel, MaxListLevels> levels{};
};

// The list kind of a level's number format (\levelnfcN).
inline ListKind listKindForNumberFormat(int nfc)
{
    switch (nfc) {
    case 0: return ListKind::Decimal;
    case 1: return ListKind::UpperRoman;
    case 2: return ListKind::LowerRoman;
    case 3: return ListKind::UpperAlpha;
    case 4: return ListKind::LowerAlpha;
    default: return ListKind::Disc;
    }
}

// The document-wide tables a character state refers to.
struct Tables {
    static constexpr int MaxFonts = 1024;
    static constexpr int MaxColors = 1024;
    static constexpr int MaxLists = 1024;
    static constexpr int MaxLinks = 65536;
    static constexpr int OldListNumber = -1; // the \pn lists, one per level and kind

    QMap<int, ListDefinition> lists; // by \listid
    QMap<int, int> listOverrides;    // \lsN to \listid
    QStringList links;               // link targets, by CharState::link

    QMap<int, FontEntry> fonts;
    QList<QColor> colors; // an invalid colour stands for "automatic"
    int defaultFont = 0;  // \deffN
    int codePage = 1252;  // \ansicpgN or the charset of the header

    const FontEntry *font(int number) const
    {
        const auto it = fonts.constFind(number < 0 ? defaultFont : number);
        return it == fonts.constEnd() ? nullptr : &it.value();
    }
};

} // namespace lumora::rtf
