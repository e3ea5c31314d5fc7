#pragma once
// Finding the course search's terms inside one text (a lesson): the text is folded
// (platform/textfold.h), every occurrence of every term is found in the folded form and
// mapped back to the characters of the text it came from. A long text can be folded and
// searched a slice at a time, so a window stays responsive meanwhile.
#include "search/query.h"

#include <QString>
#include <QStringView>

#include <vector>

namespace lumora::search {

// Characters [start, start + length) of the text.
struct TextRange {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const TextRange &) const = default;
};

class FoldedText {
public:
    FoldedText() = default;
    // Folds the whole text at once, or (foldNow false) leaves it to foldMore.
    explicit FoldedText(QString text, bool foldNow = true);

    const QString &text() const { return m_text; }
    const QString &folded() const { return m_folded; }
    bool complete() const { return m_foldedUpTo >= m_text.size(); }

    // Folds about sourceChars more characters of the text (up to a line end where one
    // is near, so words stay whole); true once the whole text is folded.
    bool foldMore(qsizetype sourceChars);

    // Every occurrence of every term, ordered by where it starts (a shorter one first
    // where two start together); occurrences of one term do not overlap. A folded
    // character that comes from several (a letter and its marks) covers all of them.
    // Folds what is left first.
    std::vector<TextRange> findAll(const Query &query);

    // The characters of the text that folded characters [foldedStart, + foldedLength)
    // come from.
    TextRange original(qsizetype foldedStart, qsizetype foldedLength) const;

private:
    QString m_text;
    QString m_folded;
    std::vector<qsizetype> m_origins;
    qsizetype m_foldedUpTo = 0; // characters of the text folded so far
};

// A search over a folded text that goes on where it stopped: each run finds the places
// starting before a folded position, after those found before.
class Scan {
public:
    Scan() = default;
    explicit Scan(const Query &query);

    // Appends, ordered, the places that start before the folded position to (and after
    // where the last run stopped); a place must lie wholly within what is folded.
    void run(const FoldedText &text, qsizetype to, std::vector<TextRange> &found);
    qsizetype scanned() const { return m_scanned; }
    qsizetype longestTerm() const { return m_longest; }

private:
    Query m_query;
    std::vector<qsizetype> m_next; // per term, where its next search starts
    qsizetype m_scanned = 0;
    qsizetype m_longest = 0;
};

// Characters folded, and folded characters searched, in one pass of a window's event
// loop: a long lesson is gone through in several passes, so typing stays responsive.
inline constexpr qsizetype FoldSlice = qsizetype(1) << 19;
inline constexpr qsizetype SearchSlice = qsizetype(8) << 20;

// The index of the first range (of ranges ordered by start) that starts at or after
// position, or ranges.size().
size_t firstStartingAt(const std::vector<TextRange> &ranges, qsizetype position);

} // namespace lumora::search
