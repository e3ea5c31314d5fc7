#include "search/query.h"

#include "platform/textfold.h"

#include <QSet>

namespace lumora::search {

namespace {

bool isQuote(QChar ch)
{
    return ch == u'"' || ch == u'\u201E' || ch == u'\u201C' || ch == u'\u201D';
}

void addTerm(Query &query, QSet<QString> &known, QStringView raw, bool phrase)
{
    Term term{textfold::fold(raw), phrase};
    if (term.text.isEmpty() || known.contains(term.text))
        return;
    known.insert(term.text);
    query.terms.append(term);
}

} // namespace

Query parseQuery(QStringView input)
{
    Query query;
    QSet<QString> known;
    qsizetype i = 0;
    const qsizetype n = input.size();
    while (i < n) {
        if (isQuote(input[i])) {
            qsizetype end = i + 1;
            while (end < n && !isQuote(input[end]))
                ++end;
            addTerm(query, known, input.mid(i + 1, end - i - 1), true);
            i = end + 1;
        } else if (input[i].isSpace()) {
            ++i;
        } else {
            qsizetype end = i;
            while (end < n && !input[end].isSpace() && !isQuote(input[end]))
                ++end;
            addTerm(query, known, input.mid(i, end - i), false);
            i = end;
        }
    }
    return query;
}

} // namespace lumora::search
