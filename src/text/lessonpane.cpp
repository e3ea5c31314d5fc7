#include "text/lessonpane.h"

#include "rtf/rtflists.h"
#include "rtf/rtfreader.h"
#include "text/pastefilter.h"

#include <QMimeData>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QPainter>
#include <QScrollBar>
#include <QAbstractTextDocumentLayout>
#include <QBasicTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimerEvent>

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

// A text edit's layout lays a long text out in steps between events, and each step is
// twice as long as the one before, up to some 200,000 characters, which takes the
// window away from its user for a tenth of a second and more. Every StepReset
// milliseconds this tells the layout that the last block it laid out changed: it lays
// that block out again and starts over with short steps from there. It ends itself
// once the last block is laid out.
class ShortLayoutSteps : public QObject {
public:
    static constexpr int StepReset = 50;

    explicit ShortLayoutSteps(QTextDocument &doc) : QObject(doc.documentLayout()), m_doc(doc)
    {
        setObjectName(QStringLiteral("short layout steps"));
        m_timer.start(StepReset, this);
    }

protected:
    void timerEvent(QTimerEvent *event) override
    {
        if (event->timerId() != m_timer.timerId())
            return;
        if (laidOut(m_doc.lastBlock())) {
            m_timer.stop();
            deleteLater();
            return;
        }
        // The blocks laid out come first; the last of them is found by halving.
        int low = 0, high = m_doc.blockCount() - 1;
        while (low < high) {
            const int middle = low + (high - low + 1) / 2;
            if (laidOut(m_doc.findBlockByNumber(middle)))
                low = middle;
            else
                high = middle - 1;
        }
        const QTextBlock last = m_doc.findBlockByNumber(low);
        m_doc.markContentsDirty(last.position(), last.length());
    }

private:
    static bool laidOut(const QTextBlock &block)
    {
        return !block.isValid() || !block.isVisible() || (block.layout() && block.layout()->lineCount() > 0);
    }

    QTextDocument &m_doc;
    QBasicTimer m_timer;
};

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
    doc.setPageSize(m_page);
    keepPagesFinite(m_pane);
    delete doc.documentLayout()->findChild<QObject *>(QStringLiteral("short layout steps"));
    new ShortLayoutSteps(doc);
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
