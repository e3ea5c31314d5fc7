#pragma once
// What a document read from rich text keeps of its file for the writer: the pane shows
// none of it, the writer writes it back where it stood. Properties of the root frame's
// format hold what belongs to the whole document, block, cell and table formats what
// belongs to a paragraph or a row. A document that never came from a file has none of
// them, and the writer writes its own defaults.
#include <QByteArray>
#include <QTextFormat>

namespace lumora::rtf {

// Root frame: the document's set-up as the file wrote it: page size, margins, default tab
// width, the first section's words, the style sheet, headers and footers (bytes).
inline constexpr int SetUpProperty = QTextFormat::UserProperty + 0x60;
// Root frame: the font table, a list of entries, each a list of the font's number, name,
// charset (-1: not given), code page (\cpgN, 0: not given) and its entry as the file
// wrote it (empty when the file gave it no group of its own).
inline constexpr int FontTableProperty = QTextFormat::UserProperty + 0x61;
// Root frame: the colour table, a list of RGB values with -1 for the automatic colour.
inline constexpr int ColorTableProperty = QTextFormat::UserProperty + 0x62;
// Root frame: the default font's number (\deffN) and the document's code page.
inline constexpr int DefaultFontProperty = QTextFormat::UserProperty + 0x63;
inline constexpr int CodePageProperty = QTextFormat::UserProperty + 0x64;

// Character formats: the number of the font the text had in the file; the writer writes
// it while the format's face is still that font's.
inline constexpr int FontNumberProperty = QTextFormat::UserProperty + 0x65;

// Block formats: the paragraph's style (\sN), and the section break before the paragraph
// with the new section's words (bytes from "\sect" on).
inline constexpr int ParagraphStyleProperty = QTextFormat::UserProperty + 0x66;
inline constexpr int SectionBreakProperty = QTextFormat::UserProperty + 0x67;
// Block formats: the paragraph's borders, shading and keeping words as the file wrote
// them (bytes).
inline constexpr int ParagraphKeptProperty = QTextFormat::UserProperty + 0x6C;
// Block formats of list items: the left and first-line indents the file gave the item
// (twips); the pane indents items by their list level.
inline constexpr int ListItemLeftProperty = QTextFormat::UserProperty + 0x6D;
inline constexpr int ListItemFirstProperty = QTextFormat::UserProperty + 0x6E;
// Block formats: the empty paragraph a document has before a table that starts it; the
// file had none there.
inline constexpr int LeadingTablePlaceProperty = QTextFormat::UserProperty + 0x68;

// Cell formats (a row's first cell): the row's definition as the file wrote it (bytes
// from "\trowd" to its last "\cellx") and the number of cells it defines.
inline constexpr int RowDefinitionProperty = QTextFormat::UserProperty + 0x69;
inline constexpr int RowCellsProperty = QTextFormat::UserProperty + 0x6A;
// Table formats: the number of columns the table had when it was read.
inline constexpr int TableColumnsProperty = QTextFormat::UserProperty + 0x6B;

// Whether a control word (its name without parameter) sets up the page, the document or
// a section, so that the file keeps it as it came.
bool isSetUpWord(QByteArrayView name);

// Whether a control word gives a paragraph a border side or shading, or keeps it with
// the next one (its words are kept with the paragraph); a border side makes the border
// words after it (style, width, colour) the paragraph's too.
bool isParagraphKeptWord(QByteArrayView name);
bool isParagraphBorderSide(QByteArrayView name);
bool isBorderDetailWord(QByteArrayView name);

// The most bytes of such words a paragraph keeps.
inline constexpr int MaxParagraphKept = 1024;

} // namespace lumora::rtf
