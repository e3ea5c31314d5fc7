#pragma once
// The main window class. Level 1 is the one made at start; every deeper level is another
// instance made from the window template. Controls are named members whose object names
// are the same, so the template, the layout code and the tests find them by name; the
// inherited names are explained in docs/NAMES.md.
#include "personal/personalmenu.h"
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

class CourseColumn;
class Session;
namespace info {
class InfoMenu;
}
namespace search {
class CourseSearchMenu;
}
namespace text {
class PaneEditing;
}

// What the set-up learns from the machine; tests supply their own.
struct StartEnvironment {
    QString currentFolder;        // the program folder
    QStringList arguments;        // command-line parameters after the program name
    int screenWidth = 1024;
    int screenHeight = 768;
    double dotsPerInch = 96;
    EnvironmentLookup environment;
    QString dataLocation;         // the user's data location of the program (the default work folder)
    std::function<QString()> localAddress;   // dotted address of this computer, empty when none

    static StartEnvironment fromSystem(const QStringList &arguments);
};

class TForm1 : public QMainWindow, public personal::PersonalHost {
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

    // Handlers.
    void SpeedButton2Click();
    void Koniec1Click();
    void Help1Click();
    void Editcialekci1Click();
    void Exportkurzu1Click();
    void FormClose();

    // Building the screen of the current level on activation.
    void FormActivate();
    // Recounts the button column, places the notes button below top and decides the
    // scroll bar.
    void Lista(int top);

    // Navigation.
    void PoStlaceni(QPushButton *courseButton);
    // Enters the course in a folder of the program folder, as its course button does.
    void enterCourse(const QString &courseFolder);
    void ZobrazOkno();
    void SpeedButton1Click();
    void PripravOkno(const QString &contentPath);
    void ScrollBar2Scroll(int position);

    // The press of a lesson button: runs the item its line names.
    void SpustiProgram(QPushButton *lessonButton);

    // The course tree (src/tree): opens the tree window inside a course; a search
    // window offers to close instead.
    void Hadaj1Click();

    // The lesson text pane: editing mode, saving, zoom and formatting (src/text).
    void Editciatextu2Click();
    void Ignorovazmeny1Click();
    void Zoom1Click();
    void Button2Click();
    void Memo1Exit();
    void Memo1MouseDown();
    // Switches the pane into editing mode after the write check.
    void startEditing();
    // Saves the pane's text and ends editing mode; false when saving failed (the error
    // has been shown).
    bool UlozMemo();
    // The question before an edited pane is left: saves on Yes (or at once when the
    // question is silenced); on No, or when saving fails, the focus returns to the pane.
    void offerToSaveText() override;
    bool editing() const;
    text::PaneEditing &paneEditing() const { return *m_paneEditing; }

    // The learner's own notes and links, copying them and the study export: forwarded
    // to the personal menu (src/personal).
    void Poznmky1Click();
    void Button1Click();          // the notes button
    void Odkazy1Click();
    void ComboBox1Click(int index);
    void ComboBox2Click(int index);
    void ComboBox2Change(int index);
    void Koprovanie1Click();
    void Export1Click();
    Controls personalControls() const override;
    void relayOutColumn() override;
    QAction *Export1 = nullptr;
    // The information windows: forwarded to the information menu (src/info).
    void Oprograme1Click();
    void Ohlasyautorom1Click();
    void Reklama1Click();
    // The keyboard path (src/app/keyboard.cpp).
    // Access keys, F10, Backspace and Alt+Left as "Späť"; made with the window.
    void setUpKeyboard();
    // Tab order of a built screen, what screen readers are told about it, the focus on
    // its lesson text or first lesson button; run once, after the first activation.
    void arrangeKeyboard();
    // Accessible names and descriptions of the column's buttons, the links boxes tied to
    // their labels, and the window title naming the screen.
    void describeScreen(const QList<QWidget *> &column);

    // Course search: "Pomocník → Hľadať v kurze" and Ctrl+F, forwarded to the course
    // search menu (src/search).
    void Hadavkurze1Click();
    // Reading the lesson: the find bar ("Hľadať v lekcii", F3 for the next place,
    // Shift+F3 for the one before), printing and PDF files of the lesson.
    void Hadavlekcii1Click();
    void FindPreviousClick();
    void Tlaclekciu1Click();
    void Pdflekcie1Click();

    // The controls of the button column: direct controls whose name begins with "Button".
    QList<QWidget *> columnControls() const;

    // Ends the program: shows the lower levels again, deletes the template and asks
    // the application to terminate; returns to its caller.
    void EndProgram();

    // Moves and sizes the window (outer size of the window without the frame).
    void placeWindow(int left, int top, int width, int height);

