#pragma once
// Reads rich text (".rtf" files) into a QTextDocument: paragraphs with alignment,
// indents and tab stops; text with font face, size, bold, italic, underline, strike-out
// and colour; tabs, line breaks and the special characters. What a lesson pane cannot
// show (pictures, objects, field instructions, footnotes, headers, document properties)
// is skipped without losing the text around it.
//
// Damaged input never stops the reader: it keeps the text it could read. Only input
// that is not rich text at all is refused.
#include <QByteArrayView>
#include <QString>

#include <exception>

class QTextCursor;
class QTextDocument;

namespace lumora::rtf {

// Thrown by read() and insert() for bytes that are not rich text.
class NotRichText : public std::exception {
public:
    const char *what() const noexcept override { return "The text is not valid rich text"; }
};

// Whether bytes look like rich text: "{\rtf" after optional white space.
bool isRichText(QByteArrayView bytes);

// Replaces the content of doc with the rich text in bytes. The load is not recorded
// in the document's undo history. Throws NotRichText when bytes are not rich text.
void read(QByteArrayView bytes, QTextDocument &doc);

// Inserts the rich text in bytes at the cursor, replacing its selection, as one undo
// step. The first paragraph continues the block the cursor stands in; a paragraph end
// at the very end of the text puts what followed the cursor into a paragraph of its
// own. Throws NotRichText as read() does.
void insert(QByteArrayView bytes, QTextCursor &cursor);

} // namespace lumora::rtf
