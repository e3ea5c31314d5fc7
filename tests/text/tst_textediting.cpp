// In-place editing of a screen's lesson text offscreen: editing mode, saving both forms
// of the text, discarding, the save question when the pane is left, the refusal when
// another copy of the program holds the file, zoom and formatting with the dialog.
#include "app/tform1.h"
#include "golden.h"
#include "config/keys.h"
#include "platform/filelock.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "rtf/rtfwriter.h"
#include "runningprogram.h"
#include "state/session.h"
#include "text/fontdialog.h"
#include "text/formattedfile.h"
#include "text/layoutsteps.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTextList>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestTextEditing : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RunningProgram> p;

    QString program() const { return p->program(); }
    QString content() const { return program() + QStringLiteral("/Kurz/Obsah.txt"); }

    void config(const QStringList &lines)
    {
        p->write(QStringLiteral("CONFIG.TXT"), QStringList{QStringLiteral("0*IP*x")} + lines);
    }

    // Enters the course and runs step on its top screen; returns once it is left.
    void inCourse(std::function<void(TForm1 *)> step)
    {
        p->start();
        p->inCourse(QStringLiteral("Kurz"), step);
    }

    static void replaceText(QTextEdit *pane, const QString &text)
    {
        QTextCursor cursor(pane->document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
    }

private slots:
    void init()
    {
        p = std::make_unique<testing::RunningProgram>();
        config({});
        p->write(QStringLiteral("Kurz/Obsah.txt"),
                 {QStringLiteral("[Lekcia]lekcia.txt"), QStringLiteral("<Starý text>"),
                  QStringLiteral("//https://example.sk")});
    }

    void cleanup() { p.reset(); }

    void editAndSave()
    {
        inCourse([&](TForm1 *w) {
            QVERIFY(ui(w).Editciatextu1->menuAction()->isVisible()); // the program folder can be written
            ui(w).Editciatextu2->trigger();
            QVERIFY(w->editing());
            QCOMPARE(ui(w).Editciatextu2->text(), QStringLiteral("Uloženie &textu"));
            QVERIFY(ui(w).Ignorovazmeny1->isVisible());
            QVERIFY(!ui(w).Memo1->toolTip().isEmpty());
            replaceText(ui(w).Memo1, QStringLiteral("Nový prvý odsek\nDruhý odsek s ľ a ✓"));
            ui(w).Editciatextu2->trigger();
            QVERIFY(!w->editing());
            QCOMPARE(ui(w).Editciatextu2->text(), QStringLiteral("Editácia &textu"));
            QVERIFY(!ui(w).Ignorovazmeny1->isVisible());
        });
        QCOMPARE(textfile::readLines(content()),
                 (QStringList{QStringLiteral("[Lekcia]lekcia.txt"), QStringLiteral("<"),
                              QStringLiteral("Nový prvý odsek"), QStringLiteral("Druhý odsek s ľ a ?"),
                              QStringLiteral(">"), QStringLiteral("//https://example.sk")}));
        QVERIFY(QFile::exists(program() + QStringLiteral("/Kurz/Obsah.rtf")));
        QVERIFY(hook::shown().isEmpty());

        // The saved screen shows the formatted text, with the character outside the code page.
        inCourse([&](TForm1 *w) {
            QCOMPARE(ui(w).Memo1->toPlainText(), QStringLiteral("Nový prvý odsek\nDruhý odsek s ľ a ✓"));
        });
    }

    // A formatted lesson is loaded into the pane with its cursor at the start (a cursor
    // left at the end makes the first paint lay the whole text out), on pages of a
    // finite height (on one endless page the layout loops for ever past 8.4 million
    // pixels), when the screen opens, when it is resized and when editing starts. A long
    // lesson is laid out in steps: saved before its layout is done it keeps every
    // paragraph, and once done the layout and the scroll bar are those of the whole text
    // laid out at once.
    void paneLoadsFromTheTop()
    {
        QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard\\f0\\fs22 ";
        QStringList paragraphs;
        for (int n = 1; n <= 3000; ++n) {
            paragraphs.append(QStringLiteral("Odsek %1 o tom, ako sa dlhá lekcia ukladá celá").arg(n));
            rtf += paragraphs.last().toLatin1().replace("\xe1", "\\'e1") + "\\par\r\n";
        }
        const QString rtfPath = program() + QStringLiteral("/Kurz/Obsah.rtf");
        textfile::writeBytes(rtfPath, rtf + "}");
        const auto check = [](TForm1 *w, const char *when) {
            QVERIFY2(ui(w).Memo1->textCursor().position() == 0, when);
            QVERIFY2(ui(w).Memo1->document()->pageSize().height() > 0, when);
            QVERIFY2(ui(w).Memo1->document()->blockCount() >= 3000, when);
        };
        inCourse([&](TForm1 *w) {
            QTextDocument *doc = ui(w).Memo1->document();
            check(w, "opened");
            ui(w).Memo1->resize(ui(w).Memo1->width() - 40, ui(w).Memo1->height());
            QCoreApplication::processEvents();
            check(w, "resized");
            ui(w).Editciatextu2->trigger();
            check(w, "editing");
            QVERIFY(LayoutSteps::unlaidPosition(*doc) > 0);
            ui(w).Editciatextu2->trigger();
            QVERIFY(LayoutSteps::unlaidPosition(*doc) > 0);
            QTextDocument saved;
            formattedfile::load(rtfPath, saved);
            QCOMPARE(saved.toPlainText(), paragraphs.join(u'\n'));

            // Each pass of the steps leaves the layout done up to the block the search
            // names: every block before it has its lines, it has none.
            const auto firstUnlaid = [](const QTextDocument &d) {
                QTextBlock block = d.begin();
                while (block.isValid() && block.layout()->lineCount() > 0)
                    block = block.next();
                return block.isValid() ? block.position() : -1;
            };
            for (int pass = 0; pass < 100000 && LayoutSteps::unlaidPosition(*doc) >= 0; ++pass) {
                QCOMPARE(LayoutSteps::unlaidPosition(*doc), firstUnlaid(*doc));
                QCoreApplication::processEvents();
            }
            QCOMPARE(LayoutSteps::unlaidPosition(*doc), -1);
            QCoreApplication::processEvents();
            std::unique_ptr<QTextDocument> whole(doc->clone());
            whole->documentLayout()->setPaintDevice(doc->documentLayout()->paintDevice());
            whole->setPageSize(doc->pageSize());
            const qreal height = whole->documentLayout()->documentSize().height();
            QCOMPARE(doc->documentLayout()->documentSize().height(), height);
            QCOMPARE(doc->documentLayout()->blockBoundingRect(doc->lastBlock()),
                     whole->documentLayout()->blockBoundingRect(whole->lastBlock()));
            QVERIFY(qAbs(ui(w).Memo1->verticalScrollBar()->maximum() - (height - ui(w).Memo1->viewport()->height()))
                    <= 1);

            ui(w).Editciatextu2->trigger();
            ui(w).Ignorovazmeny1->trigger();
            check(w, "changes dropped");
        });
    }

    // A text block longer than the screen's table of 20 lines is shown and saved whole,
    // and the screen has no warning for it.
    void longBlockSavedWhole()
    {
        QStringList text;
        for (int n = 1; n <= 24; ++n)
            text.append(QStringLiteral("Riadok %1").arg(n));
        const QStringList buttons{QStringLiteral("[A]a.txt"), QStringLiteral("[B]b.txt"), QStringLiteral("[C]c.txt")};
        QStringList block = text;
        block.first().prepend(u'<');
        block.last().append(u'>');
        p->write(QStringLiteral("Kurz/Obsah.txt"), buttons + block);
        inCourse([&](TForm1 *w) {
            QCOMPARE(ui(w).Memo1->toPlainText(), text.join(u'\n'));
            ui(w).Editciatextu2->trigger();
            QVERIFY(w->editing());
            ui(w).Editciatextu2->trigger();
            QVERIFY(!w->editing());
        });
        QCOMPARE(textfile::readLines(content()),
                 buttons + QStringList{QStringLiteral("<")} + text + QStringList{QStringLiteral(">")});
        QVERIFY(hook::shown().isEmpty());
    }

    // A formatted file that is not rich text does not break the screen: the screen is
    // built with the block's text, the file is named once, editing works, and the save
    // moves the file aside to its ".old" name (replacing an older one) and writes a
    // good one.
    void brokenFormattedFileRepairedBySave_data()
    {
        QTest::addColumn<QByteArray>("broken");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain text") << QByteArray("Len obycajny text\r\n");
    }
    void brokenFormattedFileRepairedBySave()
    {
        QFETCH(QByteArray, broken);
        const QString rtf = program() + QStringLiteral("/Kurz/Obsah.rtf");
        const auto put = [](const QString &path, const QByteArray &bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        put(rtf, broken);
        put(rtf + QStringLiteral(".old"), "older");
        config({QStringLiteral("1*RTF NOT RICH TEXT*Pokazený súbor:")});
        inCourse([&](TForm1 *w) {
            QCOMPARE(ui(w).Memo1->toPlainText(), QStringLiteral("Starý text"));
            QVERIFY(ui(w).Memo1->isVisible());
            QVERIFY(ui(w).Zoom1->isVisible());
            // The pane ends before the buttons begin and covers none of them.
            const QRect pane(ui(w).Memo1->mapTo(w, QPoint()), ui(w).Memo1->size());
            QVERIFY(!pane.isEmpty());
            QVERIFY(pane.right() < ui(w).Button1->mapTo(w, QPoint()).x());
            for (const QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
                if (b->isVisible())
                    QVERIFY2(!pane.intersects(QRect(b->mapTo(w, QPoint()), b->size())), qPrintable(b->objectName()));
            }
            QCOMPARE(hook::shown().size(), 1);
            QCOMPARE(hook::shown().at(0).text, QStringLiteral("Pokazený súbor: ") + rtf);
            ui(w).Editciatextu2->trigger();
            QVERIFY(w->editing());
            replaceText(ui(w).Memo1, QStringLiteral("Opravený text"));
            ui(w).Editciatextu2->trigger();
            QVERIFY(!w->editing());
        });
        QCOMPARE(hook::shown().size(), 1);
        QCOMPARE(testing::fileBytes(rtf + QStringLiteral(".old")), broken);
        QVERIFY(testing::fileBytes(rtf).startsWith("{\\rtf1"));
        inCourse([&](TForm1 *w) { QCOMPARE(ui(w).Memo1->toPlainText(), QStringLiteral("Opravený text")); });
        QCOMPARE(hook::shown().size(), 1);
    }

    // Leaving an edited pane through "Späť" or "Koniec" (button or menu) asks the save
    // question once; after No the button still does its own work.
    void leavingAsksOnce_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Späť") << QStringLiteral("back");
        QTest::newRow("Koniec button") << QStringLiteral("end");
        QTest::newRow("Koniec menu") << QStringLiteral("menu");
    }
    void leavingAsksOnce()
    {
        QFETCH(QString, way);
        config({QStringLiteral("1*SAVE MEMO?*Uložiť?"), QStringLiteral("1*END*Koniec?")});
        inCourse([&](TForm1 *w) {
            w->activateWindow();
            ui(w).Editciatextu2->trigger();
            replaceText(ui(w).Memo1, QStringLiteral("Neuložené"));
            ui(w).Memo1->setFocus();
            hook::queue(messages::Answer::No);
            hook::queue(messages::Answer::No);
            if (way == u"back")
                QTest::mouseClick(ui(w).SpeedButton1, Qt::LeftButton);
            else if (way == u"end")
                QTest::mouseClick(ui(w).SpeedButton2, Qt::LeftButton);
            else
                ui(w).Koniec1->trigger();
            QStringList asked;
            for (const messages::Record &r : hook::shown())
                asked.append(r.text);
            QCOMPARE(asked.count(QStringLiteral("Uložiť?")), 1);
            if (way != u"back") {
                QCOMPARE(asked.last(), QStringLiteral("Koniec?"));
                hook::reset();
                hook::setAutoAnswer(true);
                ui(w).Ignorovazmeny1->trigger();
            }
        });
    }

    // Pasting rich content: the pane takes what its file keeps (a list, a picture, a
    // superscript) and drops at once what it would not save (an overline, a picture
    // named by a web address), so the saved file gives back exactly the pasted text.
    void pasteTakesWhatIsSaved()
    {
        inCourse([&](TForm1 *w) {
            ui(w).Editciatextu2->trigger();
            replaceText(ui(w).Memo1, QString());
            auto *html = new QMimeData;
            html->setHtml(QStringLiteral("<ol><li>jeden</li><li>dva</li></ol>"
                                         "<p>x<sup>2</sup> <span style='text-decoration: overline'>nad</span>"
                                         "<img src='http://example.com/a.png' width='50' height='50'></p>"));
            QApplication::clipboard()->setMimeData(html);
            ui(w).Memo1->paste();
            QImage image(6, 4, QImage::Format_RGB32);
            image.fill(Qt::blue);
            auto *picture = new QMimeData;
            picture->setImageData(image);
            QApplication::clipboard()->setMimeData(picture);
            ui(w).Memo1->paste();

            const QTextDocument *pane = ui(w).Memo1->document();
            QStringList lists;
            int pictures = 0;
            bool overline = false;
            for (QTextBlock b = pane->begin(); b.isValid(); b = b.next()) {
                if (b.textList())
                    lists.append(b.textList()->itemText(b) + b.text());
                for (auto it = b.begin(); !it.atEnd(); ++it) {
                    pictures += it.fragment().charFormat().isImageFormat() ? 1 : 0;
                    overline = overline || it.fragment().charFormat().fontOverline();
                }
            }
            QCOMPARE(lists, (QStringList{"1.jeden", "2.dva"}));
            QCOMPARE(pictures, 1);
            QVERIFY(!overline);
            QCOMPARE(pane->find(QStringLiteral("2")).charFormat().verticalAlignment(),
                     QTextCharFormat::AlignSuperScript);
            const QByteArray shown = rtf::write(*pane);
            ui(w).Editciatextu2->trigger();
            QVERIFY(!w->editing());
            QTextDocument saved;
            formattedfile::load(program() + QStringLiteral("/Kurz/Obsah.rtf"), saved);
            QCOMPARE(QString::fromLatin1(rtf::write(saved)).split(QStringLiteral("\r\n")),
                     QString::fromLatin1(shown).split(QStringLiteral("\r\n")));
        });
    }

    void discardRestoresTheSavedText()
    {
        inCourse([&](TForm1 *w) {
            ui(w).Editciatextu2->trigger();
            replaceText(ui(w).Memo1, QStringLiteral("zahodiť"));
            ui(w).Ignorovazmeny1->trigger();
            QVERIFY(!w->editing());
            QCOMPARE(ui(w).Memo1->toPlainText(), QStringLiteral("Starý text"));
            QVERIFY(ui(w).Memo1->toolTip().isEmpty());
        });
        QCOMPARE(textfile::readLines(content()).at(1), QStringLiteral("<Starý text>"));
    }

    void leavingThePaneAsks()
    {
        config({QStringLiteral("1*SAVE MEMO?*Uložiť?")});
        inCourse([&](TForm1 *w) {
            w->activateWindow();
            ui(w).Editciatextu2->trigger();
            replaceText(ui(w).Memo1, QStringLiteral("Text po otázke"));
            ui(w).Memo1->setFocus();
            // Into the zoom box: no question.
            ui(w).Zoom1->trigger();
            ui(w).MaskEdit1->setFocus();
            QVERIFY(hook::shown().isEmpty());
            ui(w).Memo1->setFocus();
            // Elsewhere: the question; No keeps editing with the focus back in the pane.
            hook::queue(messages::Answer::No);
            ui(w).ComboBox1->setFocus();
            QCOMPARE(hook::shown().size(), 1);
            QCOMPARE(hook::shown().at(0).text, QStringLiteral("Uložiť?"));
            QVERIFY(w->editing());
            // The back button asks again; Yes saves, and the window closes.
            hook::queue(messages::Answer::Yes);
            ui(w).SpeedButton1->click();
        });
        QCOMPARE(hook::shown().size(), 2);
        QCOMPARE(textfile::readLines(content()).mid(1, 3),
                 (QStringList{QStringLiteral("<"), QStringLiteral("Text po otázke"), QStringLiteral(">")}));
    }

    // Opening the menu from the keyboard does not leave the pane: nothing is saved or
    // asked, so "Ignorovať zmeny" can still be reached; with the question silenced too.
    void menuKeysKeepEditing_data()
    {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Alt+P, asking") << QStringLiteral("1") << int(Qt::Key_P) << int(Qt::AltModifier);
        QTest::newRow("F10, asking") << QStringLiteral("1") << int(Qt::Key_F10) << int(Qt::NoModifier);
        QTest::newRow("Alt+P, silenced") << QStringLiteral("0") << int(Qt::Key_P) << int(Qt::AltModifier);
        QTest::newRow("F10, silenced") << QStringLiteral("0") << int(Qt::Key_F10) << int(Qt::NoModifier);
    }
    void menuKeysKeepEditing()
    {
        QFETCH(QString, flag);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        config({flag + QStringLiteral("*SAVE MEMO?*Uložiť?")});
        const QStringList before = textfile::readLines(content());
        inCourse([&](TForm1 *w) {
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            ui(w).Editciatextu2->trigger();
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(ui(w).Memo1));
            QTest::keyClicks(ui(w).Memo1, QStringLiteral("slovo"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
            QVERIFY(hook::shown().isEmpty());
            QVERIFY(w->editing());
            QCOMPARE(textfile::readLines(content()), before);
            while (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
            ui(w).Ignorovazmeny1->trigger();
            QCOMPARE(ui(w).Memo1->toPlainText(), QStringLiteral("Starý text"));
        });
        QVERIFY(hook::shown().isEmpty());
        QCOMPARE(textfile::readLines(content()), before);
    }

    void silencedQuestionSavesAtOnce()
    {
        config({QStringLiteral("0*SAVE MEMO?*Uložiť?")});
        inCourse([&](TForm1 *w) {
            ui(w).Editciatextu2->trigger();
            replaceText(ui(w).Memo1, QStringLiteral("Bez otázky"));
            ui(w).SpeedButton1->click();
        });
        QVERIFY(hook::shown().isEmpty());
        QCOMPARE(textfile::readLines(content()).at(2), QStringLiteral("Bez otázky"));
    }

    void anotherCopyHoldingTheFileRefusesEditing()
    {
        config({QStringLiteral("1*UNEDITABLE*Nedá sa")});
        FileLock other(content());
        QVERIFY(other.locked());
        inCourse([&](TForm1 *w) {
            ui(w).Editciatextu2->trigger();
            QVERIFY(!w->editing());
        });
        // Told that another program edits the lesson, not that the folder is read-only.
        QCOMPARE(hook::shown().size(), 1);
        QCOMPARE(hook::shown().at(0).text, keys::EditBusy.defaultValue());
        QCOMPARE(textfile::readLines(content()).at(1), QStringLiteral("<Starý text>"));
    }

    void zoomAndFormatting()
    {
        inCourse([&](TForm1 *w) {
            QTextCharFormat eleven;
            eleven.setFontPointSize(11);
            QTextCursor all(ui(w).Memo1->document());
            all.select(QTextCursor::Document);
            all.mergeCharFormat(eleven);
            ui(w).Zoom1->trigger();
            QVERIFY(!ui(w).Panel4->isHidden());
            QCOMPARE(ui(w).MaskEdit1->text(), QStringLiteral("100"));
            ui(w).MaskEdit1->setText(QStringLiteral("50"));
            ui(w).Button2->click();
            QVERIFY(ui(w).Panel4->isHidden());
            QTextCursor first(ui(w).Memo1->document());
            first.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            QCOMPARE(first.charFormat().fontPointSize(), 6.0); // 5.5 to the even neighbour

            // A right click in read-only mode does nothing; in editing mode the dialog's
            // size, style and colour go to the selection, also after Cancel.
            QTest::mouseClick(ui(w).Memo1->viewport(), Qt::RightButton);
            QVERIFY(!w->findChild<FontDialog *>());
            ui(w).Editciatextu2->trigger();
            ui(w).Memo1->selectAll();
            testing::RunningProgram::onDialog([](QWidget *) {});
            QTest::mouseClick(ui(w).Memo1->viewport(), Qt::RightButton);
            QVERIFY(w->findChild<FontDialog *>());
            QTextCursor after(ui(w).Memo1->document());
            after.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            QCOMPARE(after.charFormat().fontPointSize(), 8.0); // the dialog's design size
            ui(w).Ignorovazmeny1->trigger();
        });
    }
};

QTEST_MAIN(TestTextEditing)
#include "tst_textediting.moc"
