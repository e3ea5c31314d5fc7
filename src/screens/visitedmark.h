#pragma once
// The mark of a visited lesson button: the visited badge in the button's upper right
// corner, inside its focus frame, sized by the button's height so it grows with the
// window's scale; and the button's accessible description ends with the word the text
// table gives for "visited".
#include <QString>

class QPushButton;
class QWidget;

namespace lumora::screens {

// Shows or removes the mark; word is the text table's "navštívené".
void markVisited(QPushButton *button, bool visited, const QString &word);
// Whether the button shows the mark.
bool markedVisited(const QWidget *button);
// A description with ", <word>" at its end when visited, without it otherwise.
QString describedVisited(const QString &description, bool visited, const QString &word);

} // namespace lumora::screens
