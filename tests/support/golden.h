#pragma once
// Golden-folder tests: a folder of cases, each a folder of input and expected files.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

namespace lumora::testing {

// One data row per case folder of casesFolder, in name order: column "folder" holds
// the case's full path.
inline void addCaseRows(const QString &casesFolder)
{
    QTest::addColumn<QString>("folder");
    for (const QString &name : QDir(casesFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        QTest::newRow(qPrintable(name)) << casesFolder + QLatin1Char('/') + name;
}

// A golden file's bytes; a file that cannot be read fails the running test (or data
// row) and gives no bytes, and the other tests go on.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTest::qFail(qPrintable(QStringLiteral("cannot read ") + path), __FILE__, __LINE__);
        return {};
    }
    return file.readAll();
}

} // namespace lumora::testing
