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
#include "rtf/rtfdocumentbuilder.h"
#include "rtf/rtflexer.h"
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

    void run();

private:
    enum class Destination : unsigned char { Text, FontTable, ColorTable };

    struct Group {
        CharState chr;
        ParaState para;
        Destination dest = Destination::Text;
        int unicodeSkip = 1;
    };

    void openGroup();
    void closeGroup();
    void skipGroup();
    bool canSkip() const;

    void word(const Token &token);
    void symbol(char c);
    // Text bytes; escaped ones ("\'xx", "\{") never end a font name or colour entry.
    void bytes(QByteArrayView data, bool escaped = false);
    bool skipFallback();
    // Whether text bytes go straight to the pending text: visible text, no fallback
    // characters to skip.
    bool plainText() const
    {
        return m_fallbackLeft == 0 && m_group.dest == Destination::Text && !m_group.chr.hidden;
    }
    void character(char16_t c);
    void flushText();
    const ByteDecoder &decoder();

    void beginFont(int number);
    bool readingFontName() const;
    void fontNameBytes(QByteArrayView data, bool escaped);
    void fontNameCharacter(char16_t c);
    void decodeFontName();
    void commitFontName();
    void colorBytes(QByteArrayView data);
    void tablesChanged();

    Lexer m_lexer;
    Tables m_tables;
    DocumentBuilder m_builder;

    std::vector<Group> m_stack;  // the groups around the current one
    Group m_group;
    int m_overflowDepth = 0;     // groups opened beyond MaxDepth and not closed yet
    int m_fallbackLeft = 0;      // characters after \uN still to skip

    std::string m_pending;       // text bytes not yet decoded
    const ByteDecoder *m_decoder = nullptr;  // the current font's
    int m_decoderFont = 0;
    std::array<const ByteDecoder *, 257> m_decoders{};  // fonts -1 (default) to 255
    QHash<int, const ByteDecoder *> m_otherDecoders;

    int m_fontNumber = -1;       // the font table entry being read
    size_t m_fontDepth = 0;      // the group depth its \fN came at
    QByteArray m_fontNameBytes;  // its name's bytes not yet decoded
    QString m_fontName;
    bool m_fontNamed = false;

    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorGiven = false;
};

} // namespace lumora::rtf
