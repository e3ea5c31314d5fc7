#pragma once
// Formatted text files (".rtf") as the program reads and writes them: found without
// regard to case, replaced only once the new content is complete, failures reported
// with the program's own errors.
#include <QString>

class QTextDocument;

namespace lumora::formattedfile {

// Reads the file at path into doc. Throws IoError when it cannot be read and
// FileFormatError when it is not rich text.
void load(const QString &path, QTextDocument &doc);

// Writes doc as rich text to the file at path. Throws FileCreateError or IoError when
// the file cannot be written.
void save(const QString &path, const QTextDocument &doc);

} // namespace lumora::formattedfile
