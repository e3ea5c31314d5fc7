// The learner's progress on the screens: lesson buttons of visited screens and items
// carry the mark after going back and after a restart, "Vymazať postup kurzu…" takes it
// away, and the root screen shows the count of each opened course.
#include "app/tform1.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "runningprogram.h"
#include "screens/visitedmark.h"
#include "course/progressfile.h"
#include "state/session.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestProgress : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RunningProgram> p;

    QString course() const { return p->program() + QStringLiteral("/Kurz"); }
    QString progressFile() const { return p->work() + QStringLiteral("/Kurz/lumora-postup.lst"); }
    static QPushButton *button(TForm1 *w, int number, int level)
    {
        return testing::RunningProgram::button(w, QStringLiteral("Button%1%2").arg(number).arg(level));
    }
    // The marked buttons of the course's top screen, by number.
    static QList<int> marked(TForm1 *w)
    {
        QList<int> numbers;
        for (int number = 1; number <= 5; ++number) {
            if (screens::markedVisited(button(w, number, 2)))
                numbers << number;
        }
        return numbers;
    }
    // Opens the screen behind a button of the top screen and goes back from it.
    void visit(TForm1 *w, int number)
    {
        p->onLevel(3, [](TForm1 *next) { next->close(); });
        button(w, number, 2)->click();
    }
    QWidget *countBadge(const QString &caption) const
    {
        QPushButton *courseButton = p->courseButton(caption);
        return courseButton ? courseButton->findChild<QWidget *>(QStringLiteral("CourseProgress")) : nullptr;
    }

private slots:
    void init()
    {
        p = std::make_unique<testing::RunningProgram>();
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        p->write(QStringLiteral("Kurz/Obsah.txt"),
                 {QStringLiteral("[Prvá]prva.txt"),            // 1
                  QStringLiteral("[Druhá]Podkurz\\DRUHA.TXT"), // 2: spelled otherwise than on disk
                  QStringLiteral("[Obrázok]obraz.bmp"),        // 3
                  QStringLiteral("[Tretia]tretia.txt"),        // 4
                  QStringLiteral("[Chýba]nie.bmp")});          // 5
        p->write(QStringLiteral("Kurz/prva.txt"), {QStringLiteral("<Prvá>")});
        p->write(QStringLiteral("Kurz/Podkurz/druha.txt"), {QStringLiteral("<Druhá>")});
        p->write(QStringLiteral("Kurz/tretia.txt"), {QStringLiteral("<Tretia>")});
        p->write(QStringLiteral("Iný kurz/Obsah.txt"), {QStringLiteral("[Prvá]prva.txt")});
        QImage picture(20, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(course() + QStringLiteral("/obraz.bmp"), "BMP"));
    }

    void cleanup() { p.reset(); }

    void visitedButtonsAreMarkedUntilForgotten()
    {
        p->start();
        // A course never opened shows no count.
        QVERIFY(!countBadge(QStringLiteral("Kurz")));
        QVERIFY(p->courseButton(QStringLiteral("Kurz"))->accessibleDescription().isEmpty());

        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QCOMPARE(marked(w), QList<int>{});
            visit(w, 1);
            visit(w, 2);
            testing::RunningProgram::onDialog([](QWidget *) {});
            button(w, 3, 2)->click(); // the picture window
            button(w, 5, 2)->click(); // a missing picture is not visited
            // Back on the screen: the buttons of what was seen carry the mark, and say so.
            QCOMPARE(marked(w), (QList<int>{1, 2, 3}));
            QVERIFY2(button(w, 1, 2)->accessibleDescription().endsWith(QStringLiteral(", navštívené")),
                     qPrintable(button(w, 1, 2)->accessibleDescription()));
            QVERIFY(!button(w, 4, 2)->accessibleDescription().contains(QStringLiteral("navštívené")));
        });
        QVERIFY(QFileInfo(progressFile()).isFile());
        QVERIFY(!QFileInfo(course() + QStringLiteral("/lumora-postup.lst")).exists());

        // The root screen counts the course's screens: the top one and two of the three below.
        QTRY_VERIFY(countBadge(QStringLiteral("Kurz")));
        QTRY_COMPARE(countBadge(QStringLiteral("Kurz"))->property("text").toString(), QStringLiteral("3 / 4"));
        QCOMPARE(p->courseButton(QStringLiteral("Kurz"))->accessibleDescription(),
                 QStringLiteral("Navštívené obrazovky: 3 / 4"));
        QVERIFY(!countBadge(QStringLiteral("Iný kurz")));

        // After a restart the marks and the count are still there.
        p->start();
        QTRY_VERIFY(countBadge(QStringLiteral("Kurz")));
        QTRY_COMPARE(countBadge(QStringLiteral("Kurz"))->property("text").toString(), QStringLiteral("3 / 4"));
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QCOMPARE(marked(w), (QList<int>{1, 2, 3}));
            // Forgetting asks first, with No as the default; No keeps everything.
            auto *forget = w->findChild<QAction *>(QStringLiteral("ForgetProgressEntry"));
            QVERIFY(forget);
            auto *menu = w->findChild<QMenu *>(QStringLiteral("Vlastn1"));
            emit menu->aboutToShow();
            QVERIFY(forget->isEnabled());
            QCOMPARE(forget->text().remove(QLatin1Char('&')), QStringLiteral("Vymazať postup kurzu…"));
            hook::queue(messages::Answer::No);
            forget->trigger();
            QCOMPARE(marked(w), (QList<int>{1, 2, 3}));
            QVERIFY(hook::shown().last().defaultNo);
            hook::queue(messages::Answer::Yes);
            forget->trigger();
            QCOMPARE(marked(w), QList<int>{});
            QVERIFY(!button(w, 1, 2)->accessibleDescription().contains(QStringLiteral("navštívené")));
        });
        // The course's notes folder stays; only the progress is gone, and with it the count
        // (the top screen was recorded again when it was shown after the restart).
        QVERIFY(QFileInfo(p->work() + QStringLiteral("/Kurz")).isDir());
        QCOMPARE(course::progress::read(course::progress::place(p->work(), QStringLiteral("Kurz"))).entries(),
                 QStringList{});
        p->start();
        QTest::qWait(50);
        QTRY_VERIFY(!countBadge(QStringLiteral("Kurz")));
    }

    void theMenuEntryWaitsForACourse()
    {
        p->start();
        auto *menu = p->main().findChild<QMenu *>(QStringLiteral("Vlastn1"));
        auto *forget = p->main().findChild<QAction *>(QStringLiteral("ForgetProgressEntry"));
        QVERIFY(menu && forget);
        emit menu->aboutToShow();
        QVERIFY(!forget->isEnabled());
    }

    // A course on a share that cannot be written keeps its progress just the same: in the
    // work folder.
    void aReadOnlyCourseWorksTheSame()
    {
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;
        QVERIFY(QFile::setPermissions(course(), readOnly));
        p->start();
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            visit(w, 4);
            QCOMPARE(marked(w), QList<int>{4});
        });
        QFile::setPermissions(course(), readOnly | QFile::WriteOwner);
        QCOMPARE(course::progress::read(course::progress::place(p->work(), QStringLiteral("Kurz"))).entries(),
                 (QStringList{QStringLiteral("Obsah.txt"), QStringLiteral("tretia.txt")}));
    }
};

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
