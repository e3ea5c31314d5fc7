// The lesson text pane of a screen window: editing mode and its menu entries, the save
// question when an edited pane is left, the zoom box and formatting with the right
// mouse button.
#include "app/tform1.h"
#include "platform/filelock.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "state/session.h"
#include "text/fontdialog.h"
#include "text/lessonpane.h"
#include "text/lessontext.h"
#include "text/memoformat.h"
#include "text/memozoom.h"
#include "text/writecheck.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>

namespace lumora {

bool TForm1::editing() const
{
    return !Memo1->isReadOnly();
}

void TForm1::setHintShown(bool shown)
{
    Memo1->setToolTip(shown ? Memo1->property("hint").toString() : QString());
}

void TForm1::startEditing()
{
    Session &s = m_session;
    const QString contentPath = s.contentFilePath(s.course.CurrentLevel);
    {
        const PaneLoading loading(*Memo1);
        ObnovMemo(*Memo1->document(), contentPath);
    }
    setHintShown(true);
    m_editLock = memo::writeCheck(contentPath);
    if (!m_editLock) {
        const QString text = s.ConfigText(QStringLiteral("UNEDITABLE"), QStringLiteral(" Nemáte práva na zápis do adresára"));
        if (s.ShowPrompt)
            messages::show(messages::Kind::Information, messages::Buttons::Ok, text, this);
        return;
    }
    Memo1->setReadOnly(false);
    Memo1->setEnabled(true);
    Memo1->setContextMenuPolicy(Qt::PreventContextMenu);
    Editciatextu2->setText(s.ConfigText(QStringLiteral("MENU SAVE MEMO"), QStringLiteral(" Uloženie textu")));
    Ignorovazmeny1->setVisible(true);
    Memo1->show();
    Panel1->show();
    Zoom1->setVisible(true);
    Memo1->setFocus();
}

bool TForm1::UlozMemo()
{
    Session &s = m_session;
    Editciatextu2->setText(s.ConfigText(QStringLiteral("MENU EDIT MEMO"), QStringLiteral("Editácia textu")));
    Memo1->setReadOnly(true);
    const bool saved = guarded([&] {
        lumora::UlozMemo(*Memo1->document(), s.contentFilePath(s.course.CurrentLevel), m_editLock.get());
    });
    m_editLock.reset();
    return saved;
}

void TForm1::Editciatextu2Click()
{
    if (!editing()) {
        startEditing();
        return;
    }
    Ignorovazmeny1->setVisible(false);
    setHintShown(false);
    UlozMemo();
}

void TForm1::Ignorovazmeny1Click()
{
    Session &s = m_session;
    Memo1->setReadOnly(true);
    m_editLock.reset();
    setHintShown(false);
    Ignorovazmeny1->setVisible(false);
    Editciatextu2->setText(s.ConfigText(QStringLiteral("MENU EDIT MEMO"), QStringLiteral("Editácia textu")));
    {
        const PaneLoading loading(*Memo1);
        ObnovMemo(*Memo1->document(), s.contentFilePath(s.course.CurrentLevel));
    }
    if (Memo1->document()->isEmpty())
        Zoom1->setVisible(false);
}

void TForm1::offerToSaveText()
{
    if (!editing() || m_asking)
        return;
    m_asking = true;
    const bool yes = messages::confirm(m_session, QStringLiteral("SAVE MEMO?"), QStringLiteral(" Chcete uložiť memo?"), this);
    m_asking = false;
    if (!yes || !UlozMemo())
        Memo1->setFocus();
}

void TForm1::Memo1Exit()
{
    offerToSaveText();
}

void TForm1::memoFocusChanged(QWidget *old, QWidget *now)
{
    // Leaving the pane for another control of this window asks the save question;
    // moving into the zoom box keeps editing quiet, and so does a window or box coming
    // to the front. The buttons that leave the screen ("Späť", "Koniec", "Poznámky")
    // ask the question themselves when pressed, so taking the focus to them does not
    // ask it a second time.
    if (old != Memo1 || !now || now->window() != this || Panel4->isAncestorOf(now) || now == Memo1)
        return;
    if (now == static_cast<QWidget *>(SpeedButton1) || now == static_cast<QWidget *>(SpeedButton2)
        || now == static_cast<QWidget *>(Button1))
        return;
    guarded([this] { Memo1Exit(); });
}

void TForm1::Memo1MouseDown()
{
    if (!editing())
        return;
    if (!FontDialog1)
        FontDialog1 = new FontDialog(this);
    FontDialog1->execute();
    Memo1->mergeCurrentCharFormat(memo::dialogFormat(FontDialog1->selectedFont(), FontDialog1->selectedColour()));
}

void TForm1::Zoom1Click()
{
    MaskEdit1->setText(QStringLiteral("100"));
    Panel4->show();
    Panel4->raise();
}

void TForm1::Button2Click()
{
    Panel4->hide();
    ZoomMemo(*Memo1->document(), memo::zoomPercent(MaskEdit1->text()));
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton && editing()) {
        guarded([this] { Memo1MouseDown(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace lumora
