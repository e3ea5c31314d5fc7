#pragma once
// Golden-folder tests: a folder of cases, each a folder of input and expected files.
// With LUMORA_UPDATE_GOLDEN=1 in the environment the expected files are written from
// what the code gives instead of compared (see tests/README.md); inputs are never written.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
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

// Whether this run writes the expected files rather than comparing with them.
inline bool updatingGolden()
{
    return qEnvironmentVariableIntValue("LUMORA_UPDATE_GOLDEN") == 1;
}

// Lines as an expected file holds them: UTF-8, each line ended by "\n" (no lines: an
// empty file).
inline QByteArray linesFileBytes(const QStringList &lines)
{
    return lines.isEmpty() ? QByteArray() : lines.join(u'\n').toUtf8() + '\n';
}

// The lines of an expected file written by linesFileBytes(); a file that cannot be
// read or lacks its last line end fails the running test.
inline QStringList fileLines(const QString &path)
{
    const QString text = QString::fromUtf8(fileBytes(path));
    if (text.isEmpty())
        return {};
    if (!text.endsWith(u'\n')) {
        QTest::qFail(qPrintable(path + QStringLiteral(" lacks its last line end")), __FILE__, __LINE__);
        return {};
    }
    QStringList lines = text.split(u'\n');
    lines.removeLast();
    return lines;
}

namespace detail {

// Writes bytes over path (making its folder) unless it already holds them.
inline bool writeExpected(const QByteArray &bytes, const QString &path, const char *file, int line)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QFile out(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        QTest::qFail(qPrintable(QStringLiteral("cannot write ") + path), file, line);
        return false;
    }
    return true;
}

} // namespace detail

// The one golden comparison: actual against the expected file at path, or, when
// updating, actual written there. A difference fails the running test; the result says
// whether the test may go on. Use it through COMPARE_GOLDEN.
inline bool compareGolden(const QByteArray &actual, const QString &path, const char *file, int line)
{
    if (updatingGolden())
        return detail::writeExpected(actual, path, file, line);
    const QByteArray expected = fileBytes(path);
    return QTest::qCompare(actual, expected, qPrintable(QStringLiteral("what the code gives")), qPrintable(path), file,
                           line);
}

// The same for a list of lines, kept as linesFileBytes() writes them, compared line by
// line so that a difference names its first line.
inline bool compareGolden(const QStringList &actual, const QString &path, const char *file, int line)
{
    if (updatingGolden())
        return detail::writeExpected(linesFileBytes(actual), path, file, line);
    const QStringList expected = fileLines(path);
    return QTest::qCompare(actual, expected, qPrintable(QStringLiteral("what the code gives")), qPrintable(path), file,
                           line);
}

} // namespace lumora::testing

// Compares actual (bytes or lines) with the expected file at path, or writes it there
// under LUMORA_UPDATE_GOLDEN=1; a difference fails the test and returns from it.
#define COMPARE_GOLDEN(actual, path)                                                                                   \
    do {                                                                                                               \
        if (!::lumora::testing::compareGolden((actual), (path), __FILE__, __LINE__))                                   \
            return;                                                                                                    \
    } while (false)
