#pragma once
// Formatting the selection of the lesson pane with the font dialog's choice.
#include <QTextCharFormat>

class QColor;
class QFont;

namespace lumora::memo {

// What the font dialog gives the selection: the size, the whole style (bold, italic,
// underline and strike-out, each set or cleared) and the colour. The face is not
// applied, so a text keeps the fonts it was written in. Merge it into the selection
// (QTextEdit::mergeCurrentCharFormat also sets the typing format when nothing is
// selected).
QTextCharFormat dialogFormat(const QFont &font, const QColor &colour);

} // namespace lumora::memo
