#pragma once
// Names of the files that belong to a screen: its content file, the formatted text and
// the backup beside it.
// Name comparisons are made on ASCII upper-case copies.
#include <QString>

namespace lumora::course {

// The formatted text file of a content file: its name up to and including the first
// "." followed by "rtf" (kap1.txt gives kap1.rtf; a name without "." gives "rtf").
QString formattedTextName(const QString &contentName);

// The backup of a content file, by the same rule with "bak" (Obsah.txt gives Obsah.bak).
QString backupName(const QString &contentName);

} // namespace lumora::course
