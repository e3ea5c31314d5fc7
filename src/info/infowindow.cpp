#include "info/infowindow.h"

#include "info/clicklabel.h"
#include "platform/accessiblenames.h"
#include "platform/placecontrol.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace lumora {

InfoWindow::InfoWindow(Session &session, int width, int height, QWidget *parent) : QDialog(parent), m_session(session)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(width, height);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QTextEdit *InfoWindow::textBox(const char *name, const QRect &geometry, Qt::Alignment alignment)
{
    auto *box = placeControl<QTextEdit>(this, name, geometry.x(), geometry.y(), geometry.width(), geometry.height());
    box->setFrameShape(QFrame::NoFrame);
    // Read by caret, as the lesson is; named by its first line once it is filled.
    accessible::readableText(box, QString());
    box->setProperty("alignment", int(alignment));
    // Printed in the normal text colour on the window's background.
    QPalette p = box->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Text, palette().color(QPalette::Active, QPalette::WindowText));
        p.setColor(group, QPalette::Base, palette().color(QPalette::Active, QPalette::Window));
    }
    box->setPalette(p);
    return box;
}

ClickLabel *InfoWindow::addressLabel(const char *name, const QString &prefix, const QRect &geometry)
{
    auto *label = new ClickLabel(prefix, this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

QPushButton *InfoWindow::okButton(const char *name, int top)
{
    auto *button = placeControl<QPushButton>(this, name, (width() - 80) / 2, top, 80, 28);
    button->setText(QStringLiteral("OK"));
    button->setDefault(true);
    m_ok = button;
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
    return button;
}

void InfoWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Enter closes the window; Tab leads to the addresses.
    if (m_ok)
        m_ok->setFocus(Qt::OtherFocusReason);
}

void setLines(QTextEdit *box, const QStringList &lines)
{
    box->clear();
    const auto alignment = Qt::Alignment(box->property("alignment").toInt());
    QTextCursor cursor(box->document());
    QTextBlockFormat format;
    format.setAlignment(alignment);
    cursor.setBlockFormat(format);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(format);
        cursor.insertText(lines.at(i));
    }
    accessible::caretToStart(box);
    // A screen reader meets the box under its first written line, the rest read by caret.
    QString first;
    for (const QString &line : lines) {
        if (first.isEmpty())
            first = line.trimmed();
    }
    box->setAccessibleName(first.isEmpty() ? box->window()->windowTitle() : first);
}

} // namespace lumora
