#pragma once
// The lesson text pane's control: a rich-text edit whose paste takes only what the
// formatted text file can keep (see memo::pastedRichText), and which draws the labels of
// lists that do not start at 1 (see rtf::drawListLabels). PaneLoading loads a text into
// any text pane.
#include <QTextEdit>

namespace lumora {

class LessonPane : public QTextEdit {
    Q_OBJECT

public:
    using QTextEdit::QTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

// Held while a text is loaded into a pane's document: the document's layout waits,
// and when the load is done the pane's cursor goes to the start and the layout lays the
// text out from the top in steps between the window's events. (A layout that answers
// the load itself lays a long text out whole at once; a cursor left at the end of the
// loaded text would make the first paint lay it out up to there.)
// Gives a text edit's document pages of a finite height. A text edit lays its text out
// on one endless page, and the layout cannot go on past about 8.4 million pixels of it
// (about 30 MB of lesson text in the lesson pane): there it loops for ever. On pages
// of a finite height it goes on from page to page, to about 33 million pixels. The
// text edit sets the page size again whenever it is resized.
void keepPagesFinite(QTextEdit &pane);

class PaneLoading {
public:
    explicit PaneLoading(QTextEdit &pane);
    ~PaneLoading();
    PaneLoading(const PaneLoading &) = delete;
    PaneLoading &operator=(const PaneLoading &) = delete;

private:
    QTextEdit &m_pane;
    QSizeF m_page;
};

} // namespace lumora
