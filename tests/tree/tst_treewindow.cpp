// The tree window offscreen on a prepared program folder (with blanks in its name): the
// tree, the caption search, the integrity list, a screen opened in a second copy with
// its arguments whole, and the tree entry of a search window.
#include "app/tform1.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "runningprogram.h"
#include "state/session.h"
#include "tree/coursetreemodel.h"
#include "tree/toknohladaj.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTreeView>

using namespace lumora;
namespace hook = lumora::messages::hook;

// Takes the addresses the desktop would open.
class Desktop : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestTreeWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RunningProgram> p;

    QString program() const { return p->program(); }
    QString lastMessage() const { return hook::shown().isEmpty() ? QString() : hook::shown().last().text; }

    // Runs step on the tree window opened from the top screen of the course.
    void inTree(std::function<void(TOknoHladaj *)> step, const QString &course = QStringLiteral("Môj kurz"))
    {
        p->start();
        p->inCourse(course, [&](TForm1 *w) {
            testing::RunningProgram::onWindow<TOknoHladaj>([w] { ui(w).Hadaj1->trigger(); }, step);
        });
    }

private slots:
    void init()
    {
        p = std::make_unique<testing::RunningProgram>(QStringLiteral("program s medzerou"));
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        p->write(QStringLiteral("Môj kurz/Obsah.txt"),
                 {QStringLiteral("[Úvod]uvod.txt"), QStringLiteral("[Kapitola Čísla]PODADR\\kap.txt"),
                  QStringLiteral("[Ukážka]demo.scm"), QStringLiteral("[Chýba]nie.pdf"),
                  QStringLiteral("[Späť]obsah.TXT"), QStringLiteral("<Text kurzu>")});
        p->write(QStringLiteral("Môj kurz/uvod.txt"), {QStringLiteral("[čítanie]citanie.htm")});
        p->write(QStringLiteral("Môj kurz/PODADR/kap.txt"),
                 {QStringLiteral("[Čítanie 2]uvod.txt"), QStringLiteral("<Odsek>")});
        p->write(QStringLiteral("Môj kurz/citanie.htm"), {QStringLiteral("<p>")});
    }

    void cleanup() { p.reset(); }

    void treeSearchAndIntegrity()
    {
        inTree([&](TOknoHladaj *t) {
            QCOMPARE(t->windowTitle(), QStringLiteral("Strom"));
            QCOMPARE(t->Label1->text(), QStringLiteral("Môj kurz"));
            QCOMPARE(t->selectedNode(), 0);
            QCOMPARE(t->Label3->text(), program() + QStringLiteral("/Môj kurz/Obsah.txt"));
            QCOMPARE(t->model()->tree().size(), 9);
            QVERIFY(t->TreeView1->isExpanded(t->model()->indexOfNode(4))); // fully expanded
            QVERIFY(!t->Hadanieintegrity1->isVisible() || t->Hadanieintegrity1->isEnabled());

            // Search: every letter's case, diacritics kept; next; the end of the tree.
            t->Hadanie1->trigger();
            QVERIFY(t->Panel1->isVisible());
            t->Edit1->setText(QStringLiteral("ČÍTANIE"));
            t->Button2->click();
            QCOMPARE(t->selectedNode(), 2);
            QCOMPARE(t->Label3->text(), program() + QStringLiteral("/Môj kurz/citanie.htm"));
            QVERIFY(t->Button3->isVisible() && t->Button4->isVisible() && !t->Button2->isEnabled());
            t->Button4->click();
            QCOMPARE(t->selectedNode(), 4);
            t->Button4->click();
            QCOMPARE(t->selectedNode(), 5);
            const qsizetype before = hook::shown().size();
            t->Button4->click();
            QCOMPARE(hook::shown().size(), before + 1);
            QCOMPARE(lastMessage(), QStringLiteral("Nenašlo"));
            QVERIFY(t->Button2->isEnabled() && t->Button3->isHidden() && t->Button4->isHidden());
            t->Edit1->setText(QStringLiteral("cit"));
            t->Button2->click();
            QCOMPARE(lastMessage(), QStringLiteral("Nenašlo"));
            t->Edit1->clear();
            t->Button2->click();
            QCOMPARE(lastMessage(), QStringLiteral("Nemám čo hladať"));
            t->Edit1->setText(QStringLiteral("čítanie 2"));
            t->Button2->click();
            QCOMPARE(t->SearchPosition, 4);

            // The integrity list: missing files with their caption paths, then the cycle.
            t->Hadanieintegrity1->trigger();
            QVERIFY(t->Memo1->isVisible() && t->Button5->isVisible() && t->TreeView1->isHidden());
            QVERIFY(!t->Hadanie1->isEnabled() && !t->Hadanieintegrity1->isEnabled() && t->Label3->isHidden());
            QCOMPARE(t->Label1->text(), QStringLiteral("Môj kurz Zoznam chýbajúcich a zacyklených súborov"));
            QCOMPARE(t->Memo1->toPlainText().split(u'\n'),
                     (QStringList{QStringLiteral("Môj kurz"), QString(), QStringLiteral("Ukážka -  demo.scm"),
                                  QStringLiteral("Chýba -  nie.pdf"),
                                  QStringLiteral("zacyklený súbor : obsah.TXT duplikovany v "),
                                  QStringLiteral("zacyklený súbor : obsah.TXT duplikovany v Obsah.txt->")}));
            QCOMPARE(t->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            QCOMPARE(t->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            t->Button5->click();
            QVERIFY(t->Memo1->isHidden() && t->TreeView1->isVisible() && t->Label3->isVisible());
            QCOMPARE(t->Label1->text(), QStringLiteral("Môj kurz"));
            QCOMPARE(t->Label3->text(), program() + QStringLiteral("/Môj kurz/uvod.txt")); // the selected node
            QCOMPARE(t->SearchPosition, 4);
            QCOMPARE(t->Edit1->text(), QStringLiteral("čítanie 2"));

            // A missing item reports its full path.
            t->TreeView1->setCurrentIndex(t->model()->indexOfNode(7));
            t->SpustiSubor();
            QCOMPARE(lastMessage(), program() + QStringLiteral("/Môj kurz/nie.pdf - súbor neexistuje"));
        });
    }

    // A screen opens in a second copy: the file and the caption path as two whole
    // arguments, in the program folder; the copy finds the course folder above the
    // screen's sub-folder.
    void secondCopy()
    {
        const QString record = p->root() + QStringLiteral("/args.txt");
        const QString stub = p->root() + QStringLiteral("/copy.sh");
        QFile script(stub);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\npwd > '" + QFile::encodeName(record)
                     + "'\n"
                       "for a in \"$@\"; do printf '%s\\n' \"$a\" >> '"
                     + QFile::encodeName(record) + "'; done\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        inTree([&](TOknoHladaj *t) {
            t->secondCopyProgram = stub;
            t->TreeView1->setCurrentIndex(t->model()->indexOfNode(3));
            t->SpustiSubor();
            QVERIFY(t->isEnabled());
        });
        const QString screen = program() + QStringLiteral("/Môj kurz/PODADR/kap.txt");
        QFile out(record);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(out.readAll()).split(u'\n'),
                 (QStringList{program(), screen, QStringLiteral("Môj kurz - Kapitola Čísla"), QString()}));

        p = std::make_unique<testing::RunningProgram>(QStringLiteral("program s medzerou"));
        init();
        p->start({program() + QStringLiteral("/Môj kurz/PODADR/kap.txt"), QStringLiteral("Môj kurz - Kapitola Čísla")});
        QCOMPARE(p->session().course.LevelFolder[1], QStringLiteral("Môj kurz"));
        QCOMPARE(p->session().course.ScreenFile[1], QStringLiteral("PODADR/kap.txt"));
        QCOMPARE(ui(p->main()).Label1->text(), QStringLiteral(" Môj kurz - Kapitola Čísla"));
    }

    // In a search window the tree entry offers to close it; Yes saves an edited text first.
    void searchWindowRefusesTheTree()
    {
        p->start({program() + QStringLiteral("/Môj kurz/PODADR/kap.txt"), QStringLiteral("K")});
        TForm1 &w = p->main();
        hook::queue(messages::Answer::No);
        w.Hadaj1Click();
        QCOMPARE(lastMessage(),
                 QStringLiteral("Vo vyhľadávacom okne sa nedá znovu vyhľadávať.\nZavrieť vyhľadávacie okno ?"));
        QVERIFY(!p->session().terminateRequested);

        ui(w).Editciatextu2->trigger();
        QVERIFY(w.editing());
        QTextCursor cursor(ui(w).Memo1->document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(QStringLiteral("Upravený odsek"));
        hook::queue(messages::Answer::Yes);
        hook::queue(messages::Answer::Yes);
        w.Hadaj1Click();
        QVERIFY(p->session().terminateRequested);
        QCOMPARE(textfile::readLines(program() + QStringLiteral("/Môj kurz/PODADR/kap.txt")).mid(1, 3),
                 (QStringList{QStringLiteral("<"), QStringLiteral("Upravený odsek"), QStringLiteral(">")}));
    }

    // The keyboard path: F10 opens the window's menu, Ctrl+F the search; Enter in the box
    // finds the next match and "Hľadaj ďalej" keeps the focus in the search panel; a
    // match 31 levels deep is scrolled into sight; Enter on a node opens it as a
    // double-click does (a web address through the desktop); a clean course's
    // integrity list says that nothing is missing.
    void keyboardPath()
    {
        const QString course = QStringLiteral("Hlboký kurz");
        const int depth = 31;
        p->write(course + QStringLiteral("/Obsah.txt"), {QStringLiteral("[Hĺbka 1]h1.txt")});
        for (int i = 1; i < depth; ++i)
            p->write(course + QStringLiteral("/h%1.txt").arg(i),
                     {QStringLiteral("[Hĺbka %1 s dlhým popisom]h%1.txt").arg(i + 1)});
        p->write(course + QStringLiteral("/h%1.txt").arg(depth), {QStringLiteral("[Dno]https://example.com/dno")});
        Desktop desktop;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &desktop, "open");
        const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); });

        inTree(
            [&](TOknoHladaj *t) {
                t->activateWindow();
                QTRY_COMPARE(QApplication::activeWindow(), t);
                QCOMPARE(t->Hadanie1->text(), QStringLiteral("&Hľadaj"));
                QCOMPARE(t->Hadanieintegrity1->text(), QStringLiteral("&Kontrola integrity"));
                bool menuShown = false;
                QTimer::singleShot(0, this, [&] {
                    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                    menuShown = menu && menu->activeAction() == t->Hadanie1;
                    if (menu)
                        QTest::keyClick(menu, Qt::Key_Return);
                });
                QTest::keyClick(t, Qt::Key_F10);
                QVERIFY(menuShown);
                QVERIFY(t->Panel1->isVisible());
                t->Panel1->hide();
                t->activateWindow(); // the offscreen platform does not give it back after the menu
                QTRY_COMPARE(QApplication::activeWindow(), t);
                t->TreeView1->setFocus();
                QTest::keyClick(t, Qt::Key_F, Qt::ControlModifier);
                QVERIFY(t->Panel1->isVisible() && t->Edit1->hasFocus());

                t->Edit1->setText(QStringLiteral("hĺbka"));
                QTest::keyClick(t->Edit1, Qt::Key_Return);
                QCOMPARE(t->selectedNode(), 1);
                QTest::keyClick(t->Edit1, Qt::Key_Return);
                QCOMPARE(t->selectedNode(), 2);
                QVERIFY(t->isVisible() && t->Edit1->hasFocus());
                t->Button4->setFocus();
                QTest::keyClick(t->Button4, Qt::Key_Space);
                QCOMPARE(t->selectedNode(), 3);
                QVERIFY(t->Panel1->isAncestorOf(QApplication::focusWidget()));

                t->Edit1->setText(QStringLiteral("dno"));
                QTest::keyClick(t->Edit1, Qt::Key_Return);
                QCOMPARE(t->selectedNode(), depth + 1);
                const QRect shown = t->TreeView1->visualRect(t->TreeView1->currentIndex());
                QVERIFY(t->TreeView1->horizontalScrollBar()->value() > 0);
                QVERIFY2(shown.left() >= 0 && shown.left() < t->TreeView1->viewport()->width(),
                         qPrintable(QString::number(shown.left())));

                t->TreeView1->setFocus();
                QTest::keyClick(t->TreeView1, Qt::Key_Return);
                QCOMPARE(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("https://example.com/dno"))});
                QVERIFY(t->isVisible());

                t->TreeView1->setCurrentIndex(t->model()->indexOfNode(1));
                t->Hadanieintegrity1->trigger();
                QCOMPARE(t->Memo1->toPlainText().split(u'\n'),
                         (QStringList{course, QString(),
                                      QStringLiteral("Žiadny súbor nechýba a žiadny nie je zacyklený.")}));
                t->Button5->click();
                QCOMPARE(t->Label3->text(), program() + u'/' + course + QStringLiteral("/h1.txt"));
            },
            course);
    }

    // On the program's first screen the entry does nothing.
    void nothingOnTheFirstScreen()
    {
        p->start();
        bool opened = false;
        QTimer::singleShot(0, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *tree = qobject_cast<TOknoHladaj *>(w)) {
                    opened = true;
                    tree->close();
                }
            }
        });
        p->main().Hadaj1Click();
        QTest::qWait(20);
        QVERIFY(!opened);
    }
};

QTEST_MAIN(TestTreeWindow)
#include "tst_treewindow.moc"
