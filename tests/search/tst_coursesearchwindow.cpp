// The course search window offscreen: Ctrl+F on a course screen opens it, typing finds
// screens while the course is read, Enter and a double-click open the result chosen,
// Escape closes; closing the window during the reading cancels it.
#include "app/tform1.h"
#include "platform/textfile.h"
#include "runningprogram.h"
#include "search/coursesearchmenu.h"
#include "search/toknohladajvkurze.h"
#include "search/screentexts.h"
#include "state/session.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace lumora;

namespace {

// A formatted lesson text of about the given size, in Windows-1250 rich text.
QByteArray lessonRtf(int number, int bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}}\\f0 Lekcia " + QByteArray::number(number)
        + ": \\'e8\\'edslo a \\b po\\'e8\\'edtanie\\b0 .\\par ";
    while (rtf.size() < bytes)
        rtf += "Text lekcie s ve\\'be a slovami, ktor\\'e9 sa opakuj\\'fa.\\par ";
    return rtf + "}";
}

} // namespace

class TestCourseSearchWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RunningProgram> p;

    // A course of count screens under its top screen, each with a formatted text; the
    // last one has a note.
    void writeCourse(int count, int rtfBytes)
    {
        QStringList top;
        for (int i = 1; i <= count; ++i) {
            top << QStringLiteral("[Lekcia %1]lek%1.txt").arg(i);
            p->write(QStringLiteral("Kurz/lek%1.txt").arg(i), {QStringLiteral("<Lekcia číslo %1>").arg(i)});
            QFile rtf(p->program() + QStringLiteral("/Kurz/lek%1.rtf").arg(i));
            QVERIFY(rtf.open(QIODevice::WriteOnly));
            rtf.write(lessonRtf(i, rtfBytes));
        }
        top << QStringLiteral("[Sčítanie a ČÍSLA]scitanie.txt");
        p->write(QStringLiteral("Kurz/Obsah.txt"), top);
        p->write(QStringLiteral("Kurz/scitanie.txt"), {QStringLiteral("<Sčítanie>")});
    }

    static void waitForReading(TOknoHladajVKurze *w)
    {
        QVERIFY(QTest::qWaitFor([w] { return !w->reading(); }, 20000));
    }

