#include "text/lessonpane.h"

#include "platform/wheelsteps.h"
#include "rtf/rtflists.h"
#include "rtf/rtfreader.h"
#include "text/layoutsteps.h"
#include "text/pastefilter.h"

#include <QAbstractTextDocumentLayout>
#include <QMimeData>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>
#include <QWheelEvent>

namespace lumora {

LessonPane::LessonPane(QWidget *parent) : QTextEdit(parent)
{
    setViewportMargins(FocusFrameWidth, FocusFrameWidth, FocusFrameWidth, FocusFrameWidth);
    keepCaretReading();
}

bool LessonPane::canInsertFromMimeData(const QMimeData *source) const
{
    return source
        && (source->hasText() || source->hasHtml() || source->hasImage() || !memo::pastedRichText(*source).isEmpty());
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
    LayoutSteps::attach(*m_pane.document());
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

void LessonPane::keepCaretReading()
{
    // Switching to read-only leaves only selection by mouse; the caret keeps moving
    // with the keys, so the text can be read and selected from the keyboard.
    if (isReadOnly())
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::LinksAccessibleByMouse
                                | Qt::LinksAccessibleByKeyboard);
}

void LessonPane::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ReadOnlyChange)
        keepCaretReading();
    QTextEdit::changeEvent(event);
}

bool LessonPane::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: update(); break;
    case QEvent::Paint: {
        // The band around the page: the page's colour, or the focus frame.
        const bool result = QTextEdit::event(event);
        QPainter painter(this);
        const QColor colour = hasFocus() ? focusFrameColour() : palette().color(QPalette::Base);
        QPen pen(colour, FocusFrameWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const qreal half = FocusFrameWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
        return result;
    }
    default: break;
    }
    return QTextEdit::event(event);
}

void LessonPane::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QTextEdit::wheelEvent(event);
        return;
    }
    const int steps = wholeWheelSteps(*event, m_wheelRest);
    if (steps != 0)
        emit zoomStepped(steps);
    event->accept();
}

void LessonPane::setViewZoom(int percent)
{
    if (percent == m_viewZoom)
        return;
    m_viewZoom = percent;
    QAbstractTextDocumentLayout *layout = document()->documentLayout();
    if (layout->paintDevice() != &m_zoomDevice)
        m_ownDevice = layout->paintDevice();
    if (percent == 100) {
        layout->setPaintDevice(m_ownDevice);
    } else {
        // The layout turns point sizes into pixels with its device's dots per inch, so
        // a device of scaled resolution zooms every size, pictures included, while the
        // document (and what is saved of it) stays as it is.
        const double dpi = logicalDpiY() * percent / 100.0;
        m_zoomDevice = QImage(1, 1, QImage::Format_ARGB32);
        m_zoomDevice.setDotsPerMeterX(qRound(dpi / 0.0254));
        m_zoomDevice.setDotsPerMeterY(qRound(dpi / 0.0254));
        layout->setPaintDevice(&m_zoomDevice);
    }
    // The same page size again starts the layout over from the top, in steps (marking
    // the whole text changed would lay it out whole at once).
    document()->setPageSize(document()->pageSize());
    ensureCursorVisible();
}

void LessonPane::reserveTop(int height)
{
    if (height == m_topReserve)
        return;
    m_topReserve = height;
    setViewportMargins(FocusFrameWidth, FocusFrameWidth + height, FocusFrameWidth, FocusFrameWidth);
    ensureCursorVisible();
}

void showFromTop(QTextEdit &pane)
{
    pane.moveCursor(QTextCursor::Start);
    pane.verticalScrollBar()->setValue(0);
    pane.horizontalScrollBar()->setValue(0);
}

} // namespace lumora
