// What a screen reader and a keyboard user meet, read through Qt's accessibility
// interface (the one the desktop's accessibility bus is fed from): every control a
// learner can use has a name and a role, labels are tied to their controls, windows say
// which screen they belong to, Escape and Tab behave, and the colours of the selection
// and of the focus frame can be told apart.
#include "export/exportwindow.h"
#include "info/clicklabel.h"
#include "info/toknoabout.h"
#include "info/toknooprg.h"
#include "info/toknoreklama.h"
#include "personal/toknokopy.h"
#include "personal/toknoodkazy.h"
#include "personal/toknopoznamka.h"
#include "course/workfiles.h"
#include "personal/linktargets.h"
#include "platform/messages.h"
#include "platform/readablelook.h"
#include "formcontrols.h"
#include "runningprogram.h"
#include "search/lessonfindbar.h"
#include "search/toknohladajvkurze.h"
#include "text/fontdialog.h"
#include "text/toknoeditlek.h"
#include "text/toknohelp.h"
#include "text/toknoobrazku.h"
#include "tree/toknohladaj.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QMetaEnum>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleOption>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeView>

#include <cmath>

using namespace lumora;
using lumora::testing::RunningProgram;
namespace hook = lumora::messages::hook;

namespace {

QString roleName(QAccessible::Role role)
{
    const char *key = QMetaEnum::fromType<QAccessible::Role>().valueToKey(role);
    return key ? QString::fromLatin1(key) : QString::number(role);
}

QString describe(QAccessibleInterface *face)
{
    const QObject *object = face->object();
    return roleName(face->role()) + QLatin1Char(' ')
        + (object && !object->objectName().isEmpty() ? object->objectName() : face->text(QAccessible::Value));
}

// Walks the accessible tree below face and lists what a screen reader would meet
// unnamed: controls a learner can act on without a name, descriptions that only repeat
// the name, column headers that are a bare number or English. Objects in exempt are
// skipped with everything below them.
void walk(QAccessibleInterface *face, const QList<const QObject *> &exempt, QStringList &problems, int depth = 0)
{
    if (!face || !face->isValid() || depth > 16)
        return;
    if (face->object() && exempt.contains(face->object()))
        return;
    // A hidden header is still read out with the cells below it.
    if (face->state().invisible && face->role() != QAccessible::ColumnHeader)
        return;
    static const QList<QAccessible::Role> actionable{
        QAccessible::PushButton,     QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::EditableText,   QAccessible::List,     QAccessible::Tree,        QAccessible::Table,
        QAccessible::SpinBox,        QAccessible::Slider,   QAccessible::MenuItem,    QAccessible::ButtonMenu,
        QAccessible::ButtonDropDown, QAccessible::ListItem, QAccessible::TreeItem,    QAccessible::Link,
        QAccessible::PageTab};
    const QString name = face->text(QAccessible::Name).trimmed();
    const QString description = face->text(QAccessible::Description).trimmed();
    // A text box that cannot take the focus is only shown text, read as such.
    const bool acts = actionable.contains(face->role())
        && (face->role() != QAccessible::EditableText || (face->state().focusable && !face->state().disabled));
    if (acts && name.isEmpty())
        problems << QStringLiteral("unnamed ") + describe(face);
    if (acts && !description.isEmpty() && description.compare(name, Qt::CaseInsensitive) == 0)
        problems << QStringLiteral("description repeats the name: ") + describe(face);
    if (face->role() == QAccessible::ColumnHeader) {
        bool number = false;
        name.toInt(&number);
        static const QStringList english{QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Type"),
                                         QStringLiteral("Date Modified")};
        if (name.isEmpty() || number || english.contains(name))
            problems << QStringLiteral("column header \"%1\"").arg(name);
    }
    for (int i = 0; i < face->childCount(); ++i)
        walk(face->child(i), exempt, problems, depth + 1);
}

QStringList unnamed(QWidget *window, const QList<const QObject *> &exempt = {})
{
    QStringList problems;
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(window);
    if (!face)
        return {QStringLiteral("no accessible interface")};
    if (face->text(QAccessible::Name).trimmed().isEmpty())
        problems << QStringLiteral("window without a title");
    walk(face, exempt, problems);
    return problems;
}

// Whether a screen reader hears label as the name of control: through the label
// relation (LABELLED_BY on the bus), or, for item views, which tell no relation, as
// their name; either way the label is the control's buddy.
bool labelledBy(QWidget *control, QLabel *label)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    if (!face || label->buddy() != control)
        return false;
    const auto relations = face->relations(QAccessible::Label);
    return std::any_of(relations.begin(), relations.end(),
                       [label](const auto &relation) { return relation.first->object() == label; })
        || (qobject_cast<QAbstractItemView *>(control) && face->text(QAccessible::Name) == label->text());
}

