// The keyboard path offscreen: access keys of the menu, Enter on buttons, the Tab order
// and focus of a new screen, Backspace and Alt+Left as the back button, Escape on modal
// windows but never on a level window, F10, and the Yes/No keys of questions.
#include "platform/accesskeys.h"
#include "info/toknoabout.h"
#include "platform/messages.h"
#include "runningprogram.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <functional>

using namespace lumora;
using lumora::testing::RunningProgram;
namespace hook = lumora::messages::hook;

namespace {

// The letter a caption's "&" marks as its access key, or a null QChar when none.
QChar accessLetter(const QString &caption)
{
    for (qsizetype at = caption.indexOf(u'&'); at >= 0 && at + 1 < caption.size(); at = caption.indexOf(u'&', at + 2)) {
        if (caption.at(at + 1) != u'&')
            return caption.at(at + 1);
    }
    return {};
}

// Presses letter (with modifiers) on w as the keyboard types it.
void typeLetter(QWidget *w, QChar letter, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key(letter.toUpper().unicode()), QString(letter), modifiers);
}

// Each entry of menu, opened by open(), acts on its own access letter: a submenu opens
// (and its entries are checked in turn), any other entry triggers. Two entries sharing a
// letter only move the highlight, so the check fails for them. The entries' handlers
// must be disconnected by the caller: nothing but the key handling runs.
void checkMenuLetters(QMenu *menu, const std::function<void()> &open)
{
    for (QAction *entry : menu->actions()) {
        if (entry->isSeparator())
            continue;
        const QChar letter = accessLetter(entry->text());
        QVERIFY2(!letter.isNull(), qPrintable(entry->text() + QStringLiteral(" has no access key")));
        entry->setVisible(true); // entries of another mode are checked too
        entry->setEnabled(true);
        const auto openEntry = [&] {
            open();
            QTRY_VERIFY(menu->isVisible());
            typeLetter(menu, letter);
        };
        if (QMenu *sub = entry->menu()) {
            openEntry();
            QTRY_VERIFY2(sub->isVisible(), qPrintable(entry->text()));
            sub->close();
            menu->close();
            checkMenuLetters(sub, openEntry);
        } else {
            QSignalSpy triggered(entry, &QAction::triggered);
            openEntry();
            QVERIFY2(triggered.size() == 1, qPrintable(entry->text()));
            QTRY_VERIFY(!menu->isVisible());
        }
        if (QTest::currentTestFailed())
            return;
    }
}

