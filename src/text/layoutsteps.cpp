#include "text/layoutsteps.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace lumora {

namespace {

// How far past the first block not laid out one request reaches, in characters (a
// few dozen lines of the lesson pane), and how long the steps of one pass may go on.
constexpr int StepCharacters = 4000;
constexpr qint64 PassMilliseconds = 8;

// A block the layout has been through. A hidden block gets no lines and is passed over.
bool laidOut(const QTextBlock &block)
{
    return !block.isVisible() || block.layout()->lineCount() > 0;
}

} // namespace

LayoutSteps::LayoutSteps(QTextDocument &doc) : QObject(&doc), m_doc(doc)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &LayoutSteps::step);
    doc.documentLayout()->installEventFilter(this);
}

void LayoutSteps::attach(QTextDocument &doc)
{
    if (!doc.findChild<LayoutSteps *>(QString(), Qt::FindDirectChildrenOnly))
        new LayoutSteps(doc);
}

int LayoutSteps::unlaidPosition(const QTextDocument &doc)
{
    // The layout goes from the top down, and a new page size or a new zoom starts it
    // again from the top with every block cleared, so the blocks laid out come first.
    int low = 0;
    int high = doc.blockCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (laidOut(doc.findBlockByNumber(middle)))
            low = middle + 1;
        else
            high = middle;
    }
    return low < doc.blockCount() ? doc.findBlockByNumber(low).position() : -1;
}

bool LayoutSteps::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Timer || watched != m_doc.documentLayout())
        return false;
    // While the steps here run, the layout's own would only grow; its report of a new
    // size is made by the steps here.
    if (m_timer.isActive())
        return true;
    if (m_doc.pageSize().isNull())
        return false;
    const int at = unlaidPosition(m_doc);
    if (at < 0 || at == m_stuckAt)
        return false;
    m_stuckAt = -1;
    m_timer.start();
    return true;
}

void LayoutSteps::step()
{
    QAbstractTextDocumentLayout *layout = m_doc.documentLayout();
    QElapsedTimer pass;
    pass.start();
    int at = unlaidPosition(m_doc);
    while (at >= 0 && !m_doc.pageSize().isNull()) {
        // Asking for a block's place lays the text out up to that block.
        QTextBlock target = m_doc.findBlock(at + StepCharacters);
        if (!target.isValid())
            target = m_doc.lastBlock();
        while (target.isValid() && !target.isVisible())
            target = target.next();
        if (!target.isValid())
            target = m_doc.findBlock(at);
        layout->blockBoundingRect(target);
        const int next = unlaidPosition(m_doc);
        if (next >= 0 && next <= at) {
            // A block the layout does not lay out (it has its reasons): its own steps
            // go on from here.
            m_stuckAt = next;
            break;
        }
        at = next;
        if (pass.elapsed() >= PassMilliseconds)
            break;
    }
    if (at < 0 || m_stuckAt >= 0 || m_doc.pageSize().isNull())
        m_timer.stop();
    // The text edit sets its scroll bar from the layout's size when told it changed.
    const QTextBlock last = at < 0 ? m_doc.lastBlock() : m_doc.findBlock(at).previous();
    const qreal height = last.isValid() ? layout->blockBoundingRect(last).bottom() : 0;
    emit layout->documentSizeChanged(QSizeF(m_doc.pageSize().width(), height));
}

} // namespace lumora
