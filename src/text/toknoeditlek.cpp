#include "text/toknoeditlek.h"
#include "config/keys.h"
#include "platform/placecontrol.h"

#include "platform/accessiblenames.h"
#include "platform/guard.h"
#include "platform/keyboard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "state/session.h"
#include "text/lessonpane.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

namespace lumora {

namespace {

constexpr int Border = 10;

// A pane gets a scroll bar whenever its text needs one, and always once the text is
// long, so a short text does not show an idle bar.
void scrollBarFor(QAbstractScrollArea *pane, bool longText)
{
    pane->setVerticalScrollBarPolicy(longText ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

} // namespace

TOknoEditLek::TOknoEditLek(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("TOknoEditLek"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    createControls();
    applyCaptions();
    keyboard::asksBeforeClosing(this);
    ContentExisted = true;
    m_session.course.EditorSaved = false;
}

void TOknoEditLek::createControls()
{
    const int left = Border;
    const int right = left + 356 + Border;
    Label1 = placeControl<QLabel>(this, "Label1", left, Border, 356, 16);
    Memo1 = placeControl<QPlainTextEdit>(this, "Memo1", left, 30, 356, 277);
    Label2 = placeControl<QLabel>(this, "Label2", left, 312, 356, 16);
    Label3 = placeControl<QLabel>(this, "Label3", left, 337, 120, 16);
    Button3 = placeControl<QPushButton>(this, "Button3", left + 128, 332, 228, 25);
    Memo3 = placeControl<QTextEdit>(this, "Memo3", left, 362, 356, 105);
    Memo2 = placeControl<QPlainTextEdit>(this, "Memo2", right, Border, 289, 457);
    // Tab moves on from every pane; the read-only ones are read by caret.
    Memo1->setTabChangesFocus(true);
    accessible::label(Label1, Memo1);
    accessible::readableText(Memo3, QString());
    accessible::label(Label2, Memo3);
    accessible::readableText(Memo2, QString());
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette silver = Memo2->palette();
    silver.setColor(QPalette::Base, QColor(192, 192, 192));
    Memo2->setPalette(silver);
    Button1 = placeControl<QPushButton>(this, "Button1", left, 477, 100, 25);
    Button2 = placeControl<QPushButton>(this, "Button2", left + 110, 477, 100, 25);
    RichEdit1 = placeControl<QTextEdit>(this, "RichEdit1", left, 362, 356, 105);
    RichEdit1->hide();
    setFixedSize(right + 289 + Border, 477 + 25 + Border);

    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, [this] { guarded([this] { Button3Click(); }); });
}

void TOknoEditLek::applyCaptions()
{
    Session &s = m_session;
    setWindowTitle(s.ConfigText(keys::WindowEditlect));
    Label3->setText(s.ConfigText(keys::CorrectionText1));
    Button3->setText(s.ConfigText(keys::CorrectionText2) + QStringLiteral(" - ") + s.ConfigText(keys::MenuEdit));
    Button1->setText(s.ConfigText(keys::WindowEditlectSave));
    Memo2->setAccessibleName(s.ConfigText(keys::MenuHelp));
    Button2->setText(s.ConfigText(keys::WindowEditlectCancel));
    // The button stands right after its label, whatever the caption's length.
    Label3->adjustSize();
    const int buttonLeft = Label3->x() + Label3->width() + 8;
    Button3->setGeometry(buttonLeft, Button3->y(),
                         std::max(Button3->sizeHint().width(), Memo3->geometry().right() + 1 - buttonLeft),
                         Button3->height());
}

void TOknoEditLek::openFiles()
{
    Session &s = m_session;
    m_files = lessoneditor::filesFor(s.values.ProgramDir, folder, contentName);
    m_openedFiles = lessoneditor::open(m_files, *Memo3->document());
    const lessoneditor::Opened &opened = m_openedFiles;
    ContentExisted = opened.contentExisted;
    m_opened = true;

    Memo1->setPlainText(opened.lines.join(u'\n'));
    if (opened.formatted == lessoneditor::Formatted::Rich) {
        scrollBarFor(Memo3, Memo3->document()->blockCount() >= 6);
        showFromTop(*Memo3);
        Memo3->show();
    } else {
        Memo3->hide();
    }
    loadHelp();
    scrollBarFor(Memo1, opened.lines.join(QStringLiteral("\r\n")).size() >= 161);
    Label1->setText(m_files.content);
    Label2->setText(m_files.formatted);
    Memo1->document()->setModified(false);
    accessible::caretToStart(Memo1);
    accessible::caretToStart(Memo2);
    Label3->setText(s.ConfigText(keys::CorrectionText1));

    if (opened.formatted == lessoneditor::Formatted::NotRich)
        messages::notify(s, messages::Kind::Warning, keys::EditlectNotRtf, QLatin1Char(' ') + m_files.formatted,
                         parentWidget());
}

void TOknoEditLek::loadHelp()
{
    // The help is a convenience: a missing file leaves the pane empty, an unreadable
    // one is reported and the editor still opens.
    Memo2->clear();
    const QString help = paths::join(m_session.values.ProgramDir, QStringLiteral("lection.hlp"));
    if (!paths::fileExists(help))
        return;
    guarded([&] { Memo2->setPlainText(textfile::readLines(help).join(u'\n')); });
}

QStringList TOknoEditLek::editorLines() const
{
    // The raw text keeps every character as typed (the plain text would turn no-break
    // spaces into blanks); paragraphs and line breaks both end a line.
    QString text = Memo1->document()->toRawText();
    if (text.isEmpty())
        return {};
    text.replace(QChar::LineSeparator, QChar::ParagraphSeparator);
    QStringList lines = text.split(QChar::ParagraphSeparator);
    // A line end typed after the last line does not add an empty line.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool TOknoEditLek::UlozTxtRtf()
{
    if (!m_opened)
        return false;
    m_openedFiles.contentExisted = ContentExisted;
    lessoneditor::SaveResult result = lessoneditor::save(m_files, m_openedFiles, editorLines(), *RichEdit1->document());
    if (result == lessoneditor::SaveResult::Changed) {
        // Another copy of the program (or another program) saved the lesson meanwhile:
        // its text would be lost, so the author decides, as in the notes window.
        const QString text = m_session.ConfigText(keys::LessonChanged);
        if (messages::askDefaultNo(messages::Kind::Confirmation, text, this) != messages::Answer::Yes)
            return false;
        result = lessoneditor::save(m_files, m_openedFiles, editorLines(), *RichEdit1->document(), true);
    }
    if (result == lessoneditor::SaveResult::Busy) {
        messages::show(messages::Kind::Information, messages::Buttons::Ok, QString::fromUtf8(lessoneditor::BusyMessage),
                       this);
        return false;
    }
    m_saved = true;
    accept();
    return true;
}

void TOknoEditLek::Button1Click()
{
    UlozTxtRtf();
}

void TOknoEditLek::Button2Click()
{
    // "Zruš zmeny" says what it does: no question.
    QDialog::reject();
}

void TOknoEditLek::reject()
{
    // Escape or the window's close over unsaved typing asks, as the notes window does.
    if (!Memo1->document()->isModified()) {
        QDialog::reject();
        return;
    }
    guarded([this] {
        switch (messages::askOrCancel(m_session.ConfigText(keys::SaveMemoQuestion).trimmed(), this)) {
        case messages::Answer::Yes: UlozTxtRtf(); break;
        case messages::Answer::No: QDialog::reject(); break;
        default: break; // back to the editor
        }
    });
}

void TOknoEditLek::Button3Click()
{
    // Set only once the save went through: a refused or failed save must not send the
    // opener into editing a text that was never written.
    m_session.course.EditorSaved = false;
    m_session.course.EditorSaved = UlozTxtRtf();
}

bool runLessonEditor(Session &session, QWidget *parent, const QString &fileName, const QString &courseFolder)
{
    TOknoEditLek editor(session, parent);
    editor.folder = courseFolder;
    editor.contentName = fileName;
    if (!guarded([&editor] { editor.openFiles(); }))
        return false;
    editor.exec();
    return editor.saved();
}

} // namespace lumora
