#pragma once
// The learner's notes and own-links files of a screen: how they are named in the work
// folder, and how they are read and written. One rule names them for the notes and
// links windows and for the screen's notes button and own-links box alike, so what a
// screen shows always matches what the windows edit. The rule is the one earlier
// versions stored the files under, so those files are found.
#include <QString>
#include <QStringList>

namespace lumora {
class Session;
}

namespace lumora::personal {

// What names a screen's files: the process's own current level, whether this is a
// search-window instance (whose level 1 is a content screen), and the level's content
// file and course folder.
struct ScreenRef {
    int level = 1;
    bool searchInstance = false;
    QString screenFile;
    QString levelFolder;
};

// The screen of a level of the session, and the one it currently shows.
ScreenRef screenAt(const Session &session, int level);
ScreenRef currentScreen(const Session &session);

enum class FileKind { Notes, Links };

// A file name relative to the work folder (native separators), or the reason it was
// refused: names come from course data, and one that would lead outside the work
// folder (a ".." part, an absolute path) is never used.
struct WorkFile {
    QString name;
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
};

// The rule: "lumora" for the program's first screen or a screen without a content file
// name; the course folder name (without surrounding blanks) for a content file named
// exactly "obsah.txt"; else the content file name itself, folder parts kept as
// sub-folders. Notes end in ".txt" (a content file name is used as it is); links
// replace everything after the first "." of the file name by "htm", or add ".htm".
WorkFile workFileName(const ScreenRef &screen, FileKind kind);

// The file's full path in the work folder (an existing file found without regard to
// case), or an empty string when the name was refused.
QString workFilePath(const QString &tempDir, const WorkFile &file);

// Files larger than this are not loaded into a window (a binary file or a runaway
// file would freeze the box); they are reported and left untouched.
inline constexpr qint64 MaxWorkFileSize = 1024 * 1024;

// Every line of a notes or links file: Windows-1250, lines ended by CR LF, LF or a
// lone CR. A missing file has no lines. Throws IoError when it cannot be read and
// FileFormatError when it is larger than MaxWorkFileSize.
QStringList readWorkFile(const QString &path);
// The same rules on bytes already read.
QStringList splitWorkLines(QByteArrayView bytes);

// The characters of the lines that Windows-1250 cannot store, each once, in order.
QString unstorableCharacters(const QStringList &lines);

// Writes the lines in Windows-1250 with CR LF, completely to a new file that then
// replaces the old one, creating the folders of the name inside the work folder.
// Throws FileCreateError or IoError; the former file is then left as it was.
void writeWorkFile(const QString &tempDir, const WorkFile &file, const QStringList &lines);

// For a screen's notes button and own-links box: whether the screen's note exists, and
// the non-empty lines of its links file (none when it is missing, refused or unreadable;
// the links window reports why when it is opened).
bool noteExists(const Session &session, int level);
QStringList linksForBox(const Session &session, int level);

} // namespace lumora::personal
