#pragma once
// Which screens a query finds, and the line shown for each.
//
// A screen is found when every term of the query occurs in its caption or in one of its
// texts (the text block, the formatted lesson text, the learner's note, the own links),
// the terms in any order. Found screens whose caption alone holds every term come
// first, then the others, each group in the order the screens were given.
//
// A screen that the course names from several places (a shared content file) is read
// and listed once. The captions of all its places count, and it is shown at the first
// place whose caption holds every term (a caption hit), or else at its first place.
#include "search/query.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace lumora::search {

// A place of a screen in the course: a button that leads to it.
struct Place {
    int node = -1;       // the button's node in the course tree
    QString captionPath; // from the course down to the screen, joined by " - "
    QString caption;     // the button's caption
    QString foldedCaption;
};

// One screen as the search reads it.
struct ScreenText {
    QList<Place> places; // in course order; never empty once added to a search
    QString reference;   // the screen's content file, relative to the course folder
    QStringList fields;  // its texts as read; empty ones are kept out

    QString foldedBody;                 // the folded fields, each after a FieldBreak
    std::vector<qsizetype> fieldStarts; // where each field begins in foldedBody
};

// Never part of a folded text, so no term or phrase reaches across two fields.
inline constexpr char16_t FieldBreak = u'\x1F';

// Adds a place where the course names the screen.
void addPlace(ScreenText &screen, int node, const QString &captionPath, const QString &caption);

// Fills the folded body from the fields.
void prepare(ScreenText &screen);

// Adds a text with its folded form to the screen's fields; an empty one is left out.
void appendField(ScreenText &screen, const QString &text, const QString &folded);

struct Hit {
    int screen = 0;         // index into the screens searched
    bool inCaption = false; // a caption alone holds every term
    int place = 0;          // the place shown and opened
    bool operator==(const Hit &) const = default;
};

// Whether the screen is found; the hit's screen index is left for the caller. An
// empty query finds nothing.
bool matches(const Query &query, const ScreenText &screen, Hit &hit);

// Every screen the query finds: caption hits first, then text hits, each in order.
// first is the index the first screen has in the results (for searching a batch).
QList<Hit> findScreens(const Query &query, const std::vector<ScreenText> &screens, int first = 0);

// Plain text as rich text: every place where a term occurs in bold, the rest escaped,
// white space shown as single blanks.
QString highlighted(const Query &query, QStringView text);

// One line of the screen's texts around the first place where a term occurs (the
// beginning of its texts when only the caption holds them), as rich text with the terms
// in bold; about width characters, cut at blanks and marked "…" where cut.
QString snippet(const Query &query, const ScreenText &screen, int width = 110);

} // namespace lumora::search
