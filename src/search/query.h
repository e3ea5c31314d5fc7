#pragma once
// What the learner types into the search field: words, and phrases in double quotes
// ("…", or the typographic „…“ and “…”) that must occur as written. A quote left open
// runs to the end of the query. Every term is folded (platform/textfold.h); a term that
// folds to nothing is dropped, and a term given twice counts once.
#include <QList>
#include <QString>
#include <QStringView>

namespace lumora::search {

struct Term {
    QString text; // folded; a phrase holds single blanks between its words
    bool phrase = false;
    bool operator==(const Term &) const = default;
};

struct Query {
    QList<Term> terms; // in the order typed
    bool isEmpty() const { return terms.isEmpty(); }
};

Query parseQuery(QStringView input);

} // namespace lumora::search
