#pragma once
// Lays a long text out in short steps between the window's events. The document's own
// layout does lay a text out lazily, but each of its steps is twice as long as the one
// before, up to some 200,000 characters: passes of a tenth of a second and more in which
// the window answers nothing. While a text is being laid out, this object takes the
// layout's own steps over and lays it out, a few thousand characters at a time, for a
// few milliseconds per pass, until the whole text is laid out; then the layout's timers
// work as before. What the layout does for a paint, a scroll or an edit is unchanged.
#include <QObject>
#include <QTimer>

class QTextDocument;

namespace lumora {

class LayoutSteps : public QObject {
    Q_OBJECT

public:
    // Gives the document's layout short steps from now on (once per document; the
    // object lives as long as the document).
    static void attach(QTextDocument &doc);

    // The position of the first block the layout has not laid out yet, or -1 when the
    // whole text is laid out.
    static int unlaidPosition(const QTextDocument &doc);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit LayoutSteps(QTextDocument &doc);
    void step();

    QTextDocument &m_doc;
    QTimer m_timer;
    int m_stuckAt = -1; // where a step made no progress: left to the layout itself
};

} // namespace lumora
