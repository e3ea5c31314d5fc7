// The player at the edges, offscreen: level openings that fail half-way, the deepest
// level, long button columns, special files, targets outside the program folder,
// odd settings and hostile program folders.
#include "app/tform1.h"
#include "platform/messages.h"
#include "platform/readablelook.h"
#include "platform/textfile.h"
#include "runningprogram.h"
#include "state/session.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <malloc.h>
#include <sys/stat.h>

#include <algorithm>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestEdges : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RunningProgram> p;

    Session &s() { return p->session(); }
    QString program() const { return p->program(); }
    static QPushButton *button(TForm1 *w, int number, int level)
    {
        return testing::RunningProgram::button(w, QStringLiteral("Button%1%2").arg(number).arg(level));
    }
    static void press(TForm1 *w, int number, int level)
    {
        testing::RunningProgram::press(w, QStringLiteral("Button%1%2").arg(number).arg(level));
    }
    static int levelWindows()
    {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += qobject_cast<TForm1 *>(w) != nullptr;
        return n;
    }
    static void picture(const QString &path)
    {
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::darkRed);
        QVERIFY(image.save(path, "BMP"));
    }
    static void fifo(const QString &path) { QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0); }
    static QString name(int i) { return QStringLiteral("Kurz %1").arg(i, 5, 10, QLatin1Char('0')); }
    // Course folders named by name(); the first one has a screen.
    void makeCourses(int courses)
    {
        // Folders holding a content file are courses, even without their top file.
        for (int i = 0; i < courses; ++i) {
            const QString folder = program() + u'/' + name(i);
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile(folder + QStringLiteral("/kap.txt")).open(QIODevice::WriteOnly));
        }
        p->write(name(0) + QStringLiteral("/Obsah.txt"), {QStringLiteral("[Jediná]x.txt")});
    }
    // The bytes the allocator has handed out and not yet got back.
    static qint64 heapInUse() { return qint64(mallinfo2().uordblks); }
    QString lastText() const { return hook::shown().isEmpty() ? QString() : hook::shown().last().text; }

