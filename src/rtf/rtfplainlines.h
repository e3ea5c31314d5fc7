#pragma once
// The plain text of a formatted document as lines, for the places where the program
// copies the lesson text into a content file.
#include <QStringList>

class QTextDocument;

namespace lumora::rtf {

// One line per paragraph; a line break inside a paragraph also starts a new line, since
// a content file line cannot hold one. Pictures are left out; tabs and other characters
// stay as they are.
QStringList plainLines(const QTextDocument &doc);

} // namespace lumora::rtf
