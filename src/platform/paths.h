#pragma once
// One place for building and resolving paths. Course data is written on Windows:
// "\" is a folder separator there, and names are matched without regard to case.
#include <QString>

class QFileInfo;

namespace lumora::paths {

// The native folder separator as a string ("/" here).
QString separator();

// folder + separator + name; folder may or may not end with a separator already.
QString join(const QString &folder, const QString &name);

// The folder with exactly one separator at its end (empty stays empty).
QString withSeparator(const QString &folder);

// The folder without a trailing separator (the root stays the root).
QString withoutSeparator(const QString &folder);

// "\" in course targets and configured paths turned into the native separator.
QString fromCourse(const QString &path);

// The existing file or folder that path names, found part by part without regard to
// case when the exact name is missing. When nothing matches, the path is returned
// as given (with separators converted), so a caller's later open fails normally.
QString resolve(const QString &path);

// The existing regular file that resolve() finds, or an empty string. Anything else
// (a folder, a named pipe, a device) counts as missing: opening it could block.
QString existingFile(const QString &path);

// Whether resolve() finds an existing regular file.
bool fileExists(const QString &path);

// Whether the path names something that exists but is neither a regular file nor a
// folder (a named pipe, a device, a socket): never opened for reading or writing.
bool isSpecial(const QString &path);
// The same for a file already found (no look-up without regard to case).
bool isSpecial(const QFileInfo &info);

// The absolute path with "." and ".." applied and the symbolic links of its existing
// part followed (names matched without regard to case). Empty when a link loops.
QString realPath(const QString &path);

// Whether path lies inside folder, or is the folder itself, once both are real paths.
bool inside(const QString &path, const QString &folder);
// Whether a file written at path stays in the folder path names it in: false for a
// symbolic link out of that folder and for one whose target is missing (a save would
// create the file wherever the link points).
bool staysInItsFolder(const QString &path);
// Whether resolve() finds an existing folder.
bool folderExists(const QString &path);

// Deletes the file that resolve() finds; a missing file is not an error.
void removeFile(const QString &path);

// The last part of a path (the file name without its folders).
QString fileName(const QString &path);

} // namespace lumora::paths
