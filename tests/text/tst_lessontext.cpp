// Saving and reloading a screen's lesson text: the golden cases of the text block, saves
// that fail part-way (the old files must survive), the lock against a second copy of the
// program, and the write check.
//
// A golden case folder holds before.txt, the content file before the save (and some
// before.rtf, the formatted text), pane.txt (one paragraph a line) or pane.rtf, the
// pane's text to save, and the expectations: after.txt, the content file the save
// writes, shown-before.txt and shown-after.txt, what reloading shows before the save
// and after it once the formatted text is gone (one paragraph a line). The formatted
// text written is checked against the pane itself, not against stored bytes.
#include "golden.h"
#include "platform/errors.h"
#include "platform/safefile.h"
#include "platform/filelock.h"
#include "platform/replacefiles.h"
#include "text/lessoneditor.h"
#include "text/lessontext.h"
#include "text/formattedfile.h"
#include "rtf/rtfplainlines.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "text/writecheck.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <cerrno>

using namespace lumora;

Q_DECLARE_METATYPE(lumora::fileops::ReplaceSteps)

namespace {

const QString goldenFolder = QStringLiteral(LUMORA_TEST_DATA "/golden/lessontext");

using testing::fileBytes;

// Writes bytes to path; a file that cannot be written fails the running test.
void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QTest::qFail(qPrintable(QStringLiteral("cannot write ") + path), __FILE__, __LINE__);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A screen folder with a content file and, when given, a formatted text file.
struct Screen {
    QTemporaryDir dir;
    QString content = dir.filePath(QStringLiteral("Obsah.txt"));
    QString formatted = dir.filePath(QStringLiteral("Obsah.rtf"));

    Screen(const QByteArray &contentBytes, const QByteArray &formattedBytes = {})
    {
        putFile(content, contentBytes);
        if (!formattedBytes.isNull())
            putFile(formatted, formattedBytes);
    }
};

// The pane's text from a file of one paragraph per line (an empty file: an empty pane).
QString paneText(const QString &path)
{
    QString text = QString::fromUtf8(fileBytes(path));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

// Fails the step for the file whose name ends with name as a full disk does.
fileops::ReplaceSteps failingWrite(const QString &name)
{
    fileops::ReplaceSteps steps;
    steps.write = [name](fileops::SafeFile &file, const QByteArray &bytes) {
        if (file.path().endsWith(name)) {
            file.write(bytes.left(bytes.size() / 2));
            throw DiskFullError(file.path());
        }
        file.write(bytes);
        file.finish();
    };
    return steps;
}

// Fails the rename of the file whose name ends with name as a folder turned read-only
// does.
fileops::ReplaceSteps failingCommit(const QString &name)
{
    fileops::ReplaceSteps steps;
    steps.commit = [name](fileops::SafeFile &file) {
        if (file.path().endsWith(name))
            throw IoError::fromErrno(EROFS);
        file.commit();
    };
    return steps;
}

} // namespace

class TestLessonText : public QObject {
    Q_OBJECT

private slots:
    void golden_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : QDir(goldenFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QTest::newRow(qPrintable(name)) << name;
    }

