#pragma once
// File operations shared by the whole program: copying, attributes, the write probe
// and the advisory lock that keeps two copies of the program off one file.
#include <QString>

namespace lumora::fileops {

// Attribute bits in the classic numbering.
enum Attribute : int {
    ReadOnly = 1,
    Hidden = 2,
    Directory = 16,
    Archive = 32,
};

// The attribute bits of an existing file or folder; 0 when it does not exist.
int attributes(const QString &path);

// True when the file has all the given bits. A missing file has none.
bool HasAttr(const QString &path, int bits);

// Copies source to destination in 8192-byte chunks. A destination that is an existing
// folder receives the file under its own name. Throws FileOpenError / FileCreateError
// with the names, IoError when reading or writing fails part-way. The destination is
// replaced only once the copy is complete.
void CopyFile(const QString &source, const QString &destination);

// Whether a file can be created in the folder: creates "Vizk.txt", closes and deletes it.
bool writeProbe(const QString &folder);

inline constexpr int CopyChunkSize = 8192;

} // namespace lumora::fileops
