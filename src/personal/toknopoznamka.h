#pragma once
// The notes window: shows, edits, saves and erases the learner's note of the current
// screen, kept in the work folder.
#include "course/workfiles.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lumora {

class Session;

class TOknoPoznamka : public QDialog {
    Q_OBJECT
public:
    // notesButtonShown tells the level window whether its screen now has a note.
    TOknoPoznamka(Session &session, std::function<void(bool)> notesButtonShown, QWidget *parent = nullptr);

    // Opening: captions, the note's file name and its lines. Throws when the name is
    // refused or the file cannot be read; the window is then not shown. A note too
    // large to load is reported and can only be erased.
    void FormActivate();

    void Button1Click(); // save and close; an emptied note is erased
    void Button2Click(); // close without saving, without asking
    void Button3Click(); // erase the note
    void Button4Click(); // close, asking first when the note was changed
    void Memo1Change();

    // The lines to store: the note's own lines, never the box's wrapping.
    QStringList noteLines() const;

    QPlainTextEdit *Memo1 = nullptr; // the note
    QPushButton *Button1 = nullptr;  // "Ulož"
    QPushButton *Button2 = nullptr;  // "Zruš zmeny"
    QPushButton *Button3 = nullptr;  // "Vymaž poznámku"
    QPushButton *Button4 = nullptr;  // "Koniec"
    QLabel *Label1 = nullptr;        // where the note is saved

    course::WorkFile NotesFile;

public slots:
    // The close box and Escape: as "Koniec".
    void reject() override;

protected:
    void done(int result) override;

private:
    void FormCreate();
    void FormClose();
    // Saves the box's lines; false when the save was refused or declined (the window
    // then stays open with its text).
    bool save();
    // Erases the note after the erase question; false when it was declined.
    bool erase();
    // Whether another program changed the note since it was read: asks whether to
    // replace it anyway; true when there was no change or the user agrees.
    bool overwriteAllowed();

    Session &m_session;
    std::function<void(bool)> m_notesButtonShown;
    QByteArray m_onDisk;    // the file as read when the window opened, or after our save
    bool m_changed = false; // typed into since it opened
    bool m_loading = false;
    bool m_tooLarge = false;
};

// Asks before text with characters Windows-1250 cannot store is saved with "?" in
// their place (the default answer is No); true when there are none or the user agrees.
bool confirmUnstorable(Session &session, const QStringList &lines, QWidget *parent);

} // namespace lumora
