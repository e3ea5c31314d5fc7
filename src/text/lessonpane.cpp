#include "text/lessonpane.h"

#include "rtf/rtflists.h"
#include "rtf/rtfreader.h"
#include "text/pastefilter.h"

#include <QMimeData>
#include <QPaintEvent>
#include <QResizeEvent>
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

namespace {

// Far taller than any screen, so that the few pixels a page break adds go unseen, and
// taller than anything a line can hold.
constexpr qreal PageHeight = 1000000;

} // namespace

void keepPagesFinite(QTextEdit &pane)
{
    QTextDocument &doc = *pane.document();
    const QSizeF page = doc.pageSize();
    if (page.height() < 0)
        doc.setPageSize(QSizeF(page.width(), PageHeight));
}

void LessonPane::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    keepPagesFinite(*this);
}

PaneLoading::PaneLoading(QTextEdit &pane) : m_pane(pane), m_page(pane.document()->pageSize())
{
    // A page of no size is one the layout lays nothing out on.
    m_pane.document()->setPageSize(QSizeF(0, 0));
}

PaneLoading::~PaneLoading()
{
    QTextDocument &doc = *m_pane.document();
    m_pane.setTextCursor(QTextCursor(&doc));
    QSizeF page = m_page;
    if (page.height() < 0)
        page.setHeight(PageHeight);
    doc.setPageSize(page);
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
