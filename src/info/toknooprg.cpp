#include "config/keys.h"
#include "info/toknooprg.h"

#include "info/clicklabel.h"
#include "info/infotexts.h"
#include "state/session.h"

#include <QPushButton>
#include <QTextEdit>

namespace lumora {

TOknoOPrg::TOknoOPrg(Session &session, QWidget *parent) : InfoWindow(session, 420, 330, parent)
{
    setObjectName(QStringLiteral("TOknoOPrg"));
    setWindowTitle(session.ConfigText(keys::MenuWriteUs));
    Memo1 = textBox("Memo1", QRect(10, 10, 400, 120), Qt::AlignHCenter);
    setLines(Memo1, info::feedbackText().split(QLatin1Char('\n')));
    Label1 = addressLabel("Label1", QStringLiteral("mailto:"), QRect(10, 134, 400, 22));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setText(info::authorsAddress());
    Memo2 = textBox("Memo2", QRect(10, 168, 400, 24), Qt::AlignHCenter);
    setLines(Memo2, {info::feedbackOther()});
    Memo3 = textBox("Memo3", QRect(10, 194, 400, 80), Qt::AlignHCenter);
    setLines(Memo3, info::feedbackAddress().split(QLatin1Char('\n')));
    Button1 = okButton("Button1", 286);
}

} // namespace lumora
