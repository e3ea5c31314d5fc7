#include "personal/toknoodkazy.h"

#include "config/keys.h"
#include "personal/centred.h"
#include "personal/toknopoznamka.h"
#include "platform/accessiblenames.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/placecontrol.h"
#include "platform/textfile.h"
#include "state/session.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace lumora {

TOknoOdkazy::TOknoOdkazy(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
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
    setWindowTitle(accessible::title(s.ConfigText(keys::MenuHttp), accessible::captionPathOf(parentWidget())));
    Label1->setText(s.ConfigText(keys::WindowHttpAdd));
    Label2->setText(s.ConfigText(keys::WindowHttpList));
    accessible::label(Label1, Edit1);
    accessible::label(Label2, ListBox1);
    Button1->setText(s.ConfigText(keys::WindowHttpSave));
    Button5->setText(s.ConfigText(keys::WindowHttpEdit));
    Button2->setText(s.ConfigText(keys::WindowHttpCancel));
    Button3->setText(s.ConfigText(keys::WindowHttpErase));
    Button4->setText(s.ConfigText(keys::WindowHttpEnd));

    OwnLinksFile = course::workFileName(course::currentScreen(s), course::FileKind::Links);
    if (!OwnLinksFile.ok())
        throw Error(OwnLinksFile.refusal);
    // Every line is kept here, empty ones too; the next save drops the empty ones.
    m_onDisk = course::workFileBytes(course::readablePath(s.values.TempDir, OwnLinksFile));
    ListBox1->clear();
    ListBox1->addItems(course::splitWorkLines(m_onDisk));
    showListButtons();
    Label3->setText(s.ConfigText(keys::SaveWww) + QLatin1Char(' ')
                    + course::workFilePath(s.values.TempDir, OwnLinksFile));
    Edit1->setFocus();
}

void TOknoOdkazy::showListButtons()
{
    const bool any = ListBox1->count() > 0;
    Button3->setVisible(any);
    Button5->setVisible(any);
}

bool TOknoOdkazy::typedText() const
{
    const QString text = Edit1->text();
    return !text.isEmpty() && !(m_editRow >= 0 && text == m_editOriginal);
}

void TOknoOdkazy::store(const std::function<void(QStringList &, bool shown)> &change)
{
    const QString tempDir = m_session.values.TempDir;
    const QByteArray now = course::workFileBytes(course::readablePath(tempDir, OwnLinksFile));
    const bool shown = now == m_onDisk && now.isNull() == m_onDisk.isNull();
    QStringList entries = shown ? links() : course::splitWorkLines(now);
    change(entries, shown);
    QStringList lines;
    for (const QString &entry : entries) {
        if (!entry.isEmpty())
            lines << entry;
    }
    if (!confirmUnstorable(m_session, lines, this))
        throw Error(m_session.ConfigText(keys::LinksNotSaved));
    course::writeWorkFile(tempDir, OwnLinksFile, lines);
    m_onDisk = course::encodeWorkLines(lines);
    // The list shows what the file now holds.
    ListBox1->clear();
    ListBox1->addItems(course::splitWorkLines(m_onDisk));
    showListButtons();
    if (!shown) {
        m_editRow = -1; // rows of the former list no longer count
        messages::show(messages::Kind::Information, messages::Buttons::Ok, m_session.ConfigText(keys::LinksChanged),
                       this);
    }
}

void TOknoOdkazy::Button1Click()
{
    const QString text = Edit1->text();
    if (text.isEmpty())
        return;
    const int row = m_editRow;
    const QString original = m_editOriginal;
    store([&](QStringList &entries, bool shown) {
        // The edited link leaves its place only now, and the new text goes to the end.
        if (row >= 0) {
            if (shown && row < entries.size() && entries.at(row) == original)
                entries.removeAt(row);
            else
                entries.removeOne(original);
        }
        entries << text;
    });
    m_editRow = -1;
    Edit1->clear();
    Edit1->setFocus();
}

void TOknoOdkazy::Button3Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || !ListBox1->currentItem()->isSelected())
        return;
    const QString text = ListBox1->item(row)->text();
    store([&](QStringList &entries, bool shown) {
        if (shown)
            entries.removeAt(row);
        else
            entries.removeOne(text);
    });
    // The link being edited keeps its identity in the shorter list.
    if (m_editRow == row) {
        m_editRow = -1;
    } else if (m_editRow > row) {
        --m_editRow;
    }
    Edit1->setFocus();
}

void TOknoOdkazy::Button5Click()
{
    const int row = ListBox1->currentRow();
    if (row < 0 || !ListBox1->currentItem()->isSelected())
        return;
    // The link stays in the list and the file until the edited text is added.
    m_editRow = row;
    m_editOriginal = ListBox1->item(row)->text();
    Edit1->setText(m_editOriginal);
    Edit1->setFocus();
}

void TOknoOdkazy::Button2Click()
{
    m_editRow = -1;
    Edit1->clear();
    Edit1->setFocus();
}

void TOknoOdkazy::Button4Click()
{
    if (typedText()) {
        // With the question silenced, the typed link is kept, never dropped unseen.
        const QString question = m_session.ConfigText(keys::SaveHttp);
        const messages::Answer answer =
            m_session.showPrompt() ? messages::askOrCancel(question, this) : messages::Answer::Yes;
        if (answer == messages::Answer::Cancel)
            return; // back to the link
        if (answer == messages::Answer::Yes)
            Button1Click();
        else
            Button2Click();
    } else {
        Button2Click();
        // Empty lines of the file are dropped, as every save drops them.
        store([](QStringList &, bool) {});
    }
    QDialog::done(Accepted);
}

void TOknoOdkazy::reject()
{
    guarded([this] { Button4Click(); });
}

} // namespace lumora
