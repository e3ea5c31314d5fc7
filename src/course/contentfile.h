#pragma once
// Reading a screen's content file into its stored lines.
//
// A content file is line-oriented Windows-1250 text (or UTF-8, written back as such) (CR LF; LF-only lines and a last
// line without an end are read too). The first characters of the raw line decide its
// kind, with no tolerance for leading blanks: "[" a button line, "//" a link line,
// "<" the start of a text block; anything else (empty lines, ">" outside a block) is a
// free line, read as a comment and not stored. Button and link lines are stored one
// each. A text block is kept apart from them, whole however long, as its opening line
// and its continuation lines:
//   - "<" alone takes the next line of the file in its place, with "<" put in front;
//   - an opening line that ends with ">" is the whole block;
//   - otherwise the following lines are stored whatever they begin with, up to and
//     including one whose first or last character is ">", or to the end of the file;
//   - a following line that is ">" alone is not kept: ">" is appended to the line
//     before it.
// The background name is the last line, among those read under the ordinary line
// kinds (free, button, link and block-opening lines, not block continuations), whose
// upper-case form contains ".BMP"; it is kept whole and unchanged, so a button line
// with a picture target becomes a background name that names no file.
//
// A level holds at most MaxLines stored lines (buttons and links; the lesson text does
// not take room there). Lines past that are not stored, but the file is still read to
// its end (block ends and the background line are found as usual) and the result
// counts what was left out, so the window can tell the user that the screen shows only
// part of its buttons and links instead of dropping them silently.
// Lines of any length are kept whole.
#include "state/coursestate.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <limits>

namespace lumora::course {

// Content files are small; a larger file is refused before it is read, by the player and
// by the course checker alike.
inline constexpr qint64 MaxContentFileBytes = 16 * 1024 * 1024;

struct ContentFile {
    QStringList storedLines; // buttons and links in file order, at most MaxLines
    QStringList blockLines;  // every text block's lines, in file order, without limit
    QStringList paragraphs;  // the lesson text of every block, as the pane shows it
    QString backgroundName;  // empty when no line names a picture
    bool hasItems = false;   // some line began with "[", "//" or "<"
    int droppedLines = 0;    // stored lines past MaxLines that were left out
    int droppedButtons = 0;  // how many of those were button lines

    bool truncated() const { return droppedLines > 0; }
};

// Reads decoded lines, as they come from the file, by the rules above. maxLines is the
// room for stored lines; the course tree passes AllLines to see every item of a file.
inline constexpr int AllLines = std::numeric_limits<int>::max();
ContentFile parseContentLines(const QStringList &lines, int maxLines = MaxLines);

// Splits bytes into lines and reads them: Windows-1250, or UTF-8 when the bytes are
// (see textfile::detect).
ContentFile parseContentFile(QByteArrayView bytes, int maxLines = MaxLines);

// Whether the regular file at path (found without regard to case) is larger than
// MaxContentFileBytes; false when there is no such file.
bool tooLargeForContent(const QString &path);

// Reads the file at path (found without regard to case); throws IoError when it
// cannot be opened or read, FileFormatError when it is too large for a content file.
ContentFile readContentFile(const QString &path);

// Puts the stored lines into ScreenLines[level][1..MaxLines] (the rest of the row is
// emptied) and the background name into BackgroundName. Returns false and changes
// nothing when the level lies outside the tables.
bool storeScreenLines(CourseState &state, int level, const ContentFile &file);

} // namespace lumora::course
