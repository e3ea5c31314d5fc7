// Reading a lesson offscreen: a long formatted lesson beside a short block is reachable
// from its top (scroll bar, caret, accessible text), the zoom keys and their memory,
// the zoom box from the keyboard, the find bar, and the lesson as a PDF file.
#include "state/session.h"
#include "app/tform1.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/pdfpages.h"
#include "rtf/rtflists.h"
#include "rtf/rtfwriter.h"
#include "runningprogram.h"
#include "search/lessonfindbar.h"
#include "text/lessonpane.h"
#include "text/zoommemory.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWheelEvent>

#include <functional>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestLessonReading : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RunningProgram> p;
    QTemporaryDir m_settings;

    void lesson(const QString &html)
    {
        QTextDocument document;
        document.setHtml(html);
        QFile rtf(p->program() + QStringLiteral("/Kurz/Obsah.rtf"));
        QVERIFY(rtf.open(QIODevice::WriteOnly));
        rtf.write(rtf::write(document));
    }

    void inCourse(std::function<void(TForm1 *, LessonPane *)> step)
    {
        p->start();
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            auto *pane = qobject_cast<LessonPane *>(ui(w).Memo1);
            QVERIFY(pane);
            step(w, pane);
        });
    }

    // The word-processor lesson: heading, paragraph, two lists and a table.
    static QString wordProcessorLesson()
    {
        QString html = QStringLiteral("<h1>Ovocie</h1><p>Prvý odsek o jablkách a hruškách.</p><ul>");
        for (int i = 1; i <= 8; ++i)
            html += QStringLiteral("<li>Jablko %1</li>").arg(i);
        html += QStringLiteral("</ul><ol>");
        for (int i = 1; i <= 8; ++i)
            html += QStringLiteral("<li>Hruška %1</li>").arg(i);
        html += QStringLiteral("</ol><table border='1'>");
        for (int i = 1; i <= 6; ++i)
            html += QStringLiteral("<tr><td>Riadok %1</td><td>%2 kg</td></tr>").arg(i).arg(i * 3);
        return html + QStringLiteral("</table><p>Posledný odsek.</p>");
    }

