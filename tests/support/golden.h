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

// A golden file's bytes; a missing golden file stops the test run.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

} // namespace lumora::testing
