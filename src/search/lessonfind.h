#pragma once
// Finding the course search's terms inside one text (a lesson): the text is folded
// once (search/textfold.h), and every occurrence of every term is found in the folded
// form and mapped back to the characters of the text it came from.
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
    explicit FoldedText(QString text);

    const QString &text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }

    // Every occurrence of every term, ordered by where it starts (a shorter one first
    // where two start together); occurrences of one term do not overlap. A folded
    // character that comes from several (a letter and its marks) covers all of them.
    std::vector<TextRange> findAll(const Query &query) const;

private:
    TextRange original(qsizetype foldedStart, qsizetype foldedLength) const;

    QString m_text;
    QString m_folded;
    std::vector<qsizetype> m_origins;
};

// The index of the first range (of ranges ordered by start) that starts at or after
// position, or ranges.size().
size_t firstStartingAt(const std::vector<TextRange> &ranges, qsizetype position);

} // namespace lumora::search
