#include "personal/toknopoznamka.h"

#include "config/keys.h"
#include "personal/centred.h"
#include "platform/accessiblenames.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "platform/keyboard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/placecontrol.h"
#include "state/session.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lumora {

bool confirmUnstorable(Session &session, const QStringList &lines, QWidget *parent)
{
    const QString missing = course::unstorableCharacters(lines);
    if (missing.isEmpty())
        return true;
    // Asked even when messages are silenced: answering for the user would lose text.
    const QString text = session.ConfigText(keys::SaveCharacters) + QStringLiteral(" ") + missing + QLatin1Char('\n')
        + session.ConfigText(keys::SaveCharactersQuestion);
    return messages::askDefaultNo(messages::Kind::Confirmation, text, parent) == messages::Answer::Yes;
}

TOknoPoznamka::TOknoPoznamka(Session &session, std::function<void(bool)> notesButtonShown, QWidget *parent)
    : QDialog(parent), m_session(session), m_notesButtonShown(std::move(notesButtonShown))
{
    setObjectName(QStringLiteral("TOknoPoznamka"));
    setFixedSize(520, 400);
    Memo1 = placeControl<QPlainTextEdit>(this, "Memo1", 8, 8, 504, 300);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab leaves the note, as in every other box; a note holds no tab characters.
    Memo1->setTabChangesFocus(true);
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

    keyboard::asksBeforeClosing(this);

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

void TOknoPoznamka::FormActivate()
{
    Session &s = m_session;
    setWindowTitle(accessible::title(s.ConfigText(keys::MenuNotes), accessible::captionPathOf(parentWidget())));
    accessible::name(Memo1, s, keys::WindowNotesText);
    Button1->setText(s.ConfigText(keys::WindowNotesSave));
    Button2->setText(s.ConfigText(keys::WindowNotesCancel));
    Button3->setText(s.ConfigText(keys::WindowNotesErase));
    Button4->setText(s.ConfigText(keys::WindowNotesEnd));
    const QString saved = s.ConfigText(keys::SaveNote);

    NotesFile = course::workFileName(course::currentScreen(s), course::FileKind::Notes);
    if (!NotesFile.ok())
        throw Error(NotesFile.refusal);
    const QString path = course::readablePath(s.values.TempDir, NotesFile);
    m_loading = true;
    Memo1->clear();
    try {
        m_onDisk = course::workFileBytes(path);
        Memo1->setPlainText(course::splitWorkLines(m_onDisk).join(QLatin1Char('\n')));
    } catch (const FileFormatError &e) {
        // Too large to load: it can still be erased, never overwritten unseen.
        m_tooLarge = true;
        Memo1->setReadOnly(true);
        Memo1->setPlainText(e.message());
        Button1->setEnabled(false);
    }
    m_loading = false;
    m_changed = false;
    Button3->setVisible(m_tooLarge || !m_onDisk.isEmpty());
    Label1->setText(saved + QLatin1Char(' ') + course::workFilePath(s.values.TempDir, NotesFile));
}

void TOknoPoznamka::Memo1Change()
{
    if (m_loading)
        return;
    m_changed = true;
    Button3->show();
}

QStringList TOknoPoznamka::noteLines() const
{
    const QString text = Memo1->toPlainText();
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast(); // a final line end starts no line of its own
    return lines;
}

bool TOknoPoznamka::overwriteAllowed()
{
    const QString path = course::readablePath(m_session.values.TempDir, NotesFile);
    QByteArray now;
    try {
        now = course::workFileBytes(path);
    } catch (const FileFormatError &) {
        now = QByteArray("?"); // grown past the limit meanwhile: certainly changed
    }
    if (now == m_onDisk && now.isNull() == m_onDisk.isNull())
        return true;
    const QString text = m_session.ConfigText(keys::NoteChanged);
    return messages::askDefaultNo(messages::Kind::Confirmation, text, this) == messages::Answer::Yes;
}

bool TOknoPoznamka::save()
{
    if (m_tooLarge)
        return false;
    // An emptied note is erased, as "Vymaž poznámku" does; with no note there is
    // nothing to save and the window stays open.
    if (Memo1->toPlainText().trimmed().isEmpty())
        return !m_onDisk.isEmpty() && erase();
    const QStringList lines = noteLines();
    if (course::encodeWorkLines(lines).size() > course::MaxWorkFileSize) {
        messages::show(messages::Kind::Error, messages::Buttons::Ok, m_session.ConfigText(keys::NoteTooLarge), this);
        return false;
    }
    if (!confirmUnstorable(m_session, lines, this) || !overwriteAllowed())
        return false;
    // A failed write throws: the error is shown and the window stays open with its text.
    course::writeWorkFile(m_session.values.TempDir, NotesFile, lines);
    m_onDisk = course::encodeWorkLines(lines);
    m_changed = false;
    if (m_notesButtonShown)
        m_notesButtonShown(true);
    return true;
}

bool TOknoPoznamka::erase()
{
    if (!messages::confirmDefaultNo(m_session, keys::EraseNotes, this))
        return false;
    if (!m_tooLarge && !overwriteAllowed())
        return false;
    course::eraseWorkFile(m_session.values.TempDir, NotesFile);
    m_onDisk = QByteArray();
    m_tooLarge = false;
    m_loading = true;
    Memo1->clear();
    Memo1->setReadOnly(false);
    m_loading = false;
    m_changed = false;
    Button1->setEnabled(true);
    Button3->hide();
    return true;
}

void TOknoPoznamka::Button1Click()
{
    if (save())
        done(Accepted);
}

void TOknoPoznamka::Button2Click()
{
    done(Rejected);
}

void TOknoPoznamka::Button4Click()
{
    // Blanks where there was no note lose nothing.
    const bool nothingToLose = Memo1->toPlainText().trimmed().isEmpty() && m_onDisk.isEmpty();
    if (m_changed && !nothingToLose) {
        const QString text = m_session.ConfigText(keys::SaveNoteQuestion);
        switch (messages::askOrCancel(text, this)) {
        case messages::Answer::Yes:
            if (!save())
                return;
            break;
        case messages::Answer::No: break;
        default: return; // back to the note
        }
    }
    done(Rejected);
}

void TOknoPoznamka::Button3Click()
{
    erase();
}

void TOknoPoznamka::reject()
{
    guarded([this] { Button4Click(); });
}

void TOknoPoznamka::FormClose()
{
    if (m_notesButtonShown && NotesFile.ok())
        m_notesButtonShown(course::noteFileHasText(m_session.values.TempDir, NotesFile));
}

void TOknoPoznamka::done(int result)
{
    guarded([this] { FormClose(); });
    QDialog::done(result);
}

} // namespace lumora
