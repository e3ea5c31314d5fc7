#pragma once
// "Tlačiť lekciu…" and "Uložiť lekciu ako PDF…": the lesson of a screen, with its title
// line, to the printer chosen in the system's print dialog or to a PDF file; long
// lessons show their progress and can be stopped.
#include <QString>

class QTextDocument;
class QWidget;

namespace lumora {

class Session;

namespace text {

void printLesson(Session &session, const QTextDocument &lesson, const QString &title, QWidget *window);
void saveLessonAsPdf(Session &session, const QTextDocument &lesson, const QString &title, QWidget *window);

// The save dialog for a PDF file, its name box holding suggested and the focus; empty
// when cancelled.
QString askPdfName(Session &session, QWidget *window, const QString &suggested);

} // namespace text
} // namespace lumora
