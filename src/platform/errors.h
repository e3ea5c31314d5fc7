#pragma once
// The program's own exception types. Every event handler runs through one guard
// (ui/handlerguard.h) that shows their message in the standard error box.
#include "platform/textlookup.h"

#include <QString>
#include <exception>

namespace lumora {

class Error : public std::exception {
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }
    // An error whose text is a text-table entry: the entry, and what follows its text
    // (a file name). message() holds the entry's default with the detail.
    const TextKey *textKey() const noexcept { return m_key; }
    const QString &detail() const noexcept { return m_detail; }

protected:
    Error(const TextKey &key, QString detail) : Error(key.defaultValue() + QLatin1Char(' ') + detail)
    {
        m_key = &key;
        m_detail = std::move(detail);
    }

private:
    QString m_message;
    QByteArray m_utf8;
    const TextKey *m_key = nullptr;
    QString m_detail;
};

// A file or stream operation failed; the code follows the classic runtime numbering
// (2 file not found, 3 path not found, 5 access denied, 100 read past end, 106 bad number).
class IoError : public Error {
public:
    explicit IoError(int code) : Error(QStringLiteral("I/O error %1").arg(code)), m_code(code) {}
    int code() const noexcept { return m_code; }
    // Maps the errno of a failed system call to the classic code.
    static IoError fromErrno(int err);

protected:
    IoError(int code, const TextKey &key, const QString &detail) : Error(key, detail), m_code(code) {}

private:
    int m_code;
};

// A text that should hold an integer does not.
class ConvertError : public Error {
public:
    explicit ConvertError(const QString &text) : Error(QStringLiteral("'%1' is not a valid integer value").arg(text)) {}
};

class FileOpenError : public Error {
public:
    explicit FileOpenError(const QString &name) : Error(QStringLiteral("Nemôžem otvoriť súbor %1").arg(name)) {}
};

class FileCreateError : public Error {
public:
    explicit FileCreateError(const QString &name) : Error(QStringLiteral("Nemôžem vytvoriť súbor %1").arg(name)) {}
    // The same with why, when the reason helps the user (a folder that is read-only).
    FileCreateError(const QString &name, const QString &reason)
        : Error(QStringLiteral("Nemôžem vytvoriť súbor %1 (%2)").arg(name, reason))
    {}
};

// A file has the wrong format for what it was opened as (a picture that is no picture,
// a formatted text that is no rich text).
class FileFormatError : public Error {
public:
    using Error::Error;
};

// The texts of the write errors, in the text table as "DISK FULL", "WRITE LINK" and
// "WRITE FAILED" (config/keys.h lists them with these defaults).
namespace errortext {
inline constexpr TextKey DiskFull{"DISK FULL", TextKey::Kind::Message,
                                  "Disk je plný; súbor sa neuložil a pôvodný zostal bez zmeny:"};
inline constexpr TextKey LinkOutside{"WRITE LINK", TextKey::Kind::Message,
                                     "Súbor je symbolický odkaz mimo svojho priečinka; program doň nezapisuje:"};
inline constexpr TextKey FileTooLarge{"FILE TOO LARGE", TextKey::Kind::Message,
                                      "Súbor je väčší ako 64 MB; program ho nečíta:"};
inline constexpr TextKey WriteFailed{"WRITE FAILED", TextKey::Kind::Message,
                                     "Súbor sa nepodarilo uložiť; pôvodný zostal bez zmeny:"};
} // namespace errortext

// Writing a file failed with the disk or the user's quota full (ENOSPC, EDQUOT); the
// file it was to replace is unchanged. Code 101 as the classic disk write error.
class DiskFullError : public IoError {
public:
    explicit DiskFullError(const QString &file) : IoError(101, errortext::DiskFull, file) {}
};

// Writing a file failed for another reason (read-only folder, input/output error); the
// old file is unchanged. The detail names the file and the system's reason.
class WriteFailedError : public IoError {
public:
    WriteFailedError(int code, const QString &detail) : IoError(code, errortext::WriteFailed, detail) {}
};

// A formatted text, a picture or another file the program would read whole is larger
// than it reads (fileread limits); it is never read.
class FileTooLargeError : public FileFormatError {
public:
    explicit FileTooLargeError(const QString &file) : FileFormatError(errortext::FileTooLarge, file) {}
};

// A file to be written is a symbolic link (or lies behind one) that leads out of the
// folder it is written in, or dangles: it is never written through.
class LinkOutsideError : public Error {
public:
    explicit LinkOutsideError(const QString &file) : Error(errortext::LinkOutside, file) {}
};

} // namespace lumora
