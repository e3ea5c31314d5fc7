#include "config/keys.h"
#include "info/toknoabout.h"

#include "info/clicklabel.h"
#include "info/infotexts.h"
#include "platform/guard.h"
#include "state/session.h"

#include <QPushButton>
#include <QTextEdit>

namespace lumora {

TOknoAbout::TOknoAbout(Session &session, QWidget *parent) : InfoWindow(session, 380, 300, parent)
{
    setObjectName(QStringLiteral("TOknoAbout"));
    Memo1 = textBox("Memo1", QRect(10, 10, 360, 200), Qt::AlignHCenter);
    Label1 = addressLabel("Label1", QStringLiteral("mailto:"), QRect(10, 214, 360, 22));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setText(info::authorsAddress());
    c = okButton("c", 256);
}

void TOknoAbout::FormActivate()
{
    setWindowTitle(m_session.ConfigText(keys::MenuAbout));
    setLines(Memo1, info::splitLines(info::aboutText()));
}

void TOknoAbout::showEvent(QShowEvent *event)
{
    guarded([this] { FormActivate(); });
    InfoWindow::showEvent(event);
}

} // namespace lumora
