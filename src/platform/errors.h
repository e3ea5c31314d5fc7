#pragma once
// The program's own exception types. Every event handler runs through one guard
// (ui/handlerguard.h) that shows their message in the standard error box.
#include <QString>
#include <exception>

namespace lumora {

class Error : public std::exception {
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A file or stream operation failed; the code follows the classic runtime numbering
// (2 file not found, 3 path not found, 5 access denied, 100 read past end, 106 bad number).
class IoError : public Error {
public:
    explicit IoError(int code) : Error(QStringLiteral("I/O error %1").arg(code)), m_code(code) {}
    int code() const noexcept { return m_code; }
    // Maps the errno of a failed system call to the classic code.
    static IoError fromErrno(int err);

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
};

// A file has the wrong format for what it was opened as (a picture that is no picture,
// a formatted text that is no rich text).
class FileFormatError : public Error {
public:
    using Error::Error;
};

} // namespace lumora
