// Screens and navigation offscreen on prepared program folders: the root screen, entering
// a course, deeper levels opened from the template, going back, the search window.
#include "app/tform1.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "runningprogram.h"
#include "course/contentfile.h"
#include "screens/levelscreen.h"
#include "screens/layout.h"
#include "state/session.h"
#include "text/toknoeditlek.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestNavigation : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RunningProgram> p;

    QString program() const { return p->program(); }
    QString work() const { return p->work(); }
    Session &s() { return p->session(); }
    TForm1 *window(int level) { return p->window(level); }
    static QPushButton *button(TForm1 *w, const QString &name) { return testing::RunningProgram::button(w, name); }
    static void press(TForm1 *w, const QString &name) { testing::RunningProgram::press(w, name); }

private slots:
    void init()
    {
        p = std::make_unique<testing::RunningProgram>();
        p->write(QStringLiteral("CONFIG.TXT"),
                 {QStringLiteral("0*IP*x"), QStringLiteral("1*WIDTH*700"), QStringLiteral("1*HEIGHT*640"),
                  QStringLiteral("1*LEFT CORNER*5"), QStringLiteral("1*TOP CORNER*6")});
        p->write(QStringLiteral("Biológia/OBSAH.TXT"),
                 {QStringLiteral("Úvod kurzu"), QStringLiteral("[Rastliny a ich časti v prírode]Kap1.TXT"),
                  QStringLiteral("[]skryte.txt"), QStringLiteral("[Živočíchy]kap2.txt"),
                  QStringLiteral("//https://sk.wikipedia.org/wiki/Biológia"), QStringLiteral("//www.example.sk"),
                  QStringLiteral("<Biológia je veda o živote."), QStringLiteral("Druhý odsek.>")});
        p->write(QStringLiteral("Biológia/kap1.txt"),
                 {QStringLiteral("[Listy]kap1.txt"), QStringLiteral("<Kapitola o rastlinách>")});
        p->write(QStringLiteral("álgebra/Obsah.txt"), {QStringLiteral("[Čísla]cisla.txt")});
        p->write(QStringLiteral("Zemepis/Obsah.bak"), {QStringLiteral("[Európa]europa.txt")});
        QDir().mkpath(program() + QStringLiteral("/.skryty"));
    }

    void cleanup() { p.reset(); }

    void rootScreenListsTheCourseFolders()
    {
        // A link to a folder elsewhere is a course; a plain file is not.
        QDir().mkpath(p->root() + QStringLiteral("/mimo"));
        textfile::writeLines(p->root() + QStringLiteral("/mimo/Obsah.txt"), {QStringLiteral("[A]a.txt")});
        QVERIFY(QFile::link(p->root() + QStringLiteral("/mimo"), program() + QStringLiteral("/Chémia")));
        p->write(QStringLiteral("citaj.txt"), {QStringLiteral("Nie je kurz")});
        p->start();
        QCOMPARE(int(s().course.LevelBuilt[1]), 1);
        const CourseState &c = s().course;
        QCOMPARE(int(c.CurrentLevel), 2);
        QCOMPARE(s().readLevelFile(), 1);
        const int first = c.FirstCourseEntry;
        QStringList captions;
        for (int i = first; i <= c.FolderListCount; ++i)
            captions << qobject_cast<QPushButton *>(c.CourseButton[size_t(i)].data())->text();
        QCOMPARE(captions,
                 (QStringList{QStringLiteral("álgebra"), QStringLiteral("Biológia"), QStringLiteral("Chémia"),
                              QStringLiteral("Zemepis")}));

        QPushButton *b = button(&p->main(), QStringLiteral("Buttonx%1%2").arg(first + 1).arg(1));
        QVERIFY(b);
        // U = 10: 150 wide, 40 high, 30 from the right edge, first at 55, then every 45.
        QCOMPARE(b->geometry(), QRect(700 - 150 - 30, 55 + 45, 150, 40));
        QCOMPARE(ui(p->main()).Label1->width(), 700 - 150 - 20);
        QVERIFY(ui(p->main()).Memo1->isHidden());
        QVERIFY(ui(p->main()).Button1->isHidden());
        QVERIFY(!ui(p->main()).Poznmky1->isEnabled());
        QVERIFY(ui(p->main()).ScrollBar2->isHidden());

        // Activated again before a course is entered (after a dialog, or back from another
        // program), the root screen stays as it is: no level is built into it.
        const QString title = ui(p->main()).Label1->text();
        for (const QEvent::Type type : {QEvent::WindowDeactivate, QEvent::WindowActivate}) {
            QEvent event(type);
            QCoreApplication::sendEvent(&p->main(), &event);
        }
        QCoreApplication::processEvents();
        QVERIFY(hook::shown().isEmpty());
        QCOMPARE(int(c.LevelBuilt[2]), 0);
        QCOMPARE(ui(p->main()).Label1->text(), title);
        QVERIFY(ui(p->main()).Label2->isHidden());
        QVERIFY(ui(p->main()).ComboBox1->isHidden());
        QCOMPARE(s().readLevelFile(), 1);
    }

    void enterGoDeeperAndBack()
    {
        p->start();
        QPushButton *course = p->courseButton(QStringLiteral("Biológia"));
        QVERIFY(course);
        QCOMPARE(course->objectName(), QStringLiteral("Buttonx%1%2").arg(s().course.FirstCourseEntry + 1).arg(1));
        QStringList seen;

        p->onLevel(2, [&](TForm1 *w) {
            seen << QStringLiteral("level 2");
            QCOMPARE(w->objectName(), QStringLiteral("Form2"));
            QVERIFY(s().course.InsideCourse);
            QVERIFY(!p->main().isVisible());
            QCOMPARE(ui(w).Label1->text(), QStringLiteral("Biológia"));
            QCOMPARE(w->pos(), QPoint(5, 6));
            QVERIFY(!ui(w).SpeedButton1->isHidden());
            QVERIFY(!ui(w).Label2->isHidden());
            QCOMPARE(ui(w).ComboBox1->count(), 2);
            QCOMPARE(ui(w).ComboBox1->itemText(1), QStringLiteral("www.example.sk"));
            QCOMPARE(ui(w).Memo1->toPlainText(), QStringLiteral("Biológia je veda o živote.\nDruhý odsek."));
            QVERIFY(!ui(w).Memo1->isHidden());

            QPushButton *first = button(w, QStringLiteral("Button12"));
            QVERIFY(first);
            QCOMPARE(first->text(), QStringLiteral("Rastliny a ich čast.")); // 19 characters and "."
            QCOMPARE(first->toolTip(), QStringLiteral("Rastliny a ich časti v prírode"));
            QCOMPARE(first->property("tag").toInt(), 1);
            const QPushButton *second = button(w, QStringLiteral("Button22"));
            QVERIFY(second);
            QVERIFY(second->isHidden());
            QPushButton *third = button(w, QStringLiteral("Button32"));
            QVERIFY(third);
            QCOMPARE(third->y(), 55 + 45); // the invisible button takes no room
            QCOMPARE(third->property("tag").toInt(), 3);
            QVERIFY(third->toolTip().isEmpty());

            w->move(40, 50);
            p->onLevel(3, [&](TForm1 *deeper) {
                seen << QStringLiteral("level 3");
                QCOMPARE(ui(deeper).Label1->text(), QStringLiteral("Biológia - Rastliny a ich časti v prírode"));
                QCOMPARE(deeper->pos(), QPoint(40, 50));
                QCOMPARE(s().readLevelFile(), 3);
                deeper->move(70, 80);
                ui(deeper).SpeedButton1->click();
            });
            first->click();
            // Back on level 2: where level 3 was left, links kept, nothing rebuilt.
            QCOMPARE(int(s().course.CurrentLevel), 2);
            QCOMPARE(s().readLevelFile(), 2);
            QCOMPARE(int(s().course.LevelBuilt[3]), 0);
            QTRY_VERIFY(w->isVisible());
            QVERIFY(!ui(w).Label2->isHidden() && !ui(w).ComboBox1->isHidden());
            QCOMPARE(w->pos(), QPoint(70, 80));
            QCOMPARE(ui(w).Memo1->toPlainText(), QStringLiteral("Biológia je veda o živote.\nDruhý odsek."));
            ui(w).SpeedButton1->click();
        });
        course->click();
        QCOMPARE(seen, (QStringList{QStringLiteral("level 2"), QStringLiteral("level 3")}));
        QCOMPARE(int(s().course.CurrentLevel), 1);
        QVERIFY(!s().course.InsideCourse);
        QCOMPARE(s().readLevelFile(), 1);
        QVERIFY(QTest::qWaitFor([&] { return p->main().isVisible(); }));
        QVERIFY(!s().terminateRequested);
    }

    void backupIsRestoredOnEntry()
    {
        p->start();
        bool opened = false;
        p->onLevel(2, [&](TForm1 *w) {
            opened = true;
            QVERIFY(button(w, QStringLiteral("Button12")));
            w->close();
        });
        p->clickCourse(QStringLiteral("Zemepis"));
        QVERIFY(opened);
        QVERIFY(QFile::exists(program() + QStringLiteral("/Zemepis/Obsah.txt")));
        QVERIFY(!QFile::exists(program() + QStringLiteral("/Zemepis/Obsah.bak")));
    }

    void missingTargetsAreReported()
    {
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x"), QStringLiteral("1*TEXT1*Chýba")});
        p->start();
        p->onLevel(2, [&](TForm1 *w) {
            // cisla.txt does not exist: it is offered for creation, and refused.
            hook::queue(messages::Answer::No);
            press(w, QStringLiteral("Button12"));
            QCOMPARE(int(s().course.CurrentLevel), 2);
            w->close();
        });
        p->clickCourse(QStringLiteral("álgebra"));
        QCOMPARE(hook::shown().size(), 1);
        QCOMPARE(hook::shown().at(0).text, QStringLiteral("Chýba cisla.txt\nChcete ho teraz vytvoriť ?"));
        QCOMPARE(hook::shown().at(0).title, QStringLiteral("Informácia"));
        QVERIFY(!QFile::exists(program() + QStringLiteral("/álgebra/cisla.txt")));
        QCOMPARE(int(s().course.CurrentLevel), 1);
    }

    void missingScreensAreOfferedToTheLessonEditor()
    {
        // A course without its top content file (a folder is a course once it holds a
        // content file): the offer, the editor, and with its "save and edit the text"
        // button the new screen opens in editing mode.
        p->write(QStringLiteral("Nový kurz/lekcia1.txt"), {QStringLiteral("<Prvá lekcia>")});
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x"), QStringLiteral("1*TEXT2*Vytvoriť?")});
        p->start();
        bool editorSeen = false;
        bool openedInEditing = false;
        QTimer::singleShot(0, this, [&] {
            QWidget *dialog = nullptr;
            if (!QTest::qWaitFor([&] { return (dialog = QApplication::activeModalWidget()) != nullptr; }))
                return;
            auto *editor = qobject_cast<TOknoEditLek *>(dialog);
            editorSeen = editor != nullptr;
            if (!editor) {
                dialog->close();
                return;
            }
            p->onLevel(2, [&](TForm1 *w) {
                openedInEditing = w->editing();
                QVERIFY(button(w, QStringLiteral("Button12")));
                ui(w).Ignorovazmeny1->trigger();
                w->close();
            });
            editor->Memo1->setPlainText(QStringLiteral("[Prvá lekcia]lekcia1.txt"));
            editor->Button3->click();
        });
        hook::queue(messages::Answer::Yes);
        p->clickCourse(QStringLiteral("Nový kurz"));
        QVERIFY(editorSeen);
        QVERIFY(openedInEditing);
        QCOMPARE(hook::shown().at(0).text, QStringLiteral("Neexistuje Obsah.txt\nVytvoriť?"));
        QCOMPARE(hook::shown().at(0).buttons, messages::Buttons::YesNo);
        QCOMPARE(textfile::readLines(program() + QStringLiteral("/Nový kurz/Obsah.txt")).first(),
                 QStringLiteral("[Prvá lekcia]lekcia1.txt"));
        QVERIFY(!s().course.EditorSaved);
    }

    void oversizedContentFilesAreRefused()
    {
        // Over the limit a content file is refused before it is read, wherever it is met:
        // a course's top file, a deeper screen, the search window's file. At the limit it
        // is still a screen.
        const auto resize = [&](const QString &name, qint64 size) {
            QFile file(program() + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(size));
        };
        const qint64 limit = course::MaxContentFileBytes;
        p->write(QStringLiteral("Veľký/Obsah.txt"), {QStringLiteral("[A]a.txt")});
        resize(QStringLiteral("Veľký/Obsah.txt"), limit + 1);
        p->write(QStringLiteral("Biológia/kap2.txt"), {QStringLiteral("[B]b.txt")});
        resize(QStringLiteral("Biológia/kap2.txt"), limit + 1);
        resize(QStringLiteral("Biológia/kap1.txt"), limit);
        const QString refused = QStringLiteral("Súbor je väčší ako 16 MB, na obsah obrazovky je príliš veľký: ");
        p->start();

        p->courseButton(QStringLiteral("Veľký"))->click();
        QCOMPARE(hook::shown().size(), 1);
        QCOMPARE(hook::shown().at(0).text, refused + program() + QStringLiteral("/Veľký/Obsah.txt"));
        QCOMPARE(int(s().course.LevelBuilt[2]), 0);
        QVERIFY(!s().course.InsideCourse);
        QVERIFY(p->main().isVisible());

        bool deeper = false;
        p->onLevel(2, [&](TForm1 *w) {
            button(w, QStringLiteral("Button32"))->click();
            QCOMPARE(hook::shown().size(), 2);
            QCOMPARE(hook::shown().at(1).text, refused + QStringLiteral("kap2.txt"));
            QCOMPARE(int(s().course.CurrentLevel), 2);
            QCOMPARE(int(s().course.LevelBuilt[3]), 0);
            QCOMPARE(s().readLevelFile(), 2);
            QVERIFY(w->isVisible());
            p->onLevel(3, [&](TForm1 *at) {
                deeper = button(at, QStringLiteral("Button13")) != nullptr;
                at->close();
            });
            button(w, QStringLiteral("Button12"))->click();
            w->close();
        });
        p->courseButton(QStringLiteral("Biológia"))->click();
        QVERIFY(deeper);
        QCOMPARE(hook::shown().size(), 2);

        p.reset();
        init();
        p->write(QStringLiteral("Biológia/kap2.txt"), {QStringLiteral("[B]b.txt")});
        resize(QStringLiteral("Biológia/kap2.txt"), limit + 1);
        const QString big = program() + QStringLiteral("/Biológia/kap2.txt");
        p->start({big});
        QCOMPARE(int(s().course.LevelBuilt[1]), 0);
        QCOMPARE(hook::shown().at(0).text, refused + big);
        QVERIFY(s().terminateRequested);
    }

    void searchWindowShowsOneScreen()
    {
        p->start(
            {program() + QStringLiteral("/Biológia/kap1.txt"), QStringLiteral("Rastliny"), QStringLiteral("listy")});
        QCOMPARE(s().course.LevelFolder[1], QStringLiteral("Biológia"));
        QCOMPARE(s().course.ScreenFile[1], QStringLiteral("kap1.txt"));
        QCOMPARE(ui(p->main()).Label1->text(), QStringLiteral(" Rastliny listy"));
        QVERIFY(button(&p->main(), QStringLiteral("Button11")));
        QVERIFY(QFile::exists(work() + QStringLiteral("/Okna2")));
        QVERIFY(!QFile::exists(work() + QStringLiteral("/Okna")));
        QVERIFY(!ui(p->main()).Label2->isHidden());
    }

    void searchWindowWithMissingFileEnds()
    {
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        const QString missing = program() + QStringLiteral("/Biológia/nie.txt");
        p->start({missing});
        QVERIFY(s().course.LevelBuilt[1] == 0);
        QVERIFY(p->main().levelScreen().ContentMissing);
        QCOMPARE(hook::shown().at(0).text, QStringLiteral("Neexistuje ") + missing);
        QVERIFY(s().terminateRequested);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
