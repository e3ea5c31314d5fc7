#pragma once
// Writes a QTextDocument as rich text that the reader reads back to the same text and
// formatting and that other programs open: a "\ansi\ansicpg1250" header, a font table
// (every font with the Central European charset), a colour table, then one "\par" per
// paragraph with the paragraph's alignment, indents and tab stops and the characters'
// font, size, bold, italic, underline, strike-out and colour.
//
// The output depends only on what rich text carries, so reading a written file and
// writing it again gives the same bytes.
#include <QByteArray>

class QTextDocument;

namespace lumora::rtf {

QByteArray write(const QTextDocument &doc);

} // namespace lumora::rtf
