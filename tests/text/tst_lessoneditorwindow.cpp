// The lesson editor window offscreen: what it shows, saving, cancelling, the save that
// goes on to in-place editing, a refused save and a file that cannot be opened.
#include "platform/filelock.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "programfolders.h"
#include "rtf/rtfplainlines.h"
#include "rtf/rtfwriter.h"
#include "state/session.h"
#include "text/formattedfile.h"
#include "text/toknoeditlek.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestLessonEditorWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::ProgramFolders> m_folders;
    std::unique_ptr<Session> m_session;

    QString program() const { return m_folders->program() + u'/'; }
    QString course(const QString &name) const { return program() + QStringLiteral("Kurz/") + name; }

    QByteArray bytesOf(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Runs step on the editor once it is shown; the caller then opens it.
    void onEditor(std::function<void(TOknoEditLek *)> step)
    {
        QTimer::singleShot(0, this, [step] {
            auto *editor = qobject_cast<TOknoEditLek *>(QApplication::activeModalWidget());
            if (!editor) {
                QFAIL("the editor is not the modal window");
                return;
            }
            step(editor);
            if (QTest::currentTestFailed())
                editor->reject();
        });
    }

    bool run(const QString &file) { return runLessonEditor(*m_session, nullptr, file, QStringLiteral("Kurz")); }

private slots:
    void init()
    {
        m_folders = std::make_unique<testing::ProgramFolders>();
        QDir().mkpath(course(QString()));
        m_session = std::make_unique<Session>();
        m_session->values.ProgramDir = program();
        m_session->course.EditorSaved = true; // the editor clears it when it opens
    }

    // Opening a screen with a formatted text: every caption, the paths, the file without
    // its block, the formatted text below, the help beside. A block typed in joins the
    // formatted text; the previous file becomes the backup.
    void showsAndSaves()
    {
        const QStringList screen = {"[Listy]listy.txt", "//www.example.sk", "<Starý", "text.>", "[Ďalej]dalej.txt"};
        textfile::writeLines(course("Obsah.txt"), screen);
        QTextDocument formatted;
        formatted.setPlainText(QStringLiteral("Rastliny\nrastú."));
        formattedfile::save(course("Obsah.rtf"), formatted);
        textfile::writeLines(program() + QStringLiteral("lection.hlp"), {"Riadky obsahu:", "[popis]cieľ"});
        const QByteArray before = bytesOf(course("Obsah.txt"));

        onEditor([&](TOknoEditLek *e) {
            QVERIFY(!m_session->course.EditorSaved);
            QCOMPARE(e->windowTitle(), QStringLiteral("Editácia lekcie"));
            QCOMPARE(e->Button1->text(), QStringLiteral("Ulož"));
            QCOMPARE(e->Button2->text(), QStringLiteral("Zruš zmeny"));
            QCOMPARE(e->Button3->text(), QStringLiteral("Editácia textu - Editácia"));
            QCOMPARE(e->Label3->text(), QStringLiteral("Texty opravujte cez"));
            QCOMPARE(e->Label1->text(), course("Obsah.txt"));
            QCOMPARE(e->Label2->text(), course("Obsah.rtf"));
            QCOMPARE(e->Memo1->toPlainText(), QStringLiteral("[Listy]listy.txt\n//www.example.sk\n[Ďalej]dalej.txt"));
            QVERIFY(e->Memo3->isVisible());
            QVERIFY(e->Memo3->isReadOnly());
            QCOMPARE(rtf::plainLines(*e->Memo3->document()), QStringList({"Rastliny", "rastú."}));
            QCOMPARE(e->Memo2->toPlainText(), QStringLiteral("Riadky obsahu:\n[popis]cieľ"));
            QVERIFY(e->Memo2->isReadOnly());
            QVERIFY(!e->RichEdit1->isVisible());
            QVERIFY(e->Button3->geometry().left() > e->Label3->geometry().right());

            e->Memo1->moveCursor(QTextCursor::End);
            e->Memo1->insertPlainText(QStringLiteral("\n<Nový odsek.>\n"));
            QTest::mouseClick(e->Button1, Qt::LeftButton);
        });
        QVERIFY(run(QStringLiteral("Obsah.txt")));
        QVERIFY(!m_session->course.EditorSaved);
        QCOMPARE(textfile::readLines(course("Obsah.txt")),
                 QStringList({"[Listy]listy.txt", "//www.example.sk", "[Ďalej]dalej.txt", "<Rastliny", "rastú.",
                              "Nový odsek.>"}));
        QCOMPARE(bytesOf(course("Obsah.bak")), before);
        QVERIFY(hook::shown().isEmpty());
    }

    // The editor hands every character back as it read it: a file of every byte value
    // (but the line ends), saved without changes, comes back byte for byte.
    void keepsEveryCharacter()
    {
        QByteArray bytes;
        for (int b = 0; b < 256; ++b) {
            if (b != '\n' && b != '\r')
                bytes.append(char(b));
            if (b % 32 == 31)
                bytes.append("\r\n");
        }
        textfile::writeBytes(course("Obsah.txt"), bytes);
        onEditor([](TOknoEditLek *e) { QTest::mouseClick(e->Button1, Qt::LeftButton); });
        QVERIFY(run(QStringLiteral("Obsah.txt")));
        QCOMPARE(bytesOf(course("Obsah.txt")), bytes);
    }

    // A new screen without the help file: empty panes, no formatted text; cancelling
    // keeps the empty file that opening created and writes nothing else.
    void newFileCancelled()
    {
        onEditor([&](TOknoEditLek *e) {
            QVERIFY(!e->ContentExisted);
            QVERIFY(e->Memo1->toPlainText().isEmpty());
            QVERIFY(e->Memo2->toPlainText().isEmpty());
            QVERIFY(!e->Memo3->isVisible());
            e->Memo1->setPlainText(QStringLiteral("[A]a.txt"));
            QTest::mouseClick(e->Button2, Qt::LeftButton);
        });
        QVERIFY(!run(QStringLiteral("kap2.txt")));
        QVERIFY(!m_session->course.EditorSaved);
        QCOMPARE(QDir(course(QString())).entryList(QDir::Files), QStringList({"kap2.txt"}));
        QCOMPARE(bytesOf(course("kap2.txt")), QByteArray());
    }

    // The button that goes on to in-place editing: refused while another copy of the
    // program holds the file (message, window stays, EditorSaved stays clear), then
    // saving once the file is free.
    void saveForEditingAfterRefusal()
    {
        textfile::writeLines(course("kap3.txt"), {"[A]a.txt"});
        onEditor([&](TOknoEditLek *e) {
            e->Memo1->setPlainText(QStringLiteral("[A]a.txt\n<Text.>"));
            {
                const FileLock otherCopy(course("kap3.txt"));
                QVERIFY(otherCopy.locked());
                QTest::mouseClick(e->Button3, Qt::LeftButton);
            }
            QVERIFY(e->isVisible());
            QVERIFY(!m_session->course.EditorSaved);
            QCOMPARE(hook::shown().size(), 1);
            QCOMPARE(hook::shown().constFirst().text, QStringLiteral("So suborom niekto prave pracuje"));
            QCOMPARE(textfile::readLines(course("kap3.txt")), QStringList({"[A]a.txt"}));
            QVERIFY(!QFile::exists(course("kap3.bak")));
            QTest::mouseClick(e->Button3, Qt::LeftButton);
        });
        QVERIFY(run(QStringLiteral("kap3.txt")));
        QVERIFY(m_session->course.EditorSaved);
        QCOMPARE(textfile::readLines(course("kap3.txt")), QStringList({"[A]a.txt", "<Text.>"}));
        QCOMPARE(textfile::readLines(course("kap3.bak")), QStringList({"[A]a.txt"}));
    }

    // A content file that cannot be created: the error is shown and the editor does
    // not open, so no empty editor can overwrite anything.
    void unopenableFileDoesNotOpen()
    {
        QDir().mkpath(course("Obsah.txt")); // a folder where the file should be
        bool opened = false;
        QTimer::singleShot(0, this, [&opened] {
            if (auto *editor = qobject_cast<TOknoEditLek *>(QApplication::activeModalWidget())) {
                opened = true;
                editor->reject();
            }
        });
        QVERIFY(!run(QStringLiteral("Obsah.txt")));
        QCoreApplication::processEvents();
        QVERIFY(!opened);
        QCOMPARE(hook::shown().size(), 1);
        QCOMPARE(hook::shown().constFirst().title, QStringLiteral("Lumora"));
    }
};

QTEST_MAIN(TestLessonEditorWindow)
#include "tst_lessoneditorwindow.moc"
