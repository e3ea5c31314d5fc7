#pragma once
// The main window class. Level 1 is the one made at start; every deeper level is another
// instance made from the window template. Controls are named members whose object names
// are the same, so the template, the layout code and the tests find them by name; the
// inherited names are explained in docs/NAMES.md.
#include "personal/personalmenu.h"
#include "screens/screenhost.h"
#include "state/programvalues.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QTextEdit;
class QToolButton;

namespace lumora {

class Session;
namespace info {
class InfoMenu;
}
namespace screens {
class LevelScreen;
}
namespace search {
class CourseSearchMenu;
}
namespace text {
class PaneEditing;
}

// What the set-up learns from the machine; tests supply their own.
struct StartEnvironment {
    QString currentFolder; // the program folder
    QStringList arguments; // command-line parameters after the program name
    int screenWidth = 1024;
    int screenHeight = 768;
    double dotsPerInch = 96;
    EnvironmentLookup environment;
    QString dataLocation;                  // the user's data location of the program (the default work folder)
    std::function<QString()> localAddress; // dotted address of this computer, empty when none

    static StartEnvironment fromSystem(const QStringList &arguments);
};

class TForm1 : public QMainWindow, public personal::PersonalHost, public screens::ScreenHost {
    Q_OBJECT
public:
    // Design size of the client area below the menu.
    static constexpr int DesignClientWidth = 643;
    static constexpr int DesignClientHeight = 446;
    // Design font size of the window; its titles and flat buttons keep it.
    static constexpr int DesignFontSize = 8;

    explicit TForm1(Session &session, QWidget *parent = nullptr);
    ~TForm1() override;

    // The set-up of the main window at start; errors end it early (shown to the user).
    void FormCreate(const StartEnvironment &start);

    // The end button and "Koniec": offer to save an edited text, confirm, end.
    void SpeedButton2Click();
    void Koniec1Click();
    // The course tree (src/tree): opens the tree window inside a course; a search
    // window offers to close instead.
    void Hadaj1Click();
    // A link of the screen's own links box, opened as the box's choice opens it.
    void ComboBox1Click(int index);

    screens::LevelScreen &levelScreen() const { return *m_screen; }
    screens::ScreenControls screenControls() const override;
    std::unique_ptr<QWidget> makeLevelWindow() override;
    // The question before an edited pane is left: saves on Yes (or at once when the
    // question is silenced); on No, or when saving fails, the focus returns to the pane.
    void offerToSaveText() override;
    bool editing() const;
    PersonalHost::Controls personalControls() const override;
    void relayOutColumn() override;

    // Ends the program: shows the lower levels again, deletes the template and asks
    // the application to terminate; returns to its caller.
    void EndProgram() override;

    // Moves and sizes the window (outer size of the window without the frame).
    void placeWindow(int left, int top, int width, int height) override;

