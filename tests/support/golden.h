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

// Golden tables: files of rows, one a line, cells separated by tabs, input cells first
// and expected cells after them; empty lines and lines starting with "#" are comments.
// A cell writes tab, line end, CR, other control characters and combining marks out as
// "\t", "\n", "\r" and "\uXXXX".
inline QString escapeCell(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c.unicode() < 0x20 || c.isMark())
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

inline QString unescapeCell(const QString &cell)
{
    QString out;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] != u'\\' || i + 1 == cell.size()) {
            out += cell[i];
            continue;
        }
        const QChar c = cell[++i];
        if (c == u't')
            out += u'\t';
        else if (c == u'n')
            out += u'\n';
        else if (c == u'r')
            out += u'\r';
        else if (c == u'u') {
            out += QChar(char16_t(cell.mid(i + 1, 4).toUShort(nullptr, 16)));
            i += 4;
        } else {
            out += u'\\';
            out += c;
        }
    }
    return out;
}

// One data row per table row of the tables at paths (column "row": its cells,
// unescaped), tagged "<folder name>/<file name>:<line>". A row of another number of
// cells fails the test function; the other rows still run.
inline void addTableRows(const QStringList &paths, int columns)
{
    QTest::addColumn<QStringList>("row");
    for (const QString &path : paths) {
        const QStringList lines = QString::fromUtf8(fileBytes(path)).split(u'\n');
        const QFileInfo info(path);
        const QString name = info.dir().dirName() + u'/' + info.fileName();
        for (qsizetype n = 0; n < lines.size(); ++n) {
            if (lines[n].isEmpty() || lines[n].startsWith(u'#'))
                continue;
            QStringList row = lines[n].split(u'\t');
            if (row.size() != columns) {
                QTest::qFail(qPrintable(QStringLiteral("%1 line %2: %3 cells, not %4")
                                            .arg(path)
                                            .arg(n + 1)
                                            .arg(row.size())
                                            .arg(columns)),
                             __FILE__, __LINE__);
                continue;
            }
            for (QString &cell : row)
                cell = unescapeCell(cell);
            QTest::newRow(qPrintable(QStringLiteral("%1:%2").arg(name).arg(n + 1))) << row;
        }
    }
}

// The running data row's expected cells (those from firstExpected on) of the table at
// path against actual or, when updating, actual written into them. Use it through
// COMPARE_GOLDEN_CELLS.
inline bool compareGoldenCells(const QStringList &actual, const QString &path, int firstExpected, const char *file,
                               int line)
{
    const qsizetype number = QString::fromLatin1(QTest::currentDataTag()).section(u':', -1).toLongLong();
    QStringList lines = QString::fromUtf8(fileBytes(path)).split(u'\n');
    if (number < 1 || number > lines.size()) {
        QTest::qFail(qPrintable(QStringLiteral("no line %1 in %2").arg(number).arg(path)), file, line);
        return false;
    }
    QStringList cells = lines[number - 1].split(u'\t');
    QStringList expected = cells.mid(firstExpected);
    for (QString &cell : expected)
        cell = unescapeCell(cell);
    if (!updatingGolden())
        return QTest::qCompare(actual, expected, "what the code gives", qPrintable(path), file, line);
    cells = cells.mid(0, firstExpected);
    for (const QString &cell : actual)
        cells.append(escapeCell(cell));
    lines[number - 1] = cells.join(u'\t');
    return detail::writeExpected(lines.join(u'\n').toUtf8(), path, file, line);
}

} // namespace lumora::testing

// Compares actual (bytes or lines) with the expected file at path, or writes it there
// under LUMORA_UPDATE_GOLDEN=1; a difference fails the test and returns from it.
#define COMPARE_GOLDEN(actual, path)                                                                                   \
    do {                                                                                                               \
        if (!::lumora::testing::compareGolden((actual), (path), __FILE__, __LINE__))                                   \
            return;                                                                                                    \
    } while (false)

// Compares the running table row's expected cells with actual, or writes them under
// LUMORA_UPDATE_GOLDEN=1; a difference fails the test and returns from it.
#define COMPARE_GOLDEN_CELLS(actual, path, firstExpected)                                                              \
    do {                                                                                                               \
        if (!::lumora::testing::compareGoldenCells((actual), (path), (firstExpected), __FILE__, __LINE__))             \
            return;                                                                                                    \
    } while (false)
