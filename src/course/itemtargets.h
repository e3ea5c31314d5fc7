#pragma once
// What a lesson button's press runs, decided without windows: the item its stored line
// names and the level it leads to, and the file (or address, or player) each kind of
// item opens inside the program folder.
#include "course/contentfileitems.h"

#include <QString>

#include <optional>

namespace lumora {

class Session;
struct CourseState;

namespace course {

// The press of a lesson button on a level.
struct ItemPress {
    ItemKind kind = ItemKind::Shell;
    QString target; // as the button's stored line names it
    int level = 0;  // the level of the pressed button
    // A screen one level beyond the tables is refused rather than overrunning them.
    bool tooDeep() const;
};

// The item of the button with this tag (its line among the current level's stored
// lines); none when the level or the tag lies outside the tables.
std::optional<ItemPress> pressedItem(const CourseState &c, int tag);

// Records a press that was not refused: the next level's screen file and folder (when
// that level fits the tables) and the pressed caption, the next screen's title.
void recordPress(CourseState &c, const ItemPress &press, const QString &caption);

// Where a target names a file: relative to the course folder, or as written when absolute.
QString targetPath(const QString &folder, const QString &file);

// A target's file found below the course folder (without regard to case), or empty when
// it is missing, is no regular file, or lies outside the program folder. A course folder
// that is a link to a folder elsewhere is judged against its real location.
QString courseItemFile(const Session &s, const QString &folder, const QString &file);

// What a shell item's file name opens: its file in the course folder, else the file as
// written (absolute, or relative to the current folder) when it lies inside the program
// folder, else a web or mail address; empty when it names none of these.
QString shellItemFile(const Session &s, const QString &folder, const QString &fileName);

// Whether a missing screen may be written in the lesson editor: it lies inside the
// program folder, and that folder can be written (probed only then).
bool mayWriteScreen(const Session &s, const QString &folder, const QString &target);

// The demonstration player, SCPLAYER.EXE in the player's folder, and its arguments for a
// demonstration file: the path quoted, so that a course folder with blanks reaches the
// player whole, then " /s/c".
QString demonstrationPlayer(const Session &s);
QString demonstrationArguments(const QString &demonstration);

} // namespace course
} // namespace lumora
