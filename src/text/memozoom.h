#pragma once
// Zooming the lesson pane: every character's size scaled relatively.
#include <QString>

class QTextDocument;

namespace lumora {

namespace memo {

inline constexpr int MinZoom = 10;
inline constexpr int MaxZoom = 200;

// The percentage typed into the zoom field (blanks around the digits are ignored),
// kept within MinZoom..MaxZoom: the field admits 0 to 999, but 0 would shrink every
// size to nothing and lose the differences between them, and larger values would make
// the text unreadable. Throws ConvertError when the field holds no number.
int zoomPercent(const QString &fieldText);

// x rounded to the nearest integer, a tie going to the even neighbour (16.5 gives 16,
// 13.5 gives 14).
double roundHalfEven(double x);

} // namespace memo

// Scales the size of every character of the pane, and of every paragraph mark, to
// round(size * percent / 100) points with ties to even; a character without a size of
// its own has the pane's default size. The zoom is relative: 200 twice gives four
// times the size and 100 changes nothing. A size never drops below 1 point, so the
// text stays visible. percent is kept within MinZoom..MaxZoom. The change is one
// undo step.
void ZoomMemo(QTextDocument &pane, int percent);

} // namespace lumora
