#pragma once
// The zoom keys of a screen window's lesson pane: Ctrl+plus, Ctrl+minus, Ctrl+0 and the
// wheel with Ctrl zoom the pane's view in the zoom box's steps; the zoom is kept for the
// learner per program folder, so every screen, and the next start, shows the same.
#include <QObject>

namespace lumora {

class LessonPane;
class Session;

namespace text {

class PaneZoom : public QObject {
    Q_OBJECT
public:
    // The step of the keys and of the zoom box's arrows, in percent.
    static constexpr int Step = 10;

    // Adds the keys to window (the pane's window).
    PaneZoom(Session &session, LessonPane &pane, QWidget *window);

    int percent() const;
    // By steps (negative: smaller), within the zoom box's range; kept at once.
    void zoomBy(int steps);
    void reset();

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void setPercent(int percent);
    void applyKept();

    Session &m_session;
    LessonPane &m_pane;
};

} // namespace text
} // namespace lumora
