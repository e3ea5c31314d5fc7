#include "text/lessonpane.h"

#include "rtf/rtflists.h"
#include "rtf/rtfreader.h"
#include "text/pastefilter.h"

#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>

namespace lumora {

bool LessonPane::canInsertFromMimeData(const QMimeData *source) const
{
    return source && (source->hasText() || source->hasHtml() || source->hasImage()
                      || !memo::pastedRichText(*source).isEmpty());
}

void LessonPane::insertFromMimeData(const QMimeData *source)
{
    if (!source || isReadOnly())
        return;
    const QByteArray rich = memo::pastedRichText(*source);
    QTextCursor cursor = textCursor();
    if (!rich.isEmpty()) {
        rtf::insert(rich, cursor);
    } else if (source->hasText()) {
        cursor.insertText(source->text());
    } else {
        return;
    }
    setTextCursor(cursor);
    ensureCursorVisible();
}

PaneLoading::PaneLoading(QTextEdit &pane) : m_pane(pane), m_page(pane.document()->pageSize())
{
    // A page of no size is one the layout lays nothing out on.
    m_pane.document()->setPageSize(QSizeF(0, 0));
}

PaneLoading::~PaneLoading()
{
    m_pane.setTextCursor(QTextCursor(m_pane.document()));
    m_pane.document()->setPageSize(m_page);
}

void LessonPane::paintEvent(QPaintEvent *event)
{
    QTextEdit::paintEvent(event);
    QPainter painter(viewport());
    const QPointF scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.translate(-scrolled);
    rtf::drawListLabels(painter, *document(), QRectF(event->rect()).translated(scrolled));
}

} // namespace lumora
