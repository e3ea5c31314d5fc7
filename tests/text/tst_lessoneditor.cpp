// The lesson editor's opening and save on golden course folders, and what a failing
// write leaves behind.
#include "golden.h"
#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/textfile.h"
#include "screens/contentfile.h"
#include "screens/contentfileitems.h"
#include "text/lessoneditor.h"
#include "text/lessoneditorblocks.h"
#include "text/formattedfile.h"
#include "rtf/rtfplainlines.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace lumora;
using namespace lumora::lessoneditor;

namespace {

const QString casesFolder = QStringLiteral(LUMORA_TEST_DATA "/golden/lessoneditor");

QMap<QString, QString> settings(const QString &folder)
{
    QMap<QString, QString> out;
    for (const QString &line : textfile::readLines(folder + QStringLiteral("/case.txt")))
        out.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    return out;
}

void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(QDir::Files))
        QVERIFY(QFile::copy(from + u'/' + name, to + u'/' + name));
}

QStringList fileNames(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    names.sort();
    return names;
}

// Rich text compared by what it holds: both read and written again.
QByteArray canonicalRichText(const QByteArray &bytes)
{
    QTextDocument doc;
    rtf::read(bytes, doc);
    return rtf::write(doc);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void compareFolders(const QString &actual, const QString &expected)
{
    QCOMPARE(fileNames(actual), fileNames(expected));
    for (const QString &name : fileNames(expected)) {
        const QByteArray want = bytesOf(expected + u'/' + name);
        const QByteArray got = bytesOf(actual + u'/' + name);
        if (rtf::isRichText(want)) {
            QVERIFY2(rtf::isRichText(got), qPrintable(name));
            QCOMPARE(canonicalRichText(got), canonicalRichText(want));
        } else {
            QVERIFY2(got == want, qPrintable(name + QStringLiteral(":\n") + QString::fromLatin1(got.toPercentEncoding(" []<>/"))));
        }
    }
}

} // namespace

class TestLessonEditor : public QObject {
    Q_OBJECT

private slots:
    // Paragraphs that look like block markers are written so that the screen reads the
    // same text back, the lines after the block stay lines of their own, and writing the
    // result again changes nothing.
    void markerLikeParagraphsKeepTheBlockWhole()
    {
        const QStringList editor{QStringLiteral("[Ďalej]dalej.txt"), QStringLiteral("//www.example.sk")};
        const QStringList text{QStringLiteral("> začína znakom"), QStringLiteral("končí znakom>"),
                               QStringLiteral("<tiež"), QStringLiteral("posledný>")};
        const QStringList lines = lessoneditor::contentLines(editor, text);
        const content::ContentFile file = content::parseContentLines(lines);
        const content::ScreenItems items = content::walkStoredLines(file.storedLines);
        QCOMPARE(items.buttons.size(), 1);
        QCOMPARE(items.links, QStringList{QStringLiteral("www.example.sk")});
        QCOMPARE(file.paragraphs, (QStringList{QStringLiteral("> začína znakom"), QStringLiteral("končí znakom> "),
                                                QStringLiteral("<tiež"), QStringLiteral("posledný> ")}));
        QCOMPARE(lessoneditor::contentLines(lessoneditor::linesOutsideBlocks(lines), text), lines);
    }

    void golden_data()
    {
        testing::addCaseRows(casesFolder);
    }

    // Opens the folder before/, checks what the plain editor shows, saves the editor's
    // lines and compares the folder, file for file, with after/.
    void golden()
    {
        QFETCH(QString, folder);
        const QMap<QString, QString> set = settings(folder);
        QTemporaryDir dir;
        const QString course = dir.path() + QStringLiteral("/Kurz");
        copyFolder(folder + QStringLiteral("/before"), course);

        try {
            const Files files = filesFor(dir.path() + u'/', QStringLiteral("Kurz"), set.value(QStringLiteral("name")));
            QTextDocument preview;
            const Opened opened = open(files, preview);
            QCOMPARE(opened.contentExisted, set.value(QStringLiteral("existed")) == QLatin1String("yes"));
            if (QFile::exists(folder + QStringLiteral("/opened.txt")))
                QCOMPARE(opened.lines, textfile::readLines(folder + QStringLiteral("/opened.txt")));

            std::optional<FileLock> otherCopy;
            if (set.value(QStringLiteral("lock")) == QLatin1String("yes")) {
                otherCopy.emplace(files.content);
                QVERIFY(otherCopy->locked());
            }
            if (set.value(QStringLiteral("vanish")) == QLatin1String("yes"))
                QVERIFY(QFile::remove(files.content));

            QTextDocument buffer;
            const SaveResult result = save(files, opened.contentExisted,
                                           textfile::readLines(folder + QStringLiteral("/editor.txt")), buffer);
            QCOMPARE(result == SaveResult::Saved ? QStringLiteral("saved") : QStringLiteral("busy"),
                     set.value(QStringLiteral("result")));
        } catch (const Error &e) {
            QFAIL(qPrintable(e.message()));
        }
        compareFolders(course, folder + QStringLiteral("/after"));
    }

    // A save that cannot write its backup stops with an error and leaves the content
    // file and the formatted text as they were.
    void failedBackupWriteChangesNothing()
    {
        QTemporaryDir dir;
        const QString course = dir.path() + QStringLiteral("/Kurz");
        QDir().mkpath(course + QStringLiteral("/Obsah.bak"));   // a folder stands in the way
        const QByteArray content = "[A]a.txt\r\n<Text.>\r\n";
        textfile::writeBytes(course + QStringLiteral("/Obsah.txt"), content);
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("Text."));
        formattedfile::save(course + QStringLiteral("/Obsah.rtf"), doc);
        const QByteArray formatted = bytesOf(course + QStringLiteral("/Obsah.rtf"));

        const Files files = filesFor(dir.path() + u'/', QStringLiteral("Kurz"), QStringLiteral("Obsah.txt"));
        QTextDocument buffer;
        QVERIFY_THROWS_EXCEPTION(Error, save(files, true, {QStringLiteral("[B]b.txt"), QStringLiteral("<Nový.>")}, buffer));
        QCOMPARE(bytesOf(files.content), content);
        QCOMPARE(bytesOf(files.formatted), formatted);
        QCOMPARE(fileNames(course), QStringList({"Obsah.bak", "Obsah.rtf", "Obsah.txt"}));
    }

    // Appending keeps an empty first paragraph in an empty text, and the plain copy has
    // a line for each paragraph and each line break, none for an empty text.
    void plainCopyLines()
    {
        QTextDocument doc;
        QCOMPARE(plainCopy(doc), QStringList());
        appendParagraphs(doc, {QString(), QStringLiteral("druhý")});
        QCOMPARE(plainCopy(doc), QStringList({QString(), QStringLiteral("druhý")}));

        QTextDocument broken;
        QTextCursor cursor(&broken);
        cursor.insertText(QStringLiteral("prvý") + QChar(QChar::LineSeparator) + QStringLiteral("zalomený"));
        appendParagraphs(broken, {QStringLiteral("ďalší")});
        QCOMPARE(plainCopy(broken), QStringList({"prvý", "zalomený", "ďalší"}));
    }
};

QTEST_GUILESS_MAIN(TestLessonEditor)
#include "tst_lessoneditor.moc"
