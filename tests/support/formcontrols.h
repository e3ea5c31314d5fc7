#pragma once
// The controls of a main window, found by their object names: TForm1 keeps its controls
// private, and every control's object name is its name in docs/NAMES.md. A missing
// control ends the test program with its name, so a renamed control cannot pass unseen.
//
//     ui(w).ComboBox1->count()
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>

namespace lumora::testing {

// The child of parent named name (only parent's own children: the column of a large
// course holds thousands of buttons, and a side window may have controls of the same
// names).
template <typename T>
T *namedChild(const QObject *parent, const char *name)
{
    T *found = parent ? parent->findChild<T *>(QLatin1String(name), Qt::FindDirectChildrenOnly) : nullptr;
    if (!found)
        qFatal("The main window has no control named %s", name);
    return found;
}

struct FormControls {
    explicit FormControls(const QMainWindow &w)
        : client(w.centralWidget()),
          Image1(namedChild<QLabel>(client, "Image1")),
          Label6(namedChild<QLabel>(client, "Label6")),
          Label1(namedChild<QLabel>(client, "Label1")),
          Memo1(namedChild<QTextEdit>(client, "Memo1")),
          Panel1(namedChild<QFrame>(client, "Panel1")),
          SpeedButton1(namedChild<QToolButton>(client, "SpeedButton1")),
          SpeedButton2(namedChild<QToolButton>(client, "SpeedButton2")),
          Label2(namedChild<QLabel>(client, "Label2")),
          ComboBox1(namedChild<QComboBox>(client, "ComboBox1")),
          Label4(namedChild<QLabel>(client, "Label4")),
          ComboBox2(namedChild<QComboBox>(client, "ComboBox2")),
          Button1(namedChild<QPushButton>(client, "Button1")),
          ScrollBar2(namedChild<QScrollBar>(client, "ScrollBar2")),
          Panel4(namedChild<QFrame>(client, "Panel4")),
          Label12(namedChild<QLabel>(Panel4, "Label12")),
          MaskEdit1(namedChild<QLineEdit>(Panel4, "MaskEdit1")),
          UpDown1(namedChild<QSpinBox>(Panel4, "UpDown1")),
          Button2(namedChild<QPushButton>(Panel4, "Button2")),
          Vlastn1(namedChild<QMenu>(&w, "Vlastn1")),
          Poznmky1(namedChild<QAction>(Vlastn1, "Poznmky1")),
          Odkazy1(namedChild<QAction>(Vlastn1, "Odkazy1")),
          Koprovanie1(namedChild<QAction>(Vlastn1, "Koprovanie1")),
          Export1(namedChild<QAction>(Vlastn1, "Export1")),
          Tlaclekciu1(namedChild<QAction>(Vlastn1, "Tlaclekciu1")),
          Pdflekcie1(namedChild<QAction>(Vlastn1, "Pdflekcie1")),
          Oaplikci1(namedChild<QMenu>(&w, "Oaplikci1")),
          Oprograme1(namedChild<QAction>(Oaplikci1, "Oprograme1")),
          Ohlasyautorom1(namedChild<QAction>(Oaplikci1, "Ohlasyautorom1")),
          Reklama1(namedChild<QAction>(Oaplikci1, "Reklama1")),
          Pomocnk1(namedChild<QMenu>(&w, "Pomocnk1")),
          Editciatextu1(namedChild<QMenu>(&w, "Editciatextu1")),
          Editciatextu2(namedChild<QAction>(Editciatextu1, "Editciatextu2")),
          Ignorovazmeny1(namedChild<QAction>(Editciatextu1, "Ignorovazmeny1")),
          Editcialekci1(namedChild<QAction>(Editciatextu1, "Editcialekci1")),
          Exportkurzu1(namedChild<QAction>(Editciatextu1, "Exportkurzu1")),
          Help1(namedChild<QAction>(Pomocnk1, "Help1")),
          Hadaj1(namedChild<QAction>(Pomocnk1, "Hadaj1")),
          Hadavkurze1(namedChild<QAction>(Pomocnk1, "Hadavkurze1")),
          Hadavlekcii1(namedChild<QAction>(Pomocnk1, "Hadavlekcii1")),
          Zoom1(namedChild<QAction>(Pomocnk1, "Zoom1")),
          Koniec1(namedChild<QAction>(w.menuBar(), "Koniec1"))
    {}

    QWidget *client;
    QLabel *Image1;
    QLabel *Label6;
    QLabel *Label1;
    QTextEdit *Memo1;
    QFrame *Panel1;
    QToolButton *SpeedButton1;
    QToolButton *SpeedButton2;
    QLabel *Label2;
    QComboBox *ComboBox1;
    QLabel *Label4;
    QComboBox *ComboBox2;
    QPushButton *Button1;
    QScrollBar *ScrollBar2;
    QFrame *Panel4;
    QLabel *Label12;
    QLineEdit *MaskEdit1;
    QSpinBox *UpDown1;
    QPushButton *Button2;
    QMenu *Vlastn1;
    QAction *Poznmky1;
    QAction *Odkazy1;
    QAction *Koprovanie1;
    QAction *Export1;
    QAction *Tlaclekciu1;
    QAction *Pdflekcie1;
    QMenu *Oaplikci1;
    QAction *Oprograme1;
    QAction *Ohlasyautorom1;
    QAction *Reklama1;
    QMenu *Pomocnk1;
    QMenu *Editciatextu1;
    QAction *Editciatextu2;
    QAction *Ignorovazmeny1;
    QAction *Editcialekci1;
    QAction *Exportkurzu1;
    QAction *Help1;
    QAction *Hadaj1;
    QAction *Hadavkurze1;
    QAction *Hadavlekcii1;
    QAction *Zoom1;
    QAction *Koniec1;
};

inline FormControls ui(const QMainWindow &w)
{
    return FormControls(w);
}
inline FormControls ui(const QMainWindow *w)
{
    return FormControls(*w);
}

} // namespace lumora::testing

namespace lumora {
// Found by argument lookup for a main window, and by "using namespace lumora".
using testing::ui;
} // namespace lumora
