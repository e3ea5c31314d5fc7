#pragma once
// Writes a QTextDocument as rich text that the reader reads back to the same text and
// formatting and that other programs open: a "\ansi\ansicpg1250" header, a font table
// (every font with the Central European charset), a colour table, a list table when
// the document has lists, then one "\par" per paragraph (table rows as "\trowd",
// "\cell", "\row") with everything the reader reads: list items with "\ls" and a
// "\listtext" number for older readers, links as HYPERLINK fields, pictures as their
// groups (or as PNG when they have none), hidden text under "\v".
//
// The output depends only on what rich text carries, so reading a written file and
// writing it again gives the same bytes.
#include <QByteArray>

class QTextDocument;

namespace lumora::rtf {

QByteArray write(const QTextDocument &doc);

} // namespace lumora::rtf
