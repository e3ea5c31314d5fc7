// The notes and links files of a screen: their names (golden rows), reading every kind
// of line end, and writing that keeps the former file when it fails.
#include "golden.h"
#include "personal/copyjob.h"
#include "course/workfiles.h"
#include "platform/errors.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lumora;
using namespace lumora::course;
using namespace lumora::personal;

namespace {
const QString namesTable = QStringLiteral(LUMORA_TEST_DATA "/golden/names.txt");
} // namespace

class TestWorkFiles : public QObject {
    Q_OBJECT

    static QString shown(const WorkFile &file)
    {
        if (file.ok())
            return file.name;
        return file.refusal.contains(QLatin1String("mimo")) ? QStringLiteral("refused mimo")
                                                            : QStringLiteral("refused nie je");
    }

private slots:
    void names_data() { testing::addTableRows({namesTable}, 8); }

    void names()
    {
        QFETCH(QStringList, row);
        ScreenRef screen;
        screen.level = row.at(0).toInt();
        screen.searchInstance = row.at(1) == QLatin1String("search");
        screen.screenFile = row.at(2);
        screen.levelFolder = row.at(3);
        const WorkFile notes = workFileName(screen, FileKind::Notes);
        const WorkFile links = workFileName(screen, FileKind::Links);
        const auto earlier = [](const WorkFile &file) {
            return file.earlier.isEmpty() ? QStringLiteral("-") : file.earlier;
        };
        COMPARE_GOLDEN_CELLS((QStringList{shown(notes), shown(links), earlier(notes), earlier(links)}), namesTable, 4);
    }

    void readingAndWriting()
    {
        QTemporaryDir work;
        const QString dir = work.path() + QLatin1Char('/');
        const auto write = [&](const QString &name, const QByteArray &bytes) {
            textfile::writeBytes(dir + name, bytes);
        };

        // A missing file has no lines; every line end counts; empty lines stay.
        QVERIFY(readWorkFile(dir + QStringLiteral("chyba.txt")).isEmpty());
        write(QStringLiteral("a.txt"), "prv\xe1\r\n\r\ndruh\xe1\rtretia\nposledn\xe1");
        QCOMPARE(readWorkFile(dir + QStringLiteral("a.txt")),
                 (QStringList{QStringLiteral("prvá"), QString(), QStringLiteral("druhá"), QStringLiteral("tretia"),
                              QStringLiteral("posledná")}));
        // Found without regard to case, as files copied from Windows are named.
        QCOMPARE(readWorkFile(dir + QStringLiteral("A.TXT")).size(), 5);

        // A file too large for the window is refused with its name, not loaded.
        write(QStringLiteral("velky.txt"), QByteArray(MaxWorkFileSize + 1, '\0'));
        try {
            readWorkFile(dir + QStringLiteral("velky.txt"));
            QFAIL("a file over the limit was read");
        } catch (const FileFormatError &e) {
            QVERIFY(e.message().contains(QStringLiteral("velky.txt")));
        }

        // Folder parts of a name are made inside the work folder when saving; what a
        // save killed part-way left of that file goes with the next save, a name that
        // only looks alike stays; a character outside the basic plane is one "?".
        ScreenRef nested{3, false, QStringLiteral("PODADR\\Vnoreny.TXT"), QStringLiteral("Kurz"), {}, {}};
        QDir().mkpath(dir + QStringLiteral("Kurz/PODADR"));
        write(QStringLiteral("Kurz/PODADR/Vnoreny.TXT.aB3xYz"), "zvyšok");
        write(QStringLiteral("Kurz/PODADR/Vnoreny.TXT.zaloha1"), "iný súbor");
        writeWorkFile(dir, workFileName(nested, FileKind::Notes), {QStringLiteral("riadok 😀"), QString()});
        QCOMPARE(testing::fileBytes(dir + QStringLiteral("Kurz/PODADR/Vnoreny.TXT")), QByteArray("riadok ?\r\n\r\n"));
        QCOMPARE(QDir(dir + QStringLiteral("Kurz/PODADR")).entryList(QDir::Files),
                 (QStringList{QStringLiteral("Vnoreny.TXT"), QStringLiteral("Vnoreny.TXT.zaloha1")}));

        // A text over the limit is not saved; the note on disk stays.
        QVERIFY_THROWS_EXCEPTION(
            FileFormatError,
            writeWorkFile(dir, workFileName(nested, FileKind::Notes), {QString(MaxWorkFileSize, QLatin1Char('a'))}));
        QCOMPARE(testing::fileBytes(dir + QStringLiteral("Kurz/PODADR/Vnoreny.TXT")), QByteArray("riadok ?\r\n\r\n"));

        // A notes name that is a folder: the save fails and the folder stays.
        QDir().mkpath(dir + QStringLiteral("Kurz/kap1.txt/vnutri"));
        ScreenRef folderNamed{3, false, QStringLiteral("kap1.txt"), QStringLiteral("Kurz"), {}, {}};
        QVERIFY_THROWS_EXCEPTION(Error,
                                 writeWorkFile(dir, workFileName(folderNamed, FileKind::Notes), {QStringLiteral("x")}));
        QVERIFY(QDir(dir + QStringLiteral("Kurz/kap1.txt/vnutri")).exists());

        // A refused name writes nothing anywhere.
        ScreenRef outside{3, false, QStringLiteral("..\\von.txt"), QStringLiteral("Kurz"), {}, {}};
        QVERIFY_THROWS_EXCEPTION(Error,
                                 writeWorkFile(dir, workFileName(outside, FileKind::Notes), {QStringLiteral("x")}));
        QVERIFY(!QFile::exists(work.path() + QStringLiteral("/../von.txt")));

        // Characters the code page lacks are named once each, whole.
        QCOMPARE(unstorableCharacters({QStringLiteral("čaj ☕ €"), QStringLiteral("☕ 😀 ľ")}), QStringLiteral("☕😀"));
    }

    void cancelledCopyLeavesTheTarget()
    {
        // A long copy cancelled part-way: neither the replaced file nor a new one nor a
        // new folder is left in the target.
        QTemporaryDir dir;
        const QString from = dir.path() + QStringLiteral("/work");
        const QString to = dir.path() + QStringLiteral("/usb");
        QDir().mkpath(from + QStringLiteral("/Kurz"));
        QDir().mkpath(to);
        textfile::writeBytes(from + QStringLiteral("/a.txt"), "nová");
        textfile::writeBytes(from + QStringLiteral("/Kurz/velky.txt"), QByteArray(3 * CopyChunk, 'v'));
        textfile::writeBytes(to + QStringLiteral("/a.txt"), "stará");
        CopyCallbacks callbacks;
        int asked = 0;
        callbacks.replace = [&](const QString &) {
            ++asked;
            return ReplaceAnswer::Replace;
        };
        callbacks.progress = [](qint64 done, qint64) { return done < 2 * CopyChunk; };
        const CopyResult result =
            copyFiles({{from + QStringLiteral("/a.txt"), QStringLiteral("a.txt")},
                       {from + QStringLiteral("/Kurz/velky.txt"), QStringLiteral("Kurz/velky.txt")}},
                      to, callbacks);
        QVERIFY(result.cancelled);
        QCOMPARE(asked, 1);
        QCOMPARE(QDir(to).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("a.txt")});
        QCOMPARE(testing::fileBytes(to + QStringLiteral("/a.txt")), QByteArray("stará"));
    }
};

QTEST_GUILESS_MAIN(TestWorkFiles)
#include "tst_workfiles.moc"
