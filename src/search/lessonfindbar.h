#pragma once
// The find bar of a lesson pane: it stands over the top of the pane, highlights every
// place where the typed terms occur (folded as the course search folds them: case and
// diacritics ignored, a phrase in double quotes found as written) and moves the caret
// from one to the next. Only the places in view are painted, so a lesson with a great
// many of them stays quick to scroll.
#include "search/lessonfind.h"

#include <QColor>
#include <QFrame>

#include <vector>

class QLabel;
class QLineEdit;
class QTextEdit;
class QToolButton;

namespace lumora {

class TextLookup;

namespace search {

// The words a course search looked for, handed to the search window it opens (a second
// copy of the program) beside its command line, which stays as it was.
inline constexpr char SearchedWordsVariable[] = "LUMORA_SEARCHED_WORDS";

class LessonFindBar : public QFrame {
    Q_OBJECT
public:
    // The pane's bar, made on first use (a child of the pane's parent).
    static LessonFindBar &of(QTextEdit &pane, TextLookup &texts);

    LessonFindBar(QTextEdit &pane, TextLookup &texts);

    // The marks behind found places, black text on them: the other places and the
    // current one, each at least 3:1 against the page's white, told apart by hue.
    static QColor otherMatchColour() { return QColor(100, 140, 225); }
    static QColor currentMatchColour() { return QColor(220, 110, 0); }

    // Shows the bar with the focus in its field; the field's text is searched again.
    void open();
    // Shows the bar with these words, highlighted, and the first place in view; the
    // focus stays where it is. Where the lesson does not hold them the bar stays closed.
    void openWith(const QString &words);
    // The next (or previous) place after (before) the caret, wrapping at the end.
    void next();
    void previous();
    // Hides the bar and its highlights; the focus goes back to the pane.
    void close();

    QLineEdit *field() const { return m_field; }
    // The places found so far (all of them once the search has gone through the lesson).
    const std::vector<TextRange> &found() const { return m_found; }
    int current() const { return m_current; } // index into found(), -1 for none

signals:
    // The bar covers this many pixels of the pane's top now (0 when closed).
    void covers(int height);

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void applyCaptions();
    void place();
    void search();
    void showPlace(int index);
    void step(bool forward);
    void paintVisible();
    void showCount();

    QTextEdit &m_pane;
    TextLookup &m_texts;
    QLineEdit *m_field = nullptr;
    QLabel *m_label = nullptr;
    QLabel *m_count = nullptr;
    QToolButton *m_previous = nullptr;
    QToolButton *m_next = nullptr;
    QToolButton *m_close = nullptr;

    void searchSlice();
    bool searching() const;

    FoldedText m_text; // the pane's text, folded once per change
    bool m_stale = true;
    Scan m_scan;
    quint64 m_generation = 0; // a newer search drops the slices of an older one
    qsizetype m_from = 0;     // the first place at or after this one is shown
    bool m_closeIfNone = false;
    std::vector<TextRange> m_found;
    qsizetype m_longest = 0; // the longest place found
    int m_current = -1;
};

// In a search window: the words its course search looked for, highlighted in the pane
// with the first place in view (nothing when none were handed over).
void showSearchedWords(QTextEdit &pane, TextLookup &texts);

} // namespace search
} // namespace lumora
