#pragma once
// Interprets the tokens of rich text: groups and their saved state, destinations (the
// font and colour tables are read, what a lesson pane cannot show is skipped), code
// pages, Unicode characters with their fallbacks, and the formatting words. Text and
// paragraphs go to a DocumentBuilder.
//
// Nothing depends on the input being well formed: braces may be unbalanced, the input
// may end anywhere, numbers are clamped, and nesting beyond MaxDepth is counted
// instead of stored, so memory stays proportional to what the document keeps.
#include "rtf/rtfcodepages.h"
#include "rtf/rtfcontrolwords.h"
#include "rtf/rtfdocumentbuilder.h"
#include "rtf/rtflexer.h"
#include "rtf/rtfobjects.h"
#include "rtf/rtfstate.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTextCursor>

#include <array>
#include <string>
#include <vector>

namespace lumora::rtf {

class Parser {
public:
    static constexpr int MaxDepth = 512;
    // Longest font name kept, in characters.
    static constexpr int MaxFontName = 256;
    // Most fallback characters a \ucN may ask to skip.
    static constexpr int MaxUnicodeSkip = 16;

    // The input must start with the rich text header (see isRichText).
    Parser(QByteArrayView input, QTextCursor &cursor);
    // The same for a part of a document, read with the document's tables.
    Parser(QByteArrayView input, QTextCursor &cursor, const Tables &tables);

    // The document's set-up, font and colour tables, style sheet, headers and footers
    // are kept on the document for the writer (see rtfkept.h): for a whole document read,
    // not for text inserted into another.
    void keepSetUp() { m_keepSetUp = true; }

    void run();

private:
    enum class Destination : unsigned char {
        Text,
        FontTable,
        ColorTable,
        ListTable,
        ListOverrideTable,
        OldList,
        FieldInstruction
    };

    struct Group {
        CharState chr;
        ParaState para;
        Destination dest = Destination::Text;
        int unicodeSkip = 1;
        bool nestedRow = false; // in a nested table's row definition
        qsizetype start = -1;   // where the group's "{" stands
    };

    void openGroup(qsizetype at);
    void closeGroup();
    void skipGroup();
    bool canSkip() const;

    // A control word: what it does is read by the function of its group.
    void word(const Token &token);
    void destinationWord(Word word, bool starred);
    void documentWord(const Token &t, Word word);
    void tableEntryWord(const Token &t, Word word);
    void characterWord(const Token &t, Word word);
    void paragraphWord(const Token &t, Word word);
    void tableRowWord(const Token &t, Word word);
    void breakWord(const WordEntry &entry);
    void symbol(char c);
    // Text bytes; escaped ones ("\'xx", "\{") never end a font name or colour entry.
    void bytes(QByteArrayView data, bool escaped = false);
    bool skipFallback();
    // Whether text bytes go straight to the pending text: visible text, no fallback
    // characters to skip.
    bool plainText() const { return m_fallbackLeft == 0 && m_group.dest == Destination::Text && !m_group.chr.hidden; }
    void character(char16_t c);
    void flushText();
    // Hidden text: its bytes are gathered while \v is on and decoded with its font;
    // the text goes into the document as one hidden object once visible text, a
    // paragraph end or the end of the input comes.
    void decodeHidden();
    void emitHidden();
    const ByteDecoder &decoder();

    void beginFont(int number);
    bool readingFontName() const;
    void fontNameBytes(QByteArrayView data, bool escaped);
    void fontNameCharacter(char16_t c);
    void decodeFontName();
    void commitFontName();
    void colorBytes(QByteArrayView data);
    void tablesChanged();
    // Whether a word opens a destination the reader knows even after "\*".
    static bool knownStarred(Word word);
    void listWord(const Token &t, Word word);
    void endLevelText();
    // The paragraph state a paragraph end gives the paragraph: a paragraph that is no
    // list item of its own loses the list it inherited.
    const ParaState &endingParagraph();
    void picture();
    // An object, shape or picture form kept whole (see rtfobjects.h): its group is
    // read to its end.
    void keepGroup(KeptKind kind, bool starred);
    void endField();
    // A group that sets up the document or a section (the style sheet, a header or
    // footer): kept where the set-up is kept, else skipped.
    void keepSetUpGroup(bool starred);
    // Where set-up words and groups go now: the document's set-up before the text, a
    // section's after a section break; nullptr elsewhere.
    bool settingUp() const;
    void keepSetUpBytes(QByteArrayView bytes);
    void storeSetUp();

