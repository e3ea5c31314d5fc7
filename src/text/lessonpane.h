#pragma once
// The lesson text pane's control: a rich-text edit whose paste takes only what the
// formatted text file can keep (see memo::pastedRichText), and which draws the labels of
// lists that do not start at 1 (see rtf::drawListLabels). Read-only, its text can still
// be read with the caret (arrows, Home/End, selection with Shift), as a reader expects;
// it shows a frame while it has the focus, and it can be zoomed as a view, without
// changing the document's sizes. PaneLoading loads a text into any text pane.
#include <QImage>
#include <QTextEdit>

namespace lumora {

class LessonPane : public QTextEdit {
    Q_OBJECT

public:
    explicit LessonPane(QWidget *parent = nullptr);

    // The view's zoom in percent (100: as the document's sizes say).
    int viewZoom() const { return m_viewZoom; }
    void setViewZoom(int percent);

    // Keeps a band of this height free at the top of the pane, for a bar standing over
    // it (the find bar); 0 gives the room back.
    void reserveTop(int height);

    // Width of the focus frame, in pixels.
    static constexpr int FocusFrameWidth = 2;
    // The frame's colour: dark blue, well above 3:1 against the white page and the
    // window around it.
    static QColor focusFrameColour() { return QColor(0x1a, 0x4f, 0x9c); }

signals:
    // The wheel turned with Ctrl held: steps up (positive) or down.
    void zoomStepped(int steps);

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void keepCaretReading();

    int m_viewZoom = 100;
    int m_topReserve = 0;
    QImage m_zoomDevice;                 // gives the layout its dots per inch while zoomed
    QPaintDevice *m_ownDevice = nullptr; // the layout's device when not zoomed
    int m_wheelRest = 0;                 // wheel angle not yet turned into a step
};

// Gives a text edit's document pages of a finite height. A text edit lays its text out
// on one endless page, and the layout cannot go on past about 8.4 million pixels of it
// (about 30 MB of lesson text in the lesson pane): there it loops for ever. On pages
// of a finite height it goes on from page to page, to about 33 million pixels. The
// text edit sets the page size again whenever it is resized.
void keepPagesFinite(QTextEdit &pane);

// Held while a text is loaded into a pane's document: the document's layout waits,
// and when the load is done the pane's cursor goes to the start and the layout lays
// the text out from the top in short steps between the window's events (LayoutSteps).
// (A layout that answers the load itself lays a long text out whole at once; a cursor
// left at the end of the loaded text would make the first paint lay it out up to there.)
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

// Shows the pane's text from its beginning: the caret at the start and the view at the
// top (a pane filled by inserting text keeps the caret at the end otherwise).
void showFromTop(QTextEdit &pane);

} // namespace lumora