private slots:
    void init()
    {
        p = std::make_unique<testing::RunningProgram>();
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
    }

    void cleanup() { p.reset(); }

    void failedLevelOpeningLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("courseSetting");
        QTest::addColumn<QString>("damaged"); // "template": the window template is damaged
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("error");
        QTest::newRow("colour") << "1*COLOR TITLE*modra"
                                << "" << 2 << "'modra' is not a valid integer value";
        QTest::newRow("width") << "1*WIDTH*700 px"
                               << "" << 2 << "'700 px' is not a valid integer value";
        QTest::newRow("text font") << "1*FONTSIZE MEMO*x"
                                   << "" << 2 << "'x' is not a valid integer value";
        QTest::newRow("template") << ""
                                  << "template" << 2 << "is not a valid window template";
        QTest::newRow("template, deeper") << ""
                                          << "template" << 3 << "is not a valid window template";
    }

    void failedLevelOpeningLeavesEverythingAsItWas()
    {
        QFETCH(QString, courseSetting);
        QFETCH(QString, damaged);
        QFETCH(int, level);
        QFETCH(QString, error);
        p->write(QStringLiteral("Kurz/Obsah.txt"), {QStringLiteral("[Kapitola]kap1.txt"), QStringLiteral("<Úvod>")});
        p->write(QStringLiteral("Kurz/kap1.txt"), {QStringLiteral("<Text>")});
        if (!courseSetting.isEmpty())
            p->write(QStringLiteral("Kurz/CONFIG.TXT"), {courseSetting});
        p->start();
        // Damaged just before the level opens, since the level below is made from it too.
        const auto damage = [&] {
            if (damaged == QLatin1String("template"))
                textfile::writeBytes(s().templatePath(), "nothing of a window");
        };

        const auto restored = [&] {
            const CourseState &c = s().course;
            QCOMPARE(int(c.CurrentLevel), level - 1);
            QCOMPARE(c.InsideCourse, level > 2);
            QCOMPARE(s().readLevelFile(), level - 1);
            QVERIFY(c.LevelWindow[size_t(level)].isNull());
            QCOMPARE(int(c.LevelBuilt[size_t(level)]), 0);
            QTRY_VERIFY(p->window(level - 1)->isVisible());
            QCOMPARE(levelWindows(), level - 1);
            QVERIFY(lastText().contains(error));
        };
        if (level == 2) {
            damage();
            p->clickCourse(QStringLiteral("Kurz"));
            restored();
            return;
        }
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            damage();
            press(w, 1, 2);
            restored();
            QCOMPARE(s().course.ScreenLines[2][1], QStringLiteral("[Kapitola]kap1.txt"));
        });
        QCOMPARE(int(s().course.CurrentLevel), 1);
    }

    void theDeepestLevelKeepsItsTablesAndFreesWhatClosed()
    {
        QStringList lines;
        for (int i = 1; i <= 17; ++i)
            lines << QStringLiteral("[Ďalšia obrazovka %1]a.txt").arg(i);
        lines << QStringLiteral("[Obrázok]obr.bmp") << QStringLiteral("<Text obrazovky>");
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x"), QStringLiteral("0*LEVEL LIMIT*Nie hlbšie")});
        p->write(QStringLiteral("Hĺbka/Obsah.txt"), {QStringLiteral("[Dolu]a.txt")});
        p->write(QStringLiteral("Hĺbka/a.txt"), lines);
        picture(program() + QStringLiteral("/Hĺbka/obr.bmp"));
        look::applyReadableLook(); // the player's own palette, with which each window paints
        p->start();

        QList<qsizetype> widgetsAfterTrip;
        QList<qint64> heapAfterTrip;
        for (int trip = 0; trip < 3; ++trip) {
            int deepest = 0;
            std::function<void(TForm1 *)> descend = [&](TForm1 *w) {
                const int level = s().course.CurrentLevel;
                deepest = std::max(deepest, level);
                if (level < MaxLevels) {
                    p->onLevel(level + 1, descend);
                    press(w, 1, level);
                    ui(w).SpeedButton1->click();
                    return;
                }
                // Level 20 keeps its own screen file; its items work as on level 19.
                CourseState &c = s().course;
                QCOMPARE(c.ScreenFile[20], QStringLiteral("a.txt"));
                testing::RunningProgram::onDialog([](QWidget *) {}); // fails the test when none opens
                press(w, 18, 20);
                QCOMPARE(c.ScreenFile[20], QStringLiteral("a.txt"));
                QVERIFY(s().contentFilePath(20).endsWith(QStringLiteral("/Hĺbka/a.txt")));
                // A deeper screen is refused, silently as its text table entry asks.
                press(w, 1, 20);
                QCOMPARE(int(c.CurrentLevel), MaxLevels);
                QVERIFY(hook::shown().isEmpty());
                // The long title path is one line elided in the middle; the tooltip has it all.
                const QString title = ui(w).Label1->text();
                QVERIFY(title.contains(QChar(0x2026)));
                QVERIFY(ui(w).Label1->fontMetrics().horizontalAdvance(title) <= ui(w).Label1->width());
                QVERIFY(ui(w).Label1->toolTip().startsWith(QStringLiteral("Hĺbka - Dolu - Ďalšia obrazovka 1 - ")));
                QCOMPARE(ui(w).Label1->toolTip().count(QStringLiteral(" - ")), 18);
                ui(w).SpeedButton1->click();
            };
            p->onLevel(2, descend);
            p->clickCourse(QStringLiteral("Hĺbka"));
            QCOMPARE(deepest, MaxLevels);
            QCOMPARE(int(s().course.CurrentLevel), 1);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            widgetsAfterTrip << QApplication::allWidgets().size();
            heapAfterTrip << heapInUse();
        }
        // Closed levels leave nothing behind: no widget, and no memory once the first trip
        // has warmed what is shared (fonts, the pictures of the buttons' kinds).
        QCOMPARE(levelWindows(), 1);
        QCOMPARE(widgetsAfterTrip.at(1), widgetsAfterTrip.at(0));
        QCOMPARE(widgetsAfterTrip.at(2), widgetsAfterTrip.at(0));
        for (int trip = 1; trip < 3; ++trip) {
            const qint64 growth = heapAfterTrip.at(trip) - heapAfterTrip.at(trip - 1);
            QVERIFY2(growth < 256 * 1024, qPrintable(QStringLiteral("trip %1 kept %2 bytes").arg(trip).arg(growth)));
        }
    }

    void longColumnsScrollToTheirLastButton_data()
    {
        QTest::addColumn<int>("courses");
        QTest::newRow("14") << 14;
        QTest::newRow("261") << 261;
        QTest::newRow("500") << 500;
        QTest::newRow("20000") << 20000; // a column far longer than 65,535 pixels
    }

    // Every course button is reachable by scrolling, in its own place, one step below the
    // one before; only the buttons near the view exist.
    void longColumnsScrollToTheirLastButton()
    {
        QFETCH(int, courses);
        makeCourses(courses);
        p->start();
        // A screen with few buttons first: its step must not stay with the root screen.
        p->inCourse(name(0), [](TForm1 *) {});
        TForm1 &root = p->main();
        QTRY_VERIFY(root.isVisible());
        QPushButton *first = p->courseButton(name(0));
        QVERIFY(first);
        QVERIFY(!ui(root).ScrollBar2->isHidden());
        const int top = first->y();
        ui(root).ScrollBar2->setValue(1);
        QVERIFY(first->y() < top);
        QVERIFY(top - first->y() <= 45); // no button is skipped
        // One step before the end the last button is not yet whole; at the end it is, at
        // the bottom.
        ui(root).ScrollBar2->setValue(ui(root).ScrollBar2->maximum() - 1);
        if (p->hasCourseButton(name(courses - 1))) {
            const QPushButton *last = p->courseButton(name(courses - 1));
            QVERIFY(last->y() + last->height() > ui(root).client->height());
        }
        ui(root).ScrollBar2->setValue(ui(root).ScrollBar2->maximum());
        QPushButton *last = p->courseButton(name(courses - 1));
        QPushButton *before = p->courseButton(name(courses - 2));
        QVERIFY(last && before);
        QCOMPARE(last->y() + last->height(), ui(root).client->height());
        QCOMPARE(last->y() - before->y(), 45); // the step at 96 dots per inch: no overlap
        QVERIFY(root.findChildren<QPushButton *>().size() < 300);
        ui(root).ScrollBar2->setValue(0);
        first = p->courseButton(name(0));
        QVERIFY(first);
        QCOMPARE(first->y(), top);
    }

    // The keyboard passes every course of a long column, though only the rows near the
    // view have buttons: each one it reaches is brought into view and named by its
    // caption, and the Tab order leaves and re-enters the column at its ends.
    void keyboardReachesEveryCourse()
    {
        const int courses = 3000;
        makeCourses(courses);
        p->start();
        TForm1 &root = p->main();
        QTRY_VERIFY(root.isVisible());
        const auto focused = [] { return qobject_cast<QPushButton *>(QApplication::focusWidget()); };
        // The course whose button has the focus, -1 when it is no course button in view.
        const auto focusedCourse = [&]() -> int {
            const QPushButton *b = focused();
            if (!b || !b->isVisible() || b->y() < 0 || b->y() + b->height() > ui(root).client->height())
                return -1;
            const auto &buttons = p->session().course.CourseButton;
            const auto at = std::find(buttons.begin(), buttons.end(), b);
            return at == buttons.end() ? -1 : int(at - buttons.begin()) - p->session().course.FirstCourseEntry;
        };
        const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        };
        p->courseButton(name(0))->setFocus();
        QCOMPARE(focusedCourse(), 0);
        for (int i = 1; i < courses; ++i) {
            press(Qt::Key_Tab);
            if (focusedCourse() != i)
                QFAIL(qPrintable(QStringLiteral("Tab from course %1 reached %2").arg(i - 1).arg(focusedCourse())));
        }
        QCOMPARE(focused()->text(), name(courses - 1));
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(focused());
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name(courses - 1));
        QVERIFY(root.findChildren<QPushButton *>().size() < 300);

        press(Qt::Key_Tab); // out of the column, and back in at its last row
        QCOMPARE(focusedCourse(), -1);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focusedCourse(), courses - 1);
        for (int i = courses - 2; i >= 0; --i) {
            press(i % 2 ? Qt::Key_Backtab : Qt::Key_Up);
            if (focusedCourse() != i)
                QFAIL(qPrintable(QStringLiteral("back from course %1 reached %2").arg(i + 1).arg(focusedCourse())));
        }
        press(Qt::Key_Up);
        QCOMPARE(focusedCourse(), 0);
        press(Qt::Key_End);
        QCOMPARE(focusedCourse(), courses - 1);
        press(Qt::Key_Down);
        QCOMPARE(focusedCourse(), courses - 1);
        press(Qt::Key_PageUp);
        const int page = courses - 1 - focusedCourse();
        QVERIFY(page > 1 && page < 20);
        press(Qt::Key_Home);
        QCOMPARE(focusedCourse(), 0);
        press(Qt::Key_PageDown);
        QCOMPARE(focusedCourse(), page);
        press(Qt::Key_Down);
        QCOMPARE(focusedCourse(), page + 1);
        QVERIFY(root.findChildren<QPushButton *>().size() < 300);
    }

    void specialFilesAreMissingFiles()
    {
        p->write(QStringLiteral("Rúry/Obsah.txt"),
                 {QStringLiteral("[Obrázok]obr.bmp"), QStringLiteral("[Ďalej]kap.txt"), QStringLiteral("<Úvod>")});
        p->write(QStringLiteral("Rúry/kap.txt"), {QStringLiteral("<Kapitola>")});
        for (const char *name : {"Rúry/obr.bmp", "Rúry/kap.rtf", "Rúry/POZADIE.BMP", "Rúry/TXT.BMP"})
            fifo(program() + QLatin1Char('/') + QString::fromUtf8(name));
        QDir().mkpath(program() + QStringLiteral("/Rúra"));
        fifo(program() + QStringLiteral("/Rúra/Obsah.txt"));
        p->start();

        hook::queue(messages::Answer::No);
        p->clickCourse(QStringLiteral("Rúra"));
        QCOMPARE(lastText(), QStringLiteral("Neexistuje Obsah.txt\nChcete ho teraz vytvoriť ?"));
        QVERIFY(s().course.LevelWindow[2].isNull());

        p->inCourse(QStringLiteral("Rúry"), [&](TForm1 *w) {
            press(w, 1, 2);
            QCOMPARE(lastText(), QStringLiteral("Neexistuje súbor obrázku"));
            p->onLevel(3, [](TForm1 *deeper) {
                QCOMPARE(ui(deeper).Memo1->toPlainText(), QStringLiteral("Kapitola"));
                deeper->close();
            });
            press(w, 2, 2);
        });
        QCOMPARE(int(s().course.CurrentLevel), 1);
    }

    void targetsOutsideTheProgramFolderAreRefused()
    {
        const QString outside = p->root() + QStringLiteral("/outside");
        QDir().mkpath(outside);
        picture(outside + QStringLiteral("/pic.bmp"));
        textfile::writeLines(outside + QStringLiteral("/x.txt"), {QStringLiteral("<Mimo>")});
        const QStringList targets{QStringLiteral("..\\..\\..\\..\\..\\..\\..\\..\\etc\\passwd"),
                                  QStringLiteral("/etc/passwd"),
                                  QStringLiteral("file:///etc/passwd"),
                                  QStringLiteral("..\\..\\outside\\pic.bmp"),
                                  QStringLiteral("odkaz.bmp"),
                                  outside + QStringLiteral("/x.txt"),
                                  outside + QStringLiteral("/nova.txt")};
        QStringList lines;
        for (const QString &target : targets)
            lines << QStringLiteral("[Cieľ]") + target;
        p->write(QStringLiteral("Kurz/Obsah.txt"), lines);
        QVERIFY(QFile::link(outside + QStringLiteral("/pic.bmp"), program() + QStringLiteral("/Kurz/odkaz.bmp")));
        // Folders that lead back to the program folder or above it are no courses.
        QVERIFY(QFile::link(program(), program() + QStringLiteral("/Späť")));
        QVERIFY(QFile::link(p->root(), program() + QStringLiteral("/Hore")));
        p->write(QStringLiteral("Prázdny/kap.txt"), {QStringLiteral("<Bez obsahu>")});
        p->start();
        QVERIFY(!p->hasCourseButton(QStringLiteral("Späť")));
        QVERIFY(!p->hasCourseButton(QStringLiteral("Hore")));

        const QString folder = program() + QStringLiteral("/Kurz/");
        const QString none = QStringLiteral(" - súbor neexistuje");
        // A target's kind follows its first ".": "..\\" makes a desktop item of a picture.
        const auto path = [&](int i) {
            return QString(folder + targets.at(i)).replace(QLatin1Char('\\'), QLatin1Char('/'));
        };
        const QStringList expected{path(0) + none,
                                   targets.at(1) + none,
                                   path(2) + none,
                                   path(3) + none,
                                   QStringLiteral("Neexistuje súbor obrázku"),
                                   QStringLiteral("Neexistuje textový súbor ") + targets.at(5),
                                   QStringLiteral("Neexistuje textový súbor ") + targets.at(6)};
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            for (int i = 0; i < targets.size(); ++i) {
                hook::shown().clear();
                press(w, i + 1, 2);
                QCOMPARE(hook::shown().size(), 1);
                QCOMPARE(hook::shown().at(0).buttons, messages::Buttons::Ok);
                QCOMPARE(lastText(), expected.at(i));
                QCOMPARE(int(s().course.CurrentLevel), 2);
            }
        });
        QVERIFY(!QFile::exists(outside + QStringLiteral("/nova.txt")));

        // The offer to create a missing screen defaults to No.
        hook::queue(messages::Answer::No);
        p->clickCourse(QStringLiteral("Prázdny"));
        QVERIFY(hook::shown().last().defaultNo);
        QVERIFY(!QFile::exists(program() + QStringLiteral("/Prázdny/Obsah.txt")));
    }

    void oddSettingsAndStarts_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("button font auto") << "1*FONTSIZE BUTTON*auto" << QStringList();
        QTest::newRow("bad height") << "1*HEIGHT*vysoké" << QStringList();
        QTest::newRow("relative search path")
            << "" << QStringList{QStringLiteral("Kurz/kap1.txt"), QStringLiteral("Môj"), QStringLiteral("titul")};
    }

    void oddSettingsAndStarts()
    {
        QFETCH(QString, setting);
        QFETCH(QStringList, arguments);
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x"), setting});
        p->write(QStringLiteral("Kurz/Obsah.txt"), {QStringLiteral("[Kapitola]kap1.txt")});
        p->write(QStringLiteral("Kurz/kap1.txt"), {QStringLiteral("[Ďalej]kap2.txt")});
        p->start(arguments);
        if (setting.contains(QLatin1String("HEIGHT"))) {
            // The set-up stopped at the conversion error; the window keeps its design size.
            QVERIFY(lastText().contains(QStringLiteral("'vysoké' is not a valid integer value")));
            QCOMPARE(p->main().size(), QSize(700, 640));
            return;
        }
        QVERIFY(hook::shown().isEmpty());
        if (!arguments.isEmpty()) {
            QCOMPARE(s().course.LevelFolder[1], QStringLiteral("Kurz"));
            QCOMPARE(s().course.ScreenFile[1], QStringLiteral("kap1.txt"));
            QVERIFY(button(&p->main(), 1, 1));
            return;
        }
        // "auto" follows the screen width (1024: 14) on every screen, as at start.
        const QPushButton *course = p->courseButton(QStringLiteral("Kurz"));
        QVERIFY(course);
        QCOMPARE(course->font().pointSize(), 14);
        p->inCourse(QStringLiteral("Kurz"), [](TForm1 *w) {
            const QPushButton *first = button(w, 1, 2);
            QVERIFY(first);
            QCOMPARE(first->font().pointSize(), 14);
        });
        QVERIFY(hook::shown().isEmpty());
    }

    void hostileProgramFolders()
    {
        // A folder named as the text table, a course name with a line break, a link loop
        // among a course's files, and ten thousand empty folders (no courses).
        QFile::remove(program() + QStringLiteral("/CONFIG.TXT"));
        QVERIFY(QDir().mkpath(program() + QStringLiteral("/CONFIG.TXT")));
        const QString broken = QStringLiteral("Dva\nriadky");
        p->write(broken + QStringLiteral("/Obsah.txt"), {QStringLiteral("[Slučka]slucka1.txt")});
        QVERIFY(QFile::link(QStringLiteral("slucka2.txt"),
                            program() + QLatin1Char('/') + broken + QStringLiteral("/slucka1.txt")));
        QVERIFY(QFile::link(QStringLiteral("slucka1.txt"),
                            program() + QLatin1Char('/') + broken + QStringLiteral("/slucka2.txt")));
        for (int i = 0; i < 10000; ++i)
            QDir(program()).mkdir(QStringLiteral("k%1").arg(i, 5, 10, QLatin1Char('0')));
        p->start();
        const CourseState &c = s().course;
        QCOMPARE(c.FolderListCount - c.FirstCourseEntry + 1, 1);
        QVERIFY(!p->hasCourseButton(QStringLiteral("CONFIG.TXT")));
        QVERIFY(!p->hasCourseButton(QStringLiteral("k09999")));
        // Without a text table the built-in questions are asked: the loop is a missing
        // screen, offered for creation; answered No, nothing is created.
        hook::shown().clear();
        p->inCourse(broken, [&](TForm1 *w) {
            QCOMPARE(ui(w).Label1->toolTip(), broken);
            hook::queue(messages::Answer::No);
            press(w, 1, 2);
            QCOMPARE(int(s().course.CurrentLevel), 2);
        });
        QCOMPARE(hook::shown().size(), 1);
        QVERIFY(hook::shown().first().text.contains(QStringLiteral("slucka1.txt")));
        QVERIFY(QFileInfo(program() + QLatin1Char('/') + broken + QStringLiteral("/slucka1.txt")).isSymLink());
    }
};

QTEST_MAIN(TestEdges)
#include "tst_edges.moc"
