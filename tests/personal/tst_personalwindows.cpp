// The notes, own-links and copy windows on a course screen offscreen: what they write
// to the work folder and what the screen's notes button and links box show afterwards.
#include "app/tform1.h"
#include "golden.h"
#include "personal/copywindow.h"
#include "personal/linkswindow.h"
#include "personal/notewindow.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "runningprogram.h"
#include "state/session.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestPersonalWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RunningProgram> p;

    QString work(const QString &name) const { return p->work() + QLatin1Char('/') + name; }
    QByteArray bytes(const QString &name) const
    {
        QFile file(work(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Runs step on the window of type W that action opens on the course's top screen.
    template <typename W>
    void onWindow(TForm1 *w, QAction *action, std::function<void(W *)> step)
    {
        bool seen = false;
        testing::RunningProgram::onDialog([&](QWidget *dialog) {
            auto *window = qobject_cast<W *>(dialog);
            QVERIFY(window);
            seen = true;
            step(window);
        });
        action->trigger();
        QVERIFY(seen);
        QVERIFY(!w->findChild<W *>());
    }

    static QStringList boxEntries(QComboBox *box)
    {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }

private slots:
    void init()
    {
        p = std::make_unique<testing::RunningProgram>();
        p->write(QStringLiteral("Kurz/Obsah.txt"), {QStringLiteral("[Kapitola]kap1.txt"), QStringLiteral("//https://kurz.sk")});
        p->write(QStringLiteral("Kurz/kap1.txt"), {QStringLiteral("<Text>")});
        p->start();
    }

    void cleanup() { p.reset(); }

    void noteSaveCancelErase()
    {
        const QString longLine = QStringLiteral("https://adresa.sk/") + QString(300, QLatin1Char('a'));
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QVERIFY(w->Button1->isHidden());
            // Another copy of the program may have rewritten the level file: the window
            // goes by this program's own level.
            textfile::writeBytes(work(QStringLiteral("Okna")), "19");
            // Only blanks: nothing is written and the window stays open.
            onWindow<TOknoPoznamka>(w, w->Poznmky1, [&](TOknoPoznamka *n) {
                QCOMPARE(n->windowTitle(), QStringLiteral("Poznámky"));
                QVERIFY(n->Button3->isHidden());
                QVERIFY(n->Label1->text().endsWith(work(QStringLiteral("Obsah.txt"))));
                n->Memo1->setPlainText(QStringLiteral("  \n\n "));
                n->Button1->click();
                QVERIFY(n->isVisible());
                QVERIFY(!QFile::exists(work(QStringLiteral("Obsah.txt"))));
                // A long line wraps in the box but is stored as the one line it is.
                n->Memo1->setPlainText(QStringLiteral("prvá\n") + longLine + QStringLiteral("\n\ntretia"));
                QVERIFY(!n->Button3->isHidden());
                n->Button1->click();
                QVERIFY(!n->isVisible());
            });
            QCOMPARE(bytes(QStringLiteral("Obsah.txt")),
                     textfile::encode(QStringLiteral("prvá\r\n") + longLine + QStringLiteral("\r\n\r\ntretia\r\n")));
            QVERIFY(!w->Button1->isHidden());

            // Cancelling writes nothing; the note comes back as it was stored.
            onWindow<TOknoPoznamka>(w, w->Poznmky1, [&](TOknoPoznamka *n) {
                QCOMPARE(n->noteLines(), (QStringList{QStringLiteral("prvá"), longLine, QString(), QStringLiteral("tretia")}));
                n->Memo1->setPlainText(QStringLiteral("zmenené"));
                n->Button2->click();
            });
            QVERIFY(bytes(QStringLiteral("Obsah.txt")).startsWith("prv"));

            // Characters the code page lacks: No keeps the window open and the file as it
            // was; Yes stores them as "?".
            onWindow<TOknoPoznamka>(w, w->Poznmky1, [&](TOknoPoznamka *n) {
                n->Memo1->setPlainText(QStringLiteral("čaj ☕"));
                hook::queue(messages::Answer::No);
                n->Button1->click();
                QVERIFY(n->isVisible());
                QVERIFY(hook::shown().last().text.contains(QStringLiteral("☕")));
                QVERIFY(bytes(QStringLiteral("Obsah.txt")).startsWith("prv"));
                hook::queue(messages::Answer::Yes);
                n->Button1->click();
            });
            QCOMPARE(bytes(QStringLiteral("Obsah.txt")), textfile::encode(QStringLiteral("čaj ?\r\n")));

            // Erasing (the confirmation counts as Yes without a text table) and closing.
            onWindow<TOknoPoznamka>(w, w->Poznmky1, [&](TOknoPoznamka *n) {
                n->Button3->click();
                QVERIFY(n->isVisible());
                QVERIFY(n->Memo1->toPlainText().isEmpty());
                QVERIFY(n->Button3->isHidden());
                n->Button4->click();
            });
            QVERIFY(!QFile::exists(work(QStringLiteral("Obsah.txt"))));
            QVERIFY(w->Button1->isHidden());
        });
    }

    void notesButtonSavesTheEditedLessonFirst()
    {
        textfile::writeLines(work(QStringLiteral("Obsah.txt")), {QStringLiteral("moja poznámka")});
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QVERIFY(!w->Button1->isHidden());
            w->Editciatextu2->trigger();
            QVERIFY(w->editing());
            w->Memo1->setPlainText(QStringLiteral("Nový text lekcie"));
            // Without a text table the question counts as Yes: the text is saved, then
            // the note opens.
            bool opened = false;
            testing::RunningProgram::onDialog([&](QWidget *dialog) {
                auto *n = qobject_cast<TOknoPoznamka *>(dialog);
                QVERIFY(n);
                opened = true;
                QCOMPARE(n->noteLines(), QStringList{QStringLiteral("moja poznámka")});
            });
            w->Button1->click();
            QVERIFY(opened);
            QVERIFY(!w->editing());
        });
        QVERIFY(testing::fileBytes(p->program() + QStringLiteral("/Kurz/Obsah.txt")).contains(textfile::encode(QStringLiteral("Nový text lekcie"))));
    }

    void searchWindowNotesAreTheScreens()
    {
        // A search window shows one screen as its level 1: its note is that screen's,
        // not the program's first screen's.
        p.reset();
        p = std::make_unique<testing::RunningProgram>();
        p->write(QStringLiteral("Kurz/kap1.txt"), {QStringLiteral("<Text>")});
        p->start({p->program() + QStringLiteral("/Kurz/kap1.txt"), QStringLiteral("Kurz"), QStringLiteral("Kapitola")});
        TForm1 &w = p->main();
        QVERIFY(w.Button1->isHidden());
        onWindow<TOknoPoznamka>(&w, w.Poznmky1, [&](TOknoPoznamka *n) {
            n->Memo1->setPlainText(QStringLiteral("z vyhľadávania"));
            n->Button1->click();
        });
        QVERIFY(QFile::exists(work(QStringLiteral("kap1.txt"))));
        QVERIFY(!QFile::exists(work(QStringLiteral("lumora.txt"))));
        QVERIFY(!w.Button1->isHidden());
        w.close();
    }

    void failedNoteSaveKeepsTheText()
    {
        // A notes name that is a folder cannot be written: the error is shown, the window
        // stays open with its text and the folder is untouched.
        QDir().mkpath(work(QStringLiteral("Obsah.txt/vnutri")));
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            onWindow<TOknoPoznamka>(w, w->Poznmky1, [&](TOknoPoznamka *n) {
                n->Memo1->setPlainText(QStringLiteral("nestratiť"));
                hook::shown().clear();
                n->Button1->click();
                QVERIFY(n->isVisible());
                QCOMPARE(n->Memo1->toPlainText(), QStringLiteral("nestratiť"));
                QCOMPARE(hook::shown().size(), 1);
                QVERIFY(hook::shown().at(0).text.contains(QStringLiteral("Obsah.txt")));
            });
            QVERIFY(QDir(work(QStringLiteral("Obsah.txt/vnutri"))).exists());
        });
    }

    void linksAddEditErase()
    {
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QCOMPARE(boxEntries(w->ComboBox1), QStringList{QStringLiteral("https://kurz.sk")});
            QVERIFY(w->ComboBox2->isHidden());
            onWindow<TOknoOdkazy>(w, w->Odkazy1, [&](TOknoOdkazy *o) {
                QVERIFY(o->Button3->isHidden() && o->Button5->isHidden());
                o->Button1->click();                       // an empty edit box adds nothing
                QVERIFY(!QFile::exists(work(QStringLiteral("Obsah.htm"))));
                for (const char *link : {"https://a.sk", "https://b.sk", "https://c.sk"}) {
                    o->Edit1->setText(QString::fromLatin1(link));
                    o->Button1->click();
                }
                QCOMPARE(bytes(QStringLiteral("Obsah.htm")), QByteArray("https://a.sk\r\nhttps://b.sk\r\nhttps://c.sk\r\n"));
                QVERIFY(!o->Button3->isHidden() && !o->Button5->isHidden());

                // "Oprav" takes the link out; "Zruš zmeny" puts it back where it was.
                o->ListBox1->setCurrentRow(0);
                o->Button5->click();
                QCOMPARE(o->Edit1->text(), QStringLiteral("https://a.sk"));
                QCOMPARE(o->links(), (QStringList{QStringLiteral("https://b.sk"), QStringLiteral("https://c.sk")}));
                o->Button2->click();
                QCOMPARE(o->links().first(), QStringLiteral("https://a.sk"));
                QCOMPARE(bytes(QStringLiteral("Obsah.htm")), QByteArray("https://a.sk\r\nhttps://b.sk\r\nhttps://c.sk\r\n"));

                // An edited link goes to the end; erasing takes the selected one out.
                o->ListBox1->setCurrentRow(0);
                o->Button5->click();
                o->Edit1->setText(QStringLiteral("https://a2.sk"));
                o->Button1->click();
                o->ListBox1->setCurrentRow(0);
                o->Button3->click();
                QCOMPARE(o->links(), (QStringList{QStringLiteral("https://c.sk"), QStringLiteral("https://a2.sk")}));

                // Closing with a link taken out and the box closed: it goes back.
                o->ListBox1->setCurrentRow(1);
                o->Button5->click();
                o->reject();
            });
            QCOMPARE(bytes(QStringLiteral("Obsah.htm")), QByteArray("https://c.sk\r\nhttps://a2.sk\r\n"));
            QCOMPARE(boxEntries(w->ComboBox2), (QStringList{QStringLiteral("https://c.sk"), QStringLiteral("https://a2.sk")}));
            QVERIFY(!w->ComboBox2->isHidden() && !w->Label4->isHidden());
            // An entry reached with the keyboard is not opened: it only shows as the hint.
            QTest::keyClick(w->ComboBox2, Qt::Key_Down);
            QCOMPARE(w->ComboBox2->currentIndex(), 1);
            QCOMPARE(w->ComboBox2->toolTip(), QStringLiteral("https://a2.sk"));

            // With the closing question silenced, a typed link is added, not dropped.
            onWindow<TOknoOdkazy>(w, w->Odkazy1, [&](TOknoOdkazy *o) {
                o->Edit1->setText(QStringLiteral("https://d.sk"));
                o->Button4->click();
            });
            QCOMPARE(boxEntries(w->ComboBox2).last(), QStringLiteral("https://d.sk"));

            // Erasing every link leaves an empty file and hides the box and its label.
            onWindow<TOknoOdkazy>(w, w->Odkazy1, [&](TOknoOdkazy *o) {
                while (o->ListBox1->count() > 0) {
                    o->ListBox1->setCurrentRow(0);
                    o->Button3->click();
                }
                o->Button4->click();
            });
            QCOMPARE(bytes(QStringLiteral("Obsah.htm")), QByteArray());
            QVERIFY(w->ComboBox2->isHidden() && w->Label4->isHidden());
        });
    }

    void linksFileWithEmptyLines()
    {
        textfile::writeBytes(work(QStringLiteral("Obsah.htm")), "https://x.sk\r\n\r\nhttps://y.sk\rhttps://z.sk");
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            // The box skips empty lines; the window keeps them until the next save.
            QCOMPARE(boxEntries(w->ComboBox2).size(), 3);
            onWindow<TOknoOdkazy>(w, w->Odkazy1, [&](TOknoOdkazy *o) {
                QCOMPARE(o->links().size(), 4);
                o->Button4->click();
            });
            QCOMPARE(bytes(QStringLiteral("Obsah.htm")), QByteArray("https://x.sk\r\nhttps://y.sk\r\nhttps://z.sk\r\n"));
        });
    }

    void copyBothWaysStopsAtTheFailingFile()
    {
        const QString other = p->root() + QStringLiteral("/usb");
        QDir().mkpath(other);
        for (const char *name : {"a.txt", "b.htm", "c.txt"})
            textfile::writeBytes(work(QString::fromLatin1(name)), QByteArray("obsah ") + name);
        textfile::writeBytes(work(QStringLiteral("Okna")), "2");
        // A folder named like the second file: that copy cannot be created.
        QDir().mkpath(other + QStringLiteral("/b.htm"));
        textfile::writeLines(other + QStringLiteral("/stara.txt"), {QStringLiteral("stará poznámka")});

        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QVERIFY(w->Koprovanie1->isEnabled());
            onWindow<TOknoKopy>(w, w->Koprovanie1, [&](TOknoKopy *k) {
                QCOMPARE(k->Label1->text(), p->work() + QLatin1Char('/'));
                QStringList left;
                for (int i = 0; i < k->FileListBox1->count(); ++i)
                    left << k->FileListBox1->item(i)->text();
                QCOMPARE(left, (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.htm"), QStringLiteral("c.txt")}));

                k->showRightFolder(other);
                k->FileListBox1->selectAll();
                hook::shown().clear();
                k->SpeedButton4->click();
                QCOMPARE(hook::shown().size(), 1);
                QVERIFY(hook::shown().at(0).text.contains(QStringLiteral("b.htm")));
                QVERIFY(QFile::exists(other + QStringLiteral("/a.txt")));
                QVERIFY(!QFile::exists(other + QStringLiteral("/c.txt")));
                QVERIFY(k->isVisible());

                // The other way: an old note comes into the work folder.
                const auto items = k->FileListBox2->findItems(QStringLiteral("stara.txt"), Qt::MatchExactly);
                QCOMPARE(items.size(), 1);
                items.first()->setSelected(true);
                k->SpeedButton3->click();
                QVERIFY(!k->FileListBox1->findItems(QStringLiteral("stara.txt"), Qt::MatchExactly).isEmpty());
                k->Button1->click();
            });
            QCOMPARE(bytes(QStringLiteral("stara.txt")), textfile::encode(QStringLiteral("stará poznámka\r\n")));
        });
    }
};

QTEST_MAIN(TestPersonalWindows)
#include "tst_personalwindows.moc"