    // Reload before, save the pane, compare the content file, reload from the formatted
    // file, save that again (no change), and reload from the block alone.
    void golden()
    {
        QFETCH(QString, name);
        const QString caseFolder = goldenFolder + u'/' + name + u'/';
        const QString beforeRtf = caseFolder + QStringLiteral("before.rtf");
        Screen screen(fileBytes(caseFolder + QStringLiteral("before.txt")),
                      QFile::exists(beforeRtf) ? fileBytes(beforeRtf) : QByteArray());

        QTextDocument shown;
        shown.setPlainText(QStringLiteral("left over"));
        ObnovMemo(shown, screen.content);
        COMPARE_GOLDEN(rtf::plainLines(shown), caseFolder + QStringLiteral("shown-before.txt"));
        QVERIFY(!shown.isUndoAvailable());

        QTextDocument pane;
        const QString paneRtf = caseFolder + QStringLiteral("pane.rtf");
        if (QFile::exists(paneRtf))
            rtf::read(fileBytes(paneRtf), pane);
        else
            pane.setPlainText(paneText(caseFolder + QStringLiteral("pane.txt")));

        UlozMemo(pane, screen.content);
        const QByteArray after = fileBytes(screen.content);
        COMPARE_GOLDEN(after, caseFolder + QStringLiteral("after.txt"));
        QCOMPARE(entries(screen.dir.path()), (QStringList{QStringLiteral("Obsah.rtf"), QStringLiteral("Obsah.txt")}));

        QTextDocument reloaded;
        ObnovMemo(reloaded, screen.content);
        QCOMPARE(rtf::plainLines(reloaded), rtf::plainLines(pane));
        QCOMPARE(rtf::write(reloaded), rtf::write(pane));

        UlozMemo(reloaded, screen.content);
        QCOMPARE(fileBytes(screen.content), after);

        QVERIFY(QFile::remove(screen.formatted));
        ObnovMemo(reloaded, screen.content);
        COMPARE_GOLDEN(rtf::plainLines(reloaded), caseFolder + QStringLiteral("shown-after.txt"));
    }

    void failedSaveKeepsOldFiles_data()
    {
        QTest::addColumn<bool>("hadFormatted");
        QTest::addColumn<fileops::ReplaceSteps>("steps");
        QTest::addColumn<int>("code");
        const QString content = QStringLiteral("Obsah.txt");
        const QString formatted = QStringLiteral("Obsah.rtf");
        for (const bool had : {true, false}) {
            const char *suffix = had ? "" : ", no formatted file before";
            QTest::addRow("disk full writing the content file%s", suffix) << had << failingWrite(content) << 101;
            QTest::addRow("disk full writing the formatted file%s", suffix) << had << failingWrite(formatted) << 101;
            // The formatted file is already replaced by then and must get its old text back.
            QTest::addRow("rename of the content file refused%s", suffix) << had << failingCommit(content) << 5;
            QTest::addRow("rename of the formatted file refused%s", suffix) << had << failingCommit(formatted) << 5;
        }
    }

    void failedSaveKeepsOldFiles()
    {
        QFETCH(bool, hadFormatted);
        QFETCH(fileops::ReplaceSteps, steps);
        QFETCH(int, code);
        const QByteArray oldContent = "[A]a.txt\r\n<Star\xfd text>\r\n[B]b.txt\r\n";
        const QByteArray oldFormatted = hadFormatted ? QByteArray("{\\rtf1 Star\\'fd text}") : QByteArray();
        Screen screen(oldContent, oldFormatted);
        const QStringList before = entries(screen.dir.path());

        QTextDocument pane;
        pane.setPlainText(QStringLiteral("Nový text\nďalší odsek"));
        try {
            UlozMemo(pane, screen.content, nullptr, steps);
            QFAIL("the save reported success");
        } catch (const IoError &e) {
            QCOMPARE(e.code(), code);
        }
        QCOMPARE(fileBytes(screen.content), oldContent);
        if (hadFormatted)
            QCOMPARE(fileBytes(screen.formatted), oldFormatted);
        QCOMPARE(entries(screen.dir.path()), before);

        // The same save without the failure goes through.
        UlozMemo(pane, screen.content);
        QCOMPARE(fileBytes(screen.content),
                 QByteArray("[A]a.txt\r\n<\r\nNov\xfd text\r\n\xef"
                            "al\x9a\xed odsek\r\n>\r\n[B]b.txt\r\n"));
    }

    // Saves in a course whose files are links out of the course folder: nothing is
    // written through them (the outside file keeps its bytes) and the course's own
    // files stay as they were. Rows: the link's name, and whether the lesson editor
    // saves (else the in-place save).
    void savesNeverWriteThroughLinks_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("editor");
        QTest::newRow("formatted text, in place") << "Obsah.rtf" << false;
        QTest::newRow("formatted text, editor") << "Obsah.rtf" << true;
        QTest::newRow("backup, editor") << "Obsah.bak" << true;
        QTest::newRow("dangling formatted text, in place") << "Obsah.rtf" << false;
    }

