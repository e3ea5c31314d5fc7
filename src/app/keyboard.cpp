// The keyboard path of a level window: access keys of the menu, F10 for the menu bar,
// Backspace and Alt+Left as the back button, the Tab order of a built screen, what
// screen readers are told about it, and the focus on its lesson text or first button.
#include "platform/accesskeys.h"
#include "app/tform1.h"
#include "config/keys.h"
#include "platform/accessiblenames.h"
#include "platform/keyboard.h"
#include "course/buttonkind.h"
#include "course/contentfileitems.h"
#include "screens/levelscreen.h"
#include "screens/startscreen.h"
#include "screens/visitedmark.h"
#include "state/session.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>

namespace lumora {

namespace {

// Keeps the entry's access key whenever its caption is set without one.
void keepAccessKey(QAction *action, const QString &builtIn)
{
    const auto apply = [action, builtIn] {
        const QString marked = accesskeys::withAccessKey(action->text(), builtIn);
        if (marked != action->text())
            action->setText(marked);
    };
    QObject::connect(action, &QAction::changed, action, apply);
    apply();
}

} // namespace

void TForm1::describeScreen(const QList<QWidget *> &column)
{
    Session &s = m_session;
    const CourseState &c = s.course;
    const int level = c.CurrentLevel;
    const QString examCaption = s.ConfigText(keys::ButtonExam);
    for (QWidget *button : column) {
        // The full caption of a trimmed button is also its accessible name.
        const QString full = button->property("hint").toString();
        if (!full.isEmpty())
            button->setAccessibleName(full);
        // A lesson button tells what it opens, which its picture shows to the eye.
        const int tag = button->property("tag").toInt();
        if (tag < 1 || tag > MaxLines || !CourseState::validLevel(level))
            continue;
        const course::ButtonLine line = course::splitButtonLine(c.ScreenLines[size_t(level)][size_t(tag)]);
        const TextKey &kind = course::kindText(course::buttonKind(line.caption, line.target, examCaption));
        // A visited button says so after what it opens.
        const bool visited = screens::markedVisited(button);
        accessible::describe(
            button,
            screens::describedVisited(s.ConfigText(kind), visited, visited ? s.ConfigText(keys::Visited) : QString()));
    }
    // The links box is named by its label, not by the address it shows.
    accessible::label(Label2, ComboBox1);
    accessible::label(Label4, ComboBox2);
    // The title says which screen this is, as the title line shows it.
    const QString path = Label1->toolTip();
    accessible::setCaptionPath(this, path);
    setWindowTitle(accessible::title(path, windowTitle()));
}

void TForm1::setUpKeyboard()
{
    keyboard::installApplicationRules();

    // One fixed letter per entry, unique among the entries of each menu.
    const std::pair<QAction *, const char *> entries[] = {
        {Vlastn1->menuAction(), "&Vlastné"},
        {Poznmky1, "&Poznámky"},
        {Odkazy1, "&Odkazy"},
        {Koprovanie1, "&Kopírovanie"},
        {Export1, "&Export poznámok a odkazov"},
        {Tlaclekciu1, "&Tlačiť lekciu…"},
        {Pdflekcie1, "Uložiť lekciu ako P&DF…"},
        {Oaplikci1->menuAction(), "O &aplikácii"},
        {Oprograme1, "&O programe"},
        {Ohlasyautorom1, "O&hlasy autorom"},
        {Reklama1, "Ochranné &známky"},
        {Pomocnk1->menuAction(), "&Pomocník"},
        {Editciatextu1->menuAction(), "&Editácia"},
        {Editciatextu2, "Editácia &textu"},
        {Ignorovazmeny1, "&Ignorovať zmeny"},
        {Editcialekci1, "Editácia &lekcie"},
        {Exportkurzu1, "E&xport kurzu na web…"},
        {Help1, "&Help"},
        {Hadaj1, "&Strom"},
        {Zoom1, "&Zoom"},
        {Hadavkurze1, "Hľadať v &kurze"},
        {Hadavlekcii1, "Hľadať v &lekcii"},
        {Koniec1, "&Koniec"},
    };
    for (const auto &[action, builtIn] : entries)
        keepAccessKey(action, QString::fromUtf8(builtIn));

    auto *back = new QAction(this);
    back->setObjectName(QStringLiteral("BackKey"));
    back->setShortcuts({QKeySequence(Qt::Key_Backspace), QKeySequence(Qt::ALT | Qt::Key_Left)});
    back->setShortcutContext(Qt::WindowShortcut);
    connect(back, &QAction::triggered, this, [this] {
        if (SpeedButton1->isVisible() && SpeedButton1->isEnabled())
            SpeedButton1->click();
    });
    addAction(back);

    auto *menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("MenuKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WindowShortcut);
    connect(menuKey, &QAction::triggered, this, [this] {
        for (QAction *first : menuBar()->actions()) {
            if (first->isVisible() && first->isEnabled()) {
                menuBar()->setActiveAction(first);
                return;
            }
        }
    });
    addAction(menuKey);
}

void TForm1::arrangeKeyboard()
{
    QList<QWidget *> column = m_screen->column().controls();
    std::stable_sort(column.begin(), column.end(), [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
    // Reading order: the lesson text (on the root screen the start panel), the buttons
    // beside it, the links below, the two flat buttons, then the zoom box.
    const QWidget *startPanel = client->findChild<QWidget *>(QStringLiteral("StartPanel"));
    QList<QWidget *> order{Memo1};
    order << screens::startPanelControls(startPanel) << column << ComboBox1 << ComboBox2 << SpeedButton1 << SpeedButton2
          << MaskEdit1 << UpDown1 << Button2;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    describeScreen(column);
    // A screen that opens in editing mode keeps the focus in its text; a screen with a
    // lesson text opens with the focus in it, the first thing to read; any other on
    // its first lesson button.
    if (editing())
        return;
    if (QWidget *first = screens::startPanelFocus(startPanel)) {
        first->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!Memo1->isHidden() && Memo1->isEnabled() && (Memo1->focusPolicy() & Qt::TabFocus)) {
        Memo1->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget *button : column) {
        if (!button->isHidden() && button != Button1) {
            button->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

} // namespace lumora
