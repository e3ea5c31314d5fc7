#pragma once
// Text blocks in the lesson editor's lines. A block opens at a line beginning with "<"
// and runs to the first line, from the opening line itself on, that ends with ">"; a
// block without such a line runs to the last line. (Only a line's last character
// closes a block here: that is how the editor and the formatted text see blocks.)
#include <QStringList>

#include <optional>

namespace lumora::lessoneditor {

bool opensBlock(QStringView line);
bool closesBlock(QStringView line);

// The index of the last line of the block that opens at start.
qsizetype blockEnd(const QStringList &lines, qsizetype start);

// The lines outside every block, in order.
QStringList linesOutsideBlocks(const QStringList &lines);

// The text of every block, one entry per block line, blocks one after the other: the
// opening line without its "<", the lines in between as they are, the closing line
// without its ">" (a one-line block gives what lies between its markers). The lines
// of a block that is never closed are taken as they are, after the opening "<".
QStringList blockTexts(const QStringList &lines);

// The content file the save writes. Without a formatted text the editor's lines are
// written as they are. With one, the lines outside blocks that do not end with ">"
// come first, then the formatted text's plain lines as one block: "<" before the first
// line and ">" after the last, both on one line for a text of one line, and no block
// at all for a text without lines.
QStringList contentLines(const QStringList &editorLines, const std::optional<QStringList> &formattedPlainLines);

} // namespace lumora::lessoneditor
