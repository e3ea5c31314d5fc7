// The notes, own-links and copy windows on a course screen offscreen: what they write
// to the work folder and what the screen's notes button and links box show afterwards.
#include "app/tform1.h"
#include "golden.h"
#include "personal/toknokopy.h"
#include "personal/toknoodkazy.h"
#include "personal/linktargets.h"
#include "personal/toknopoznamka.h"
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
#include <QTreeView>

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
        testing::RunningProgram::onWindow<W>([action] { action->trigger(); }, step);
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
        p->write(QStringLiteral("Kurz/Obsah.txt"),
                 {QStringLiteral("[Kapitola]kap1.txt"), QStringLiteral("//https://kurz.sk")});
        p->write(QStringLiteral("Kurz/kap1.txt"), {QStringLiteral("<Text>")});
        p->start();
    }

    void cleanup() { p.reset(); }

    void noteSaveCancelErase()
    {
        const QString longLine = QStringLiteral("https://adresa.sk/") + QString(300, QLatin1Char('a'));
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QVERIFY(ui(w).Button1->isHidden());
            // Another copy of the program may have rewritten the level file: the window
            // goes by this program's own level.
            textfile::writeBytes(work(QStringLiteral("Okna")), "19");
            // Only blanks: nothing is written and the window stays open.
            onWindow<TOknoPoznamka>(w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
                QCOMPARE(n->windowTitle(), QStringLiteral("Poznámky \u2014 Kurz"));
                QVERIFY(n->Button3->isHidden());
                QVERIFY(n->Label1->text().endsWith(work(QStringLiteral("Kurz/Obsah.txt"))));
                n->Memo1->setPlainText(QStringLiteral("  \n\n "));
                n->Button1->click();
                QVERIFY(n->isVisible());
                QVERIFY(!QFile::exists(work(QStringLiteral("Kurz/Obsah.txt"))));
                // A long line wraps in the box but is stored as the one line it is.
                n->Memo1->setPlainText(QStringLiteral("prvá\n") + longLine + QStringLiteral("\n\ntretia"));
                QVERIFY(!n->Button3->isHidden());
                n->Button1->click();
                QVERIFY(!n->isVisible());
            });
            QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.txt")),
                     textfile::encode(QStringLiteral("prvá\r\n") + longLine + QStringLiteral("\r\n\r\ntretia\r\n")));
            QVERIFY(!ui(w).Button1->isHidden());

            // Cancelling writes nothing; the note comes back as it was stored.
            onWindow<TOknoPoznamka>(w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
                QCOMPARE(n->noteLines(),
                         (QStringList{QStringLiteral("prvá"), longLine, QString(), QStringLiteral("tretia")}));
                n->Memo1->setPlainText(QStringLiteral("zmenené"));
                n->Button2->click();
            });
            QVERIFY(bytes(QStringLiteral("Kurz/Obsah.txt")).startsWith("prv"));

            // Characters the code page lacks: No keeps the window open and the file as it
            // was; Yes stores them as "?".
            onWindow<TOknoPoznamka>(w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
                n->Memo1->setPlainText(QStringLiteral("čaj ☕"));
                hook::queue(messages::Answer::No);
                n->Button1->click();
                QVERIFY(n->isVisible());
                QVERIFY(hook::shown().last().text.contains(QStringLiteral("☕")));
                QVERIFY(bytes(QStringLiteral("Kurz/Obsah.txt")).startsWith("prv"));
                hook::queue(messages::Answer::Yes);
                n->Button1->click();
            });
            QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.txt")), textfile::encode(QStringLiteral("čaj ?\r\n")));

            // Erasing (the confirmation counts as Yes without a text table) and closing.
            onWindow<TOknoPoznamka>(w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
                n->Button3->click();
                QVERIFY(n->isVisible());
                QVERIFY(n->Memo1->toPlainText().isEmpty());
                QVERIFY(n->Button3->isHidden());
                n->Button4->click();
            });
            QVERIFY(!QFile::exists(work(QStringLiteral("Kurz/Obsah.txt"))));
            QVERIFY(ui(w).Button1->isHidden());
        });
    }

    void notesButtonSavesTheEditedLessonFirst()
    {
        // A note at the place earlier versions kept it is still found.
        textfile::writeLines(work(QStringLiteral("Obsah.txt")), {QStringLiteral("moja poznámka")});
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QVERIFY(!ui(w).Button1->isHidden());
            ui(w).Editciatextu2->trigger();
            QVERIFY(w->editing());
            ui(w).Memo1->setPlainText(QStringLiteral("Nový text lekcie"));
            // Without a text table the question counts as Yes: the text is saved, then
            // the note opens.
            testing::RunningProgram::onWindow<TOknoPoznamka>(
                [w] { ui(w).Button1->click(); },
                [](TOknoPoznamka *n) { QCOMPARE(n->noteLines(), QStringList{QStringLiteral("moja poznámka")}); });
            QVERIFY(!w->editing());
        });
        QVERIFY(testing::fileBytes(p->program() + QStringLiteral("/Kurz/Obsah.txt"))
                    .contains(textfile::encode(QStringLiteral("Nový text lekcie"))));
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
        QVERIFY(ui(w).Button1->isHidden());
        onWindow<TOknoPoznamka>(&w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
            n->Memo1->setPlainText(QStringLiteral("z vyhľadávania"));
            n->Button1->click();
        });
        QVERIFY(QFile::exists(work(QStringLiteral("Kurz/kap1.txt"))));
        QVERIFY(!QFile::exists(work(QStringLiteral("lumora.txt"))));
        QVERIFY(!ui(w).Button1->isHidden());
        w.close();
    }

    void failedNoteSaveKeepsTheText()
    {
        // A notes name that is a folder cannot be written: the error is shown, the window
        // stays open with its text and the folder is untouched.
        QDir().mkpath(work(QStringLiteral("Kurz/Obsah.txt/vnutri")));
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            onWindow<TOknoPoznamka>(w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
                n->Memo1->setPlainText(QStringLiteral("nestratiť"));
                hook::shown().clear();
                n->Button1->click();
                QVERIFY(n->isVisible());
                QCOMPARE(n->Memo1->toPlainText(), QStringLiteral("nestratiť"));
                QCOMPARE(hook::shown().size(), 1);
                QVERIFY(hook::shown().at(0).text.contains(QStringLiteral("Obsah.txt")));
                n->Button2->click();
            });
            QVERIFY(QDir(work(QStringLiteral("Kurz/Obsah.txt/vnutri"))).exists());
        });
    }

    void linksAddEditErase()
    {
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QCOMPARE(boxEntries(ui(w).ComboBox1), QStringList{QStringLiteral("https://kurz.sk")});
            QVERIFY(ui(w).ComboBox2->isHidden());
            onWindow<TOknoOdkazy>(w, ui(w).Odkazy1, [&](TOknoOdkazy *o) {
                QVERIFY(o->Button3->isHidden() && o->Button5->isHidden());
                o->Button1->click(); // an empty edit box adds nothing
                QVERIFY(!QFile::exists(work(QStringLiteral("Kurz/Obsah.htm"))));
                for (const char *link : {"https://a.sk", "https://b.sk", "https://c.sk"}) {
                    o->Edit1->setText(QString::fromLatin1(link));
                    o->Button1->click();
                }
                QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.htm")),
                         QByteArray("https://a.sk\r\nhttps://b.sk\r\nhttps://c.sk\r\n"));
                QVERIFY(!o->Button3->isHidden() && !o->Button5->isHidden());

                // "Oprav" leaves the link in the list and the file until the edited one
                // is added; another link erased meanwhile does not move it; "Zruš zmeny"
                // leaves everything as it was.
                o->ListBox1->setCurrentRow(1);
                o->Button5->click();
                QCOMPARE(o->Edit1->text(), QStringLiteral("https://b.sk"));
                QCOMPARE(o->links().size(), 3);
                o->ListBox1->setCurrentRow(0);
                o->Button3->click();
                o->Button2->click();
                QCOMPARE(o->links(), (QStringList{QStringLiteral("https://b.sk"), QStringLiteral("https://c.sk")}));
                QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.htm")), QByteArray("https://b.sk\r\nhttps://c.sk\r\n"));

                // An edited link goes to the end, in place of the one it came from.
                o->ListBox1->setCurrentRow(0);
                o->Button5->click();
                o->Edit1->setText(QStringLiteral("https://a2.sk"));
                o->Button1->click();
                QCOMPARE(o->links(), (QStringList{QStringLiteral("https://c.sk"), QStringLiteral("https://a2.sk")}));

                // Closing with an edit taken but not changed: nothing to ask, nothing moves.
                o->ListBox1->setCurrentRow(1);
                o->Button5->click();
                o->reject();
            });
            QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.htm")), QByteArray("https://c.sk\r\nhttps://a2.sk\r\n"));
            QCOMPARE(boxEntries(ui(w).ComboBox2),
                     (QStringList{QStringLiteral("https://c.sk"), QStringLiteral("https://a2.sk")}));
            QVERIFY(!ui(w).ComboBox2->isHidden() && !ui(w).Label4->isHidden());
            // An entry reached with the keyboard is not opened: it only shows as the hint.
            QTest::keyClick(ui(w).ComboBox2, Qt::Key_Down);
            QCOMPARE(ui(w).ComboBox2->currentIndex(), 1);
            QCOMPARE(ui(w).ComboBox2->toolTip(), QStringLiteral("https://a2.sk"));

            // With the closing question silenced, a typed link is added, not dropped.
            onWindow<TOknoOdkazy>(w, ui(w).Odkazy1, [&](TOknoOdkazy *o) {
                o->Edit1->setText(QStringLiteral("https://d.sk"));
                o->Button4->click();
            });
            QCOMPARE(boxEntries(ui(w).ComboBox2).last(), QStringLiteral("https://d.sk"));

            // Erasing every link leaves an empty file and hides the box and its label.
            onWindow<TOknoOdkazy>(w, ui(w).Odkazy1, [&](TOknoOdkazy *o) {
                while (o->ListBox1->count() > 0) {
                    o->ListBox1->setCurrentRow(0);
                    o->Button3->click();
                }
                o->Button4->click();
            });
            QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.htm")), QByteArray());
            QVERIFY(ui(w).ComboBox2->isHidden() && ui(w).Label4->isHidden());
        });
    }

    void linksFileWithEmptyLines()
    {
        // Kept where earlier versions kept it: read there, moved on the next save.
        textfile::writeBytes(work(QStringLiteral("Obsah.htm")), "https://x.sk\r\n\r\nhttps://y.sk\rhttps://z.sk");
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            // The box skips empty lines; the window keeps them until the next save.
            QCOMPARE(boxEntries(ui(w).ComboBox2).size(), 3);
            onWindow<TOknoOdkazy>(w, ui(w).Odkazy1, [&](TOknoOdkazy *o) {
                QCOMPARE(o->links().size(), 4);
                o->Button4->click();
            });
            QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.htm")),
                     QByteArray("https://x.sk\r\nhttps://y.sk\r\nhttps://z.sk\r\n"));
            QVERIFY(!QFile::exists(work(QStringLiteral("Obsah.htm"))));
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
            QVERIFY(ui(w).Koprovanie1->isEnabled());
            onWindow<TOknoKopy>(w, ui(w).Koprovanie1, [&](TOknoKopy *k) {
                QCOMPARE(k->Label1->text(), p->work() + QLatin1Char('/'));
                QStringList left;
                for (int i = 0; i < k->FileListBox1->count(); ++i)
                    left << k->FileListBox1->item(i)->text();
                QCOMPARE(left,
                         (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.htm"), QStringLiteral("c.txt")}));

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

    void eachCourseKeepsItsOwnFiles()
    {
        // Two courses whose top screens share the file name, and notes where earlier
        // versions kept them: one flat "Obsah.txt" for both, "kap1.txt" for one only.
        p.reset();
        p = std::make_unique<testing::RunningProgram>();
        p->write(QStringLiteral("Kurz/Obsah.txt"), {QStringLiteral("[Kapitola]kap1.txt")});
        p->write(QStringLiteral("Kurz/kap1.txt"), {QStringLiteral("<Text>")});
        p->write(QStringLiteral("Slovenčina/Obsah.txt"), {QStringLiteral("<Text>")});
        p->start();
        textfile::writeLines(work(QStringLiteral("Obsah.txt")), {QStringLiteral("spoločná")});
        textfile::writeLines(work(QStringLiteral("kap1.txt")), {QStringLiteral("kapitola")});
        textfile::writeLines(work(QStringLiteral("kap1.htm")), {QStringLiteral("https://kap.sk")});
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QVERIFY(!ui(w).Button1->isHidden());
            onWindow<TOknoPoznamka>(w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
                QCOMPARE(n->noteLines(), QStringList{QStringLiteral("spoločná")});
                n->Memo1->setPlainText(QStringLiteral("len Kurz"));
                n->Button1->click();
            });
        });
        QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.txt")), QByteArray("len Kurz\r\n"));
        // The other course still has it: it stays where it was.
        QVERIFY(bytes(QStringLiteral("Obsah.txt")).startsWith("spolo"));
        p->inCourse(QStringLiteral("Slovenčina"), [&](TForm1 *w) {
            QVERIFY(!ui(w).Button1->isHidden());
            onWindow<TOknoPoznamka>(w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
                QCOMPARE(n->noteLines(), QStringList{QStringLiteral("spoločná")});
                n->Button3->click(); // erasing here leaves the other course's note alone
                n->Button4->click();
            });
            QVERIFY(ui(w).Button1->isHidden());
        });
        QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.txt")), QByteArray("len Kurz\r\n"));
        QVERIFY(bytes(QStringLiteral("Obsah.txt")).startsWith("spolo"));

        // A file of one screen only moves on the screen's next save.
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            p->onLevel(3, [&](TForm1 *l) {
                QCOMPARE(boxEntries(ui(l).ComboBox2), QStringList{QStringLiteral("https://kap.sk")});
                onWindow<TOknoPoznamka>(l, ui(l).Poznmky1, [&](TOknoPoznamka *n) {
                    QCOMPARE(n->noteLines(), QStringList{QStringLiteral("kapitola")});
                    n->Memo1->appendPlainText(QStringLiteral("ďalej"));
                    n->Button1->click();
                });
                ui(l).SpeedButton1->click();
            });
            testing::RunningProgram::press(w, QStringLiteral("Button12"));
        });
        QCOMPARE(bytes(QStringLiteral("Kurz/kap1.txt")), textfile::encode(QStringLiteral("kapitola\r\nďalej\r\n")));
        QVERIFY(!QFile::exists(work(QStringLiteral("kap1.txt"))));
        QVERIFY(QFile::exists(work(QStringLiteral("kap1.htm")))); // not saved: not moved
    }

    void anotherCopyChangedTheFile()
    {
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            // The note: saving over another copy's text asks first (No is the default).
            onWindow<TOknoPoznamka>(w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
                n->Memo1->setPlainText(QStringLiteral("A"));
                QDir().mkpath(work(QStringLiteral("Kurz")));
                textfile::writeLines(work(QStringLiteral("Kurz/Obsah.txt")), {QStringLiteral("B")});
                hook::shown().clear();
                hook::queue(messages::Answer::No);
                n->Button1->click();
                QVERIFY(n->isVisible());
                QCOMPARE(hook::shown().size(), 1);
                QVERIFY(hook::shown().at(0).defaultNo);
                QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.txt")), QByteArray("B\r\n"));
                n->Button2->click();
            });
            // The links: a link added to a list another copy changed joins that list.
            onWindow<TOknoOdkazy>(w, ui(w).Odkazy1, [&](TOknoOdkazy *o) {
                textfile::writeLines(work(QStringLiteral("Kurz/Obsah.htm")), {QStringLiteral("https://druhe.sk")});
                o->Edit1->setText(QStringLiteral("https://moje.sk"));
                o->Button1->click();
                QCOMPARE(o->links(),
                         (QStringList{QStringLiteral("https://druhe.sk"), QStringLiteral("https://moje.sk")}));
                o->Button4->click();
            });
            QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.htm")), QByteArray("https://druhe.sk\r\nhttps://moje.sk\r\n"));
        });
    }

    void questionsBeforeTypingIsLost()
    {
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            onWindow<TOknoPoznamka>(w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
                // "Koniec" and the close box ask about an edited note; "Zrušiť" (the
                // default) stays, No closes without writing.
                n->Memo1->setPlainText(QStringLiteral("rozpísané"));
                hook::shown().clear();
                hook::queue(messages::Answer::Cancel);
                n->Button4->click();
                QVERIFY(n->isVisible());
                QCOMPARE(hook::shown().last().buttons, messages::Buttons::YesNoCancel);
                hook::queue(messages::Answer::Yes);
                n->close();
                QVERIFY(!n->isVisible());
            });
            QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.txt")), textfile::encode(QStringLiteral("rozpísané\r\n")));
            onWindow<TOknoPoznamka>(w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
                // An emptied note is erased, after the erase question (default No);
                // unstorable characters are asked about with No as the default too.
                n->Memo1->setPlainText(QStringLiteral("😀"));
                hook::shown().clear();
                hook::queue(messages::Answer::No);
                n->Button1->click();
                QVERIFY(hook::shown().last().defaultNo);
                n->Memo1->setPlainText(QStringLiteral(" \n"));
                hook::queue(messages::Answer::No);
                n->Button1->click();
                QVERIFY(n->isVisible());
                QVERIFY(hook::shown().last().defaultNo);
                QVERIFY(QFile::exists(work(QStringLiteral("Kurz/Obsah.txt"))));
                hook::queue(messages::Answer::Yes);
                n->Button1->click();
            });
            QVERIFY(!QFile::exists(work(QStringLiteral("Kurz/Obsah.txt"))));
            QVERIFY(ui(w).Button1->isHidden());

            // A note over the limit opens to be erased, never to be overwritten.
            textfile::writeBytes(work(QStringLiteral("Kurz/Obsah.txt")), QByteArray(course::MaxWorkFileSize + 1, 'x'));
            onWindow<TOknoPoznamka>(w, ui(w).Poznmky1, [&](TOknoPoznamka *n) {
                QVERIFY(n->Memo1->isReadOnly());
                QVERIFY(!n->Button1->isEnabled());
                hook::queue(messages::Answer::Yes);
                n->Button3->click();
                n->Button4->click();
            });
            QVERIFY(!QFile::exists(work(QStringLiteral("Kurz/Obsah.txt"))));

            onWindow<TOknoOdkazy>(w, ui(w).Odkazy1, [&](TOknoOdkazy *o) {
                o->Edit1->setText(QStringLiteral("https://a.sk"));
                o->Button1->click();
                // Escape with a link typed asks; "Zrušiť" stays, No drops only the typing.
                o->Edit1->setText(QStringLiteral("https://rozpisany.sk"));
                hook::shown().clear();
                hook::queue(messages::Answer::Cancel);
                QTest::keyClick(o, Qt::Key_Escape);
                QVERIFY(o->isVisible());
                QCOMPARE(hook::shown().size(), 1);
                QVERIFY(hook::shown().at(0).text.contains(QStringLiteral("Pridať napísaný odkaz ?")));
                // An abandoned "Oprav" changes nothing.
                o->ListBox1->setCurrentRow(0);
                o->Button5->click();
                o->Edit1->setText(QStringLiteral("https://zmeneny.sk"));
                hook::queue(messages::Answer::No);
                o->close();
                QVERIFY(!o->isVisible());
            });
            QCOMPARE(bytes(QStringLiteral("Kurz/Obsah.htm")), QByteArray("https://a.sk\r\n"));
        });
    }

    void copyWindowKeyboardLinksQuestionsRefresh()
    {
        const QString other = p->root() + QStringLiteral("/usb");
        const QString elsewhere = p->root() + QStringLiteral("/inde.txt");
        QDir().mkpath(other + QStringLiteral("/zaloha/Kurz"));
        QDir().mkpath(other + QStringLiteral("/ine"));
        textfile::writeBytes(elsewhere, "cudzí súbor");
        QDir().mkpath(work(QStringLiteral("Kurz")));
        textfile::writeBytes(work(QStringLiteral("Kurz/Obsah.txt")), "moja\r\n");
        textfile::writeBytes(work(QStringLiteral("Kurz/kap1.txt")), "nová\r\n");
        textfile::writeBytes(work(QStringLiteral("lumora.txt")), "prvá\r\n");
        textfile::writeBytes(other + QStringLiteral("/zaloha/Kurz/kap1.txt"), "stará\r\n");
        textfile::writeBytes(other + QStringLiteral("/zaloha/Kurz/Obsah.htm"), "https://zo-zalohy.sk\r\n");
        textfile::writeBytes(other + QStringLiteral("/zaloha/lumora.txt"), "iná\r\n");
        QFile::link(elsewhere, other + QStringLiteral("/ine/lumora.txt"));
        textfile::writeBytes(work(QStringLiteral("Okna")), "2");

        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            onWindow<TOknoKopy>(w, ui(w).Koprovanie1, [&](TOknoKopy *k) {
                // Notes in the courses' sub-folders are listed with their folders.
                QStringList left;
                for (int i = 0; i < k->FileListBox1->count(); ++i)
                    left << k->FileListBox1->item(i)->text();
                QCOMPARE(left,
                         (QStringList{QStringLiteral("Kurz/kap1.txt"), QStringLiteral("Kurz/Obsah.txt"),
                                      QStringLiteral("lumora.txt")}));

                // The folder list follows the keyboard: ">" goes where the list stands.
                k->showRightFolder(other);
                k->DirectoryListBox1->setFocus();
                QAbstractItemModel *folders = k->DirectoryListBox1->model();
                QTest::keyClick(k->DirectoryListBox1, Qt::Key_Right);
                QTRY_COMPARE(folders->rowCount(k->DirectoryListBox1->currentIndex()), 2);
                for (int i = 0; i < 2 && k->rightFolder() != other + QStringLiteral("/zaloha"); ++i)
                    QTest::keyClick(k->DirectoryListBox1, Qt::Key_Down);
                QCOMPARE(k->rightFolder(), other + QStringLiteral("/zaloha"));
                QVERIFY(k->Label4->text().endsWith(other + QStringLiteral("/zaloha")));

                // Replacing a file that differs asks, No by default, each file on its
                // own: "Áno" replaces just that one. Whole folders go.
                k->FileListBox1->selectAll();
                hook::shown().clear();
                hook::queue(messages::Answer::Yes);
                hook::queue(messages::Answer::No);
                k->SpeedButton4->click();
                QCOMPARE(hook::shown().size(), 2);
                QVERIFY(hook::shown().at(0).defaultNo);
                QVERIFY(hook::shown().at(0).text.endsWith(QStringLiteral("kap1.txt")));
                QVERIFY(hook::shown().at(1).text.endsWith(QStringLiteral("lumora.txt")));
                QCOMPARE(testing::fileBytes(other + QStringLiteral("/zaloha/Kurz/kap1.txt")), QByteArray("nová\r\n"));
                QCOMPARE(testing::fileBytes(other + QStringLiteral("/zaloha/lumora.txt")), QByteArray("iná\r\n"));
                QCOMPARE(testing::fileBytes(other + QStringLiteral("/zaloha/Kurz/Obsah.txt")), QByteArray("moja\r\n"));

                // Never through a symbolic link.
                k->showRightFolder(other + QStringLiteral("/ine"));
                k->FileListBox1->selectAll();
                hook::shown().clear();
                k->SpeedButton4->click();
                QCOMPARE(testing::fileBytes(elsewhere), QByteArray("cudzí súbor"));
                QCOMPARE(hook::shown().size(), 1);

                // Back into the work folder: the screen shows the copied links at once.
                k->showRightFolder(other + QStringLiteral("/zaloha"));
                const auto items = k->FileListBox2->findItems(QStringLiteral("Kurz/Obsah.htm"), Qt::MatchExactly);
                QCOMPARE(items.size(), 1);
                items.first()->setSelected(true);
                k->SpeedButton3->click();
                QCOMPARE(boxEntries(ui(w).ComboBox2), QStringList{QStringLiteral("https://zo-zalohy.sk")});
                k->Button1->click();
            });
        });
    }

    void linksThatReachOutside()
    {
        const QString elsewhere = p->root() + QStringLiteral("/evil.sh");
        textfile::writeBytes(elsewhere, "#!/bin/sh\n");
        QFile::setPermissions(elsewhere, QFile::permissions(elsewhere) | QFileDevice::ExeOwner);
        p->write(QStringLiteral("Kurz/run.sh"), {QStringLiteral("#!/bin/sh")});
        QFile::setPermissions(p->program() + QStringLiteral("/Kurz/run.sh"),
                              QFile::permissions(p->program() + QStringLiteral("/Kurz/run.sh"))
                                  | QFileDevice::ExeOwner);
        p->write(QStringLiteral("Kurz/navod.pdf"), {QStringLiteral("pdf")});
        p->write(QStringLiteral("Kurz/Obsah.txt"),
                 {QStringLiteral("[Kapitola]kap1.txt"), QStringLiteral("///") + elsewhere.mid(1),
                  QStringLiteral("//../../evil.sh"), QStringLiteral("//file://") + elsewhere,
                  QStringLiteral("//run.sh"), QStringLiteral("//navod.pdf"), QStringLiteral("//https://kurz.sk"),
                  QStringLiteral("//www.kurz.sk")});
        QStringList opened;
        personal::linkOpener = [&](const QString &target) { opened << target; };
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QCOMPARE(ui(w).ComboBox1->count(), 7);
            hook::shown().clear();
            for (int i = 0; i < ui(w).ComboBox1->count(); ++i)
                w->ComboBox1Click(i);
            // The program is refused with a message even without a text table.
            int program = 0;
            for (const messages::Record &r : hook::shown())
                program += r.text.contains(QStringLiteral("odkaz nespúšťa programy")) ? 1 : 0;
            QCOMPARE(program, 1);
        });
        personal::linkOpener = nullptr;
        QCOMPARE(opened,
                 (QStringList{p->program() + QStringLiteral("/Kurz/navod.pdf"), QStringLiteral("https://kurz.sk"),
                              QStringLiteral("www.kurz.sk")}));
    }

    void linkedCourseFolderIsACourse()
    {
        // A course folder that is a link to a folder elsewhere: its screens open.
        p.reset();
        p = std::make_unique<testing::RunningProgram>();
        const QString real = p->root() + QStringLiteral("/inde/Kurz");
        QDir().mkpath(real);
        textfile::writeLines(real + QStringLiteral("/Obsah.txt"), {QStringLiteral("[Kapitola]kap1.txt")});
        textfile::writeLines(real + QStringLiteral("/kap1.txt"), {QStringLiteral("<Text>")});
        QDir().mkpath(p->program());
        QVERIFY(QFile::link(real, p->program() + QStringLiteral("/Kurz")));
        p->start();
        bool opened = false;
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            p->onLevel(3, [&](TForm1 *l) {
                opened = true;
                ui(l).SpeedButton1->click();
            });
            testing::RunningProgram::press(w, QStringLiteral("Button12"));
        });
        QVERIFY(opened);
    }
};

QTEST_MAIN(TestPersonalWindows)
#include "tst_personalwindows.moc"
