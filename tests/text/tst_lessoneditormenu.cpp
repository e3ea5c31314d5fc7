// "Editácia lekcie" on a course screen offscreen: the editor on the screen's content
// file, and what the screen shows and writes once the editor has closed.
#include "app/tform1.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "rtf/rtfplainlines.h"
#include "rtf/rtfwriter.h"
#include "runningprogram.h"
#include "course/contentfile.h"
#include "course/contentfileitems.h"
#include "state/session.h"
#include "text/formattedfile.h"
#include "text/toknoeditlek.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestLessonEditorMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RunningProgram> p;

    QString program() const { return p->program(); }
    QString course(const QString &name) const { return program() + QStringLiteral("/Biológia/") + name; }
    Session &s() { return p->session(); }
    void startProgram() { p->start(); }

    // Enters the course and runs step on its screen, which is closed afterwards.
    void onCourseScreen(std::function<void(TForm1 *)> step) { p->inCourse(QStringLiteral("Biológia"), step); }

    // Chooses "Editácia lekcie" on w with editorStep run on the editor once it shows.
    void editLesson(TForm1 *w, std::function<void(TOknoEditLek *)> editorStep)
    {
        QTimer::singleShot(0, this, [editorStep] {
            auto *editor = qobject_cast<TOknoEditLek *>(QApplication::activeModalWidget());
            if (!editor) {
                qWarning("the lesson editor did not open");
                return;
            }
            editorStep(editor);
            if (editor->isVisible())
                editor->reject();
        });
        ui(w).Editcialekci1->trigger();
    }

    QStringList paneLines(TForm1 *w) { return rtf::plainLines(*ui(w).Memo1->document()); }

    QStringList links(TForm1 *w)
    {
        QStringList out;
        for (int i = 0; i < ui(w).ComboBox1->count(); ++i)
            out << ui(w).ComboBox1->itemText(i);
        return out;
    }

    // The text the screen's content file holds as its block.
    QStringList blockText() { return course::readContentFile(course("Obsah.txt")).paragraphs; }

