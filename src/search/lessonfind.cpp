#include "search/lessonfind.h"

#include "search/textfold.h"

#include <algorithm>

namespace lumora::search {

namespace {

bool isMark(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
        || category == QChar::Mark_Enclosing;
}

} // namespace

FoldedText::FoldedText(QString text)
    : m_text(std::move(text))
{
    m_folded = fold(m_text, m_origins);
}

TextRange FoldedText::original(qsizetype foldedStart, qsizetype foldedLength) const
{
    const qsizetype last = foldedStart + foldedLength - 1;
    const qsizetype start = m_origins[size_t(foldedStart)];
    qsizetype end = m_origins[size_t(last)] + 1;
    if (end < m_text.size() && m_text[end - 1].isHighSurrogate() && m_text[end].isLowSurrogate())
        ++end;
    // Marks folded away after the last character belong to it.
    const qsizetype limit = size_t(last + 1) < m_origins.size() ? m_origins[size_t(last + 1)] : m_text.size();
    while (end < limit && isMark(m_text[end]))
        ++end;
    return {start, end - start};
}

std::vector<TextRange> FoldedText::findAll(const Query &query) const
{
    std::vector<TextRange> found;
    const QStringView folded(m_folded);
    for (const Term &term : query.terms) {
        const qsizetype length = term.text.size();
        for (qsizetype at = folded.indexOf(term.text); at >= 0; at = folded.indexOf(term.text, at + length))
            found.push_back(original(at, length));
    }
    if (query.terms.size() > 1) {
        std::sort(found.begin(), found.end(), [](const TextRange &a, const TextRange &b) {
            return a.start != b.start ? a.start < b.start : a.length < b.length;
        });
    }
    return found;
}

size_t firstStartingAt(const std::vector<TextRange> &ranges, qsizetype position)
{
    const auto it = std::partition_point(ranges.begin(), ranges.end(),
                                         [position](const TextRange &r) { return r.start < position; });
    return size_t(it - ranges.begin());
}

} // namespace lumora::search
