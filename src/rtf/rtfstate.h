#pragma once
// What the reader keeps while it reads rich text: the character and paragraph
// properties of the current group, and the document's font and colour tables.
#include "rtf/rtfunits.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QString>

#include <algorithm>
#include <array>

namespace lumora::rtf {

// Font sizes in half points: 1 to 1638 points.
inline constexpr int MinHalfPoints = 2;
inline constexpr int MaxHalfPoints = 3276;
inline constexpr int DefaultHalfPoints = 24;

struct CharState {
    int font = -1;   // \fN; -1 for the document's default font (\deffN)
    int halfPoints = DefaultHalfPoints;
    int color = -1;  // index into the colour table; -1 for the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;

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

    // Adds a tab stop; stops stay sorted by position, a second stop at one position
    // replaces the first, and stops beyond MaxTabs are dropped.
    void addTab(TabStop stop)
    {
        auto *begin = tabs.begin();
        auto *end = begin + tabCount;
        auto *at = std::lower_bound(begin, end, stop.twips,
                                    [](const TabStop &s, int pos) { return s.twips < pos; });
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
        return align == o.align && leftTwips == o.leftTwips && rightTwips == o.rightTwips
               && firstTwips == o.firstTwips && tabCount == o.tabCount
               && std::equal(tabs.begin(), tabs.begin() + tabCount, o.tabs.begin());
    }
};

struct FontEntry {
    QString name;
    int charset = -1;  // \fcharsetN; -1 when not given
    int codePage = 0;  // \cpgN; 0 when not given
};

// The document-wide tables a character state refers to.
struct Tables {
    static constexpr int MaxFonts = 1024;
    static constexpr int MaxColors = 1024;

    QMap<int, FontEntry> fonts;
    QList<QColor> colors;  // an invalid colour stands for "automatic"
    int defaultFont = 0;   // \deffN
    int codePage = 1252;   // \ansicpgN or the charset of the header

    const FontEntry *font(int number) const
    {
        const auto it = fonts.constFind(number < 0 ? defaultFont : number);
        return it == fonts.constEnd() ? nullptr : &it.value();
    }
};

} // namespace lumora::rtf
