#pragma once
// The font dialog of the lesson pane: face, size, style and colour. It starts with its
// design font the first time and keeps the last choice afterwards; the pane applies the
// size, style and colour to the selection however the dialog was closed.
#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QComboBox;

namespace lumora {

class FontDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(QWidget *parent = nullptr);

    QFont selectedFont() const;
    QColor selectedColour() const;

    // Runs the dialog modally; the choice stays as it was left, also after Cancel.
    void execute();

private:
    QFontDialog *m_fonts = nullptr;
    QComboBox *m_colours = nullptr;
};

} // namespace lumora
