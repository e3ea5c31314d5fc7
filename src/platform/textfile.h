#pragma once
// Text files as the program's data needs them: Windows-1250 bytes with CR LF line ends.
// Readers accept LF-only lines and a last line without an end; writers write CR LF and
// replace a file only once the new content is completely on disk.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumora::textfile {

// Windows-1250 bytes to text and back. Characters the code page lacks become "?".
QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);
// Whether every character of text exists in Windows-1250.
bool encodable(QStringView text);

// The encodings a text file may come in. Windows-1250 is the program's own and the one
// of every new file; a file that is valid UTF-8 and holds non-ASCII letters, or begins
// with the UTF-8 byte-order mark, is read as UTF-8 and written back the same way.
enum class Encoding { Windows1250, Utf8, Utf8WithMark };
Encoding detect(QByteArrayView bytes);

// Whether bytes are well-formed UTF-8, as Qt's decoder takes them without error.
bool wellFormedUtf8(QByteArrayView bytes);
// Text of bytes in an encoding (a byte-order mark at the start is left out), and back
// (with the mark for Utf8WithMark).
QString decode(QByteArrayView bytes, Encoding encoding);
QByteArray encode(QStringView text, Encoding encoding);

// Splits raw bytes into lines without their ends (CR LF, LF; a lone CR stays in the line
// as it would in the original line input). A final line without an end counts; an empty
// input has no lines.
QList<QByteArrayView> splitRawLines(QByteArrayView bytes);

// Larger files are never read whole: formatted texts, pictures and every other file
// the program reads into memory stay below this.
inline constexpr qint64 MaxReadBytes = 64 * 1024 * 1024;

// The whole file as bytes; throws IoError when the file cannot be opened or read (a
// named pipe or a device is never opened), FileTooLargeError past MaxReadBytes.
QByteArray readBytes(const QString &path);
// The same at exactly the path given (a name paths::resolve has found), where
// readBytes first looks for the file without regard to case.
QByteArray readBytesAt(const QString &path);

// Bytes split into lines and decoded in the encoding they were detected in.
QStringList decodeLines(QByteArrayView bytes, Encoding encoding);

// Every line of the file, decoded in its detected encoding; throws IoError.
QStringList readLines(const QString &path);
// The same with the encoding found, so the file can be written back as it came.
QStringList readLines(const QString &path, Encoding &encoding);

// The lines encoded, each followed by CR LF, as a text file holds them.
QByteArray encodeLines(const QStringList &lines, Encoding encoding = Encoding::Windows1250);

// Writes the lines, each followed by CR LF, replacing the file atomically through
// fileops::SafeFile; throws FileCreateError when the file cannot be created,
// DiskFullError or another IoError when writing fails, LinkOutsideError for a link
// out of the file's folder. The old file stays on every failure.
void writeLines(const QString &path, const QStringList &lines, Encoding encoding = Encoding::Windows1250);

// Writes text exactly as given (no line end added), replacing the file atomically.
void writeText(const QString &path, const QString &text);

// Writes raw bytes, replacing the file atomically. Every writer here throws
// LinkOutsideError for a symbolic link out of the file's folder (see SafeFile).
void writeBytes(const QString &path, const QByteArray &bytes);
// The same at exactly the path given, where writeBytes first looks for an existing file
// of that name without regard to case.
void writeBytesAt(const QString &path, const QByteArray &bytes);

} // namespace lumora::textfile
