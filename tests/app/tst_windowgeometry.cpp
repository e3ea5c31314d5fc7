// Where windows stand and what answers the mouse, on offscreen screens (offscreen-large.json):
// one of 1600 × 1200, where every configured height fits, and 960 × 480, what a
// 1920 × 1080 display at 200 % leaves once a desktop panel and a real title bar (larger
// than the offscreen frame) are counted. No control of the root screen or of a course screen
// covers another at the heights a program folder may configure; a dialog opens centred
// on the window it belongs to, fitted to the screen, its controls all reachable.
#include "app/screenfit.h"
#include "runningprogram.h"
#include "state/usersettings.h"
#include "text/toknoeditlek.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QTest>

using namespace lumora;
using lumora::testing::RunningProgram;

namespace {

bool pressable(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractScrollArea *>(widget);
}

// Every visible control of the window (a control's own parts, such as a text's scroll
// bars, count as that control) whose centre does not answer the mouse itself.
QStringList coveredControls(QWidget *window)
{
    QStringList problems;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!pressable(control) || !control->isVisible())
            continue;
        bool part = false;
        for (QWidget *up = control->parentWidget(); up && up != window; up = up->parentWidget())
            part = part || pressable(up);
        if (part)
            continue;
        const QPoint centre = control->mapToGlobal(control->rect().center());
        QWidget *hit = QApplication::widgetAt(centre);
        if (hit != control && !control->isAncestorOf(hit))
            problems << QStringLiteral("%1 \"%2\" is covered by %3")
                            .arg(control->objectName(), control->property("text").toString(),
                                 hit ? hit->objectName() + QLatin1Char(' ') + hit->metaObject()->className()
                                     : QStringLiteral("nothing"));
    }
    return problems;
}

// How far a window's frame centre lies from its parent's frame centre.
int offCentre(const QWidget *window)
{
    return (window->frameGeometry().center() - window->parentWidget()->window()->frameGeometry().center())
        .manhattanLength();
}

} // namespace

class TestWindowGeometry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { screenfit::install(*qApp); }

    void noControlCoversAnother_data()
    {
        QTest::addColumn<int>("height");
        for (int height : {640, 800, 1024})
            QTest::addRow("%d", height) << height;
    }

    // The start panel with its recent folders beside "Koniec" and the own-links box,
    // then a course screen with lesson buttons, links and the notes button.
    void noControlCoversAnother()
    {
        QFETCH(int, height);
        RunningProgram p;
        p.write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("1*HEIGHT*%1").arg(height)});
        p.write(QStringLiteral("Kurz/Obsah.txt"),
                {QStringLiteral("[Prvá kapitola]kap1.txt"), QStringLiteral("[Druhá kapitola]kap1.txt"),
                 QStringLiteral("[Stránka školy]https://skola.sk"), QStringLiteral("//https://kurz.sk"),
                 QStringLiteral("<Prvý odsek lekcie.>")});
        p.write(QStringLiteral("Kurz/kap1.txt"), {QStringLiteral("<Text>")});
        p.write(QStringLiteral("Druhý kurz/Obsah.txt"), {QStringLiteral("<Text>")});
        {
            UserSettings settings;
            for (int i = 1; i <= 6; ++i) {
                const QString folder = p.root() + QStringLiteral("/predtym%1").arg(i);
                QVERIFY(QDir().mkpath(folder));
                settings.addRecentFolder(folder);
            }
        }
        p.start({}, QSize(1600, 1200));
        QVERIFY(QTest::qWaitForWindowExposed(&p.main()));
        QCOMPARE(p.main().height(), height);
        QVERIFY(p.main().findChild<QWidget *>(QStringLiteral("RecentFolder1")));
        QStringList problems = coveredControls(&p.main());
        p.inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            for (const QString &problem : coveredControls(w))
                problems << QStringLiteral("course screen: ") + problem;
        });
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // A dialog stands centred on its window; one larger than the screen is shrunk to it.
    void dialogsCentredOnTheirWindowThenFitted()
    {
        RunningProgram p;
        p.write(QStringLiteral("CONFIG.TXT"),
                {QStringLiteral("1*LEFT CORNER*700"), QStringLiteral("1*TOP CORNER*500")});
        p.write(QStringLiteral("Kurz/Obsah.txt"), {QStringLiteral("<Text>")});
        p.start({}, QSize(1600, 1200));
        QVERIFY(QTest::qWaitForWindowExposed(&p.main()));
        QCOMPARE(p.main().pos(), QPoint(700, 500));

        QDialog small(&p.main());
        small.resize(300, 200);
        small.show();
        QVERIFY(QTest::qWaitForWindowExposed(&small));
        QVERIFY2(offCentre(&small) <= 4, qPrintable(QString::number(offCentre(&small))));

        const QRect available = p.main().screen()->availableGeometry();
        QDialog large(&p.main());
        large.setFixedSize(available.width() + 200, 300);
        large.show();
        QVERIFY(QTest::qWaitForWindowExposed(&large));
        QTRY_VERIFY(available.contains(large.frameGeometry()));
        QVERIFY(std::abs(large.frameGeometry().center().y() - p.main().frameGeometry().center().y()) <= 4);
    }

    // At 200 % the lesson editor fits the screen and every button can be reached.
    void lessonEditorFitsAScaledScreen()
    {
        QScreen *scaled = nullptr;
        for (QScreen *screen : QGuiApplication::screens())
            scaled = screen->name() == QLatin1String("Scaled") ? screen : scaled;
        QVERIFY(scaled);
        RunningProgram p;
        p.write(QStringLiteral("Kurz/Obsah.txt"), {QStringLiteral("[Kapitola]kap1.txt"), QStringLiteral("<Text>")});
        p.start({}, QSize(1600, 1200));
        QWidget owner;
        owner.setScreen(scaled);
        owner.setGeometry(QRect(scaled->geometry().topLeft() + QPoint(100, 80), QSize(600, 360)));
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        TOknoEditLek editor(p.session(), &owner);
        editor.folder = QStringLiteral("Kurz");
        editor.contentName = QStringLiteral("Obsah.txt");
        editor.openFiles();
        editor.setScreen(scaled);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QTRY_VERIFY2(scaled->availableGeometry().contains(editor.frameGeometry()),
                     qPrintable(QStringLiteral("%1,%2 %3x%4")
                                    .arg(editor.frameGeometry().x())
                                    .arg(editor.frameGeometry().y())
                                    .arg(editor.frameGeometry().width())
                                    .arg(editor.frameGeometry().height())));
        auto *scroll = editor.findChild<QScrollArea *>(QStringLiteral("ScreenFitScroll"));
        QVERIFY(scroll);
        for (QPushButton *button : {editor.Button1, editor.Button2, editor.Button3}) {
            scroll->ensureWidgetVisible(button);
            const QRect inWindow(button->mapTo(&editor, QPoint(0, 0)), button->size());
            QVERIFY2(editor.rect().contains(inWindow), qPrintable(button->text()));
        }
    }
};

QTEST_MAIN(TestWindowGeometry)
#include "tst_windowgeometry.moc"
