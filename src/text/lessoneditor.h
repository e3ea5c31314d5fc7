#pragma once
// The lesson editor without its window: which files it works on, opening a content
// file for editing and saving it back.
//
// Saving keeps the previous content file as the backup and writes three files, each
// completely to a new file that then takes the old one's name, so a failure at any
// point leaves every file either as it was or as saved, and never missing:
//   1. the backup (only when the content file existed when the editor opened), a copy
//      of the content file's current bytes; the old backup stays until the copy is
//      complete;
//   2. the formatted text, with the blocks typed into the editor appended;
//   3. the content file.
// Another copy of the program holding the content file, or the file having vanished
// since the editor opened, makes the save refuse before anything is written.
#include "text/formattedfile.h"

#include <QString>
#include <QStringList>

class QTextDocument;

namespace lumora::lessoneditor {

// The message of a refused save.
inline constexpr char BusyMessage[] = "So suborom niekto prave pracuje";

// The files of one screen, all in its course folder; an existing file keeps its own
// spelling, a missing one is named as the content file's name gives it.
struct Files {
    QString content;
    QString formatted; // the content file's name up to its first "." + "rtf"
    QString backup;    // the same with "bak"
};
Files filesFor(const QString &programDir, const QString &folder, const QString &contentName);

// What stands beside the content file as its formatted text. A file that is not rich
// text is left alone: the editor then works as if there were none.
using Formatted = formattedfile::Found;

struct Opened {
    bool contentExisted = true;
    QStringList lines; // for the plain editor
    Formatted formatted = Formatted::None;
    // The content file and the formatted text as they were when the editor opened, so
    // that a save can tell whether another program changed them meanwhile.
    QByteArray contentBytes;
    QByteArray formattedBytes;
};

// Opening: a missing content file is created empty; its lines are read; when a
// formatted text exists, the text blocks are left out of the lines and the formatted
// text is loaded into preview. Lines keep their whole length. Throws IoError or
// FileCreateError.
Opened open(const Files &files, QTextDocument &preview);

// The formatted text's plain copy: one line per paragraph (and per line break), no
// lines for an empty text.
QStringList plainCopy(const QTextDocument &doc);

// Appends each line of text as a new paragraph at the end of doc, in the format the
// end of the text has.
void appendParagraphs(QTextDocument &doc, const QStringList &text);

enum class SaveResult { Saved, Busy, Changed };

// Saves the editor's lines; buffer is the conversion buffer for the formatted text.
// Busy: nothing was written. Changed: the content file or the formatted text is no
// longer what opened held (another copy of the program, or another program, saved it
// meanwhile); nothing was written, and the caller asks before saving again with
// overwrite set. Throws IoError, FileCreateError when a file cannot be read or
// written; the files written before stay complete.
SaveResult save(const Files &files, const Opened &opened, const QStringList &editorLines, QTextDocument &buffer,
                bool overwrite = false);

} // namespace lumora::lessoneditor
