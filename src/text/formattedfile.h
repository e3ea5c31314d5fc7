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

// What stands at a formatted text file's place.
enum class Found { None, Rich, NotRich };

// Loads the file at path into doc when it exists and is rich text; a file that is not
// rich text (an empty one, plain text) leaves doc as it was. Throws IoError when an
// existing file cannot be read.
Found loadIfRich(const QString &path, QTextDocument &doc);

// The name a formatted text file that is not rich text is moved aside to by the next
// save: the file's name followed by ".old".
QString asideName(const QString &path);

// Writes doc as rich text to the file at path. Throws FileCreateError or IoError when
// the file cannot be written.
void save(const QString &path, const QTextDocument &doc);

} // namespace lumora::formattedfile
