// The learner's progress file: reading what a file holds (damaged and foreign files read
// as far as they make sense, entries outside the course left out) and saving new entries
// merged into it (golden cases); two copies of the player on one course; the count of a
// course's screens.
#include "course/courseprogress.h"
#include "golden.h"
#include "platform/filelock.h"
#include "course/progressfile.h"
#include "state/session.h"
#include "course/visits.h"
#include "tree/coursetreemodel.h"

#include <QDir>
#include <QIcon>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lumora;

class TestProgressFile : public QObject {
    Q_OBJECT

    static void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    // A case folder holds the file as found ("found.lst", absent for a course without
    // one) and the references then recorded ("added.txt", one a line); expected are the
    // entries read from the file ("read.txt") and the file after the save ("saved.lst").
    void golden_data() { testing::addCaseRows(QStringLiteral(LUMORA_TEST_DATA "/golden/progress")); }

    void golden()
    {
        QFETCH(QString, folder);
        QTemporaryDir work;
        const course::progress::Place where = course::progress::place(work.path(), QStringLiteral("Kurz"));
        const QString found = folder + QStringLiteral("/found.lst");
        if (QFileInfo::exists(found))
            write(where.file, testing::fileBytes(found));
        QCOMPARE(course::progress::exists(where), QFileInfo::exists(found));
        COMPARE_GOLDEN(course::progress::read(where).entries(), folder + QStringLiteral("/read.txt"));

        course::progress::Visited added;
        for (const QString &line : testing::fileLines(folder + QStringLiteral("/added.txt")))
            added.add(line);
        QVERIFY(course::progress::save(where, added));
        COMPARE_GOLDEN(bytesOf(where.file), folder + QStringLiteral("/saved.lst"));
        // What was saved reads back as it was written.
        QCOMPARE(course::progress::serialize(course::progress::read(where)), bytesOf(where.file));
    }