void activate(QWidget *w)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// The focusable, shown controls of a window's client area in Tab order from start.
QStringList tabOrder(QWidget *start, int count)
{
    QStringList names;
    QWidget *w = start;
    while (names.size() < count) {
        names << w->objectName();
        do {
            w = w->nextInFocusChain();
        } while (w != start && (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)));
        if (w == start)
            break;
    }
    return names;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void accessKeyRule_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("builtIn");
        QTest::addColumn<QString>("expected");
        QTest::newRow("built-in") << "&Vlastné"
                                  << "&Vlastné"
                                  << "&Vlastné";
        QTest::newRow("configured without a key") << "Vlastné"
                                                  << "&Vlastné"
                                                  << "&Vlastné";
        QTest::newRow("word start first") << "Editácia textu"
                                          << "Editácia &textu"
                                          << "Editácia &textu";
        QTest::newRow("inside a word") << "Ohlasy autorom"
                                       << "O&hlasy autorom"
                                       << "O&hlasy autorom";
        QTest::newRow("other case") << "zmeny ignorovať"
                                    << "&Ignorovať zmeny"
                                    << "zmeny &ignorovať";
        QTest::newRow("own key kept") << "Mo&je"
                                      << "&Vlastné"
                                      << "Mo&je";
        QTest::newRow("letter missing") << "Moje"
                                        << "&Vlastné"
                                        << "Moje";
        QTest::newRow("empty") << ""
                               << "&Koniec"
                               << "";
    }
    void accessKeyRule()
    {
        QFETCH(QString, caption);
        QFETCH(QString, builtIn);
        QFETCH(QString, expected);
        QCOMPARE(accesskeys::withAccessKey(caption, builtIn), expected);
    }

    void menuAccessKeysAreFixedAndCollisionFree()
    {
        RunningProgram p;
        p.write(QStringLiteral("CONFIG.TXT"),
                {QStringLiteral("1*MENU NOTES*Poznámky"), // as the sample writes it
                 QStringLiteral("1*MENU HTTP*Mo&je odkazy")});
        p.start();
        TForm1 &w = p.main();
        QCOMPARE(ui(w).Odkazy1->text(), QStringLiteral("Mo&je odkazy"));
        // A caption set later (editing mode) keeps its key.
        ui(w).Editciatextu2->setText(QStringLiteral("Uloženie textu"));
        QCOMPARE(ui(w).Editciatextu2->text(), QStringLiteral("Uloženie &textu"));

        activate(&w);
        QTest::keyClick(&w, Qt::Key_F10);
        QCOMPARE(w.menuBar()->activeAction(), ui(w).Vlastn1->menuAction());
        QTRY_VERIFY(ui(w).Vlastn1->isVisible());
        ui(w).Vlastn1->close();
        QTest::keyClick(&w, Qt::Key_A, Qt::AltModifier); // "O &aplikácii"
        QTRY_VERIFY(ui(w).Oaplikci1->isVisible());
        ui(w).Oaplikci1->close();

        // Every entry of the menu bar and its menus is reached by its letter alone. The
        // entries' handlers, and the menus' own enabling of entries as they open, are
        // taken off first: only the key handling is under test.
        for (QAction *action : w.findChildren<QAction *>())
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        for (QMenu *menu : w.findChildren<QMenu *>())
            QObject::disconnect(menu, &QMenu::aboutToShow, nullptr, nullptr);
        for (QAction *top : w.menuBar()->actions()) {
            const QChar letter = accessLetter(top->text());
            QVERIFY2(!letter.isNull(), qPrintable(top->text() + QStringLiteral(" has no access key")));
            if (QMenu *menu = top->menu()) {
                checkMenuLetters(menu, [&] { typeLetter(&w, letter, Qt::AltModifier); });
            } else {
                QSignalSpy triggered(top, &QAction::triggered);
                typeLetter(&w, letter, Qt::AltModifier);
                QVERIFY2(triggered.size() == 1, qPrintable(top->text()));
            }
            if (QTest::currentTestFailed())
                return;
        }
    }

    void screensByKeyboard()
    {
        RunningProgram p;
        p.write(QStringLiteral("Kurz/Obsah.txt"),
                {QStringLiteral("[Prvá kapitola s veľmi dlhým názvom]kap1.txt"), QStringLiteral("[Druhá]kap2.txt"),
                 QStringLiteral("//www.example.sk"), QStringLiteral("<Text lekcie.>")});
        p.write(QStringLiteral("Kurz/kap1.txt"), {QStringLiteral("[Hlbšie]kap1.txt")});
        p.start();
        TForm1 &main = p.main();
        QPushButton *course = p.courseButton(QStringLiteral("Kurz"));
        QVERIFY(course);
        QCOMPARE(main.focusWidget(), course); // the root screen's first button

        QStringList seen;
        p.onLevel(2, [&](TForm1 *w) {
            activate(w);
            QPushButton *first = RunningProgram::button(w, QStringLiteral("Button12"));
            QVERIFY(first);
            // The screen opens in its lesson text; Tab follows the reading order from there.
            QCOMPARE(w->focusWidget(), ui(w).Memo1);
            QCOMPARE(first->accessibleName(), QStringLiteral("Prvá kapitola s veľmi dlhým názvom"));
            QCOMPARE(first->toolTip(), first->accessibleName());
            QCOMPARE(tabOrder(ui(w).Memo1, 7),
                     (QStringList{QStringLiteral("Memo1"), QStringLiteral("Button12"), QStringLiteral("Button22"),
                                  QStringLiteral("ComboBox1"), QStringLiteral("SpeedButton1"),
                                  QStringLiteral("SpeedButton2")}));
            QTest::keyClick(ui(w).Memo1, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), first);
            QTest::keyClick(first, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Button22"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), first);

            // Escape never closes a level window.
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY(w->isVisible());

            p.onLevel(3, [&](TForm1 *deeper) {
                seen << QStringLiteral("level 3");
                activate(deeper);
                QCOMPARE(deeper->focusWidget(), RunningProgram::button(deeper, QStringLiteral("Button13")));
                QTest::keyClick(deeper, Qt::Key_Backspace); // "Späť"
            });
            QTest::keyClick(first, Qt::Key_Return); // returns once level 3 has closed
            QCOMPARE(int(p.session().course.CurrentLevel), 2);
            QVERIFY(w->isVisible());
            seen << QStringLiteral("back on 2");
            activate(w);
            QTest::keyClick(w, Qt::Key_Left, Qt::AltModifier);
        });
        activate(&main);
        QTest::keyClick(course, Qt::Key_Enter); // returns once level 2 has closed
        QCOMPARE(seen, (QStringList{QStringLiteral("level 3"), QStringLiteral("back on 2")}));
        QCOMPARE(int(p.session().course.CurrentLevel), 1);
        QVERIFY(!p.session().terminateRequested);

        // Backspace on the main window, where no back button shows, does nothing.
        activate(&main);
        QTest::keyClick(&main, Qt::Key_Backspace);
        QVERIFY(main.isVisible());
        QVERIFY(!p.session().terminateRequested);
    }

    void escapeClosesModalWindows()
    {
        RunningProgram p;
        p.start();
        bool closed = false;
        RunningProgram::onDialog([&](QWidget *dialog) {
            QVERIFY(qobject_cast<TOknoAbout *>(dialog));
            QTest::keyClick(dialog, Qt::Key_Escape);
            closed = !dialog->isVisible();
        });
        ui(p.main()).Oprograme1->trigger();
        QVERIFY(closed);

        // A window whose text box holds unsaved typing stays open.
        QDialog note(&p.main());
        auto *edit = new QPlainTextEdit(&note);
        note.setModal(true);
        RunningProgram::onDialog([&](QWidget *dialog) {
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("poznamka"));
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY(dialog->isVisible());
            edit->document()->setModified(false);
            QTest::keyClick(edit, Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
        });
        note.exec();
        QCOMPARE(edit->toPlainText(), QStringLiteral("poznamka"));
    }

    void questionsAnsweredByLetter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("yes");
        QTest::newRow("A on an English keyboard") << int(Qt::Key_A) << int(Qt::NoModifier) << true;
        QTest::newRow("Alt+A") << int(Qt::Key_A) << int(Qt::AltModifier) << true;
        QTest::newRow("á on a Slovak keyboard") << int(Qt::Key_Aacute) << int(Qt::NoModifier) << true;
        QTest::newRow("Alt+Á") << int(Qt::Key_Aacute) << int(Qt::AltModifier) << true;
        QTest::newRow("N") << int(Qt::Key_N) << int(Qt::NoModifier) << false;
        QTest::newRow("Alt+N") << int(Qt::Key_N) << int(Qt::AltModifier) << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
        QTest::newRow("Enter on the default Yes") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
    }
    void questionsAnsweredByLetter()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, yes);
        hook::reset();
        RunningProgram::onDialog([&](QWidget *box) {
            QVERIFY(box);
            activate(box); // Alt with a letter works in the active window
            QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key(key),
                            Qt::KeyboardModifiers(modifiers));
            QTRY_VERIFY(!box->isVisible()); // answered by the key, not closed by the test
        });
        const auto answer =
            messages::show(messages::Kind::Confirmation, messages::Buttons::YesNo, QStringLiteral("Naozaj?"));
        QCOMPARE(answer, yes ? messages::Answer::Yes : messages::Answer::No);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
