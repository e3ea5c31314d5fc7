#pragma once
// List item labels as rich text gives them: a number of a style, started at any number,
// with text before and after it ("1)", "2.1.", "(a)"). The label's text around the
// number is the list format's number prefix and suffix. A list format cannot say where
// its numbers start, so a list that does not start at 1 carries its start number and
// its style in properties of its own and the list style "undefined", which the layout
// leaves unlabelled: drawListLabels() draws those labels, and listItemLabel() gives
// every list's label as it is shown.
#include <QString>
#include <QTextFormat>
#include <QTextListFormat>

class QPainter;
class QRectF;
class QTextBlock;
class QTextDocument;
class QTextList;

namespace lumora::rtf {

inline constexpr int ListStartProperty = QTextFormat::UserProperty + 0x57;
inline constexpr int ListStyleProperty = QTextFormat::UserProperty + 0x58;

// The style a list's labels are shown in.
QTextListFormat::Style shownListStyle(const QTextListFormat &format);

// The number of a list's first item.
int listStart(const QTextListFormat &format);

// Whether the style labels items with a sign rather than a number.
bool isBulletStyle(QTextListFormat::Style style);

// A number as a label of the style shows it ("7", "g", "vii"); a bullet for bullet styles.
QString listNumberText(QTextListFormat::Style style, int number);

// The label of a list item as shown: "7.", "2.1.", "a)", "•".
QString listItemLabel(const QTextList &list, const QTextBlock &block);
// The same for the list's item at index (0 for the first), which is quicker to give
// for items taken in order than the block (a list finds a block's index by search).
QString listItemLabel(const QTextListFormat &format, int index);

// Sets a list format's style and start number (see above).
void setListNumbering(QTextListFormat &format, QTextListFormat::Style style, int start);

// Draws the labels that the layout leaves out (lists that do not start at 1) of the
// blocks that meet area, in document coordinates, as the layout draws the others.
void drawListLabels(QPainter &painter, const QTextDocument &doc, const QRectF &area);

} // namespace lumora::rtf
