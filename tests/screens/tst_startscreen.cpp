// The first screen a newcomer meets, offscreen: a folder without courses says so and
// offers another folder and the recent ones (in a Qt dialog speaking Slovak); a course
// without its top file is never silent; the screen path is remembered and reopened level
// by level; without a text table questions are asked; UTF-8 content files read rightly.
#include "app/tform1.h"
#include "app/translations.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "runningprogram.h"
#include "screens/startscreen.h"
#include "state/session.h"
#include "state/usersettings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <sys/stat.h>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestStartScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RunningProgram> p;
    QStringList opened; // folders the program was asked to start on

    QWidget *panelChild(const QString &name) const { return ui(p->main()).client->findChild<QWidget *>(name); }

    void writeCourse(const QString &course)
    {
        p->write(course + QStringLiteral("/Obsah.txt"), {QStringLiteral("[Kapitola jedna]kap1.txt")});
        p->write(course + QStringLiteral("/kap1.txt"), {QStringLiteral("[Ďalej]kap2.txt")});
        p->write(course + QStringLiteral("/KAP2.TXT"), {QStringLiteral("<Koniec cesty>")});
    }

private slots:
    void initTestCase()
    {
        // A language Qt has no translations for falls back to Slovak.
        QCOMPARE(translations::install(QLocale(QLocale::Esperanto)), QLocale::Slovak);
        screens::hook::setOpener([this](const QString &folder) { opened << folder; });
    }

    void init()
    {
        opened.clear();
        p = std::make_unique<testing::RunningProgram>();
    }

    void cleanup()
    {
        p.reset();
        screens::offerSampleCourses(QString());
    }

    // The object names Tab visits from a control on, count of them.
    static QStringList tabSequence(QWidget *from, int count)
    {
        QStringList names{from->objectName()};
        for (QWidget *w = from->nextInFocusChain(); w != from && names.size() < count; w = w->nextInFocusChain()) {
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                names << w->objectName();
        }
        return names;
    }

    void folderWithoutCoursesSaysSoAndOpensAnother()
    {
        // A home folder: folders without content files are no courses.
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        QDir().mkpath(p->program() + QStringLiteral("/Documents"));
        p->write(QStringLiteral("Downloads/kniha.pdf"), {QStringLiteral("%PDF")});
        const QString other = p->root() + QStringLiteral("/kurzy");
        UserSettings().addRecentFolder(other);
        QDir().mkpath(other);
        const QString sample = p->root() + QStringLiteral("/ukazka");
        QDir().mkpath(sample);
        screens::offerSampleCourses(sample);
        p->start();

        QVERIFY(p->session().course.CourseButton.empty() || !p->hasCourseButton(QStringLiteral("Documents")));
        QVERIFY(!p->hasCourseButton(QStringLiteral("Downloads")));
        auto *label = qobject_cast<QLabel *>(panelChild(QStringLiteral("NoCoursesLabel")));
        QVERIFY(label && label->isVisible());
        QVERIFY(label->text().startsWith(QStringLiteral("V tomto priečinku sa nenašli žiadne kurzy")));
        // A folder without courses is not remembered among the recent ones.
        QCOMPARE(UserSettings().recentFolders(), QStringList{other});

        // The newcomer starts on opening a folder, with the installed samples offered next.
        QTRY_COMPARE(p->main().focusWidget(), panelChild(QStringLiteral("OpenFolderButton")));
        QCOMPARE(tabSequence(panelChild(QStringLiteral("OpenFolderButton")), 3),
                 (QStringList{QStringLiteral("OpenFolderButton"), QStringLiteral("SampleButton"),
                              QStringLiteral("RecentFolder1")}));
        auto *offered = qobject_cast<QPushButton *>(panelChild(QStringLiteral("SampleButton")));
        QVERIFY(offered && offered->isVisible());
        QCOMPARE(offered->text(), QStringLiteral("Otvoriť ukážkové kurzy"));
        offered->click();
        QCOMPARE(opened, QStringList{sample});

        auto *recent = qobject_cast<QPushButton *>(panelChild(QStringLiteral("RecentFolder1")));
        QVERIFY(recent && recent->isVisible());
        recent->click();
        QCOMPARE(opened, (QStringList{sample, other}));
        QVERIFY(p->session().terminateRequested);
    }

    void folderDialogSpeaksSlovak()
    {
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        const QString other = p->root() + QStringLiteral("/kurzy");
        QDir().mkpath(other);
        p->start();
        auto *open = qobject_cast<QPushButton *>(panelChild(QStringLiteral("OpenFolderButton")));
        QVERIFY(open);
        QCOMPARE(open->text(), QStringLiteral("Otvoriť priečinok s kurzami…"));
        QStringList buttons;
        QTimer::singleShot(0, qApp, [&] {
            QFileDialog *files = nullptr;
            // No dialog leaves the buttons empty, which the checks below report.
            (void)QTest::qWaitFor(
                [&] {
                    for (QWidget *w : QApplication::topLevelWidgets()) {
                        if (auto *d = qobject_cast<QFileDialog *>(w); d && d->isVisible())
                            files = d;
                    }
                    return files != nullptr;
                },
                20000);
            if (!files)
                return;
            for (QPushButton *b : files->findChildren<QPushButton *>())
                buttons << b->text();
            for (QLabel *label : files->findChildren<QLabel *>())
                buttons << label->text();
            files->setDirectory(other);
            QMetaObject::invokeMethod(files, "accept");
            if (files->isVisible())
                files->reject();
        });
        open->click();
        for (const QString &text : {QStringLiteral("Hľadať v:"), QStringLiteral("Zrušiť")})
            QVERIFY2(buttons.contains(text), qPrintable(buttons.join(u',')));
        QCOMPARE(opened, QStringList{other});
    }

    void courseWithoutTopFileIsNeverSilent()
    {
        // No text table anywhere: the question to create the top file is asked.
        p->write(QStringLiteral("Kurz/kap1.txt"), {QStringLiteral("[A]a.txt")});
        p->start();
        QPushButton *course = p->courseButton(QStringLiteral("Kurz"));
        QVERIFY(course);
        hook::shown().clear();
        hook::queue(messages::Answer::No);
        course->click();
        QCOMPARE(hook::shown().size(), 1);
        QVERIFY(hook::shown().first().text.startsWith(QStringLiteral("Neexistuje Obsah.txt")));
        QCOMPARE(int(p->session().course.CurrentLevel), 2);
    }

    void withoutTextTableQuestionsAreAsked_data()
    {
        QTest::addColumn<QStringList>("config");
        QTest::addColumn<bool>("asked");
        QTest::newRow("no table") << QStringList() << true;
        QTest::newRow("table without the key") << QStringList{QStringLiteral("0*IP*x")} << true;
        QTest::newRow("table silences it")
            << QStringList{QStringLiteral("0*IP*x"), QStringLiteral("0*END*Koniec?")} << false;
    }

    void withoutTextTableQuestionsAreAsked()
    {
        QFETCH(QStringList, config);
        QFETCH(bool, asked);
        if (!config.isEmpty())
            p->write(QStringLiteral("CONFIG.TXT"), config);
        p->start();
        hook::shown().clear();
        hook::queue(messages::Answer::No);
        ui(p->main()).SpeedButton2->click();
        // A question answered No ends nothing; a silenced one counts as Yes.
        QCOMPARE(hook::shown().size(), asked ? 1 : 0);
        QCOMPARE(p->session().terminateRequested, !asked);
        if (asked)
            QCOMPARE(hook::shown().first().text, QStringLiteral("Chcete ukončiť program ?"));
    }

    void screenPathIsRememberedAndReopened()
    {
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        writeCourse(QStringLiteral("Kurz"));
        p->start();
        const QString folder = QDir::cleanPath(p->program());
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *top) {
            p->onLevel(3, [&](TForm1 *chapter) {
                // Going back from the deepest screen keeps the steps to the chapter.
                p->onLevel(4, [&](TForm1 *deepest) { deepest->close(); });
                testing::RunningProgram::press(chapter, QStringLiteral("Button13"));
                QCOMPARE(UserSettings().resumeTrail(folder),
                         (ResumeTrail{{QStringLiteral("Kurz"), QStringLiteral("Kurz")},
                                      {QStringLiteral("kap1.txt"), QStringLiteral("Kapitola jedna")}}));
                p->onLevel(4, [&](TForm1 *deepest) {
                    p->session().requestTerminate(); // the learner ends the program here
                    deepest->hide();
                });
                testing::RunningProgram::press(chapter, QStringLiteral("Button13"));
            });
            testing::RunningProgram::press(top, QStringLiteral("Button12"));
        });
        const ResumeTrail trail = UserSettings().resumeTrail(folder);
        QCOMPARE(trail,
                 (ResumeTrail{{QStringLiteral("Kurz"), QStringLiteral("Kurz")},
                              {QStringLiteral("kap1.txt"), QStringLiteral("Kapitola jedna")},
                              {QStringLiteral("KAP2.TXT"), QStringLiteral("Ďalej")}}));

        // The next start on the same courses offers to go back there.
        auto again = std::make_unique<testing::RunningProgram>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, p->root() + QStringLiteral("/settings"));
        again->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        std::swap(p, again);
        writeCourse(QStringLiteral("Kurz"));
        {
            UserSettings settings;
            for (int i = 0; i < trail.size(); ++i)
                settings.enterLevel(p->program(), i + 2, trail.at(i));
        }
        p->start();
        auto *resume = qobject_cast<QPushButton *>(panelChild(QStringLiteral("ResumeButton")));
        QVERIFY(resume);
        QCOMPARE(resume->text(), QStringLiteral("Pokračovať tam, kde ste skončili"));
        // The focus starts on it; Tab goes on in reading order to the own links and "Koniec".
        QTRY_COMPARE(p->main().focusWidget(), resume);
        QCOMPARE(tabSequence(resume, 6),
                 (QStringList{QStringLiteral("ResumeButton"), QStringLiteral("OpenFolderButton"),
                              QStringLiteral("RecentFolder1"), p->courseButton(QStringLiteral("Kurz"))->objectName(),
                              QStringLiteral("SpeedButton2")}));
        // Watched by a timer that never waits itself: each level the runner opens runs
        // its own modal loop.
        QString reached;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            TForm1 *deepest = p->window(4);
            if (!deepest || !deepest->isVisible())
                return;
            watch.stop();
            reached = ui(deepest).Memo1->toPlainText() + QLatin1Char('|') + ui(deepest).Label1->toolTip();
            p->session().requestTerminate();
            deepest->hide();
        });
        QTimer::singleShot(20000, &watch, [&] {
            watch.stop();
            p->session().requestTerminate();
        });
        watch.start(20);
        resume->click();
        QCOMPARE(reached, QStringLiteral("Koniec cesty|Kurz - Kapitola jedna - Ďalej"));
        again.reset();
    }

    void damagedSettingsAreReportedAndSetAside()
    {
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        writeCourse(QStringLiteral("Kurz"));
        const QString file =
            QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Lumora"), QStringLiteral("lumora"))
                .fileName();
        QDir().mkpath(QFileInfo(file).path());
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("[recent\nfolders\x01\xff=\n[");
        damaged.close();
        p->start();
        QCOMPARE(hook::shown().size(), 1);
        QVERIFY(hook::shown().first().text.contains(UserSettings::damagedName(file)));
        QVERIFY(QFile::exists(UserSettings::damagedName(file)));
        // The program goes on with fresh settings.
        const QString program = QDir::cleanPath(p->program());
        QCOMPARE(UserSettings().recentFolders(), QStringList{program});

        // The folder opened last comes first, once; opening it again writes nothing.
        const auto fileId = [&file] {
            struct stat st {};
            return ::stat(QFile::encodeName(file).constData(), &st) == 0 ? qint64(st.st_ino) : -1;
        };
        const qint64 written = fileId();
        UserSettings().addRecentFolder(program);
        QCOMPARE(fileId(), written);
        UserSettings().addRecentFolder(p->root());
        UserSettings().addRecentFolder(program);
        QCOMPARE(UserSettings().recentFolders(), (QStringList{program, p->root()}));
    }

    void utf8ContentFilesReadRightly()
    {
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        QDir().mkpath(p->program() + QStringLiteral("/Kurz"));
        QFile file(p->program() + QStringLiteral("/Kurz/Obsah.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF[Učebnica ťažkých slov]kap1.txt\r\n<Ľúbostné žlté kôň>\r\n");
        file.close();
        p->start();
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *top) {
            const QPushButton *first = testing::RunningProgram::button(top, QStringLiteral("Button12"));
            QVERIFY(first);
            QCOMPARE(first->toolTip(), QStringLiteral("Učebnica ťažkých slov"));
            QCOMPARE(ui(top).Memo1->toPlainText(), QStringLiteral("Ľúbostné žlté kôň"));
        });
    }
};

QTEST_MAIN(TestStartScreen)
#include "tst_startscreen.moc"