QString nameOf(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

QString descriptionOf(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Description) : QString();
}

// WCAG relative luminance and contrast ratio.
double luminance(const QColor &colour)
{
    const auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Shows a side window without its own event loop and waits until it is up.
template <typename W>
void shown(W &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> p;

private slots:
    void init()
    {
        hook::reset();
        p = std::make_unique<RunningProgram>();
        p->write(QStringLiteral("Kurz/Obsah.txt"),
                 {QStringLiteral("[Počítač a jeho časti]kap1.txt"), QStringLiteral("[Schéma]schema.bmp"),
                  QStringLiteral("[Ukážka práce]praca.scm"), QStringLiteral("[Stránka školy]https://skola.sk"),
                  QStringLiteral("[Pracovný list]list.pdf"), QStringLiteral("[Vyskúšajte sa]test.txt"),
                  QStringLiteral("[Obrázok]obr.bmp"), QStringLiteral("[Slovník]slovnik.html"),
                  QStringLiteral("//https://kurz.sk"), QStringLiteral("<Prvý odsek lekcie.>")});
        p->write(QStringLiteral("Kurz/kap1.txt"), {QStringLiteral("[Hlbšie]kap1.txt"), QStringLiteral("<Text>")});
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(p->program() + QStringLiteral("/Kurz/schema.bmp")));
        p->start();
    }

    void cleanup()
    {
        p.reset();
        hook::reset();
    }

    // Every window a learner meets on a course screen, walked whole.
    void everyWindowNamesItsControls()
    {
        QStringList problems;
        const auto check = [&problems](const QString &window, QWidget *w, const QList<const QObject *> &exempt = {}) {
            for (const QString &problem : unnamed(w, exempt))
                problems << window + QStringLiteral(": ") + problem;
        };
        check(QStringLiteral("root screen"), &p->main());
        {
            TOknoAbout about(p->session(), &p->main());
            about.FormActivate();
            shown(about);
            check(QStringLiteral("about"), &about);
            TOknoOPrg feedback(p->session(), &p->main());
            shown(feedback);
            check(QStringLiteral("feedback"), &feedback);
            TOknoReklama credits(p->session(), &p->main());
            shown(credits);
            check(QStringLiteral("credits"), &credits);
            TOknoHelp help(p->session(), &p->main());
            shown(help);
            check(QStringLiteral("help"), &help);
        }
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            // The lesson pane is named with its caret, where the pane is made.
            check(QStringLiteral("course screen"), w, {ui(w).Memo1});
            {
                TOknoPoznamka notes(
                    p->session(), [](bool) {}, w);
                notes.FormActivate();
                shown(notes);
                check(QStringLiteral("notes"), &notes);
            }
            {
                TOknoOdkazy links(p->session(), w);
                links.FormActivate();
                shown(links);
                check(QStringLiteral("links"), &links);
            }
            {
                TOknoKopy copy(p->session(), w);
                copy.FormActivate();
                shown(copy);
                check(QStringLiteral("copy"), &copy);
                QCOMPARE(nameOf(copy.SpeedButton3), QStringLiteral("Kopírovať do pracovného priečinka"));
                QCOMPARE(nameOf(copy.SpeedButton4), QStringLiteral("Kopírovať do priečinka"));
            }
            {
                TOknoHladaj tree(p->session(), w);
                shown(tree);
                check(QStringLiteral("tree"), &tree);
                QVERIFY(labelledBy(tree.TreeView1, tree.Label1));
                QVERIFY(labelledBy(tree.Edit1, tree.Label2));
            }
            {
                // A result is heard with what was found, the count as the window's status.
                TOknoHladajVKurze search(p->session(), {}, w);
                shown(search);
                search.Edit1->setText(QStringLiteral("odsek"));
                QTRY_VERIFY(!search.reading());
                search.Edit1Change();
                QCOMPARE(search.resultCount(), 1);
                check(QStringLiteral("course search"), &search);
                QCOMPARE(search.ListView1->model()->index(0, 0).data(Qt::AccessibleTextRole).toString(),
                         QStringLiteral("Kurz: Prvý odsek lekcie."));
                QAccessibleInterface *status = QAccessible::queryAccessibleInterface(search.Status);
                QCOMPARE(status->role(), QAccessible::StatusBar);
                QCOMPARE(status->text(QAccessible::Name), QStringLiteral("Nájdené obrazovky: 1"));
            }
            {
                // A picture opened without a caption is named by its file.
                p->session().course.PressedTitle.clear();
                TOknoObrazku picture(p->session(), w);
                picture.picturePath = p->program() + QStringLiteral("/Kurz/schema.bmp");
                shown(picture);
                check(QStringLiteral("picture"), &picture);
                QCOMPARE(nameOf(picture.scrollArea), QStringLiteral("schema.bmp"));
                QAccessibleInterface *image = QAccessible::queryAccessibleInterface(picture.Image1);
                QCOMPARE(image->role(), QAccessible::Graphic);
                QVERIFY(image->imageInterface());
                QCOMPARE(image->imageInterface()->imageDescription(), QStringLiteral("schema.bmp"));
            }
        });
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

    // Read-only texts are read by caret from their start, like the lesson; controls
    // that were heard without a name have one; an address is a link to follow.
    void textsReadByCaretAndControlsNamed()
    {
        QStringList problems;
        const auto readable = [&problems](const QString &where, QAbstractScrollArea *text) {
            auto *rich = qobject_cast<QTextEdit *>(text);
            auto *plain = qobject_cast<QPlainTextEdit *>(text);
            const Qt::TextInteractionFlags flags = rich ? rich->textInteractionFlags() : plain->textInteractionFlags();
            const int caret = rich ? rich->textCursor().position() : plain->textCursor().position();
            if (!text->isEnabled() || !(text->focusPolicy() & Qt::TabFocus) || !(flags & Qt::TextSelectableByKeyboard))
                problems << where + QStringLiteral(": not read by caret");
            if (caret != 0)
                problems << where + QStringLiteral(": caret at %1").arg(caret);
            if (nameOf(text).trimmed().isEmpty())
                problems << where + QStringLiteral(": unnamed");
        };
        p->write(QStringLiteral("HelpS.rtf"), {QStringLiteral("{\\rtf1 Prvý riadok\\par Druhý riadok\\par}")});
        {
            TOknoHelp help(p->session(), &p->main());
            shown(help);
            readable(QStringLiteral("help"), help.Memo1);
            TOknoAbout about(p->session(), &p->main());
            about.FormActivate();
            shown(about);
            readable(QStringLiteral("about"), about.Memo1);
            QAccessibleInterface *address = QAccessible::queryAccessibleInterface(about.Label1);
            QCOMPARE(address->role(), QAccessible::Link);
            QCOMPARE(address->text(QAccessible::Name), about.Label1->text());
            QVERIFY(address->actionInterface()
                    && address->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
            TOknoOPrg feedback(p->session(), &p->main());
            shown(feedback);
            for (QTextEdit *text : {feedback.Memo1, feedback.Memo2, feedback.Memo3})
                readable(QStringLiteral("feedback ") + text->objectName(), text);
            TOknoReklama credits(p->session(), &p->main());
            shown(credits);
            readable(QStringLiteral("credits"), credits.Memo1);
        }
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QVERIFY(labelledBy(ui(w).MaskEdit1, ui(w).Label12));
            QCOMPARE(nameOf(ui(w).UpDown1), ui(w).Label12->text());
            search::LessonFindBar &bar = search::LessonFindBar::of(*ui(w).Memo1, p->session());
            bar.open();
            auto *field = bar.findChild<QLineEdit *>(QStringLiteral("FindEdit"));
            field->setText(QStringLiteral("x"));
            for (QToolButton *clear : field->findChildren<QToolButton *>())
                QCOMPARE(nameOf(clear), QStringLiteral("Vymazať hľadaný text"));
            {
                TOknoKopy copy(p->session(), w);
                copy.FormActivate();
                QVERIFY(labelledBy(copy.DriveComboBox1, copy.PlaceLabel));
            }
            {
                exporting::ExportWindow exportWindow(p->session(), p->program() + QStringLiteral("/Kurz"), w);
                shown(exportWindow);
                for (const QString &problem : unnamed(&exportWindow))
                    problems << QStringLiteral("export: ") + problem;
                auto *progress = exportWindow.findChild<QProgressBar *>(QStringLiteral("progress"));
                QVERIFY(progress && !nameOf(progress).isEmpty());
            }
            {
                TOknoEditLek editor(p->session(), w);
                editor.folder = QStringLiteral("Kurz");
                editor.contentName = QStringLiteral("Obsah.txt");
                editor.openFiles();
                shown(editor);
                readable(QStringLiteral("editor syntax help"), editor.Memo2);
                readable(QStringLiteral("editor formatted text"), editor.Memo3);
                QCOMPARE(nameOf(editor.Memo1), editor.Label1->text());
                QCOMPARE(editor.Memo1->textCursor().position(), 0);
                // Tab moves on from the edited lines and types nothing.
                editor.activateWindow();
                editor.Memo1->setFocus();
                QTest::keyClick(editor.Memo1, Qt::Key_Tab);
                QVERIFY(!editor.Memo1->toPlainText().contains(QLatin1Char('\t')));
                QVERIFY(!editor.Memo1->hasFocus());
                // Escape over unsaved typing asks: Cancel stays, No closes unsaved.
                editor.Memo1->setFocus();
                QTest::keyClicks(editor.Memo1, QStringLiteral("x"));
                hook::shown().clear();
                hook::queue(messages::Answer::Cancel);
                QTest::keyClick(editor.Memo1, Qt::Key_Escape);
                QCOMPARE(hook::shown().size(), 1);
                QVERIFY(editor.isVisible());
                hook::queue(messages::Answer::No);
                QTest::keyClick(editor.Memo1, Qt::Key_Escape);
                QVERIFY(!editor.isVisible());
                QVERIFY(!editor.saved());
            }
        });
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // Where the learner is: the level window's title, its side windows' titles, the links
    // boxes' labels, and what each lesson button opens.
    void windowsSayWhereAndWhat()
    {
        QCOMPARE(nameOf(&p->main()), QStringLiteral("Lumora"));
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Kurz \u2014 Lumora"));
            QCOMPARE(nameOf(w), w->windowTitle());
            QVERIFY(labelledBy(ui(w).ComboBox1, ui(w).Label2));
            QVERIFY(labelledBy(ui(w).ComboBox2, ui(w).Label4));

            // The kind of item each button opens, never repeating the button's name.
            const QList<std::pair<const char *, QString>> kinds{{"Button12", QStringLiteral("Ďalšia obrazovka")},
                                                                {"Button22", QStringLiteral("Obrázok")},
                                                                {"Button32", QStringLiteral("Ukážka")},
                                                                {"Button42", QStringLiteral("Webová stránka")},
                                                                {"Button52", QStringLiteral("Dokument alebo program")},
                                                                {"Button62", QStringLiteral("Test")},
                                                                {"Button72", QString()},
                                                                {"Button82", QStringLiteral("Webová stránka")}};
            for (const auto &[button, kind] : kinds)
                QCOMPARE(descriptionOf(RunningProgram::button(w, QLatin1String(button))), kind);

            p->onLevel(3, [&](TForm1 *deeper) {
                QCOMPARE(deeper->windowTitle(), QStringLiteral("Kurz - Počítač a jeho časti \u2014 Lumora"));
                TOknoPoznamka notes(
                    p->session(), [](bool) {}, deeper);
                notes.FormActivate();
                QCOMPARE(notes.windowTitle(), QStringLiteral("Poznámky \u2014 Kurz - Počítač a jeho časti"));
                QCOMPARE(nameOf(notes.Memo1), QStringLiteral("Text poznámky"));
                TOknoOdkazy links(p->session(), deeper);
                links.FormActivate();
                QCOMPARE(links.windowTitle(), QStringLiteral("Odkazy \u2014 Kurz - Počítač a jeho časti"));
                QVERIFY(labelledBy(links.Edit1, links.Label1));
                QVERIFY(labelledBy(links.ListBox1, links.Label2));
                deeper->close();
            });
            RunningProgram::press(w, QStringLiteral("Button12"));
        });
    }

    // Tab and Ctrl+Tab leave the notes field; Escape in a menu bar closes only the menu;
    // Escape over unsaved typing in the notes asks.
    void keyboard()
    {
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            // The notes field: Tab moves on and types nothing.
            TOknoPoznamka notes(
                p->session(), [](bool) {}, w);
            notes.FormActivate();
            notes.setModal(true);
            shown(notes);
            notes.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&notes));
            notes.Memo1->setFocus();
            QTest::keyClicks(notes.Memo1, QStringLiteral("moja"));
            QTest::keyClick(notes.Memo1, Qt::Key_Tab);
            QVERIFY(!notes.Memo1->hasFocus());
            QCOMPARE(notes.Memo1->toPlainText(), QStringLiteral("moja"));
            notes.Memo1->setFocus();
            QTest::keyClick(notes.Memo1, Qt::Key_Tab, Qt::ControlModifier);
            QVERIFY(!notes.Memo1->hasFocus());
            QCOMPARE(notes.Memo1->toPlainText(), QStringLiteral("moja"));

            // Escape over unsaved typing asks (No by default): No closes unsaved, Yes saves.
            const QString file = course::workFilePath(p->session().values.TempDir, notes.NotesFile);
            hook::shown().clear();
            hook::queue(messages::Answer::No);
            QTest::keyClick(notes.Memo1, Qt::Key_Escape);
            QCOMPARE(hook::shown().size(), 1);
            QVERIFY(hook::shown().at(0).defaultNo);
            QVERIFY(!notes.isVisible());
            QVERIFY(!QFile::exists(file));
            notes.Memo1->clear();
            shown(notes);
            notes.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&notes));
            QTest::keyClicks(notes.Memo1, QStringLiteral("druha"));
            hook::queue(messages::Answer::Yes);
            QTest::keyClick(notes.Memo1, Qt::Key_Escape);
            QVERIFY(!notes.isVisible());
            QCOMPARE(course::readWorkFile(file), QStringList{QStringLiteral("druha")});

            // Alt, Right, Escape in the tree window's menu bar: the menu closes, the window stays.
            TOknoHladaj tree(p->session(), w);
            tree.setModal(true);
            shown(tree);
            tree.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&tree));
            QTest::keyClick(tree.TreeView1, Qt::Key_Alt);
            QTRY_VERIFY(tree.menuBar->hasFocus());
            QTest::keyClick(tree.menuBar, Qt::Key_Right);
            QTest::keyClick(tree.menuBar, Qt::Key_Escape);
            QVERIFY(tree.isVisible());
            QTest::keyClick(tree.TreeView1, Qt::Key_Escape);
            QVERIFY(!tree.isVisible());
        });
    }

    // A link chosen from the open list by Enter opens once, as a click does; in the
    // read-only lesson neither a right click nor the Menu key offers Qt's own menu.
    void linksAndMenusByKeyboard()
    {
        QStringList opened;
        personal::linkOpener = [&opened](const QString &target) { opened << target; };
        p->inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            ui(w).ComboBox1->setFocus();
            ui(w).ComboBox1->showPopup();
            QAbstractItemView *list = ui(w).ComboBox1->view();
            QTRY_VERIFY(list->isVisible());
            QTest::keyClick(list, Qt::Key_Return);
            QTRY_VERIFY(!list->isVisible());
            QCoreApplication::processEvents();
            QCOMPARE(opened, QStringList{QStringLiteral("https://kurz.sk")});

            QCOMPARE(ui(w).Memo1->contextMenuPolicy(), Qt::PreventContextMenu);
            QVERIFY(ui(w).Memo1->isReadOnly());
            // While editing, the Menu key and Shift+F10 open the formatting dialog.
            ui(w).Editciatextu2->trigger();
            QVERIFY(!ui(w).Memo1->isReadOnly());
            int dialogs = 0;
            for (const auto &[key, modifiers] : {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers()},
                                                 std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
                RunningProgram::onDialog(
                    [&dialogs](QWidget *dialog) { dialogs += qobject_cast<FontDialog *>(dialog) != nullptr; });
                QTest::keyClick(ui(w).Memo1, key, modifiers);
            }
            QCOMPARE(dialogs, 2);
            ui(w).Ignorovazmeny1->trigger();
            QVERIFY(ui(w).Memo1->isReadOnly());
            QCOMPARE(ui(w).Memo1->contextMenuPolicy(), Qt::PreventContextMenu);
        });
        personal::linkOpener = nullptr;
    }

    // Selected rows and the focus frame measured from the palette (WCAG contrast).
    void readableColours()
    {
        look::applyReadableLook();
        const QPalette palette = QApplication::palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const double selected =
                contrast(palette.color(group, QPalette::HighlightedText), palette.color(group, QPalette::Highlight));
            QVERIFY2(selected >= 4.5, qPrintable(QString::number(selected)));
        }
        const QColor focus = look::focusColor(palette);
        for (QPalette::ColorRole background : {QPalette::Window, QPalette::Button, QPalette::Base}) {
            const double against = contrast(focus, palette.color(QPalette::Active, background));
            QVERIFY2(against >= 3.0, qPrintable(QString::number(against)));
        }

        // The focused flat button ("Späť") is framed in that colour, FocusFrameWidth deep.
        QToolButton button;
        button.setAutoRaise(true);
        button.setText(QStringLiteral("Späť"));
        QStyleOptionToolButton option;
        option.initFrom(&button);
        option.rect = QRect(0, 0, 75, 25);
        option.state |= QStyle::State_HasFocus;
        option.text = button.text();
        QImage image(option.rect.size(), QImage::Format_RGB32);
        image.fill(palette.color(QPalette::Window));
        {
            QPainter painter(&image);
            QApplication::style()->drawComplexControl(QStyle::CC_ToolButton, &option, &painter, &button);
        }
        for (int depth = 0; depth < look::FocusFrameWidth; ++depth) {
            for (const QPoint &at :
                 {QPoint(37, depth), QPoint(37, 24 - depth), QPoint(depth, 12), QPoint(74 - depth, 12)})
                QCOMPARE(image.pixelColor(at), focus);
        }
        QVERIFY(look::FocusFrameWidth >= 2);

        // Found places in a lesson stand out from the white page, and their black text reads.
        for (const QColor &mark :
             {search::LessonFindBar::otherMatchColour(), search::LessonFindBar::currentMatchColour()}) {
            QVERIFY2(contrast(mark, Qt::white) >= 3.0, qPrintable(mark.name()));
            QVERIFY2(contrast(mark, Qt::black) >= 4.5, qPrintable(mark.name()));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
