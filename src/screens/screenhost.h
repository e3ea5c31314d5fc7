#pragma once
// What the screens of a level reach in the window they stand in: its controls, its
// placement, the end of the program, the save question of an edited lesson text and the
// window of the next level. The main window implements it and keeps the controls.
#include <QList>

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QTextEdit;
class QWidget;

namespace lumora::text {
class PaneEditing;
}

namespace lumora::screens {

// The controls of a level window that a screen fills, places, shows or hides.
struct ScreenControls {
    QWidget *window = nullptr;                // the level window
    QWidget *client = nullptr;                // its client area, parent of the button column
    QLabel *background = nullptr;             // the background picture
    QLabel *upperTitle = nullptr;             // the upper title
    QLabel *title = nullptr;                  // the screen's title; its tooltip holds the whole path
    QTextEdit *pane = nullptr;                // the lesson text pane
    QWidget *paneMargin = nullptr;            // the thin bar left of the button column
    text::PaneEditing *paneEditing = nullptr; // the pane's in-place editing
    QLabel *linksLabel = nullptr;             // "Odkazy:"
    QComboBox *links = nullptr;               // the screen's own links
    QLabel *ownLinksLabel = nullptr;          // "Vlastné odkazy:"
    QComboBox *ownLinks = nullptr;            // the learner's own links
    QPushButton *notesButton = nullptr;       // "Poznámky"
    QScrollBar *scrollBar = nullptr;          // scrolls a long button column
    QWidget *back = nullptr;                  // "Späť"
    QWidget *end = nullptr;                   // "Koniec"
    QMenu *editMenu = nullptr;                // "Editácia"
    QAction *notesEntry = nullptr;            // "Poznámky"
    QAction *linksEntry = nullptr;            // "Odkazy"
    QAction *copyEntry = nullptr;             // "Kopírovanie"
    QAction *treeEntry = nullptr;             // "Strom"
    QAction *zoomEntry = nullptr;             // "Zoom"
    QList<QAction *> readingEntries;          // finding, printing and PDF: need a lesson text
};

class ScreenHost {
public:
    virtual ScreenControls screenControls() const = 0;
    // Moves and sizes the window (outer size of the window without the frame).
    virtual void placeWindow(int left, int top, int width, int height) = 0;
    // Ends the program from any level: shows the lower levels again, deletes the window
    // template and asks the application to terminate; returns to its caller.
    virtual void EndProgram() = 0;
    // The save question of a lesson text being edited, before the screen is left.
    virtual void offerToSaveText() = 0;
    // A new level window made from the window template, with its captions, not yet
    // shown; throws when the template cannot be read.
    virtual std::unique_ptr<QWidget> makeLevelWindow() = 0;

protected:
    ~ScreenHost() = default;
};

} // namespace lumora::screens