    // Entries name files of the course whatever way a content file spells them; what
    // names nothing or leaves the course is refused.
    void entryNames_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("entry");
        QTest::newRow("plain") << "kap1.txt"
                               << "kap1.txt";
        QTest::newRow("backslashes") << " Podkurz\\Druha.TXT "
                                     << "Podkurz/Druha.TXT";
        QTest::newRow("dot first") << "./././a.txt"
                                   << "a.txt";
        QTest::newRow("down and up") << "a/../b.txt"
                                     << "a/../b.txt";
        QTest::newRow("climbs out") << "a/../../b.txt"
                                    << "";
        QTest::newRow("parent") << "..\\mimo.txt"
                                << "";
        QTest::newRow("absolute") << "/etc/passwd"
                                  << "";
        QTest::newRow("drive") << "C:\\kurz\\a.txt"
                               << "";
        QTest::newRow("empty") << "   "
                               << "";
        QTest::newRow("control") << "a\tb.txt"
                                 << "";
        QTest::newRow("overlong") << QString(course::progress::MaxEntryLength + 1, u'x') << "";
    }

    void entryNames()
    {
        QFETCH(QString, reference);
        QFETCH(QString, entry);
        QCOMPARE(course::progress::entryName(reference), entry);
        course::progress::Visited visited;
        QCOMPARE(visited.add(reference), !entry.isEmpty());
        QCOMPARE(visited.contains(reference.toUpper()), !entry.isEmpty());
    }

    // Two copies of the player on one course keep each other's entries: each save merges
    // into what the file holds, and one that finds the lock taken changes nothing and
    // keeps its entry for the next save.
    void twoCopiesKeepEachOthersEntries()
    {
        QTemporaryDir work;
        const course::progress::Place where = course::progress::place(work.path(), QStringLiteral("Kurz"));
        course::progress::Visited first;
        first.add(u"a.txt");
        course::progress::Visited second;
        second.add(u"b.txt");
        QVERIFY(course::progress::save(where, first));
        QVERIFY(course::progress::save(where, second));
        QCOMPARE(course::progress::read(where).entries(),
                 (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));

        Session s;
        s.values.TempDir = work.path();
        s.course.CurrentLevel = 3;
        s.course.LevelFolder[3] = QStringLiteral("Kurz");
        s.course.ScreenFile[3] = QStringLiteral("c.txt");
        {
            FileLock other(where.lock);
            QVERIFY(other.locked());
            course::progress::recordScreen(s);
            QCOMPARE(course::progress::read(where).entries().size(), 2);
            QVERIFY(course::progress::visitedOf(s, 3).contains(u"C.TXT"));
        }
        course::progress::recordItem(s, 3, QStringLiteral("obraz.bmp"));
        QCOMPARE(course::progress::read(where).entries(),
                 (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("c.txt"),
                              QStringLiteral("obraz.bmp")}));
        // Forgetting takes the file away and what waited with it; the folder stays.
        write(where.folder + QStringLiteral("/c.txt"), "poznámka\r\n");
        course::progress::forgetCourse(s, 3);
        QVERIFY(!course::progress::exists(where));
        QVERIFY(course::progress::visitedOf(s, 3).isEmpty());
        QVERIFY(QFileInfo::exists(where.folder + QStringLiteral("/c.txt")));
        // A search window and the root screen record nothing.
        s.course.CurrentLevel = 1;
        course::progress::recordScreen(s);
        QVERIFY(!course::progress::exists(where));
    }

    // A course name that would lead outside the work folder has no place.
    void refusedPlaces()
    {
        for (const char *name : {"..", "../iný", "/abs", ""})
            QVERIFY2(course::progress::place(QStringLiteral("/tmp/work"), QString::fromUtf8(name)).refused(), name);
        QVERIFY(course::progress::place(QString(), QStringLiteral("Kurz")).refused());
    }

    // The count of a course: its distinct screens from the top one, those recorded as
    // their buttons name them or as they are spelled on disk; walked again when a content
    // file changes; none before the course was opened.
    void countsFollowTheCourse()
    {
        QTemporaryDir dir;
        const QString course = dir.path() + QStringLiteral("/program/Kurz");
        write(course + QStringLiteral("/Obsah.txt"), "[A]a.txt\r\n[B]Sub\\B.TXT\r\n[A znova]A.TXT\r\n[Obr]x.bmp\r\n");
        write(course + QStringLiteral("/a.txt"), "<a>\r\n");
        write(course + QStringLiteral("/sub/b.txt"), "<b>\r\n");
        const course::progress::Place where =
            course::progress::place(dir.path() + QStringLiteral("/work"), QStringLiteral("Kurz"));
        course::ProgressCounter counter;
        const QString top = QStringLiteral("Obsah.txt");
        QCOMPARE(counter.count(course, top, where), std::nullopt);
        course::progress::Visited seen;
        seen.add(u"Obsah.txt");
        seen.add(u"sub/b.txt");
        seen.add(u"x.bmp");
        QVERIFY(course::progress::save(where, seen));
        QCOMPARE(counter.count(course, top, where), (course::ProgressCount{2, 3}));
        // A new screen appears in the course.
        write(course + QStringLiteral("/a.txt"), "[C]c.txt\r\n");
        write(course + QStringLiteral("/c.txt"), "<c>\r\n");
        QFile changed(course + QStringLiteral("/a.txt"));
        QVERIFY(changed.open(QIODevice::ReadWrite));
        QVERIFY(changed.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        changed.close();
        QCOMPARE(counter.count(course, top, where), (course::ProgressCount{2, 4}));
    }

    // The course tree marks the nodes of visited files the way the buttons are marked,
    // and names them "navštívené" for screen readers; the others keep the same room.
    void treeMarksVisitedNodes()
    {
        QTemporaryDir dir;
        const QString course = dir.path() + QStringLiteral("/Kurz");
        write(course + QStringLiteral("/Obsah.txt"), "[A]a.txt\r\n[B]B.BMP\r\n[C]c.txt\r\n");
        write(course + QStringLiteral("/a.txt"), "<a>\r\n");
        tree::CourseTreeModel model(course::walkCourse(course, QStringLiteral("Kurz"), QStringLiteral("Obsah.txt")));
        QCOMPARE(model.tree().size(), 4);
        QVERIFY(model.data(model.indexOfNode(1), Qt::DecorationRole).isNull());
        course::progress::Visited seen;
        seen.add(u"obsah.txt");
        seen.add(u"b.bmp");
        model.setVisited(seen, QStringLiteral("navštívené"));
        QList<bool> marked;
        for (int node = 0; node < model.tree().size(); ++node) {
            const QModelIndex index = model.indexOfNode(node);
            marked << model.visited(node);
            QCOMPARE(model.data(index, Qt::AccessibleDescriptionRole).toString(),
                     model.visited(node) ? QStringLiteral("navštívené") : QString());
            QVERIFY(!model.data(index, Qt::DecorationRole).value<QIcon>().isNull());
        }
        QCOMPARE(marked, (QList<bool>{true, false, true, false}));
    }
};

QTEST_MAIN(TestProgressFile)
#include "tst_progressfile.moc"
