#include "programfolders.h"

#include "platform/messages.h"
#include "platform/textfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace lumora::testing {

ProgramFolders::ProgramFolders(const QString &programFolderName) : m_programName(programFolderName)
{
    messages::hook::reset();
    messages::hook::setAutoAnswer(true);
    QDir().mkpath(program());
    QDir().mkpath(work());
}

QString ProgramFolders::root() const
{
    return m_dir.path();
}

QString ProgramFolders::program() const
{
    return m_dir.path() + QLatin1Char('/') + m_programName;
}

QString ProgramFolders::work() const
{
    return m_dir.path() + QStringLiteral("/work");
}

void ProgramFolders::write(const QString &relative, const QStringList &lines) const
{
    const QString path = program() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    textfile::writeLines(path, lines);
}

bool copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        const bool copied = it.fileInfo().isDir()
            ? QDir().mkpath(target)
            : QDir().mkpath(QFileInfo(target).path()) && QFile::copy(source, target);
        if (!copied) {
            QTest::qFail(qPrintable(QStringLiteral("cannot copy %1 to %2").arg(source, target)), __FILE__, __LINE__);
            return false;
        }
    }
    return true;
}

} // namespace lumora::testing
