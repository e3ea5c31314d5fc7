#pragma once
// Names of the files that belong to a screen: its content file, the formatted text and
// the backup beside it, and the user's notes and own-links files in the work folder.
// Name comparisons are made on ASCII upper-case copies.
#include <QString>

namespace lumora::content {

// The course folder of a level: ProgramDir + LevelFolder, and the level's content file
// in it. "\" in the course names is a folder separator.
QString levelFolderPath(const QString &programDir, const QString &levelFolder);
QString contentFilePath(const QString &programDir, const QString &levelFolder,
                        const QString &screenFile);

// The formatted text file of a content file: its name up to and including the first
// "." followed by "rtf" (kap1.txt gives kap1.rtf; a name without "." gives "rtf").
QString formattedTextName(const QString &contentName);

// The backup of a content file, by the same rule with "bak" (Obsah.txt gives Obsah.bak).
QString backupName(const QString &contentName);

// The notes and own-links files of a screen live in the work folder. Their names come
// from course data, so only the last part of such a name is used: folder parts ("\" or
// "/") are dropped and the file never lands outside the work folder.

// The own-links file the main window lists for a screen: the stem is "lumora" on level
// 1 or when screenFile is empty, levelFolder when screenFile names the course's top
// content file, else screenFile; a stem with a "." keeps it up to and including its
// first "." followed by "htm", any other stem gets ".htm".
QString ownLinksFileName(int level, const QString &screenFile, const QString &levelFolder,
                         const QString &contentFileName);

// The notes file of a screen: screenFile, or for the course's top content file the
// course folder name without surrounding blanks followed by ".txt".
QString notesFileName(const QString &screenFile, const QString &levelFolder,
                      const QString &contentFileName);

} // namespace lumora::content
