// Pressing lesson buttons of every kind on a prepared course: the stand-in player's log
// and a stand-in program's log show what was started with which arguments; the picture
// and help windows; the gating of the messages for missing files.
#include "app/tform1.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "runningprogram.h"
#include "state/session.h"
#include "text/toknohelp.h"
#include "text/toknoobrazku.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestLessonItems : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RunningProgram> p;

    QString program() const { return p->program(); }
    QString course() const { return program() + QStringLiteral("/Kurz s medzerou"); }
    QString playerLog() const { return p->root() + QStringLiteral("/player.log"); }
    QString programLog() const { return p->root() + QStringLiteral("/program.log"); }
    Session &s() { return p->session(); }
    TForm1 *window(int level) { return p->window(level); }
    static QPushButton *button(TForm1 *w, int number, int level)
    {
        return testing::RunningProgram::button(w, QStringLiteral("Button%1%2").arg(number).arg(level));
    }
    static void press(TForm1 *w, int number, int level)
    {
        testing::RunningProgram::press(w, QStringLiteral("Button%1%2").arg(number).arg(level));
    }
    static void write(const QString &path, const QStringList &lines)
    {
        QDir().mkpath(QFileInfo(path).path());
        textfile::writeLines(path, lines);
    }
    void inCourse(std::function<void(TForm1 *)> step)
    {
        p->start();
        p->inCourse(QStringLiteral("Kurz s medzerou"), step);
    }
    static void onDialog(std::function<void(QWidget *)> step) { testing::RunningProgram::onDialog(step); }

    void script(const QString &path)
    {
        textfile::writeBytes(path, "#!/bin/sh\necho \"$0|$*\" >> \"" + programLog().toUtf8() + "\"\n");
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QStringList logLines(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase() { qputenv("LUMORA_PLAYER_EXIT", "1"); }

    void init()
    {
        p = std::make_unique<testing::RunningProgram>(QStringLiteral("program dir"));
        qputenv("LUMORA_PLAYER_LOG", playerLog().toUtf8());
        write(program() + QStringLiteral("/CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        QVERIFY(QFile::copy(QStringLiteral(LUMORA_SCPLAYER), program() + QStringLiteral("/SCPLAYER.EXE")));
        write(course() + QStringLiteral("/Obsah.txt"),
              {QStringLiteral("[Ukážka]ukazka.scm"),                 // 1
               QStringLiteral("[Ukážka s prepínačom]UKAZKA.SCM /x"), // 2
               QStringLiteral("[Program]prog.sh /a /b"),             // 3
               QStringLiteral("[Obrázok]Obrazok.BMP"),               // 4
               QStringLiteral("[Chýba]nic.exe"),                     // 5
               QStringLiteral("[Bez bodky]scmhra"),                  // 6
               QStringLiteral("[Mimo kurzu]..\\mimo.sh"),            // 7
               QStringLiteral("[Chýba obrázok]nie.bmp"),             // 8
               QStringLiteral("[Ďalej]kap1.txt"),                    // 9
               QStringLiteral("[Zlý obrázok]zly.bmp")});             // 10
        write(course() + QStringLiteral("/kap1.txt"), {QStringLiteral("<Text kapitoly>")});
        textfile::writeBytes(course() + QStringLiteral("/ukazka.scm"), "ukážka");
        textfile::writeBytes(course() + QStringLiteral("/zly.bmp"), "no picture here");
        QImage picture(1400, 1000, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(course() + QStringLiteral("/obrazok.bmp"), "BMP"));
        script(course() + QStringLiteral("/prog.sh"));
        script(p->program() + QStringLiteral("/mimo.sh"));
    }

    void cleanup() { p.reset(); }

    void demonstrationsGoToThePlayer()
    {
        inCourse([&](TForm1 *w) {
            press(w, 1, 2);
            press(w, 2, 2); // upper case, with a switch that is not passed on
            QTRY_COMPARE(logLines(playerLog()).size(), 2);
        });
        const QString expected = course() + QStringLiteral("/ukazka.scm\t/s/c");
        QCOMPARE(logLines(playerLog()), (QStringList{expected, expected}));
        QVERIFY(hook::shown().isEmpty());
    }

    void programsStartWithTheirSwitches()
    {
        inCourse([&](TForm1 *w) {
            press(w, 3, 2);
            press(w, 7, 2); // outside the course, inside the program folder
            QTRY_COMPARE(logLines(programLog()).size(), 2);
        });
        QStringList lines = logLines(programLog());
        lines.sort();
        QCOMPARE(
            lines,
            (QStringList{course() + QStringLiteral("/prog.sh|/a /b"), p->program() + QStringLiteral("/mimo.sh|")}));
    }

    void missingFilesAreReported()
    {
        inCourse([&](TForm1 *w) {
            press(w, 5, 2);
            press(w, 6, 2);
            press(w, 8, 2);
        });
        QStringList texts;
        for (const auto &r : hook::shown())
            texts << r.text;
        QCOMPARE(texts,
                 (QStringList{course() + QStringLiteral("/nic.exe - súbor neexistuje"),
                              QStringLiteral("Neexistuje ukážka .scm"), QStringLiteral("Neexistuje súbor obrázku")}));
        QCOMPARE(hook::shown().at(0).title, QStringLiteral("Upozornenie"));
    }

    void missingPlayerGating()
    {
        write(program() + QStringLiteral("/CONFIG.TXT"),
              {QStringLiteral("0*IP*x"), QStringLiteral("0*SCPLAYER*Chýba prehrávač")});
        QFile::remove(program() + QStringLiteral("/SCPLAYER.EXE"));
        inCourse([&](TForm1 *w) {
            press(w, 2, 2); // with parameters: silenced by its own line
            QVERIFY(hook::shown().isEmpty());
            press(w, 1, 2); // without: always shown
        });
        QCOMPARE(hook::shown().size(), 1);
        QCOMPARE(hook::shown().at(0).text, QStringLiteral("Chýba prehrávač"));
    }

    void picturesOpenInTheScrollablePictureWindow()
    {
        inCourse([&](TForm1 *w) {
            bool seen = false;
            onDialog([&](QWidget *dialog) {
                auto *pictureWindow = qobject_cast<TOknoObrazku *>(dialog);
                QVERIFY(pictureWindow);
                seen = true;
                QCOMPARE(pictureWindow->windowTitle(), QStringLiteral("Obrázok"));
                QCOMPARE(pictureWindow->Button1->text(), QStringLiteral("Zavri"));
                // A 1400 × 1000 diagram opens whole, fitted to the window, with no scrolling;
                // Ctrl+1 shows it at its own size (scrollable), Ctrl+minus smaller, Ctrl+0
                // fits it again, and so does a larger window, never past 100 %.
                const QSize room = pictureWindow->scrollArea->viewport()->size();
                const QSize fitted = pictureWindow->Image1->size();
                QVERIFY(fitted.width() <= room.width() && fitted.height() <= room.height());
                QVERIFY(fitted.width() >= room.width() - 1 || fitted.height() >= room.height() - 1);
                QVERIFY(qAbs(double(fitted.width()) / fitted.height() - 1.4) < 0.01);
                QCOMPARE(pictureWindow->scrollArea->horizontalScrollBar()->maximum(), 0);
                QApplication::setActiveWindow(pictureWindow);
                QTest::keyClick(pictureWindow, Qt::Key_1, Qt::ControlModifier);
                QCOMPARE(pictureWindow->Image1->size(), QSize(1400, 1000));
                QVERIFY(pictureWindow->scrollArea->horizontalScrollBar()->maximum() > 0);
                QVERIFY(pictureWindow->scrollArea->verticalScrollBar()->maximum() > 0);
                QTest::keyClick(pictureWindow, Qt::Key_Minus, Qt::ControlModifier);
                QCOMPARE(pictureWindow->Image1->width(), 1120);
                QTest::keyClick(pictureWindow, Qt::Key_0, Qt::ControlModifier);
                QCOMPARE(pictureWindow->Image1->size(), fitted);
                pictureWindow->resize(3000, 2000);
                QCOMPARE(pictureWindow->Image1->size(), QSize(1400, 1000));
            });
            press(w, 4, 2);
            QVERIFY(seen);

            onDialog([&](QWidget *) {});
            press(w, 10, 2); // a file that is no picture: the standard error box
        });
        QCOMPARE(hook::shown().size(), 1);
        QCOMPARE(hook::shown().at(0).title, QStringLiteral("Lumora"));
    }

    void notesButtonAppearsAfterComingBack()
    {
        inCourse([&](TForm1 *w) {
            QVERIFY(ui(w).Button1->isHidden());
            QTimer::singleShot(0, this, [this] {
                QVERIFY(QTest::qWaitFor([&] { return s().course.LevelBuilt[3] && window(3); }));
                // A note written for the course's top screen while on the deeper one
                // (named after its content file, as the notes window names it).
                textfile::writeLines(p->work() + QStringLiteral("/Obsah.txt"), {QStringLiteral("poznámka")});
                ui(window(3)).SpeedButton1->click();
            });
            press(w, 9, 2);
            QVERIFY(!ui(w).Button1->isHidden());
        });
    }

    void helpShowsTheAuthorsHelpInAWritableFolder()
    {
        textfile::writeBytes(program() + QStringLiteral("/HelpS.rtf"), "{\\rtf1\\ansi Pomoc pre autorov\\par}");
        textfile::writeBytes(program() + QStringLiteral("/HelpU.rtf"), "{\\rtf1\\ansi Pomoc pre \\'9e iakov\\par}");
        inCourse([&](TForm1 *w) {
            bool seen = false;
            onDialog([&](QWidget *dialog) {
                auto *help = qobject_cast<TOknoHelp *>(dialog);
                QVERIFY(help);
                seen = true;
                QCOMPARE(help->windowTitle(), QStringLiteral("Pomocník"));
                QCOMPARE(help->Memo1->toPlainText().trimmed(), QStringLiteral("Pomoc pre autorov"));
            });
            ui(w).Help1->trigger();
            QVERIFY(seen);
        });
        QVERIFY(hook::shown().isEmpty());
    }
};

QTEST_MAIN(TestLessonItems)
#include "tst_lessonitems.moc"