private slots:
    void init()
    {
        p = std::make_unique<testing::RunningProgram>();
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
    }

    void cleanup() { p.reset(); }

    // From the menu's key: typing after a pause lists the screens found, caption hits
    // first; a note written just before is found; Escape closes the window.
    void typeAndFind()
    {
        writeCourse(6, 2000);
        p->start();
        textfile::writeLines(p->session().values.TempDir + QStringLiteral("lek6.txt"),
                             {QStringLiteral("Moja poznámka o zlomkoch")});
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *level) {
            QCOMPARE(ui(level).Hadavkurze1->text(), QStringLiteral("Hľadať v &kurze"));
            const auto open = [level] { QTest::keyClick(level, Qt::Key_F, Qt::ControlModifier); };
            testing::RunningProgram::onWindow<TOknoHladajVKurze>(open, [&](TOknoHladajVKurze *w) {
                QCOMPARE(w->windowTitle(), QStringLiteral("Hľadať v kurze"));
                QTest::keyClicks(w->Edit1, QStringLiteral("CISL"));
                waitForReading(w);
                QVERIFY(QTest::qWaitFor([w] { return w->resultCount() == 7; }));
                QAbstractItemModel *model = w->ListView1->model();
                QCOMPARE(model->index(0, 0).data(Qt::ToolTipRole).toString(),
                         QStringLiteral("Kurz - Sčítanie a ČÍSLA"));
                QCOMPARE(model->index(0, 0).data().toString(),
                         QStringLiteral("Kurz - Sčítanie a <b>ČÍSL</b>A<br><small>Sčítanie</small>"));
                QCOMPARE(model->index(1, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Kurz - Lekcia 1"));
                QVERIFY(model->index(1, 0).data().toString().contains(QStringLiteral("Lekcia <b>čísl</b>o 1")));
                QCOMPARE(w->Label1->text(), QStringLiteral("Nájdené obrazovky: 7"));

                w->Edit1->setText(QStringLiteral("zlomkoch"));
                QVERIFY(QTest::qWaitFor([w] { return w->resultCount() == 1; }));
                QCOMPARE(model->index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Kurz - Lekcia 6"));
                w->Edit1->setText(QStringLiteral("\"\""));
                QVERIFY(QTest::qWaitFor([w] { return w->resultCount() == 0; }));
                QCOMPARE(w->Label1->text(), QString());
                if (const QByteArray shot = qgetenv("LUMORA_SEARCH_SHOT"); !shot.isEmpty()) {
                    w->Edit1->setText(QStringLiteral("čísla"));
                    QTest::qWait(400);
                    w->grab().save(QString::fromLocal8Bit(shot));
                }
                QTest::keyClick(w, Qt::Key_Escape);
                QVERIFY(!w->isVisible());
            });
        });
    }

    // The entry opens the search only on a screen inside a course, whatever window holds
    // it; a search window offers to close instead.
    void entryOnlyInsideACourse()
    {
        writeCourse(2, 100);
        p->start();
        Session &s = p->session();
        QWidget host;
        QAction entry;
        int offers = 0;
        search::CourseSearchMenu menu(s, {&host, &entry, [&offers] { ++offers; }});
        const auto opens = [&entry] {
            bool searchShown = false;
            QTimer::singleShot(0, qApp, [&searchShown] {
                QWidget *modal = QApplication::activeModalWidget();
                searchShown = qobject_cast<TOknoHladajVKurze *>(modal) != nullptr;
                if (modal)
                    modal->close();
            });
            entry.trigger();
            QTest::qWait(20);
            return searchShown;
        };
        struct Row {
            int level;
            QString folder;
            bool hostShowsCourseList;
            bool searchInstance;
            bool opens;
            int offers;
        };
        const Row rows[] = {
            {1, QString(), false, false, false, 0},
            {2, QStringLiteral("Kurz"), true, false, false, 0},
            {2, QString(), false, false, false, 0},
            {2, QStringLiteral("Kurz"), false, false, true, 0},
            {2, QStringLiteral("Kurz"), false, true, false, 1},
        };
        for (const Row &row : rows) {
            offers = 0;
            s.course.CurrentLevel = row.level;
            s.course.LevelFolder[2] = row.folder;
            s.course.ContentFileName = QStringLiteral("Obsah.txt");
            s.course.LevelWindow[1] = row.hostShowsCourseList ? &host : static_cast<QObject *>(&p->main());
            s.values.Param1 = row.searchInstance ? QStringLiteral("Kurz - Lekcia 1") : QString();
            QCOMPARE(opens(), row.opens);
            QCOMPARE(offers, row.offers);
        }
        s.values.Param1.clear();
        s.course.LevelWindow[1] = &p->main();
    }

    // Closing the window while the course is read cancels the reading; a window opened
    // again reads the course to its end (the texts read before come from the cache).
    // There Enter opens the result chosen and a double-click the one clicked, each at
    // the place its caption path names.
    void cancelAndOpen()
    {
        writeCourse(200, 20000);
        p->start();
        Session &s = p->session();
        s.course.CurrentLevel = 2;
        s.course.LevelFolder[2] = QStringLiteral("Kurz");
        s.course.ContentFileName = QStringLiteral("Obsah.txt");
        {
            TOknoHladajVKurze w(s, {});
            QSignalSpy finished(&w, &TOknoHladajVKurze::readingFinished);
            // Shown and closed before the event loop runs: the worker has had no time
            // to read 4 MB of formatted text.
            w.show();
            QVERIFY(w.reading());
            w.close();
            QVERIFY(!w.reading());
            QVERIFY(finished.wait(20000));
            QVERIFY(!w.readingComplete());
            QVERIFY(w.screensRead() < 202);
        }
        QVERIFY(s.searchCache->size() < 200);

        QStringList opened;
        TOknoHladajVKurze again(s, [&opened](const QString &reference, const QString &path) {
            opened << reference + QStringLiteral(" | ") + path;
        });
        again.show();
        QTest::keyClicks(again.Edit1, QStringLiteral("lekcia 19"));
        waitForReading(&again);
        QVERIFY(again.readingComplete());
        QCOMPARE(again.screensRead(), 202);
        QCOMPARE(s.searchCache->size(), 200);
        // Caption hits in course order: 19, 119, 190, …
        QVERIFY(QTest::qWaitFor([&again] { return again.resultCount() >= 12; }, 20000));
        QTest::keyClick(again.Edit1, Qt::Key_Return);
        QCOMPARE(opened, QStringList{QStringLiteral("lek19.txt | Kurz - Lekcia 19")});
        const QPoint second = again.ListView1->visualRect(again.ListView1->model()->index(1, 0)).center();
        QTest::mouseClick(again.ListView1->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(again.ListView1->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened[1], QStringLiteral("lek119.txt | Kurz - Lekcia 119"));
    }
};

QTEST_MAIN(TestCourseSearchWindow)
#include "tst_coursesearchwindow.moc"