    Session &session() const { return m_session; }

    // Controls.
    QWidget *client = nullptr;            // the client area below the menu bar
    QLabel *Image1 = nullptr;             // the background picture
    QLabel *Label6 = nullptr;             // the upper title ("EDUCATION")
    QLabel *Label1 = nullptr;             // the program's name ("NAME")
    QTextEdit *Memo1 = nullptr;           // the lesson text pane
    QFrame *Panel1 = nullptr;             // the thin bar left of the button column
    QToolButton *SpeedButton1 = nullptr;  // "Späť": back to the level below
    QToolButton *SpeedButton2 = nullptr;  // "Koniec": ends the program
    QLabel *Label2 = nullptr;             // "Odkazy:"
    QComboBox *ComboBox1 = nullptr;       // the screen's own links
    QLabel *Label4 = nullptr;             // "Vlastné odkazy:"
    QComboBox *ComboBox2 = nullptr;       // the learner's own links
    QPushButton *Button1 = nullptr;       // "Poznámky": the notes button
    QScrollBar *ScrollBar2 = nullptr;     // scrolls a long button column
    QFrame *Panel4 = nullptr;             // the zoom box
    QLabel *Label12 = nullptr;            // the zoom box's label
    QLineEdit *MaskEdit1 = nullptr;       // the zoom value in percent
    QSpinBox *UpDown1 = nullptr;          // the arrows beside the zoom value
    QPushButton *Button2 = nullptr;       // the zoom box's "OK"

    // Menu.
    QMenu *Vlastn1 = nullptr;             // "Vlastné"
    QAction *Poznmky1 = nullptr;          // "Poznámky"
    QAction *Odkazy1 = nullptr;           // "Odkazy"
    QAction *Koprovanie1 = nullptr;       // "Kopírovanie"
    QAction *Tlaclekciu1 = nullptr;       // "Tlačiť lekciu…"
    QAction *Pdflekcie1 = nullptr;        // "Uložiť lekciu ako PDF…"
    QMenu *Oaplikci1 = nullptr;           // "O aplikácii"
    QAction *Oprograme1 = nullptr;        // "O programe"
    QAction *Ohlasyautorom1 = nullptr;    // "Ohlasy autorom"
    QAction *Reklama1 = nullptr;          // "Ochranné známky"
    QMenu *Pomocnk1 = nullptr;            // "Pomocník"
    QMenu *Editciatextu1 = nullptr;       // "Editácia"
    QAction *Editciatextu2 = nullptr;     // "Editácia textu", " Uloženie textu" while editing
    QAction *Ignorovazmeny1 = nullptr;    // "Ignorovať zmeny"
    QAction *Editcialekci1 = nullptr;     // "Editácia lekcie"
    QAction *Exportkurzu1 = nullptr;      // "Export kurzu na web…"
    QAction *Help1 = nullptr;             // the help window
    QAction *Hadaj1 = nullptr;            // "Strom": the course tree
    QAction *Hadavkurze1 = nullptr;       // "Hľadať v kurze"
    QAction *Hadavlekcii1 = nullptr;      // "Hľadať v lekcii": the find bar
    QAction *Zoom1 = nullptr;             // shows the zoom box
    QAction *Koniec1 = nullptr;           // "Koniec"

    // Private fields of each level window.
    quint8 ButtonCount = 0;
    int ButtonsHeight = 0;
    int ScrollPosition = 0;
    QString BackgroundFile;
    bool ContentMissing = false;

    // Every caption, label and menu text from the text table, the title colour, and the
    // end button and window caption of this instance's kind.
    void applyCaptions();

signals:
    // Emitted once the window has been closed and its close handler ran.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void createMenu();
    void connectHandlers();

    // Builds the screen of the current level (throws when a file or setting fails).
    void buildScreen();
    void buildContentScreen(int level);
    void buildRootScreen();
    void commonTail();
    void activateOnce();
    QPushButton *addColumnButton(const QString &name, int width, int &windowHeight);
    void showNotesButtonIfNoteExists(int level);

    Session &m_session;
    bool m_active = false;                  // activated, and not deactivated or hidden since
    text::PaneEditing *m_paneEditing = nullptr;   // the pane's in-place editing
    int m_scrollOffset = 0;                 // pixels the button column is moved up
    std::unique_ptr<CourseColumn> m_courses; // the root screen's course buttons
    bool m_keyboardArranged = false;        // the built screen has its Tab order
    personal::PersonalMenu *m_personal = nullptr;   // owned by the window
    info::InfoMenu *m_info = nullptr;               // owned by the window
    search::CourseSearchMenu *m_courseSearch = nullptr;   // owned by the window
};

} // namespace lumora
