#pragma once
// Lengths in rich text are twips (1/1440 inch); a text document measures indents and
// tab positions in pixels of a 96 dots-per-inch display, the pane's logical resolution.
#include <QtGlobal>

namespace lumora::rtf {

inline constexpr double TwipsPerPixel = 1440.0 / 96.0;

// Indents and tab stops stay within this many twips (22 inches) either way, so a file
// cannot ask the layout for absurd widths.
inline constexpr int MaxTwips = 31680;

// The room between a table cell's edge and its text stays within an inch.
inline constexpr int MaxCellGapTwips = 1440;

inline double twipsToPixels(int twips)
{
    return twips / TwipsPerPixel;
}

inline int pixelsToTwips(double pixels)
{
    return qRound(qBound(-double(MaxTwips), pixels * TwipsPerPixel, double(MaxTwips)));
}

} // namespace lumora::rtf
