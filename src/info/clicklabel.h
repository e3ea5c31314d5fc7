#pragma once
// A label that acts as a link: blue, bold, with the hand cursor; a click, or Enter or
// Space while it has the focus, hands its address to the desktop.
#include <QLabel>

namespace lumora {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    // prefix goes before the caption when the address is opened ("mailto:" for mail).
    ClickLabel(const QString &prefix, QWidget *parent = nullptr);

    // The address the desktop gets: prefix + caption, unchanged.
    QString address() const { return m_prefix + text(); }
    // Opens the address through the desktop; its answer is all that happens.
    void open() const;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void underline(bool on);

    QString m_prefix;
};

} // namespace lumora
