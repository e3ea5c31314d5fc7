#include "config/keys.h"
#include "info/toknoreklama.h"

#include "info/clicklabel.h"
#include "info/infotexts.h"
#include "state/session.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace lumora {

namespace {
constexpr int RowHeight = 24;
constexpr int FirstRow = 12;
} // namespace

TOknoReklama::TOknoReklama(Session &session, QWidget *parent) : InfoWindow(session, 600, 420, parent)
{
    setObjectName(QStringLiteral("TOknoReklama"));
    setWindowTitle(session.ConfigText(keys::MenuAboutCopyright));

    const auto rows = info::creditRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const int top = FirstRow + int(i) * RowHeight;
        auto *description = new QLabel(this);
        description->setObjectName(QStringLiteral("Label%1").arg(2 * i + 1));
        description->setGeometry(12, top, 300, RowHeight - 4);
        description->setTextFormat(Qt::PlainText);
        description->setText(session.ConfigText(*rows[i].label));
        descriptions[i] = description;

        // The address is handed to the desktop exactly as configured.
        ClickLabel *address = addressLabel(qPrintable(QStringLiteral("Label%1").arg(2 * i + 2)), QString(),
                                           QRect(320, top, 268, RowHeight - 4));
        address->setText(session.ConfigText(*rows[i].address));
        // An empty row still answers a click, but Tab passes over it.
        if (address->text().isEmpty())
            address->setFocusPolicy(Qt::NoFocus);
        addresses[i] = address;
    }
    const auto extraKeys = info::extraCreditKeys();
    for (size_t i = 0; i < extraKeys.size(); ++i) {
        auto *extra = new QLabel(this);
        extra->setObjectName(QStringLiteral("Label%1").arg(11 + 2 * i));
        extra->setGeometry(12, FirstRow + int(rows.size() + i) * RowHeight, 576, RowHeight - 4);
        extra->setTextFormat(Qt::PlainText);
        extra->setText(session.ConfigText(*extraKeys[i]));
        extras[i] = extra;
    }
    Memo1 = textBox("Memo1", QRect(12, FirstRow + 8 * RowHeight + 8, 576, 130), Qt::AlignLeft);
    setLines(Memo1, info::trademarkNotice());
    Button1 = okButton("Button1", 376);
}

} // namespace lumora
