#include "text/paneediting.h"

#include "config/keys.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTextEdit>

#include <algorithm>
#include <utility>

namespace lumora::text {

PaneEditing::PaneEditing(Session &session, const PaneControls &controls)
    : QObject(controls.window), m_session(session), m_c(controls)
{
    connect(qApp, &QApplication::focusChanged, this, &PaneEditing::focusChanged);
    m_c.pane->viewport()->installEventFilter(this);
    m_c.pane->installEventFilter(this);
    // Qt's own menu (copy, select all) is offered neither while reading nor while
    // editing: reading copies by keyboard, editing formats through formatSelection.
    m_c.pane->setContextMenuPolicy(Qt::PreventContextMenu);
    for (QWidget *control : m_c.zoomBox->findChildren<QWidget *>())
        control->installEventFilter(this);
}

PaneEditing::~PaneEditing()
{
    // The application's focus signal must not reach a window that is being torn down.
    disconnect(qApp, nullptr, this, nullptr);
}

QString PaneEditing::contentPath() const
{
    return m_session.contentFilePath(m_session.course.CurrentLevel);
}

bool PaneEditing::editing() const
{
    return !m_c.pane->isReadOnly();
}

void PaneEditing::setHintShown(bool shown)
{
    m_c.pane->setToolTip(shown ? m_c.pane->property("hint").toString() : QString());
}

void PaneEditing::startEditing()
{
    Session &s = m_session;
    const QString path = contentPath();
    {
        const PaneLoading loading(*m_c.pane);
        ObnovMemo(*m_c.pane->document(), path);
    }
    showFromTop(*m_c.pane);
    setHintShown(true);
    memo::Refusal why = memo::Refusal::None;
    m_editLock = memo::writeCheck(path, &why);
    if (!m_editLock) {
        const QString text = s.ConfigText(why == memo::Refusal::Busy ? keys::EditBusy : keys::Uneditable);
        if (s.ShowPrompt)
            messages::show(messages::Kind::Information, messages::Buttons::Ok, text, m_c.window);
        return;
    }
    m_c.pane->setReadOnly(false);
    m_c.pane->setEnabled(true);
    m_c.editEntry->setText(s.ConfigText(keys::MenuSaveMemo));
    m_c.ignoreEntry->setVisible(true);
    m_c.pane->show();
    m_c.margin->show();
    m_c.zoomEntry->setVisible(true);
    m_c.pane->setFocus();
}

bool PaneEditing::save()
{
    Session &s = m_session;
    m_c.editEntry->setText(s.ConfigText(keys::MenuEditMemo));
    m_c.pane->setReadOnly(true);
    const bool saved = guarded([&] { UlozMemo(*m_c.pane->document(), contentPath(), m_editLock.get()); });
    m_editLock.reset();
    return saved;
}

void PaneEditing::toggle()
{
    if (!editing()) {
        startEditing();
        return;
    }
    m_c.ignoreEntry->setVisible(false);
    setHintShown(false);
    save();
}

void PaneEditing::discard()
{
    Session &s = m_session;
    m_c.pane->setReadOnly(true);
    m_editLock.reset();
    setHintShown(false);
    m_c.ignoreEntry->setVisible(false);
    m_c.editEntry->setText(s.ConfigText(keys::MenuEditMemo));
    {
        const PaneLoading loading(*m_c.pane);
        ObnovMemo(*m_c.pane->document(), contentPath());
    }
    showFromTop(*m_c.pane);
    if (m_c.pane->document()->isEmpty())
        m_c.zoomEntry->setVisible(false);
}

void PaneEditing::endForBuild()
{
    m_editLock.reset();
}

void PaneEditing::offerToSave()
{
    if (!editing() || m_asking)
        return;
    m_asking = true;
    const bool yes = messages::confirm(m_session, keys::SaveMemoQuestion, m_c.window);
    m_asking = false;
    if (!yes || !save())
        m_c.pane->setFocus();
}

void PaneEditing::focusChanged(QWidget *old, QWidget *now)
{
    // Leaving the pane for another control of this window asks the save question;
    // moving into the zoom box keeps editing quiet, and so does a window or box coming
    // to the front. The controls that leave the screen ask the question themselves when
    // pressed, so taking the focus to them does not ask it a second time. Opening the
    // menu from the keyboard (Alt with a letter, F10) gives the focus to the menu bar or
    // a menu without leaving the pane: the author may be on the way to "Ignorovať zmeny".
    if (old != m_c.pane || !now || now->window() != m_c.window || now == m_c.pane || m_c.zoomBox->isAncestorOf(now))
        return;
    if (qobject_cast<QMenuBar *>(now) || qobject_cast<QMenu *>(now))
        return;
    if (m_c.leavingControls.contains(now))
        return;
    for (const QWidget *companion : std::as_const(m_c.companions)) {
        if (companion->isAncestorOf(now))
            return;
    }
    guarded([this] { offerToSave(); });
}

void PaneEditing::formatSelection()
{
    if (!editing())
        return;
    if (!m_fontDialog)
        m_fontDialog = new FontDialog(m_c.window);
    m_fontDialog->execute();
    m_c.pane->mergeCurrentCharFormat(memo::dialogFormat(m_fontDialog->selectedFont(), m_fontDialog->selectedColour()));
}

namespace {

// Widens the box's labels to their whole caption (at the window's font) and moves the
// controls right of them along, so nothing is clipped.
void fitZoomBox(QWidget &box)
{
    QList<QWidget *> row = box.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    std::sort(row.begin(), row.end(), [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
    int shift = 0;
    for (QWidget *control : row) {
        control->move(control->x() + shift, control->y());
        if (qobject_cast<QLabel *>(control)) {
            const int need = control->sizeHint().width();
            if (need > control->width()) {
                shift += need - control->width();
                control->resize(need, control->height());
            }
        }
    }
    if (shift > 0)
        box.resize(box.width() + shift, box.height());
}

} // namespace

void PaneEditing::showZoomBox()
{
    m_c.zoomField->setText(QStringLiteral("100"));
    fitZoomBox(*m_c.zoomBox);
    // The box stays inside the window.
    QWidget *parent = m_c.zoomBox->parentWidget();
    if (parent && m_c.zoomBox->geometry().right() >= parent->width())
        m_c.zoomBox->move(std::max(0, parent->width() - m_c.zoomBox->width() - 4), m_c.zoomBox->y());
    m_c.zoomBox->show();
    m_c.zoomBox->raise();
    m_c.zoomField->setFocus(Qt::OtherFocusReason);
    m_c.zoomField->selectAll();
}

void PaneEditing::closeZoomBox()
{
    m_c.zoomBox->hide();
    if (m_c.pane->isVisible())
        m_c.pane->setFocus(Qt::OtherFocusReason);
}

void PaneEditing::applyZoomBox()
{
    m_c.zoomBox->hide();
    ZoomMemo(*m_c.pane->document(), memo::zoomPercent(m_c.zoomField->text()));
}

bool PaneEditing::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape
        && m_c.zoomBox->isAncestorOf(qobject_cast<QWidget *>(watched))) {
        closeZoomBox();
        return true;
    }
    // The event type first: while the window is torn down the pane is no longer a
    // scroll area and must not be asked for its viewport.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton
        && watched == m_c.pane->viewport() && editing()) {
        guarded([this] { formatSelection(); });
        return true;
    }
    // The keyboard's way to the same menu: the Menu key and Shift+F10.
    if (event->type() == QEvent::KeyPress && watched == m_c.pane && editing()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            guarded([this] { formatSelection(); });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumora::text
