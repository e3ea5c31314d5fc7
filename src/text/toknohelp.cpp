#include "text/toknohelp.h"

#include "config/keys.h"
#include "platform/accessiblenames.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "rtf/rtfreader.h"
#include "state/session.h"
#include "text/formattedfile.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace lumora {

TOknoHelp::TOknoHelp(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("TOknoHelp"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    Memo1 = new QTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFixedSize(618, 352);
    layout->addWidget(Memo1);
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}

QString TOknoHelp::helpFile() const
{
    const QString stem = m_session.programFolderWritable() ? QStringLiteral("HelpS") : QStringLiteral("HelpU");
    return paths::join(m_session.values.ProgramDir, stem + QStringLiteral(".rtf"));
}

void TOknoHelp::FormActivate()
{
    setWindowTitle(m_session.ConfigText(keys::MenuHelp));
    // The help text is named as its window is and read by caret from its start.
    accessible::readableText(Memo1, windowTitle());
    Memo1->clear();
    formattedfile::load(helpFile(), *Memo1->document());
    accessible::caretToStart(Memo1);
}

void TOknoHelp::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Loaded once per showing: a failing file reports its error once, not again on every
    // return of the focus after the error box.
    guarded([this] { FormActivate(); });
}

} // namespace lumora
