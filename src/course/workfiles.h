#pragma once
// The learner's notes and own-links files of a screen: how they are named in the work
// folder, and how they are read and written. One rule names them for the notes and
// links windows, the screen's notes button and own-links box, the search and the
// export alike, so what a screen shows always matches what the windows edit.
//
// Each course keeps its files in a sub-folder of the work folder named after the course
// folder, each screen under its own content file's name. Earlier versions kept every
// course's files side by side in the work folder, where two courses' screens of one
// name shared a file; such a file is still read while the screen has none of its own,
// and moves to the new place on the screen's next save when no other screen shares it.
#include <QString>
#include <QStringList>

namespace lumora {
class Session;
}

namespace lumora::course {

// What names a screen's files: the process's own current level, whether this is a
// search-window instance (whose level 1 is a content screen), and the level's content
// file and course folder.
struct ScreenRef {
    int level = 1;
    bool searchInstance = false;
    QString screenFile;
    QString levelFolder;
    // The course folder's path. When given, the screen is named as its content file is
    // really spelled there (a reference "LEKCIA.TXT" to "Lekcia.txt" names one screen),
    // and the earlier flat files are moved only when no other course's screen claims them.
    QString courseDir;
    QString programDir;
};

// The screen of a level of the session, and the one it currently shows.
ScreenRef screenAt(const Session &session, int level);
ScreenRef currentScreen(const Session &session);

enum class FileKind { Notes, Links };

// A file name relative to the work folder (native separators), or the reason it was
// refused: names come from course data, and one that would lead outside the work
// folder (a ".." part, an absolute path) is never used.
struct WorkFile {
    QString name;    // where the screen's file is kept
    QString earlier; // where earlier versions kept it (empty when the same or refused)
    QString refusal;
    // What else the earlier name is needed for: the course, the program folder and the
    // kind, to tell whether another screen shares the earlier file.
    ScreenRef screen;
    FileKind kind = FileKind::Notes;
    bool ok() const { return refusal.isEmpty(); }
};

// The rule: "lumora" for the program's first screen or a screen without a content file
// name, in the work folder itself; else the course folder name as a sub-folder, and in
// it the content file's name, its own folder parts kept as sub-folders. Notes keep the
// content file's name; links replace its last extension by "htm" (or add ".htm").
// The earlier rule: the course folder name (without surrounding blanks) for a content
// file named exactly "obsah.txt", else the content file name, all in the work folder
// itself; links replaced everything after the first "." of the file name by "htm".
WorkFile workFileName(const ScreenRef &screen, FileKind kind);

// The course's own sub-folder of the work folder (relative, native separators), where
// its notes and links are kept and the learner's progress beside them; empty when the
// course folder's name would lead outside the work folder.
QString courseWorkFolder(const QString &levelFolder);

// The file's full path in the work folder (the name exactly as formed), or an empty
// string when the name was refused.
QString workFilePath(const QString &tempDir, const WorkFile &file);
// The earlier flat file of the screen when it exists (found without regard to case),
// else an empty string.
QString earlierFilePath(const QString &tempDir, const WorkFile &file);
// The file to read: the screen's own when it exists, else the earlier one when that
// exists, else the screen's own (missing). Empty when the name was refused.
QString readablePath(const QString &tempDir, const WorkFile &file);
// Whether another screen (of this course or another) is named by the earlier file too,
// so that it must stay where it is.
bool earlierFileShared(const WorkFile &file);

// The one size limit of notes and links files, for reading and for writing (the limit
// the course walk keeps for content files): a larger file is not loaded into a window
// (it would freeze the box) and no larger text is saved.
inline constexpr qint64 MaxWorkFileSize = 16 * 1024 * 1024;

// Every line of a notes or links file: Windows-1250, lines ended by CR LF, LF or a
// lone CR. A missing file has no lines. Throws IoError when it cannot be read and
// FileFormatError when it is larger than MaxWorkFileSize.
QStringList readWorkFile(const QString &path);
// The same rules on bytes already read.
QStringList splitWorkLines(QByteArrayView bytes);
// The file's bytes as they are now, to tell later whether another program changed it;
// a missing file gives a null array. Throws like readWorkFile.
QByteArray workFileBytes(const QString &path);

// The characters of the lines that Windows-1250 cannot store, each once, in order.
QString unstorableCharacters(const QStringList &lines);
// The bytes a work file holds for the lines: Windows-1250 with CR LF, every character
// the code page lacks (also one outside the basic plane) as one "?".
QByteArray encodeWorkLines(const QStringList &lines);

// Writes the lines completely to a new file that then replaces the screen's file,
// creating the folders of the name inside the work folder, and removes what an
// interrupted save of that file left behind. An earlier flat file that no other screen
// shares is removed once the new file is complete. Throws FileFormatError when the
// text is larger than MaxWorkFileSize, FileCreateError or IoError when writing fails;
// the former file is then left as it was.
void writeWorkFile(const QString &tempDir, const WorkFile &file, const QStringList &lines);
// Erases the screen's file: its own is deleted, and an earlier flat file with it when
// no other screen shares it; a shared earlier file stays for the others, and an empty
// file of the screen's own keeps it from showing here again. A missing file is no
// error; throws Error when a file cannot be deleted.
void eraseWorkFile(const QString &tempDir, const WorkFile &file);

// For a screen's notes button and own-links box: whether the screen has a note (a file
// with something in it), and
// the non-empty lines of its links file (none when it is missing, refused or unreadable;
// the links window reports why when it is opened).
bool noteExists(const Session &session, int level);
bool noteFileHasText(const QString &tempDir, const WorkFile &file);
QStringList linksForBox(const Session &session, int level);

} // namespace lumora::course
