#pragma once
// The control words the reader acts on. Everything else is ignored, as rich text asks
// of readers that meet words they do not know.
#include <QByteArrayView>

namespace lumora::rtf {

enum class Word : unsigned char {
    Unknown,
    // destinations
    FontTable,
    ColorTable,
    SkipDestination,
    // destinations read for lists, fields and pictures
    ListTable,
    ListOverrideTable,
    List,
    ListId,
    ListLevel,
    LevelFormat,
    ListOverride,
    OldList,
    OldListBullet,
    OldListBody,
    OldListLevel,
    OldListDecimal,
    OldListUpperLetter,
    OldListLowerLetter,
    OldListUpperRoman,
    OldListLowerRoman,
    LevelStart,
    LevelText,
    OldListStart,
    OldListContinue,
    OldListTextBefore,
    OldListTextAfter,
    ListText,
    Field,
    FieldInstruction,
    FieldResult,
    Picture,
    // groups kept whole (see rtfobjects.h)
    Object,
    Shape,
    ShapePicture,
    NonShapePicture,
    // a character in two forms; nested tables' row definitions
    UnicodePair,
    UnicodeForm,
    NestedTableProperties,
    // groups the file keeps: before the text the style sheet, headers and footers, in the
    // text footnotes and bookmarks
    KeptDestination,
    InlineKept,
    FootnoteMark,
    // document
    CharsetAnsi,
    CharsetMac,
    CharsetPc,
    CharsetPca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    // font and colour tables
    Font,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // character formatting
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Color,
    Hidden,
    Super,
    Sub,
    NoSuperSub,
    Up,
    Down,
    Caps,
    Highlight,
    Background,
    // paragraph formatting
    Pard,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    TabStop,
    TabRight,
    TabCenter,
    TabDecimal,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    ListNumber,
    ListLevelNumber,
    Style,
    PageBreakBefore,
    // tables
    RowDefaults,
    CellRight,
    InTable,
    RowGap,
    RowBorderSide,
    BorderStyle,
    NoBorder,
    RowHeader,
    // breaks
    Par,
    Line,
    Tab,
    Section,
    Page,
    Cell,
    Row,
    // a character of its own (\emdash, \bullet, ...): see WordEntry::character
    Character,
};

// The groups of words, each read by a function of its own. The groups follow the
// order of Word above.
enum class WordGroup : unsigned char {
    None,
    Destination,
    Document,
    FontOrColorTable,
    Character,
    Paragraph,
    TableRow,
    Break
};

constexpr WordGroup wordGroup(Word word)
{
    if (word == Word::Unknown)
        return WordGroup::None;
    if (word < Word::CharsetAnsi)
        return WordGroup::Destination;
    if (word < Word::Font)
        return WordGroup::Document;
    if (word < Word::Plain)
        return WordGroup::FontOrColorTable;
    if (word < Word::Pard)
        return WordGroup::Character;
    if (word < Word::RowDefaults)
        return WordGroup::Paragraph;
    if (word < Word::Par)
        return WordGroup::TableRow;
    return WordGroup::Break;
}

struct WordEntry {
    Word word = Word::Unknown;
    char16_t character = 0;
};

// What the control word with this name means to the reader.
WordEntry lookupWord(QByteArrayView name);

} // namespace lumora::rtf
