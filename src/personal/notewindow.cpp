#include "personal/notewindow.h"

#include "app/tform1.h"
#include "config/keys.h"
#include "personal/centred.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/placecontrol.h"
#include "state/session.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lumora {

bool confirmUnstorable(Session &session, const QStringList &lines, QWidget *parent)
{
    const QString missing = personal::unstorableCharacters(lines);
    if (missing.isEmpty())
        return true;
    // Asked even when messages are silenced: answering for the user would lose text.
    const QString text = session.ConfigText(keys::SaveCharacters)
        + QStringLiteral(" ") + missing + QLatin1Char('\n')
        + session.ConfigText(keys::SaveCharactersQuestion);
    return messages::show(messages::Kind::Confirmation, messages::Buttons::YesNo, text, parent)
        == messages::Answer::Yes;
}

TOknoPoznamka::TOknoPoznamka(Session &session, TForm1 *levelWindow, QWidget *parent)
    : QDialog(parent), m_session(session), m_levelWindow(levelWindow)
{
    setObjectName(QStringLiteral("TOknoPoznamka"));
    setFixedSize(520, 400);
    Memo1 = placeControl<QPlainTextEdit>(this, "Memo1", 8, 8, 504, 300);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Label1 = placeControl<QLabel>(this, "Label1", 8, 314, 504, 34);
    Label1->setWordWrap(true);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Button1 = placeControl<QPushButton>(this, "Button1", 8, 358, 118, 30);
    Button2 = placeControl<QPushButton>(this, "Button2", 136, 358, 118, 30);
    Button3 = placeControl<QPushButton>(this, "Button3", 264, 358, 118, 30);
    Button4 = placeControl<QPushButton>(this, "Button4", 392, 358, 118, 30);
    for (QPushButton *b : {Button1, Button2, Button3, Button4})
        b->setAutoDefault(false);

    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { guarded([this] { Button3Click(); }); });
    connect(Button4, &QPushButton::clicked, this, [this] { guarded([this] { Button4Click(); }); });
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { Memo1Change(); });
    FormCreate();
}

void TOknoPoznamka::FormCreate()
{
    personal::centreOnScreen(this);
}

QString TOknoPoznamka::notesPath() const
{
    return personal::workFilePath(m_session.values.TempDir, NotesFile);
}

void TOknoPoznamka::FormActivate()
{
    Session &s = m_session;
    setWindowTitle(s.ConfigText(keys::MenuNotes));
    Button1->setText(s.ConfigText(keys::WindowNotesSave));
    Button2->setText(s.ConfigText(keys::WindowNotesCancel));
    Button3->setText(s.ConfigText(keys::WindowNotesErase));
    Button4->setText(s.ConfigText(keys::WindowNotesEnd));
    const QString saved = s.ConfigText(keys::SaveNote);

    NotesFile = personal::workFileName(personal::currentScreen(s), personal::FileKind::Notes);
    if (!NotesFile.ok())
        throw Error(NotesFile.refusal);
    const QString path = notesPath();
    if (paths::fileExists(path)) {
        Memo1->setPlainText(personal::readWorkFile(path).join(QLatin1Char('\n')));
        Button3->show();
    } else {
        Memo1->clear();
        Button3->hide();
    }
    Label1->setText(saved + QLatin1Char(' ') + paths::join(s.values.TempDir, NotesFile.name));
}

void TOknoPoznamka::Memo1Change()
{
    Button3->show();
}

QStringList TOknoPoznamka::noteLines() const
{
    const QString text = Memo1->toPlainText();
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();   // a final line end starts no line of its own
    return lines;
}

void TOknoPoznamka::Button1Click()
{
    if (Memo1->toPlainText().trimmed().isEmpty())
        return;
    const QStringList lines = noteLines();
    if (!confirmUnstorable(m_session, lines, this))
        return;
    // A failed write throws: the error is shown and the window stays open with its text.
    personal::writeWorkFile(m_session.values.TempDir, NotesFile, lines);
    if (m_levelWindow)
        m_levelWindow->Button1->show();
    accept();
}

void TOknoPoznamka::Button2Click()
{
    reject();
}

void TOknoPoznamka::Button4Click()
{
    reject();
}

void TOknoPoznamka::Button3Click()
{
    Session &s = m_session;
    if (!messages::confirm(s, keys::EraseNotes, this))
        return;
    const QString found = paths::existingFile(notesPath());
    if (!found.isEmpty() && !QFile::remove(found) && QFileInfo::exists(found))
        throw Error(QStringLiteral("Nemôžem vymazať súbor %1").arg(found));
    Memo1->clear();
    Button3->hide();
}

void TOknoPoznamka::FormClose()
{
    if (m_levelWindow && NotesFile.ok())
        m_levelWindow->Button1->setVisible(paths::fileExists(notesPath()));
}

void TOknoPoznamka::done(int result)
{
    guarded([this] { FormClose(); });
    QDialog::done(result);
}

} // namespace lumora
