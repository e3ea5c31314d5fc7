#pragma once
// The control words the reader acts on. Everything else is ignored, as rich text asks
// of readers that meet words they do not know.
#include <QByteArrayView>

namespace lumora::rtf {

enum class Word : unsigned char {
    Unknown,
    // destinations
    FontTable, ColorTable, SkipDestination,
    // document
    CharsetAnsi, CharsetMac, CharsetPc, CharsetPca, AnsiCodePage, DefaultFont,
    UnicodeSkip, Unicode,
    // font and colour tables
    Font, FontCharset, FontCodePage, Red, Green, Blue,
    // character formatting
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, FontSize, Color, Hidden,
    // paragraph formatting
    Pard, AlignLeft, AlignCenter, AlignRight, AlignJustify,
    LeftIndent, RightIndent, FirstIndent, TabStop, TabRight, TabCenter, TabDecimal,
    // breaks
    Par, Line, Tab, Section, Page, Cell, Row,
    // a character of its own (\emdash, \bullet, ...): see WordEntry::character
    Character,
};

struct WordEntry {
    Word word = Word::Unknown;
    char16_t character = 0;
};

// What the control word with this name means to the reader.
WordEntry lookupWord(QByteArrayView name);

} // namespace lumora::rtf