    void savesNeverWriteThroughLinks()
    {
        QFETCH(QString, link);
        QFETCH(bool, editor);
        QTemporaryDir outside;
        const QString victim = outside.filePath(QStringLiteral("obet"));
        const bool dangling = QString::fromUtf8(QTest::currentDataTag()).startsWith(QStringLiteral("dangling"));
        const QByteArray victimBytes = "{\\rtf1 echo owned}";
        if (!dangling)
            putFile(victim, victimBytes);
        const QByteArray oldContent = "[A]a.txt\r\n<Star\xfd text>\r\n";
        Screen screen(oldContent);
        QVERIFY(QFile::link(victim, screen.dir.filePath(link)));
        const QStringList before = entries(screen.dir.path());

        QTextDocument pane;
        pane.setPlainText(QStringLiteral("Nový text"));
        try {
            if (editor) {
                const QString course = screen.dir.path();
                const auto files = lessoneditor::filesFor(QFileInfo(course).path() + u'/', QFileInfo(course).fileName(),
                                                          QStringLiteral("Obsah.txt"));
                QTextDocument preview;
                const lessoneditor::Opened opened = lessoneditor::open(files, preview);
                QTextDocument buffer;
                lessoneditor::save(files, opened, {QStringLiteral("[B]b.txt"), QStringLiteral("<Nový.>")}, buffer);
            } else {
                UlozMemo(pane, screen.content);
            }
            QFAIL("saved through a link out of the course folder");
        } catch (const LinkOutsideError &e) {
            QVERIFY2(e.message().contains(link), qPrintable(e.message()));
        }
        QCOMPARE(fileBytes(screen.content), oldContent);
        QCOMPARE(entries(screen.dir.path()), before);
        if (dangling)
            QVERIFY(!QFileInfo::exists(victim));
        else
            QCOMPARE(fileBytes(victim), victimBytes);
        QCOMPARE(entries(outside.path()), dangling ? QStringList() : QStringList{QStringLiteral("obet")});
    }

    // The program killed after the first of the two renames: what the player then shows
    // is the new text, and the temporaries the kill left in the course folder go with
    // the next save.
    void killBetweenRenamesShowsNewText()
    {
        struct Killed {};
        Screen screen("[A]a.txt\r\n<Star\xfd text>\r\n", "{\\rtf1 Star\\'fd text}");
        int renames = 0;
        fileops::ReplaceSteps steps;
        steps.commit = [&renames](fileops::SafeFile &file) {
            if (++renames == 2)
                throw Killed{};
            file.commit();
        };
        QTextDocument pane;
        pane.setPlainText(QStringLiteral("Nový text"));
        {
            // A kill leaves the second temporary on the disk: it is kept here by hand.
            QFile::copy(screen.content, screen.content + QStringLiteral(".lumora-Ab12Cd"));
            try {
                UlozMemo(pane, screen.content, nullptr, steps);
                QFAIL("the save was not interrupted");
            } catch (const Killed &) {}
        }
        QTextDocument shown;
        ObnovMemo(shown, screen.content);
        QCOMPARE(shown.toPlainText(), QStringLiteral("Nový text"));

        // The next save from what is shown makes the pair whole again.
        UlozMemo(shown, screen.content);
        QVERIFY(fileBytes(screen.content).contains("Nov\xfd text"));
        QCOMPARE(entries(screen.dir.path()), (QStringList{QStringLiteral("Obsah.rtf"), QStringLiteral("Obsah.txt")}));
    }

    // A real failure, no simulation: a folder stands where the formatted file goes.
    void formattedFileCannotBeCreated()
    {
        const QByteArray oldContent = "<Text>\r\n";
        Screen screen(oldContent);
        QVERIFY(QDir(screen.dir.path()).mkdir(QStringLiteral("Obsah.rtf")));
        QTextDocument pane;
        pane.setPlainText(QStringLiteral("Nový"));
        QVERIFY_THROWS_EXCEPTION(FileCreateError, UlozMemo(pane, screen.content));
        QCOMPARE(fileBytes(screen.content), oldContent);
        QCOMPARE(entries(screen.dir.path()), (QStringList{QStringLiteral("Obsah.rtf"), QStringLiteral("Obsah.txt")}));
    }

