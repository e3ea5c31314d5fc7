#pragma once
// Puts what the reader finds into a text document through a cursor: runs of text with
// their character format, and paragraphs with their block format. Text is gathered
// into runs and formats are made once per distinct state, so the document sees one
// insertion per run, as if the text had been typed in with its formats.
#include "rtf/rtfobjects.h"
#include "rtf/rtfstate.h"

#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextListFormat>

#include <array>
#include <vector>

class QTextList;
class QTextTable;

namespace lumora::rtf {

class DocumentBuilder {
public:
    // Text goes in at the cursor; the block the cursor stands in takes the first
    // paragraph.
    DocumentBuilder(QTextCursor &cursor, const Tables &tables);

    // Appends text to the current paragraph (starting one after a paragraph end).
    // Characters rich text does not carry (isDroppedCharacter) are left out.
    void text(QStringView text, const CharState &chr, const ParaState &para);

    // The same in two steps, for text decoded straight into the run: textBuffer() gives
    // the run to append to, textAdded() takes what was appended from position from on.
    QString &textBuffer(const CharState &chr, const ParaState &para);
    void textAdded(qsizetype from);

    // Ends the current paragraph, which takes para's format; an empty paragraph also
    // takes chr as its character format, so its height follows the text size.
    void paragraphEnd(const ParaState &para, const CharState &chr);

    // A section or page end: ends the current paragraph if it holds text.
    void softParagraphEnd(const ParaState &para, const CharState &chr);

    // Ends the input: the paragraph in progress is ended; a paragraph that was never
    // started after the last paragraph end is not made. When text the cursor had after
    // it follows a final paragraph end, that text keeps its paragraph of its own with
    // the format of the block the insertion began in.
    void finish(const ParaState &para, const CharState &chr);

    // Whether a paragraph or text has come yet.
    bool started() const { return m_started; }
    // A page break: the next paragraph starts a page.
    void pageBreak() { m_pendingBreak = m_started; }
    // A section break: the next paragraph starts a section, whose words (and header and
    // footer groups) come with sectionWords until it starts.
    void sectionBreak()
    {
        if (m_started)
            m_pendingSection = QByteArrayLiteral("\\sect");
    }
    bool sectionOpen() const { return !m_pendingSection.isEmpty(); }
    void sectionWords(QByteArrayView words) { m_pendingSection.append(words.data(), words.size()); }

    // The font or colour table changed: formats made so far are forgotten.
    void tablesChanged();

    // A picture or other object in the text, with its format (an image format).
    void object(const QTextCharFormat &format, const CharState &chr, const ParaState &para);
    // A picture: its "{\pict ...}" group as the file holds it.
    void picture(QByteArrayView group, bool closed, const CharState &chr, const ParaState &para);
    // A group kept whole, of this kind, at this place.
    void keptGroup(KeptKind kind, QByteArrayView group, const TextBoxReader &readTextBox, const CharState &chr,
                   const ParaState &para);
    // Hidden text, kept in the document but not shown.
    void hidden(const QString &text, const CharState &chr, const ParaState &para);

    // Table rows: the right edges (twips) of the cells of the rows that follow; the end
    // of a cell (\cell) and of a row (\row). Paragraphs marked as table paragraphs go
    // into the cells of a document table; the first paragraph without the mark leaves
    // the table. A table has at most MaxColumns columns: the text of cells past the
    // last one goes into the last one.
    static constexpr int MaxColumns = 64;
    struct RowDefinition {
        std::vector<int> rights; // the right edges of the cells, in twips
        bool bordered = false;   // whether the cells have visible borders
        int gapTwips = -1;       // the room between a cell's edge and its text; -1 if not given
        bool header = false;     // a header row (repeated atop each page of the table)
        QByteArrayView entry;    // the definition as the file wrote it (in the input); empty when not kept
    };
    void rowDefinition(const RowDefinition &row) { m_rowDefinition = &row; }
    void cellEnd(const ParaState &para, const CharState &chr);
    void rowEnd(const ParaState &para, const CharState &chr);

private:
    void startTable();
    void nextRow();
    void nextCell();
    void leaveTable();
    void placeInTable(const ParaState &para);
    void addToList(const ParaState &para);
    void flushRun();
    void openBlock(const ParaState &para, const CharState &chr);
    QTextCharFormat charFormat(const CharState &chr);
    QTextBlockFormat blockFormat(const ParaState &para);
    QTextCharFormat makeCharFormat(const CharState &chr) const;
    QTextBlockFormat makeBlockFormat(const ParaState &para) const;

    QTextCursor &m_cursor;
    const Tables &m_tables;

    QString m_run;
    CharState m_runState;
    QTextCharFormat m_runFormat;
    bool m_runFormatValid = false;
    // Formats made for character states, by a hash of the state: a state that meets
    // another in its slot is made again when it comes back, which a lesson text with
    // its handful of formats hardly ever sees.
    struct CachedFormat {
        CharState state;
        QTextCharFormat format;
        bool valid = false;
    };
    std::array<CachedFormat, 256> m_formats;
    ParaState m_lastPara;
    QTextBlockFormat m_lastBlockFormat;
    bool m_lastBlockValid = false;

    // The lists being numbered, by list number (older lists by kind): the document
    // list of each level, its kind and style, and the number of its last item.
    struct ListRun {
        std::array<QTextList *, MaxListLevels> lists{};
        std::array<ListKind, MaxListLevels> kinds{};
        std::array<QTextListFormat::Style, MaxListLevels> styles{};
        std::array<int, MaxListLevels> numbers{};
    };
    QHash<int, ListRun> m_listRuns;
    // Splits a level's label text at its own number; false when it has none.
    static bool labelParts(const QString &text, int level, const ListRun &run, QString &before, QString &after);

    // The table being filled: its current cell; the cursor stands in a block that the
    // next paragraph takes instead of making a new one when m_reuseBlock is set.
    QTextTable *m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    bool m_rowDone = false;
    bool m_cellDone = false;
    bool m_reuseBlock = false;
    const RowDefinition *m_rowDefinition = nullptr;

    // The page or section break waiting for the next paragraph, and what the current
    // paragraph got of them (merged into its format whenever the format is set).
    bool m_pendingBreak = false;
    QByteArray m_pendingSection;
    QTextBlockFormat m_blockExtras;
    void takeBreaks();
    bool m_started = false;
    int m_paragraphsEnded = 0;

    const QTextBlockFormat m_tailFormat;
    const QTextCharFormat m_tailCharFormat;
    bool m_blockOpen = true;
    bool m_blockHasText = false;
    ParaState m_blockPara;
};

} // namespace lumora::rtf
