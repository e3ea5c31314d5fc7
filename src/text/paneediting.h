#pragma once
// In-place editing of a screen window's lesson text pane: editing mode and its menu
// entries, the save question when an edited pane is left, the zoom box and formatting
// with the right mouse button. The window hands over the controls it needs.
#include <QList>
#include <QObject>

#include <memory>

class QAction;
class QComboBox;
class QLineEdit;
class QTextEdit;
class QWidget;

namespace lumora {

class FileLock;
class FontDialog;
class Session;

namespace text {

// The controls of a screen window that the pane's editing reaches.
struct PaneControls {
    QWidget *window = nullptr;      // the screen window, owner of the boxes it shows
    QTextEdit *pane = nullptr;      // the lesson text pane
    QWidget *margin = nullptr;      // the white strip left of the pane
    QWidget *zoomBox = nullptr;     // the box holding the zoom percentage
    QLineEdit *zoomField = nullptr; // the percentage field
    QAction *editEntry = nullptr;   // "Editácia textu" / " Uloženie textu"
    QAction *ignoreEntry = nullptr; // "Ignorovať zmeny"
    QAction *zoomEntry = nullptr;   // "Zoom"
    QComboBox *links = nullptr;     // the screen's web links
    // Controls that stand over the pane and serve it (the find bar): moving into them
    // keeps editing quiet, as moving into the zoom box does.
    QList<QWidget *> companions;
    // Controls that leave the screen and ask the save question themselves when pressed;
    // taking the focus to them asks nothing.
    QList<QWidget *> leavingControls;
};

class PaneEditing : public QObject {
    Q_OBJECT
public:
    PaneEditing(Session &session, const PaneControls &controls);
    ~PaneEditing() override;

    bool editing() const;
    // Switches the pane into editing mode after the write check.
    void startEditing();
    // Saves the pane's text and ends editing mode; false when saving failed (the error
    // has been shown).
    bool save();
    // "Editácia textu": starts editing, or saves and ends it.
    void toggle();
    // "Ignorovať zmeny": drops the changes and reloads the saved text.
    void discard();
    // The question before an edited pane is left: saves on Yes (or at once when the
    // question is silenced); on No, or when saving fails, the focus returns to the pane.
    void offerToSave();
    // The right mouse button, the Menu key or Shift+F10 in editing mode: the font dialog,
    // then its size, style and colour on the selection.
    void formatSelection();
    // "Zoom": the zoom box with "100" and the focus in its field.
    void showZoomBox();
    // Escape in the zoom box: hides it, the focus back in the pane.
    void closeZoomBox();
    // OK or Enter in the zoom box: hides it and scales the pane by the percentage.
    void applyZoomBox();
    // "Editácia lekcie": the lesson editor on the screen's content file, then the
    // refresh of the screen (src/text/lessoneditormenu.cpp).
    void openLessonEditor();
    // A screen build puts the pane into read-only mode: the file is no longer held.
    void endForBuild();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusChanged(QWidget *old, QWidget *now);
    void setHintShown(bool shown);
    QString contentPath() const;
    // Reloads the pane, refills the web-links list from the content file (the default
    // address when it has no link) and then either starts in-place editing, when the
    // editor saved for that, or, when the editor saved, writes the reloaded text back as
    // the screen's block and formatted text. After the editor was closed without saving
    // nothing is written. Throws on file errors.
    void refreshAfterLessonEditor(bool editorSaved);

    Session &m_session;
    PaneControls m_c;
    std::unique_ptr<FileLock> m_editLock; // held while the pane is in editing mode
    FontDialog *m_fontDialog = nullptr;   // made on first use, keeps the last choice
    bool m_asking = false;                // the save question is on screen
};

} // namespace text
} // namespace lumora