private slots:
    void init()
    {
        p = std::make_unique<testing::RunningProgram>();
        QDir().mkpath(course(QString()));
        textfile::writeLines(program() + QStringLiteral("/CONFIG.TXT"), {"0*IP*x"});
    }

    void cleanup() { p.reset(); }

    // Saving in the editor: the pane shows the formatted text with the typed block, the
    // links list the file's new links, and the file's block is the pane's text again.
    void savedEditRefreshesTheScreen()
    {
        textfile::writeLines(course("Obsah.txt"), {"[Listy]listy.txt", "//www.stare.sk", "<Starý text.>"});
        QTextDocument formatted;
        formatted.setPlainText(QStringLiteral("Rastliny rastú."));
        formattedfile::save(course("Obsah.rtf"), formatted);
        const QStringList before = textfile::readLines(course("Obsah.txt"));
        startProgram();

        bool edited = false;
        onCourseScreen([&](TForm1 *w) {
            QCOMPARE(links(w), QStringList({"www.stare.sk"}));
            editLesson(w, [&](TOknoEditLek *e) {
                edited = true;
                QCOMPARE(e->Label1->text(), course("Obsah.txt"));
                QCOMPARE(e->Memo1->toPlainText(), QStringLiteral("[Listy]listy.txt\n//www.stare.sk"));
                e->Memo1->setPlainText(
                    QStringLiteral("[Listy]listy.txt\n//www.nove.sk\n//www.druhe.sk\n<Pridaný odsek.>"));
                QTest::mouseClick(e->Button1, Qt::LeftButton);
            });
            QCOMPARE(paneLines(w), QStringList({"Rastliny rastú.", "Pridaný odsek."}));
            QCOMPARE(links(w), QStringList({"www.nove.sk", "www.druhe.sk"}));
            QCOMPARE(ui(w).ComboBox1->currentIndex(), 0);
            QVERIFY(ui(w).Memo1->isReadOnly());
            QVERIFY(!s().course.EditorSaved);
        });
        QVERIFY(edited);
        QCOMPARE(blockText(), QStringList({"Rastliny rastú.", "Pridaný odsek."}));
        QCOMPARE(textfile::readLines(course("Obsah.bak")), before);
        QVERIFY(hook::shown().isEmpty());
    }

    // Cancelling still refreshes (a file without links gives the single default
    // address) but writes nothing: no formatted text is made, the file stays as it was.
    void cancelledEditWritesNothing()
    {
        textfile::writeLines(course("Obsah.txt"), {"[Listy]listy.txt", "<Text v bloku.>"});
        startProgram();
        onCourseScreen([&](TForm1 *w) {
            editLesson(w, [](TOknoEditLek *e) {
                e->Memo1->setPlainText(QStringLiteral("//www.neulozene.sk"));
                QTest::mouseClick(e->Button2, Qt::LeftButton);
            });
            QCOMPARE(links(w), QStringList({"https://www.lumora.sk"}));
            QCOMPARE(paneLines(w), QStringList({"Text v bloku."}));
        });
        QVERIFY(!QFile::exists(course("Obsah.bak")));
        QVERIFY(!QFile::exists(course("Obsah.rtf")));
        QCOMPARE(textfile::readLines(course("Obsah.txt")), QStringList({"[Listy]listy.txt", "<Text v bloku.>"}));
    }

    // The refresh sees the whole file: a text block and links past the screen's table of
    // 20 lines are all reloaded, and the block written back keeps every line.
    void refreshKeepsLongBlockAndEveryLink()
    {
        QStringList file{"[A]a.txt", "[B]b.txt", "[C]c.txt"}, addresses, text;
        for (int n = 1; n <= 22; ++n)
            addresses.append(QStringLiteral("www.odkaz%1.sk").arg(n));
        for (int n = 1; n <= 24; ++n)
            text.append(QStringLiteral("Riadok %1").arg(n));
        for (const QString &link : addresses)
            file.append(QStringLiteral("//") + link);
        file.append(QStringLiteral("<") + text.join(QStringLiteral("\n")) + QStringLiteral(">"));
        textfile::writeLines(course("Obsah.txt"), file.join(u'\n').split(u'\n'));
        startProgram();
        onCourseScreen([&](TForm1 *w) {
            editLesson(w, [](TOknoEditLek *e) { QTest::mouseClick(e->Button2, Qt::LeftButton); });
            QCOMPARE(links(w), addresses);
            QCOMPARE(paneLines(w), text);
        });
        QCOMPARE(blockText(), text);
    }

    // The editor's text-editing button saves and leaves the pane in editing mode.
    void saveForTextEditingStartsEditing()
    {
        textfile::writeLines(course("Obsah.txt"), {"[Listy]listy.txt"});
        startProgram();
        onCourseScreen([&](TForm1 *w) {
            editLesson(w, [](TOknoEditLek *e) {
                e->Memo1->setPlainText(QStringLiteral("[Listy]listy.txt\n<Nový text.>"));
                QTest::mouseClick(e->Button3, Qt::LeftButton);
            });
            QVERIFY(!ui(w).Memo1->isReadOnly());
            QVERIFY(!ui(w).Memo1->isHidden());
            QCOMPARE(paneLines(w), QStringList({"Nový text."}));
            QVERIFY(!s().course.EditorSaved);
            ui(w).Ignorovazmeny1->trigger();
        });
        QCOMPARE(textfile::readLines(course("Obsah.txt")), QStringList({"[Listy]listy.txt", "<Nový text.>"}));
    }

    // While the pane is being edited the editor does not open.
    void refusedWhileTheTextIsEdited()
    {
        textfile::writeLines(course("Obsah.txt"), {"[Listy]listy.txt", "<Text.>"});
        startProgram();
        onCourseScreen([&](TForm1 *w) {
            ui(w).Editciatextu2->trigger();
            QVERIFY(!ui(w).Memo1->isReadOnly());
            bool opened = false;
            QTimer::singleShot(0, this, [&opened] {
                if (auto *editor = qobject_cast<TOknoEditLek *>(QApplication::activeModalWidget())) {
                    opened = true;
                    editor->reject();
                }
            });
            ui(w).Editcialekci1->trigger();
            QCoreApplication::processEvents();
            QVERIFY(!opened);
            QCOMPARE(hook::shown().size(), 1);
            QCOMPARE(hook::shown().constFirst().text,
                     QStringLiteral("Najskôr musíte ukončiť editáciu textu, uložte text"));
            ui(w).Ignorovazmeny1->trigger();
        });
    }
};

QTEST_MAIN(TestLessonEditorMenu)
#include "tst_lessoneditormenu.moc"
