#pragma once
// The text table: every caption, message and setting comes from CONFIG.TXT,
// first in the course folder (inside a course), then in the program folder,
// then from the caller's built-in default. Files are read afresh on every lookup.
#include <QByteArray>
#include <QString>

namespace lumora::config {

inline constexpr char FileName[] = "CONFIG.TXT";

// What one file says about one key.
struct ScanResult {
    enum class State { FileMissing, KeyNotFound, Found };
    State state = State::FileMissing;
    bool show = true;  // the entry's flag: false when the line begins with "0"
    QByteArray value;  // raw value bytes after the second "*", untrimmed
    bool utf8 = false; // the file is UTF-8 (or UTF-16, read as UTF-8): value is UTF-8
};

// Scans one CONFIG.TXT; the first line whose key equals the key wins. A file saved as
// UTF-8 or UTF-16 (with its byte-order mark) is read in that encoding.
// Throws IoError when the file exists but cannot be read.
ScanResult scanFile(const QString &path, const QString &key);

// Scans bytes already read (the same rules; used by scanFile and the fuzz target).
ScanResult scanBytes(QByteArrayView bytes, const QByteArray &key);

// Leading and trailing blanks and control characters removed.
QString trimmed(const QString &text);

// The lookup over both folders, with the fall-through rules; showPrompt is updated
// as the rules say (left alone when neither file exists). firstFolder equals
// programFolder outside a course.
QString lookup(const QString &firstFolder, const QString &programFolder, const QString &key, const QString &defaultText,
               bool &showPrompt);

} // namespace lumora::config
