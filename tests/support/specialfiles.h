#pragma once
// Files a golden folder cannot hold in git, made for a case at run time from its
// special.txt, one a line: "fifo PATH" (a named pipe), "sparse PATH BYTES" (a file of
// that size without blocks behind it), "link PATH TARGET" (a symbolic link). Paths are
// relative to the case's input copy.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace lumora::testing {

inline bool hasSpecialFiles(const QString &caseFolder)
{
    return QFileInfo::exists(caseFolder + QStringLiteral("/special.txt"));
}

// Makes the special files below input; a line that cannot be made fails the test.
inline bool makeSpecialFiles(const QString &caseFolder, const QString &input)
{
    QFile list(caseFolder + QStringLiteral("/special.txt"));
    if (!list.open(QIODevice::ReadOnly))
        return true;
    for (const QByteArray &raw : list.readAll().split('\n')) {
        const QList<QByteArray> parts = raw.trimmed().split(' ');
        if (parts.size() < 2)
            continue;
        const QString path = input + u'/' + QString::fromUtf8(parts.at(1));
        QDir().mkpath(QFileInfo(path).path());
        const QByteArray name = QFile::encodeName(path);
        bool made = false;
        if (parts.at(0) == "fifo")
            made = ::mkfifo(name.constData(), 0644) == 0;
        else if (parts.at(0) == "sparse" && parts.size() == 3)
            made =
                QFile(path).open(QIODevice::WriteOnly) && ::truncate(name.constData(), parts.at(2).toLongLong()) == 0;
        else if (parts.at(0) == "link" && parts.size() == 3)
            made = ::symlink(parts.at(2).constData(), name.constData()) == 0;
        if (!made) {
            QTest::qFail(qPrintable(QStringLiteral("cannot make %1").arg(QString::fromUtf8(raw))), __FILE__, __LINE__);
            return false;
        }
    }
    return true;
}

} // namespace lumora::testing
