#pragma once
// The own-links window: adds, edits and erases the learner's own links of the current
// screen; the links file is rewritten at once on every change.
#include "course/workfiles.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumora {

class Session;

class TOknoOdkazy : public QDialog {
    Q_OBJECT
public:
    explicit TOknoOdkazy(Session &session, QWidget *parent = nullptr);

    // Opening: captions, the links file's name and its lines. Throws when the name is
    // refused or the file cannot be read; the window is then not shown.
    void FormActivate();

    void Button1Click(); // add the edit box's text (replacing the link being edited) and save
    void Button2Click(); // empty the edit box, abandoning an edit
    void Button3Click(); // erase the selected link
    void Button4Click(); // close, asking about a text still in the edit box
    void Button5Click(); // take the selected link into the edit box

    QStringList links() const;

    QLabel *Label1 = nullptr;        // "Pridaj/Oprav odkaz"
    QLineEdit *Edit1 = nullptr;      // the link being written
    QLabel *Label2 = nullptr;        // "Zoznam:"
    QListWidget *ListBox1 = nullptr; // the learner's links
    QPushButton *Button1 = nullptr;  // "Ulož"
    QPushButton *Button5 = nullptr;  // "Oprav"
    QPushButton *Button2 = nullptr;  // "Zruš zmeny"
    QPushButton *Button3 = nullptr;  // "Vymaž odkaz"
    QPushButton *Button4 = nullptr;  // "Koniec"
    QLabel *Label3 = nullptr;        // where the links are saved

    course::WorkFile OwnLinksFile;

public slots:
    // The close box and Escape: as "Koniec".
    void reject() override;

private:
    void MP();
    // Applies a change to the list and rewrites the file with the non-empty entries.
    // When another program changed the file since it was read, the change is applied
    // to the file's list instead, so nothing of the other's is dropped (the user is
    // told). change gets the list and whether it is the one shown. Throws, leaving the
    // list as it was, when the file cannot be written.
    void store(const std::function<void(QStringList &, bool shown)> &change);
    void showListButtons();
    // Whether the edit box holds text that is not in the list yet.
    bool typedText() const;

    Session &m_session;
    QByteArray m_onDisk; // the file as last read or written
    // The link "Oprav" took into the edit box; it stays in the list and the file until
    // the edited text is added.
    int m_editRow = -1;
    QString m_editOriginal;
};

} // namespace lumora