    Lexer m_lexer;
    Tables m_tables;
    DocumentBuilder m_builder;

    std::vector<Group> m_stack; // the groups around the current one
    Group m_group;
    int m_overflowDepth = 0; // groups opened beyond MaxDepth and not closed yet
    int m_fallbackLeft = 0;  // characters after \uN still to skip

    std::string m_pending;                  // text bytes not yet decoded
    std::string m_hiddenBytes;              // hidden text bytes not yet decoded
    QString m_hiddenText;                   // hidden text not yet in the document
    const ByteDecoder *m_decoder = nullptr; // the current font's
    int m_decoderFont = 0;
    std::array<const ByteDecoder *, 257> m_decoders{}; // fonts -1 (default) to 255
    QHash<int, const ByteDecoder *> m_otherDecoders;

    int m_fontNumber = -1;      // the font table entry being read
    size_t m_fontDepth = 0;     // the group depth its \fN came at
    QByteArray m_fontNameBytes; // its name's bytes not yet decoded
    QString m_fontName;
    bool m_fontNamed = false;

    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorGiven = false;

    qsizetype m_tokenStart = 0; // where the token being read starts
    bool m_ended = false;       // the document's group closed
    bool m_star = false;        // "\*" came: the group is skipped unless known
    // Where the innermost open group's "{" stands; -1 when not known (a group beyond
    // MaxDepth that had groups closed inside it).
    qsizetype m_groupStart = -1;
    // The list table entry being read, and the level within it.
    int m_listId = 0;
    ListDefinition m_listDef;
    int m_listLevel = -1;
    bool m_listOpen = false;
    size_t m_listDepth = 0;
    int m_overrideList = 0; // \listid of the override being read
    // The \pn words of the group being read, for the paragraph around it.
    ListKind m_oldListKind = ListKind::None;
    int m_oldListLevel = 0;
    int m_oldListStart = 0;
    bool m_oldListContinue = false;
    QString m_oldListBefore, m_oldListAfter;
    QString *m_oldListText = nullptr; // where the text read goes (\pntxtb, \pntxta)
    // A level's label text (\leveltext) being read, and the group depth it came at.
    QString m_levelText;
    size_t m_levelTextDepth = 0;
    // The paragraph named its list (\ls, \ilvl, \pn or a label) since the last
    // paragraph end; \pnlvlcont made it a continuation.
    bool m_itemMarked = false;
    bool m_itemContinued = false;
    ParaState m_unlisted;
    // A field: its instruction's text, and the link target it names.
    QByteArray m_fieldInstruction;
    QString m_fieldLink;
    // The set-up kept (see keepSetUp), and the document it goes to.
    bool m_keepSetUp = false;
    QByteArray m_setUp;
    QTextDocument *m_document = nullptr;
    qsizetype m_fontGroupStart = -1; // where the font entry being read opened its group
    qsizetype m_rowStart = -1;       // where the row definition being read starts
    qsizetype m_rowChecked = 0;      // how far its braces are counted
    int m_rowDepth = 0;              // groups open in it there
    // Table rows: the right edges of the cells defined so far.
    DocumentBuilder::RowDefinition m_row;
    bool m_rowBorderSide = false;  // the last border side named was a cell's or row's
    bool m_paraBorderSide = false; // the last border side named was the paragraph's
    // Keeps a paragraph border, shading or keeping word with the paragraph.
    void keepParagraphWord(const Token &t);
};

} // namespace lumora::rtf
