#pragma once
// The notes window: shows, edits, saves and erases the learner's note of the current
// screen, kept in the work folder.
#include "personal/workfiles.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lumora {

class Session;
class TForm1;

class TOknoPoznamka : public QDialog {
    Q_OBJECT
public:
    // levelWindow is the level window whose notes button tells whether a note exists.
    TOknoPoznamka(Session &session, TForm1 *levelWindow, QWidget *parent = nullptr);

    // Opening: captions, the note's file name and its lines. Throws when the name is
    // refused or the file cannot be read; the window is then not shown.
    void FormActivate();

    void Button1Click();   // save and close
    void Button2Click();   // close without saving
    void Button3Click();   // erase the note
    void Button4Click();   // close without saving
    void Memo1Change();

    // The lines to store: the note's own lines, never the box's wrapping.
    QStringList noteLines() const;

    QPlainTextEdit *Memo1 = nullptr;      // the note
    QPushButton *Button1 = nullptr;       // "Ulož"
    QPushButton *Button2 = nullptr;       // "Zruš zmeny"
    QPushButton *Button3 = nullptr;       // "Vymaž poznámku"
    QPushButton *Button4 = nullptr;       // "Koniec"
    QLabel *Label1 = nullptr;             // where the note is saved

    personal::WorkFile NotesFile;

protected:
    void done(int result) override;

private:
    void FormCreate();
    void FormClose();
    QString notesPath() const;

    Session &m_session;
    TForm1 *m_levelWindow;
};

// Asks before text with characters Windows-1250 cannot store is saved with "?" in
// their place; true when there are none or the user agrees.
bool confirmUnstorable(Session &session, const QStringList &lines, QWidget *parent);

} // namespace lumora
