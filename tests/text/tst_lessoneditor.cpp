// The lesson editor's opening and save on golden course folders, and what a failing
// write leaves behind.
#include "golden.h"
#include "programfolders.h"
#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/textfile.h"
#include "course/contentfile.h"
#include "course/contentfileitems.h"
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

// The case's settings from case.txt, one "key=value" a line: name, lock and vanish
// say what the case does; existed and result are what it expects.
QMap<QString, QString> settings(const QString &folder)
{
    QMap<QString, QString> out;
    for (const QString &line : textfile::readLines(folder + QStringLiteral("/case.txt")))
        out.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    return out;
}

// case.txt's lines with the expected values replaced by those the run gave, in order.
QStringList settingsGiven(const QString &folder, const QMap<QString, QString> &given)
{
    QStringList lines = textfile::readLines(folder + QStringLiteral("/case.txt"));
    for (QString &line : lines) {
        const QString key = line.section(u'=', 0, 0);
        if (given.contains(key))
            line = key + u'=' + given.value(key);
    }
    return lines;
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

// The course folder after the save against after/, file for file; rich text is
// compared by what it holds. When updating, after/ is made to hold the saved files
// (rich text that holds the same keeps its bytes).
void compareFolders(const QString &actual, const QString &expected)
{
    const bool updating = testing::updatingGolden();
    if (updating) {
        for (const QString &name : fileNames(expected)) {
            if (!QFile::exists(actual + u'/' + name))
                QVERIFY(QFile::remove(expected + u'/' + name));
        }
    } else {
        QCOMPARE(fileNames(actual), fileNames(expected));
    }
    for (const QString &name : fileNames(actual)) {
        const QByteArray got = bytesOf(actual + u'/' + name);
        const QString path = expected + u'/' + name;
        const QByteArray want = bytesOf(path);
        if (rtf::isRichText(want) && rtf::isRichText(got) && canonicalRichText(got) == canonicalRichText(want))
            continue; // the same rich text, however written
        if (rtf::isRichText(want) && !updating) {
            QVERIFY2(rtf::isRichText(got), qPrintable(name));
            QCOMPARE(canonicalRichText(got), canonicalRichText(want));
        }
        COMPARE_GOLDEN(got, path);
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
        const course::ContentFile file = course::parseContentLines(lines);
        const course::ScreenItems items = course::walkStoredLines(file.storedLines);
        QCOMPARE(items.buttons.size(), 1);
        QCOMPARE(items.links, QStringList{QStringLiteral("www.example.sk")});
        QCOMPARE(file.paragraphs,
                 (QStringList{QStringLiteral("> začína znakom"), QStringLiteral("končí znakom> "),
                              QStringLiteral("<tiež"), QStringLiteral("posledný> ")}));
        QCOMPARE(lessoneditor::contentLines(lessoneditor::linesOutsideBlocks(lines), text), lines);
    }

    void golden_data() { testing::addCaseRows(casesFolder); }

    // Opens the folder before/, checks what the plain editor shows (opened.txt), saves
    // the editor's lines (editor.txt) and compares the folder, file for file, with
    // after/. Text files are Windows-1250 with CR LF, as authors write them.
    void golden()
    {
        QFETCH(QString, folder);
        const QMap<QString, QString> set = settings(folder);
        QMap<QString, QString> given; // the expected settings as this run gives them
        QTemporaryDir dir;
        const QString course = dir.path() + QStringLiteral("/Kurz");
        QVERIFY(testing::copyFolder(folder + QStringLiteral("/before"), course));

        try {
            const Files files = filesFor(dir.path() + u'/', QStringLiteral("Kurz"), set.value(QStringLiteral("name")));
            QTextDocument preview;
            const Opened opened = open(files, preview);
            given.insert(QStringLiteral("existed"),
                         opened.contentExisted ? QStringLiteral("yes") : QStringLiteral("no"));
            COMPARE_GOLDEN(textfile::encodeLines(opened.lines), folder + QStringLiteral("/opened.txt"));

            std::optional<FileLock> otherCopy;
            if (set.value(QStringLiteral("lock")) == QLatin1String("yes")) {
                otherCopy.emplace(files.content);
                QVERIFY(otherCopy->locked());
            }
            if (set.value(QStringLiteral("vanish")) == QLatin1String("yes"))
                QVERIFY(QFile::remove(files.content));
            // Another copy of the program saves its own line meanwhile.
            if (set.value(QStringLiteral("changed")) == QLatin1String("yes"))
                textfile::writeBytes(files.content, bytesOf(files.content) + "[Z]inej.txt\r\n");

            QTextDocument buffer;
            const SaveResult result =
                save(files, opened, textfile::readLines(folder + QStringLiteral("/editor.txt")), buffer);
            given.insert(QStringLiteral("result"),
                         result == SaveResult::Saved      ? QStringLiteral("saved")
                             : result == SaveResult::Busy ? QStringLiteral("busy")
                                                          : QStringLiteral("changed"));
        } catch (const Error &e) {
            QFAIL(qPrintable(e.message()));
        }
        COMPARE_GOLDEN(textfile::encodeLines(settingsGiven(folder, given)), folder + QStringLiteral("/case.txt"));
        compareFolders(course, folder + QStringLiteral("/after"));
    }

    // A save that cannot write its backup stops with an error and leaves the content
    // file and the formatted text as they were.
    void failedBackupWriteChangesNothing()
    {
        QTemporaryDir dir;
        const QString course = dir.path() + QStringLiteral("/Kurz");
        QDir().mkpath(course + QStringLiteral("/Obsah.bak")); // a folder stands in the way
        const QByteArray content = "[A]a.txt\r\n<Text.>\r\n";
        textfile::writeBytes(course + QStringLiteral("/Obsah.txt"), content);
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("Text."));
        formattedfile::save(course + QStringLiteral("/Obsah.rtf"), doc);
        const QByteArray formatted = bytesOf(course + QStringLiteral("/Obsah.rtf"));

        const Files files = filesFor(dir.path() + u'/', QStringLiteral("Kurz"), QStringLiteral("Obsah.txt"));
        QTextDocument buffer;
        QTextDocument preview;
        const Opened opened = open(files, preview);
        QVERIFY_THROWS_EXCEPTION(Error,
                                 save(files, opened, {QStringLiteral("[B]b.txt"), QStringLiteral("<Nový.>")}, buffer));
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