    Session &session() const { return m_session; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Handlers, connected to the controls when the window is made.
    void Help1Click();
    void Editcialekci1Click();
    void Exportkurzu1Click();
    void FormClose();
    // The screens of the level (src/screens): building on activation, the button
    // column's scroll bar, "Späť", and the content file given on the command line.
    void FormActivate();
    void SpeedButton1Click();
    void PripravOkno(const QString &contentPath);
    void ScrollBar2Scroll(int position);
    // The lesson text pane: editing mode, zoom and formatting (src/text).
    void Editciatextu2Click();
    void Ignorovazmeny1Click();
    void Zoom1Click();
    void Button2Click();
    // Reading the lesson: the find bar ("Hľadať v lekcii", F3 for the next place,
    // Shift+F3 for the one before), printing and PDF files of the lesson.
    void Hadavlekcii1Click();
    void FindPreviousClick();
    void Tlaclekciu1Click();
    void Pdflekcie1Click();

    // The keyboard path (src/app/keyboard.cpp).
    // Access keys, F10, Backspace and Alt+Left as "Späť"; made with the window.
    void setUpKeyboard();
    // Tab order of a built screen, what screen readers are told about it, the focus on
    // its lesson text or first lesson button; run once, after the first activation.
    void arrangeKeyboard();
    // Accessible names and descriptions of the column's buttons, the links boxes tied to
    // their labels, and the window title naming the screen.
    void describeScreen(const QList<QWidget *> &column);

    // Every caption, label and menu text from the text table, the title colour, and the
    // end button and window caption of this instance's kind.
    void applyCaptions();

    void createControls();
    void createMenu();
    void connectHandlers();

    void activateOnce();

    Session &m_session;
    bool m_active = false;                              // activated, and not deactivated or hidden since
    text::PaneEditing *m_paneEditing = nullptr;         // the pane's in-place editing
    screens::LevelScreen *m_screen = nullptr;           // owned by the window
    bool m_keyboardArranged = false;                    // the built screen has its Tab order
    personal::PersonalMenu *m_personal = nullptr;       // owned by the window
    info::InfoMenu *m_info = nullptr;                   // owned by the window
    search::CourseSearchMenu *m_courseSearch = nullptr; // owned by the window

    // The controls: the features reach them through ScreenControls and PersonalHost::Controls,
    // the tests by their object names (equal to these names; tests/support/formcontrols.h).
    QWidget *client = nullptr;           // the client area below the menu bar
    QLabel *Image1 = nullptr;            // the background picture
    QLabel *Label6 = nullptr;            // the upper title ("EDUCATION")
    QLabel *Label1 = nullptr;            // the program's name ("NAME")
    QTextEdit *Memo1 = nullptr;          // the lesson text pane
    QFrame *Panel1 = nullptr;            // the thin bar left of the button column
    QToolButton *SpeedButton1 = nullptr; // "Späť": back to the level below
    QToolButton *SpeedButton2 = nullptr; // "Koniec": ends the program
    QLabel *Label2 = nullptr;            // "Odkazy:"
    QComboBox *ComboBox1 = nullptr;      // the screen's own links
    QLabel *Label4 = nullptr;            // "Vlastné odkazy:"
    QComboBox *ComboBox2 = nullptr;      // the learner's own links
    QPushButton *Button1 = nullptr;      // "Poznámky": the notes button
    QScrollBar *ScrollBar2 = nullptr;    // scrolls a long button column
    QFrame *Panel4 = nullptr;            // the zoom box
    QLabel *Label12 = nullptr;           // the zoom box's label
    QLineEdit *MaskEdit1 = nullptr;      // the zoom value in percent
    QSpinBox *UpDown1 = nullptr;         // the arrows beside the zoom value
    QPushButton *Button2 = nullptr;      // the zoom box's "OK"

    // Menu.
    QMenu *Vlastn1 = nullptr;          // "Vlastné"
    QAction *Poznmky1 = nullptr;       // "Poznámky"
    QAction *Odkazy1 = nullptr;        // "Odkazy"
    QAction *Koprovanie1 = nullptr;    // "Kopírovanie"
    QAction *Tlaclekciu1 = nullptr;    // "Tlačiť lekciu…"
    QAction *Pdflekcie1 = nullptr;     // "Uložiť lekciu ako PDF…"
    QAction *Export1 = nullptr;        // "Export poznámok a odkazov"
    QMenu *Oaplikci1 = nullptr;        // "O aplikácii"
    QAction *Oprograme1 = nullptr;     // "O programe"
    QAction *Ohlasyautorom1 = nullptr; // "Ohlasy autorom"
    QAction *Reklama1 = nullptr;       // "Ochranné známky"
    QMenu *Pomocnk1 = nullptr;         // "Pomocník"
    QMenu *Editciatextu1 = nullptr;    // "Editácia"
    QAction *Editciatextu2 = nullptr;  // "Editácia textu", " Uloženie textu" while editing
    QAction *Ignorovazmeny1 = nullptr; // "Ignorovať zmeny"
    QAction *Editcialekci1 = nullptr;  // "Editácia lekcie"
    QAction *Exportkurzu1 = nullptr;   // "Export kurzu na web…"
    QAction *Help1 = nullptr;          // the help window
    QAction *Hadaj1 = nullptr;         // "Strom": the course tree
    QAction *Hadavkurze1 = nullptr;    // "Hľadať v kurze"
    QAction *Hadavlekcii1 = nullptr;   // "Hľadať v lekcii": the find bar
    QAction *Zoom1 = nullptr;          // shows the zoom box
    QAction *Koniec1 = nullptr;        // "Koniec"
};

} // namespace lumora
