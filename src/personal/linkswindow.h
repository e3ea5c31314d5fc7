#pragma once
// The own-links window: adds, edits and erases the learner's own links of the current
// screen; the links file is rewritten at once on every change.
#include "personal/workfiles.h"

#include <QDialog>

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

    void Button1Click();   // add the edit box's text and save
    void Button2Click();   // empty the edit box
    void Button3Click();   // erase the selected link
    void Button4Click();   // close, asking about a text still in the edit box
    void Button5Click();   // take the selected link into the edit box

    QStringList links() const;

    QLabel *Label1 = nullptr;             // "Pridaj/Oprav odkaz"
    QLineEdit *Edit1 = nullptr;           // the link being written
    QLabel *Label2 = nullptr;             // "Zoznam:"
    QListWidget *ListBox1 = nullptr;      // the learner's links
    QPushButton *Button1 = nullptr;       // "Ulož"
    QPushButton *Button5 = nullptr;       // "Oprav"
    QPushButton *Button2 = nullptr;       // "Zruš zmeny"
    QPushButton *Button3 = nullptr;       // "Vymaž odkaz"
    QPushButton *Button4 = nullptr;       // "Koniec"
    QLabel *Label3 = nullptr;             // where the links are saved

    personal::WorkFile OwnLinksFile;

public slots:
    // The close box and Escape: an edit in progress is abandoned.
    void reject() override;

private:
    void MP();
    // Rewrites the file with the non-empty entries and then shows them; throws, leaving
    // the list as it was, when the file cannot be written.
    void store(const QStringList &entries);
    void showListButtons();
    // Puts a link taken out by "Oprav" back where it was.
    void putBack();

    Session &m_session;
    // The link "Oprav" took out of the list, while it is being edited.
    bool m_editPending = false;
    int m_editRow = 0;
    QString m_editOriginal;
};

} // namespace lumora
