#pragma once
// The help window: the authors' help when the program folder can be written, the
// learners' help otherwise.
#include <QDialog>

class QPushButton;
class QTextEdit;

namespace lumora {

class Session;

class TOknoHelp : public QDialog {
    Q_OBJECT
public:
    TOknoHelp(Session &session, QWidget *parent = nullptr);

    QTextEdit *Memo1 = nullptr;     // the help text
    QPushButton *Button1 = nullptr; // "OK"

    // The help file this window shows: HelpS.rtf or HelpU.rtf in the program folder.
    QString helpFile() const;
    // Caption and text; throws when the help file cannot be read.
    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Session &m_session;
};

} // namespace lumora
