#include "personal/linkswindow.h"

#include "config/keys.h"
#include "personal/centred.h"
#include "personal/notewindow.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/placecontrol.h"
#include "platform/textfile.h"
#include "state/session.h"


#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace lumora {

TOknoOdkazy::TOknoOdkazy(Session &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("TOknoOdkazy"));
    setFixedSize(520, 400);
    Label1 = placeControl<QLabel>(this, "Label1", 8, 8, 400, 16);
    Edit1 = placeControl<QLineEdit>(this, "Edit1", 8, 26, 504, 24);
    Label2 = placeControl<QLabel>(this, "Label2", 8, 58, 400, 16);
    ListBox1 = placeControl<QListWidget>(this, "ListBox1", 8, 76, 504, 226);
    Button1 = placeControl<QPushButton>(this, "Button1", 8, 312, 96, 30);
    Button5 = placeControl<QPushButton>(this, "Button5", 110, 312, 96, 30);
    Button2 = placeControl<QPushButton>(this, "Button2", 212, 312, 96, 30);
    Button3 = placeControl<QPushButton>(this, "Button3", 314, 312, 96, 30);
    Button4 = placeControl<QPushButton>(this, "Button4", 416, 312, 96, 30);
    Label3 = placeControl<QLabel>(this, "Label3", 8, 350, 504, 40);
    Label3->setWordWrap(true);
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    for (QPushButton *b : {Button1, Button2, Button3, Button4, Button5})
        b->setAutoDefault(false);

    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { guarded([this] { Button3Click(); }); });
    connect(Button4, &QPushButton::clicked, this, [this] { guarded([this] { Button4Click(); }); });
    connect(Button5, &QPushButton::clicked, this, [this] { guarded([this] { Button5Click(); }); });
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { guarded([this] { Button1Click(); }); });
    MP();
}

void TOknoOdkazy::MP()
{
    personal::centreOnScreen(this);
    Edit1->setFocus();
}

QStringList TOknoOdkazy::links() const
{
    QStringList out;
    for (int i = 0; i < ListBox1->count(); ++i)
        out << ListBox1->item(i)->text();
    return out;
}

void TOknoOdkazy::FormActivate()
{
    Session &s = m_session;
    setWindowTitle(s.ConfigText(keys::MenuHttp));
    Label1->setText(s.ConfigText(keys::WindowHttpAdd));
    Label2->setText(s.ConfigText(keys::WindowHttpList));
    Button1->setText(s.ConfigText(keys::WindowHttpSave));
    Button5->setText(s.ConfigText(keys::WindowHttpEdit));
    Button2->setText(s.ConfigText(keys::WindowHttpCancel));
    Button3->setText(s.ConfigText(keys::WindowHttpErase));
    Button4->setText(s.ConfigText(keys::WindowHttpEnd));

    OwnLinksFile = personal::workFileName(personal::currentScreen(s), personal::FileKind::Links);
    if (!OwnLinksFile.ok())
        throw Error(OwnLinksFile.refusal);
    // Every line is kept here, empty ones too; the next save drops the empty ones.
    ListBox1->clear();
    ListBox1->addItems(personal::readWorkFile(personal::workFilePath(s.values.TempDir, OwnLinksFile)));
    showListButtons();
    Label3->setText(s.ConfigText(keys::SaveWww)
                    + QLatin1Char(' ') + paths::join(s.values.TempDir, OwnLinksFile.name));
    Edit1->setFocus();
}

void TOknoOdkazy::showListButtons()
{
    const bool any = ListBox1->count() > 0;
    Button3->setVisible(any);
    Button5->setVisible(any);
}

void TOknoOdkazy::store(const QStringList &entries)
{
    QStringList lines;
    for (const QString &entry : entries) {
        if (!entry.isEmpty())
            lines << entry;
    }
    if (!confirmUnstorable(m_session, lines, this))
        throw Error(QStringLiteral("Odkazy sa neuložili."));
    personal::writeWorkFile(m_session.values.TempDir, OwnLinksFile, lines);
    // The list shows what the file now holds.
    ListBox1->clear();
    ListBox1->addItems(personal::splitWorkLines(textfile::encodeLines(lines)));
    showListButtons();
}

void TOknoOdkazy::putBack()
{
    if (!m_editPending)
        return;
    QStringList entries = links();
    entries.insert(std::clamp(m_editRow, 0, int(entries.size())), m_editOriginal);
    store(entries);
    m_editPending = false;
}

void TOknoOdkazy::Button1Click()
{
    if (Edit1->text().isEmpty())
        return;
    store(links() << Edit1->text());
    m_editPending = false;   // the edited link now stands at the end
    Edit1->clear();
    Edit1->setFocus();
}

void TOknoOdkazy::Button3Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || !ListBox1->currentItem()->isSelected())
        return;
    QStringList entries = links();
    entries.removeAt(row);
    store(entries);
    Edit1->setFocus();
}

void TOknoOdkazy::Button5Click()
{
    int row = ListBox1->currentRow();
    if (row < 0 || !ListBox1->currentItem()->isSelected())
        return;
    // A link taken out before and not added again goes back first, so none is lost.
    if (m_editPending && m_editRow <= row)
        ++row;
    putBack();
    QStringList entries = links();
    if (row >= entries.size())
        return;
    const QString text = entries.takeAt(row);
    store(entries);
    m_editPending = true;
    m_editRow = row;
    m_editOriginal = text;
    Edit1->setText(text);
    Edit1->setFocus();
}

void TOknoOdkazy::Button2Click()
{
    putBack();
    Edit1->clear();
    Edit1->setFocus();
}

void TOknoOdkazy::Button4Click()
{
    QStringList entries = links();
    if (!Edit1->text().isEmpty()) {
        // With the question silenced, the typed link is kept, never dropped unseen.
        if (messages::confirm(m_session, keys::SaveHttp, this)) {
            store(entries << Edit1->text());
            m_editPending = false;
        } else {
            putBack();
        }
    } else {
        putBack();
        store(links());
    }
    QDialog::done(Accepted);
}

void TOknoOdkazy::reject()
{
    if (!guarded([this] { putBack(); }))
        return;   // the link could not be put back: the window stays open with it
    QDialog::reject();
}

} // namespace lumora
