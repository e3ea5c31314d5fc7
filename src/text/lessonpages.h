#pragma once
// A lesson laid out for the printer and for PDF files: a title line (the course and the
// captions leading to the screen) above the formatted text, pictures and tables included.
#include <QString>

#include <memory>

class QTextDocument;

namespace lumora::memo {

// A copy of the lesson with the title line in bold before it.
std::unique_ptr<QTextDocument> printableLesson(const QTextDocument &lesson, const QString &title);

} // namespace lumora::memo
