// Pressing lesson buttons of every kind on a prepared course: the stand-in player's log
// and a stand-in program's log show what was started with which arguments; the picture
// and help windows; the gating of the messages for missing files.
#include "app/session.h"
#include "app/tform1.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "text/helpwindow.h"
#include "text/picturewindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestLessonItems : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<TForm1> m_form;

    QString program() const { return m_dir->path() + QStringLiteral("/program dir"); }
    QString course() const { return program() + QStringLiteral("/Kurz s medzerou"); }
    QString work() const { return m_dir->path() + QStringLiteral("/work"); }
    QString playerLog() const { return m_dir->path() + QStringLiteral("/player.log"); }
    QString programLog() const { return m_dir->path() + QStringLiteral("/program.log"); }
    Session &s() { return *m_session; }

    void write(const QString &path, const QStringList &lines)
    {
        QDir().mkpath(QFileInfo(path).path());
        textfile::writeLines(path, lines);
    }

    void script(const QString &path)
    {
        textfile::writeBytes(path, "#!/bin/sh\necho \"$0|$*\" >> \"" + programLog().toUtf8() + "\"\n");
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    TForm1 *window(int level) { return qobject_cast<TForm1 *>(s().course.LevelWindow[size_t(level)].data()); }
    QPushButton *button(TForm1 *w, int number, int level)
    {
        return w->client->findChild<QPushButton *>(QStringLiteral("Button%1%2").arg(number).arg(level));
    }

    // Enters the course and runs step on its top screen; returns once the course is left.
    void inCourse(std::function<void(TForm1 *)> step)
    {
        StartEnvironment env;
        env.currentFolder = program();
        const QString home = work();
        env.environment = [home](const QString &n) { return n == QLatin1String("HOME") ? home : QString(); };
        env.localAddress = [] { return QStringLiteral("10.0.0.1"); };
        m_session = std::make_unique<Session>();
        m_form = std::make_unique<TForm1>(*m_session);
        guarded([&] { m_form->FormCreate(env); });
        m_form->show();
        QVERIFY(QTest::qWaitFor([&] { return s().course.LevelBuilt[1] == 1; }));
        QTimer::singleShot(0, this, [this, step] {
            QVERIFY(QTest::qWaitFor([&] { return s().course.LevelBuilt[2] && window(2) && window(2)->isVisible(); }));
            TForm1 *top = window(2);
            step(top);
            top->close();
        });
        qobject_cast<QPushButton *>(s().course.CourseButton[size_t(s().course.FirstCourseEntry)].data())->click();
    }

    // Runs check on the next modal dialog, then closes it.
    void onDialog(std::function<void(QWidget *)> check)
    {
        QTimer::singleShot(0, this, [check] {
            QWidget *dialog = nullptr;
            (void)QTest::qWaitFor([&] { return (dialog = QApplication::activeModalWidget()) != nullptr; });
            if (dialog) {
                check(dialog);
                dialog->close();
            }
        });
    }

    QStringList logLines(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        qputenv("LUMORA_PLAYER_EXIT", "1");
    }

    void init()
    {
        QCoreApplication::processEvents();
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        hook::reset();
        hook::setAutoAnswer(true);
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("LUMORA_PLAYER_LOG", playerLog().toUtf8());
        QDir().mkpath(work());
        write(program() + QStringLiteral("/CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        QVERIFY(QFile::copy(QStringLiteral(LUMORA_SCPLAYER), program() + QStringLiteral("/SCPLAYER.EXE")));
        write(course() + QStringLiteral("/Obsah.txt"),
              {QStringLiteral("[Ukážka]ukazka.scm"),                 // 1
               QStringLiteral("[Ukážka s prepínačom]UKAZKA.SCM /x"),  // 2
               QStringLiteral("[Program]prog.sh /a /b"),              // 3
               QStringLiteral("[Obrázok]Obrazok.BMP"),                // 4
               QStringLiteral("[Chýba]nic.exe"),                      // 5
               QStringLiteral("[Bez bodky]scmhra"),                   // 6
               QStringLiteral("[Mimo kurzu]") + m_dir->path() + QStringLiteral("/mimo.sh"),   // 7
               QStringLiteral("[Chýba obrázok]nie.bmp"),              // 8
               QStringLiteral("[Ďalej]kap1.txt"),                     // 9
               QStringLiteral("[Zlý obrázok]zly.bmp")});              // 10
        write(course() + QStringLiteral("/kap1.txt"), {QStringLiteral("<Text kapitoly>")});
        textfile::writeBytes(course() + QStringLiteral("/ukazka.scm"), "ukážka");
        textfile::writeBytes(course() + QStringLiteral("/zly.bmp"), "no picture here");
        QImage picture(1400, 1000, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(course() + QStringLiteral("/obrazok.bmp"), "BMP"));
        script(course() + QStringLiteral("/prog.sh"));
        script(m_dir->path() + QStringLiteral("/mimo.sh"));
    }

    void cleanup()
    {
        m_form.reset();
        m_session.reset();
    }

    void demonstrationsGoToThePlayer()
    {
        inCourse([&](TForm1 *w) {
            button(w, 1, 2)->click();
            button(w, 2, 2)->click();   // upper case, with a switch that is not passed on
            QTRY_COMPARE(logLines(playerLog()).size(), 2);
        });
        const QString expected = course() + QStringLiteral("/ukazka.scm\t/s/c");
        QCOMPARE(logLines(playerLog()), (QStringList{expected, expected}));
        QVERIFY(hook::shown().isEmpty());
    }

    void programsStartWithTheirSwitches()
    {
        inCourse([&](TForm1 *w) {
            button(w, 3, 2)->click();
            button(w, 7, 2)->click();   // an absolute path outside the course, as written
            QTRY_COMPARE(logLines(programLog()).size(), 2);
        });
        QStringList lines = logLines(programLog());
        lines.sort();
        QCOMPARE(lines, (QStringList{m_dir->path() + QStringLiteral("/mimo.sh|"),
                                     course() + QStringLiteral("/prog.sh|/a /b")}));
    }

    void missingFilesAreReported()
    {
        inCourse([&](TForm1 *w) {
            button(w, 5, 2)->click();
            button(w, 6, 2)->click();
            button(w, 8, 2)->click();
        });
        QStringList texts;
        for (const auto &r : hook::shown())
            texts << r.text;
        QCOMPARE(texts, (QStringList{course() + QStringLiteral("/nic.exe - súbor neexistuje"),
                                     QStringLiteral("Neexistuje ukážka .scm"), QStringLiteral("Neexistuje súbor obrázku")}));
        QCOMPARE(hook::shown().at(0).title, QStringLiteral("Upozornenie"));
    }

    void missingPlayerGating()
    {
        write(program() + QStringLiteral("/CONFIG.TXT"), {QStringLiteral("0*IP*x"), QStringLiteral("0*SCPLAYER*Chýba prehrávač")});
        QFile::remove(program() + QStringLiteral("/SCPLAYER.EXE"));
        inCourse([&](TForm1 *w) {
            button(w, 2, 2)->click();   // with parameters: silenced by its own line
            QVERIFY(hook::shown().isEmpty());
            button(w, 1, 2)->click();   // without: always shown
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
                QCOMPARE(pictureWindow->Image1->size(), QSize(1400, 1000));
                QVERIFY(pictureWindow->scrollArea->horizontalScrollBar()->maximum() > 0);
                QVERIFY(pictureWindow->scrollArea->verticalScrollBar()->maximum() > 0);
            });
            button(w, 4, 2)->click();
            QVERIFY(seen);

            onDialog([&](QWidget *) {});
            button(w, 10, 2)->click();   // a file that is no picture: the standard error box
        });
        QCOMPARE(hook::shown().size(), 1);
        QCOMPARE(hook::shown().at(0).title, QStringLiteral("Lumora"));
    }

    void notesButtonAppearsAfterComingBack()
    {
        inCourse([&](TForm1 *w) {
            QVERIFY(w->Button1->isHidden());
            QTimer::singleShot(0, this, [this] {
                QVERIFY(QTest::qWaitFor([&] { return s().course.LevelBuilt[3] && window(3); }));
                // A note written for the course's top screen while on the deeper one.
                textfile::writeLines(work() + QStringLiteral("/Kurz s medzerou.txt"), {QStringLiteral("poznámka")});
                window(3)->SpeedButton1->click();
            });
            button(w, 9, 2)->click();
            QVERIFY(!w->Button1->isHidden());
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
            w->Help1->trigger();
            QVERIFY(seen);
        });
        QVERIFY(hook::shown().isEmpty());
    }
};

QTEST_MAIN(TestLessonItems)
#include "tst_lessonitems.moc"
