#pragma once
// The level file: the current level as decimal digits without a line end, shared with
// the notes window and read back when a level window closes.
#include <QString>

namespace lumora::levelfile {

// Rewrites the file with the level; throws FileCreateError / IoError.
void write(const QString &path, int level);

// Reads one integer: leading blanks and line ends are skipped; an empty file reads 0.
// Throws IoError when the file cannot be read or does not hold an integer.
int read(const QString &path);

// The same rules applied to bytes already read.
int parse(QByteArrayView bytes);

} // namespace lumora::levelfile
