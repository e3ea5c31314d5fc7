#pragma once
// The lesson editor window: a screen's content file as plain text, the syntax help
// beside it, the formatted text read-only below, and the buttons that save or close.
#include "text/lessoneditor.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace lumora {

class Session;

class TOknoEditLek : public QDialog {
    Q_OBJECT
public:
    // Sets the captions and clears EditorSaved.
    explicit TOknoEditLek(Session &session, QWidget *parent = nullptr);

    // Set by the opener: the level folder (relative to the program folder) and the
    // content file's name in it.
    QString folder;
    QString contentName;

    // Cleared when the content file was missing and opening created it empty.
    bool ContentExisted = true;

    // Reads the files into the panes; throws when the content file cannot be read or
    // created. Call once, before the window is shown.
    void openFiles();

    // Save; close without saving; save and go on to in-place editing.
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // Writes both files and closes the window; false (window left open) when another
    // copy of the program holds the content file.
    bool UlozTxtRtf();

    // The plain editor's lines, as the save writes them.
    QStringList editorLines() const;

    // Escape and the window's close: over unsaved typing, asks whether to save first.
    void reject() override;

    // Whether a save succeeded.
    bool saved() const { return m_saved; }

    QLabel *Label1 = nullptr;        // the content file's name
    QPlainTextEdit *Memo1 = nullptr; // the content file's lines, edited
    QPlainTextEdit *Memo2 = nullptr; // the syntax help, read-only
    QLabel *Label2 = nullptr;        // the formatted text's name
    QLabel *Label3 = nullptr;        // "Texty opravujte cez"
    QPushButton *Button3 = nullptr;  // "Editácia textu - Editácia": save, then edit in place
    QTextEdit *Memo3 = nullptr;      // the formatted text, read-only
    QPushButton *Button1 = nullptr;  // "Ulož"
    QPushButton *Button2 = nullptr;  // "Zruš zmeny"
    QTextEdit *RichEdit1 = nullptr;  // the formatted text as saved (hidden)

private:
    void createControls();
    void applyCaptions();
    void loadHelp();

    Session &m_session;
    lessoneditor::Files m_files;
    lessoneditor::Opened m_openedFiles; // what the files held when the editor opened
    bool m_opened = false;
    bool m_saved = false;
};

// Opens the editor modally on the content file fileName in courseFolder (relative to
// the program folder) and releases it when it closes. Returns whether it saved;
// EditorSaved tells whether the save asked for in-place editing to follow. When the
// files cannot be opened the error is shown and the editor does not open.
bool runLessonEditor(Session &session, QWidget *parent, const QString &fileName, const QString &courseFolder);

} // namespace lumora