    void missingFiles()
    {
        QTemporaryDir dir;
        const QString content = dir.filePath(QStringLiteral("kap1.txt"));
        QTextDocument pane;
        pane.setPlainText(QStringLiteral("Text"));
        try {
            UlozMemo(pane, content);
            QFAIL("saved into a missing content file");
        } catch (const IoError &e) {
            QCOMPARE(e.code(), 2);
        }
        QVERIFY(entries(dir.path()).isEmpty());

        // Reloading clears the pane before it fails.
        try {
            ObnovMemo(pane, content);
            QFAIL("reloaded from nothing");
        } catch (const IoError &e) {
            QCOMPARE(e.code(), 2);
        }
        QVERIFY(pane.isEmpty());
    }

    // Names on disk in another case are the files meant: the save replaces them and
    // creates no second file beside them.
    void namesInAnotherCase()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("KURZ")));
        putFile(dir.filePath(QStringLiteral("KURZ/KAP1.TXT")), "<Text>\r\n");
        putFile(dir.filePath(QStringLiteral("KURZ/kap1.RTF")), "{\\rtf1 Form\\'e1tovan\\'fd}");
        const QString content = dir.filePath(QStringLiteral("kurz/kap1.txt"));

        QTextDocument pane;
        ObnovMemo(pane, content);
        QCOMPARE(pane.toPlainText(), QStringLiteral("Formátovaný"));

        pane.setPlainText(QStringLiteral("Nový"));
        UlozMemo(pane, content);
        QCOMPARE(entries(dir.filePath(QStringLiteral("KURZ"))),
                 (QStringList{QStringLiteral("KAP1.TXT"), QStringLiteral("kap1.RTF")}));
        QCOMPARE(fileBytes(dir.filePath(QStringLiteral("KURZ/KAP1.TXT"))), QByteArray("<\r\nNov\xfd\r\n>\r\n"));
        QTextDocument saved;
        formattedfile::load(dir.filePath(QStringLiteral("KURZ/kap1.RTF")), saved);
        QCOMPARE(saved.toPlainText(), QStringLiteral("Nový"));
    }

    // A content file another copy of the program holds is not saved; the holder's own
    // lock lets its save through.
    void lockedContentFile()
    {
        const QByteArray oldContent = "<Text>\r\n";
        Screen screen(oldContent);
        QTextDocument pane;
        pane.setPlainText(QStringLiteral("Nový"));
        {
            FileLock other(screen.content);
            QVERIFY(other.locked());
            try {
                UlozMemo(pane, screen.content);
                QFAIL("saved a file another copy holds");
            } catch (const IoError &e) {
                QCOMPARE(e.code(), 32);
            }
            QCOMPARE(fileBytes(screen.content), oldContent);
            QCOMPARE(entries(screen.dir.path()), QStringList{QStringLiteral("Obsah.txt")});

            UlozMemo(pane, screen.content, &other);
            QCOMPARE(fileBytes(screen.content), QByteArray("<\r\nNov\xfd\r\n>\r\n"));
        }
    }

    void writeCheck()
    {
        Screen screen("<Text>\r\n");
        {
            const std::unique_ptr<FileLock> editing = memo::writeCheck(screen.content);
            QVERIFY(editing && editing->locked());
            // A second copy of the program is refused while the first one edits.
            QVERIFY(!memo::writeCheck(screen.content));
        }
        QVERIFY(memo::writeCheck(screen.content));
        QCOMPARE(fileBytes(screen.content), QByteArray("<Text>\r\n"));

        {
            FileLock saving(screen.content);
            QVERIFY(!memo::writeCheck(screen.content));
        }

        const QString missing = screen.dir.filePath(QStringLiteral("chyba.txt"));
        QVERIFY(!memo::writeCheck(missing));
        QVERIFY(!QFile::exists(missing));

        QVERIFY(!memo::writeCheck(screen.dir.path()));
    }
};

QTEST_MAIN(TestLessonText)
#include "tst_lessontext.moc"