private slots:
    void init()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
        p = std::make_unique<testing::RunningProgram>();
        p->write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        p->write(QStringLiteral("Kurz/Obsah.txt"),
                 {QStringLiteral("[Lekcia]lekcia.txt"), QStringLiteral("<Jablká a hrušky.>")});
    }

    void cleanup() { p.reset(); }

    // The pane shows a scroll bar for a long formatted lesson even though the block is
    // short, opens at its top with the caret there, and its text is read by the caret.
    void wholeLessonReachable()
    {
        lesson(wordProcessorLesson());
        inCourse([&](TForm1 *w, LessonPane *pane) {
            QVERIFY(pane->isVisible());
            QTRY_VERIFY(pane->verticalScrollBar()->isVisible());
            QVERIFY(pane->verticalScrollBar()->maximum() > 0);
            QCOMPARE(pane->verticalScrollBar()->value(), 0);
            QVERIFY(pane->isReadOnly());

            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(pane);
            QVERIFY(reader && reader->textInterface());
            QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Kurz – text lekcie"));
            QCOMPARE(reader->textInterface()->cursorPosition(), 0);
            pane->setFocus();
            QTest::keyClick(pane, Qt::Key_Down);
            const int down = reader->textInterface()->cursorPosition();
            QVERIFY(down > 0);
            QTest::keyClick(pane, Qt::Key_End, Qt::ControlModifier);
            QCOMPARE(reader->textInterface()->cursorPosition(), pane->document()->characterCount() - 1);
            QVERIFY(pane->verticalScrollBar()->value() > 0);
            QTest::keyClick(pane, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClick(pane, Qt::Key_Right, Qt::ShiftModifier);
            QTest::keyClick(pane, Qt::Key_Right, Qt::ShiftModifier);
            QCOMPARE(reader->textInterface()->selectionCount(), 1);
            QCOMPARE(pane->textCursor().selectedText(), QStringLiteral("Ov"));
            QVERIFY(pane->isReadOnly());
            QCOMPARE(pane->toPlainText().left(6), QStringLiteral("Ovocie"));

            // A visible frame while it has the focus, none without.
            const QPoint edge(0, pane->height() / 2);
            QCOMPARE(pane->grab().toImage().pixelColor(edge), LessonPane::focusFrameColour());
            ui(w).ComboBox1->setFocus();
            QCOMPARE(pane->grab().toImage().pixelColor(edge), pane->palette().color(QPalette::Base));
        });
    }

    // Ctrl+plus, Ctrl+minus, Ctrl+wheel and Ctrl+0 zoom the view in the zoom box's
    // steps without touching the lesson's sizes; the zoom is there on the next screen
    // and the next start. The zoom box takes the focus, and Escape closes it.
    void zoomKeysAndMemory()
    {
        lesson(QStringLiteral("<p style='font-size:11pt'>Zväčšený text</p>"));
        int height = 0;
        inCourse([&](TForm1 *w, LessonPane *pane) {
            QCOMPARE(pane->viewZoom(), 100);
            height = int(pane->document()->size().height());
            QTest::keyClick(w, Qt::Key_Plus, Qt::ControlModifier);
            QTest::keyClick(w, Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(pane->viewZoom(), 120);
            QVERIFY(pane->document()->size().height() > height);
            QTest::keyClick(w, Qt::Key_Minus, Qt::ControlModifier);
            QCOMPARE(pane->viewZoom(), 110);
            QWheelEvent wheel(QPointF(5, 5), pane->mapToGlobal(QPointF(5, 5)), {},
                              QPoint(0, 2 * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, Qt::ControlModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(pane->viewport(), &wheel);
            QCOMPARE(pane->viewZoom(), 130);
            QTextCursor first(pane->document());
            first.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
            QCOMPARE(first.charFormat().fontPointSize(), 11.0);

            ui(w).Zoom1->trigger();
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(ui(w).MaskEdit1));
            QVERIFY(ui(w).Label12->width() >= ui(w).Label12->sizeHint().width());
            QVERIFY(ui(w).Label12->geometry().right() < ui(w).MaskEdit1->x());
            QTest::keyClick(ui(w).MaskEdit1, Qt::Key_Escape);
            QVERIFY(ui(w).Panel4->isHidden());
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(pane));
        });
        // The next start (a new main window and session) shows the kept zoom.
        inCourse([&](TForm1 *w, LessonPane *pane) {
            QCOMPARE(pane->viewZoom(), 130);
            QTest::keyClick(w, Qt::Key_0, Qt::ControlModifier);
            QCOMPARE(pane->viewZoom(), 100);
            QCOMPARE(int(pane->document()->size().height()), height);
        });
        // Kept per program folder: another one starts at 100 %.
        QCOMPARE(memo::keptZoom(p->program() + QStringLiteral("-iný")), 100);
    }

    // F3 opens the find bar; places are found folded (case, diacritics), a quoted
    // phrase as written; Enter and F3 go on, Shift+F3 back, wrapping; Escape closes.
    void findBar()
    {
        lesson(QStringLiteral("<p>Číslo jedna.</p><p>Druhé cislo a ľudské</p><p>práva, ČÍSLO tri; práva ľudské.</p>"));
        inCourse([&](TForm1 *w, LessonPane *pane) {
            auto *bar = w->findChild<search::LessonFindBar *>();
            QVERIFY(bar && bar->isHidden());
            QTest::keyClick(w, Qt::Key_F3);
            QVERIFY(bar->isVisible());
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(bar->field()));
            QTest::keyClicks(bar->field(), QStringLiteral("cislo"));
            QCOMPARE(int(bar->found().size()), 3);
            QCOMPARE(pane->textCursor().selectedText(), QStringLiteral("Číslo"));
            QVERIFY(!pane->extraSelections().isEmpty());
            QTest::keyClick(bar->field(), Qt::Key_Return);
            QCOMPARE(pane->textCursor().selectedText(), QStringLiteral("cislo"));
            QTest::keyClick(w, Qt::Key_F3);
            QCOMPARE(pane->textCursor().selectedText(), QStringLiteral("ČÍSLO"));
            QTest::keyClick(w, Qt::Key_F3);
            QCOMPARE(bar->current(), 0);
            QTest::keyClick(w, Qt::Key_F3, Qt::ShiftModifier);
            QCOMPARE(bar->current(), 2);

            bar->field()->clear();
            QTest::keyClicks(bar->field(), QStringLiteral("\"ludske prava\""));
            QCOMPARE(int(bar->found().size()), 1);
            QCOMPARE(pane->textCursor().selectedText(), QStringLiteral("ľudské\u2029práva"));
            bar->field()->clear();
            QTest::keyClicks(bar->field(), QStringLiteral("ludske prava"));
            QCOMPARE(int(bar->found().size()), 4);

            QTest::keyClick(bar->field(), Qt::Key_Escape);
            QVERIFY(bar->isHidden());
            QVERIFY(pane->extraSelections().isEmpty());
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(pane));

            // While the text is edited, finding in it does not leave it: nothing is asked.
            ui(w).Editciatextu2->trigger();
            QVERIFY(w->editing());
            QTest::keyClick(w, Qt::Key_F3);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(bar->field()));
            QTest::keyClick(bar->field(), Qt::Key_Escape);
            QVERIFY(w->editing());
            QVERIFY(hook::shown().isEmpty());
            ui(w).Ignorovazmeny1->trigger();
        });
    }

    // A long lesson is gone through a slice per pass of the event loop: the first place
    // shows at once, the count grows, and in the end every place is found.
    void findBarGoesThroughALongLessonInSlices()
    {
        QWidget host;
        QTextEdit pane(&host);
        QString text;
        for (int i = 0; text.size() < 2'600'000; ++i)
            text += i % 7 == 0 ? QStringLiteral("Okno s číslom %1.\n").arg(i)
                               : QStringLiteral("Riadok bez slova %1.\n").arg(i);
        pane.setPlainText(text);
        host.show();
        Session texts;
        auto &bar = search::LessonFindBar::of(pane, texts);
        bar.openWith(QStringLiteral("okno"));
        QVERIFY(bar.isVisible());
        QVERIFY(!bar.found().empty());
        const qsizetype all = text.count(QStringLiteral("Okno"));
        QVERIFY(qsizetype(bar.found().size()) < all);
        QCOMPARE(pane.textCursor().selectedText(), QStringLiteral("Okno"));
        QTRY_COMPARE(qsizetype(bar.found().size()), all);
    }

    // A screen opened from a course search result (a search window) shows the searched
    // words highlighted with the first one in view, and stands offset from the window
    // it was opened from.
    void searchWindowShowsTheWords()
    {
        QString html;
        for (int i = 1; i <= 60; ++i)
            html += QStringLiteral("<p>Odsek %1 bez hľadaného slova.</p>").arg(i);
        lesson(html + QStringLiteral("<p>Tu je ČÍSLO a ďalšie číslo.</p>"));
        qputenv(search::SearchedWordsVariable, "cislo");
        const auto unset = qScopeGuard([] { qunsetenv(search::SearchedWordsVariable); });
        p->start({p->program() + QStringLiteral("/Kurz/Obsah.txt"), QStringLiteral("Kurz - Lekcia")});
        TForm1 &w = p->main();
        QTRY_VERIFY(w.findChild<search::LessonFindBar *>() && w.findChild<search::LessonFindBar *>()->isVisible());
        const auto *bar = w.findChild<search::LessonFindBar *>();
        QCOMPARE(int(bar->found().size()), 2);
        QCOMPARE(ui(w).Memo1->textCursor().selectedText(), QStringLiteral("ČÍSLO"));
        QVERIFY(ui(w).Memo1->verticalScrollBar()->value() > 0);
        QVERIFY(ui(w).Memo1->viewport()->rect().contains(ui(w).Memo1->cursorRect()));
        const ProgramValues &v = p->session().values;
        QCOMPARE(w.pos(), QPoint(v.WindowLeft + 40, v.WindowTop + 40));
    }

    // "Uložiť lekciu ako PDF…" asks for the name with the focus in the name box and
    // writes a PDF whose text and title read back, labels of a list that starts at 12
    // included; a file that cannot be made is an error.
    void pdfWrittenAndReadBack()
    {
        {
            QTextDocument document;
            document.setHtml(wordProcessorLesson());
            QTextCursor cursor(&document);
            cursor.movePosition(QTextCursor::End);
            QTextListFormat numbers;
            rtf::setListNumbering(numbers, QTextListFormat::ListDecimal, 12);
            cursor.insertBlock();
            cursor.insertText(QStringLiteral("Slivka"));
            cursor.createList(numbers);
            cursor.insertBlock();
            cursor.insertText(QStringLiteral("Broskyňa"));
            QFile rtf(p->program() + QStringLiteral("/Kurz/Obsah.rtf"));
            QVERIFY(rtf.open(QIODevice::WriteOnly));
            rtf.write(rtf::write(document));
        }
        const QString pdf = p->root() + QStringLiteral("/lekcia.pdf");
        inCourse([&](TForm1 *w, LessonPane *) {
            QVERIFY(ui(w).Pdflekcie1->isEnabled());
            const auto save = [w] { ui(w).Pdflekcie1->trigger(); };
            testing::RunningProgram::onWindow<QFileDialog>(save, [&](QFileDialog *files) {
                QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("fileNameEdit"));
                QCOMPARE(files->acceptMode(), QFileDialog::AcceptSave);
                qobject_cast<QLineEdit *>(QApplication::focusWidget())->setText(pdf);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
        });
        QVERIFY(hook::shown().isEmpty());
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString read = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *expected :
             {"Kurz", "Ovocie", "Prvý odsek o jablkách a hruškách.", "Hruška 8", "Riadok 6", "Posledný odsek."})
            QVERIFY2(read.contains(QString::fromUtf8(expected)), expected);
        for (const char *expected : {"12\\.\\s+Slivka", "13\\.\\s+Broskyňa"})
            QVERIFY2(read.contains(QRegularExpression(QString::fromUtf8(expected))), qPrintable(read.right(200)));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished());
        const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(infoText.contains(
                     QRegularExpression(QStringLiteral("^Title: +Kurz$"), QRegularExpression::MultilineOption)),
                 qPrintable(infoText));

        QTextDocument lesson;
        lesson.setPlainText(QStringLiteral("text"));
        const QString nowhere = p->root() + QStringLiteral("/chýba/lekcia.pdf");
        QVERIFY_THROWS_EXCEPTION(FileCreateError, pages::writePdf(lesson, QStringLiteral("Kurz"), nowhere));
        QVERIFY(!QFile::exists(nowhere));
        // A printer that cannot print reports it (the window then says so).
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(nowhere);
        QVERIFY(!pages::paint(lesson, printer));
    }
};

QTEST_MAIN(TestLessonReading)
#include "tst_lessonreading.moc"
