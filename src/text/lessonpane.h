#pragma once
// The lesson text pane's control: a rich-text edit whose paste takes only what the
// formatted text file can keep (see memo::pastedRichText). Read-only, its text can
// still be read with the caret (arrows, Home/End, selection with Shift), as a reader
// expects; it shows a frame while it has the focus, and it can be zoomed as a view,
// without changing the document's sizes.
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
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void keepCaretReading();

    int m_viewZoom = 100;
    int m_topReserve = 0;
    QImage m_zoomDevice;   // gives the layout its dots per inch while zoomed
    QPaintDevice *m_ownDevice = nullptr;   // the layout's device when not zoomed
    int m_wheelRest = 0;   // wheel angle not yet turned into a step
};

// Shows the pane's text from its beginning: the caret at the start and the view at the
// top (a pane filled by inserting text keeps the caret at the end otherwise).
void showFromTop(QTextEdit &pane);

} // namespace lumora
