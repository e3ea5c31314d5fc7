#include "search/lessonfind.h"

#include "platform/textfold.h"

#include <algorithm>

namespace lumora::search {

namespace {

bool isMark(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
        || category == QChar::Mark_Enclosing;
}

// As the folding reads blanks: white space and control characters.
bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u < 0xA0) || c.isSpace();
}

} // namespace

FoldedText::FoldedText(QString text, bool foldNow) : m_text(std::move(text))
{
    if (foldNow)
        foldMore(m_text.size());
}

bool FoldedText::foldMore(qsizetype sourceChars)
{
    const qsizetype size = m_text.size();
    const qsizetype from = m_foldedUpTo;
    if (from >= size)
        return true;
    qsizetype to = std::min(size, from + std::max<qsizetype>(sourceChars, 1));
    if (to < size) {
        // End the piece after a line end close by, else never inside a letter.
        const qsizetype lineEnd = m_text.indexOf(u'\n', to);
        if (lineEnd >= 0 && lineEnd - to < 65536)
            to = lineEnd + 1;
        while (to < size && (isMark(m_text[to]) || m_text[to].isLowSurrogate()))
            ++to;
    }
    std::vector<qsizetype> origins;
    QString piece = textfold::fold(QStringView(m_text).mid(from, to - from), origins);
    if (m_folded.isEmpty() && from == 0) {
        // The first piece (the whole text when folded at once) is taken as it is.
        m_folded = std::move(piece);
        m_origins = std::move(origins);
    } else if (!piece.isEmpty()) {
        if (!m_folded.isEmpty()) {
            // The two pieces meet with one blank where blanks stood between them.
            const qsizetype first = from + origins.front();
            for (qsizetype i = m_origins.back() + 1; i < first; ++i) {
                if (isBlank(m_text[i])) {
                    m_folded.append(u' ');
                    m_origins.push_back(first);
                    break;
                }
            }
        }
        m_folded.append(piece);
        m_origins.reserve(m_origins.size() + origins.size());
        for (qsizetype origin : origins)
            m_origins.push_back(from + origin);
    }
    m_foldedUpTo = to;
    return complete();
}

TextRange FoldedText::original(qsizetype foldedStart, qsizetype foldedLength) const
{
    const qsizetype last = foldedStart + foldedLength - 1;
    const qsizetype start = m_origins[size_t(foldedStart)];
    qsizetype end = m_origins[size_t(last)] + 1;
    if (end < m_text.size() && m_text[end - 1].isHighSurrogate() && m_text[end].isLowSurrogate())
        ++end;
    // Marks folded away after the last character belong to it.
    const qsizetype limit = size_t(last + 1) < m_origins.size() ? m_origins[size_t(last + 1)] : m_foldedUpTo;
    while (end < limit && isMark(m_text[end]))
        ++end;
    return {start, end - start};
}

std::vector<TextRange> FoldedText::findAll(const Query &query)
{
    foldMore(m_text.size());
    std::vector<TextRange> found;
    Scan scan(query);
    scan.run(*this, m_folded.size(), found);
    return found;
}

Scan::Scan(const Query &query) : m_query(query), m_next(size_t(query.terms.size()), 0)
{
    for (const Term &term : m_query.terms)
        m_longest = std::max(m_longest, term.text.size());
}

void Scan::run(const FoldedText &text, qsizetype to, std::vector<TextRange> &found)
{
    const QStringView folded(text.folded());
    to = std::min(to, folded.size());
    if (to <= m_scanned)
        return;
    const size_t before = found.size();
    for (qsizetype t = 0; t < m_query.terms.size(); ++t) {
        const QString &term = m_query.terms[t].text;
        qsizetype resume = m_next[size_t(t)];
        qsizetype at = folded.indexOf(term, resume);
        for (; at >= 0 && at < to; at = folded.indexOf(term, resume)) {
            found.push_back(text.original(at, term.size()));
            resume = at + term.size();
        }
        // Where the next run goes on: at a place found past the position, or else past
        // everything searched (places of one term do not overlap).
        m_next[size_t(t)] = at >= 0 ? at : std::max(resume, to);
    }
    if (m_query.terms.size() > 1) {
        std::sort(found.begin() + qsizetype(before), found.end(), [](const TextRange &a, const TextRange &b) {
            return a.start != b.start ? a.start < b.start : a.length < b.length;
        });
    }
    m_scanned = to;
}

size_t firstStartingAt(const std::vector<TextRange> &ranges, qsizetype position)
{
    const auto it = std::partition_point(ranges.begin(), ranges.end(),
                                         [position](const TextRange &r) { return r.start < position; });
    return size_t(it - ranges.begin());
}

} // namespace lumora::search
