#pragma once
// What the three information windows share: a fixed-size modal window centred on the
// screen, read-only text boxes that read like printed text, and the "OK" button.
#include <QDialog>

class QPushButton;
class QTextEdit;

namespace lumora {

class Session;
class ClickLabel;

class InfoWindow : public QDialog {
    Q_OBJECT
public:
    InfoWindow(Session &session, int width, int height, QWidget *parent);

protected:
    // A borderless text box that takes no input and keeps its text in the normal colour.
    QTextEdit *textBox(const char *name, const QRect &geometry, Qt::Alignment alignment);
    // A label of plain text; clickable ones carry an address prefix.
    ClickLabel *addressLabel(const char *name, const QString &prefix, const QRect &geometry);
    QPushButton *okButton(const char *name, int top);
    void showEvent(QShowEvent *event) override;

    Session &m_session;

private:
    QPushButton *m_ok = nullptr;
};

// Fills a text box with lines, one paragraph each, the caret at the start; the box is
// named by its first line that is not blank (else by its window's title).
void setLines(QTextEdit *box, const QStringList &lines);

} // namespace lumora
