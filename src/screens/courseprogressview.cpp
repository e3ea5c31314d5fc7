#include "screens/courseprogressview.h"

#include "config/keys.h"
#include "platform/paths.h"
#include "course/progressfile.h"
#include "state/session.h"
#include "screens/buttonoverlay.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QThreadPool>

#include <algorithm>

namespace lumora::screens {

namespace {

constexpr char BadgeName[] = "CourseProgress";

// The count and the bar, painted over the lower part of the course button: the count at
// the right in the button's own text colour, the bar along the bottom edge, outlined,
// filled as far as the course is done. Presses go through to the button.
class Badge : public ButtonOverlay {
public:
    explicit Badge(QPushButton *button) : ButtonOverlay(button, BadgeName) { place(); }

    void setCount(const course::ProgressCount &count)
    {
        m_count = count;
        setProperty("text", text());
        update();
    }
    QString text() const { return QStringLiteral("%1 / %2").arg(m_count.visited).arg(m_count.total); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QPalette &palette = parentWidget()->palette();
        const QColor ink = palette.color(QPalette::ButtonText);
        const int barHeight = std::max(3, height() / 6);
        QFont font = parentWidget()->font();
        if (font.pointSizeF() > 0)
            font.setPointSizeF(std::max(6.0, font.pointSizeF() * 0.8));
        painter.setFont(font);
        painter.setPen(ink);
        const QRect textArea(0, 0, width() - barHeight, height() - barHeight - 1);
        painter.drawText(textArea, Qt::AlignRight | Qt::AlignVCenter, text());
        const QRectF bar(barHeight, height() - barHeight - 1.5, width() - 2 * barHeight, barHeight);
        painter.setPen(QPen(ink, 1));
        painter.setBrush(palette.color(QPalette::Button));
        painter.drawRect(bar);
        if (m_count.total > 0 && m_count.visited > 0) {
            QRectF done = bar;
            done.setWidth(bar.width() * std::min(1.0, double(m_count.visited) / m_count.total));
            painter.setBrush(ink);
            painter.drawRect(done);
        }
    }

    QRect placeOn(QSize button) const override
    {
        const int strip = std::max(12, button.height() * 2 / 5);
        return {0, button.height() - strip, button.width(), strip};
    }

private:
    course::ProgressCount m_count;
};

// The worker of every view: one course at a time, below the user's path, so the window
// stays responsive on a machine with few cores.
QThreadPool &worker()
{
    static QThreadPool pool;
    static const bool once = [] {
        pool.setMaxThreadCount(1);
        pool.setThreadPriority(QThread::LowPriority);
        return true;
    }();
    Q_UNUSED(once);
    return pool;
}

} // namespace

CourseProgressView::CourseProgressView(Session &session, const QString &topFile, QObject *parent)
    : QObject(parent),
      m_session(session),
      m_programDir(session.values.ProgramDir),
      m_workFolder(session.values.TempDir),
      m_topFile(topFile)
{
    m_relay->view = this;
}

CourseProgressView::~CourseProgressView()
{
    const QMutexLocker locker(&m_relay->mutex);
    m_relay->view = nullptr;
}

void CourseProgressView::attach(QPushButton *button, const QString &courseName)
{
    if (!button)
        return;
    m_buttons.insert(courseName, button);
    const auto known = m_known.constFind(courseName);
    if (known != m_known.constEnd())
        showOn(button, *known);
    else
        ask(courseName);
}

void CourseProgressView::refresh()
{
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        if (it.value())
            ask(it.key());
    }
}

void CourseProgressView::ask(const QString &courseName)
{
    if (m_asked.contains(courseName) || m_workFolder.isEmpty())
        return;
    m_asked.insert(courseName);
    const QString folder = paths::join(m_programDir, courseName);
    const course::progress::Place place = course::progress::place(m_workFolder, courseName);
    const QString top = m_topFile;
    const std::shared_ptr<course::ProgressCounter> counter = m_counter;
    const std::shared_ptr<Relay> relay = m_relay;
    worker().start([relay, counter, folder, top, place, courseName] {
        {
            // A view already gone needs no count.
            const QMutexLocker locker(&relay->mutex);
            if (!relay->view)
                return;
        }
        std::optional<course::ProgressCount> count;
        try {
            count = counter->count(folder, top, place);
        } catch (...) {
            // A course that cannot be walked shows no count; it still opens as before.
        }
        // Posted while the view is known to live; a view deleted later drops the event.
        const QMutexLocker locker(&relay->mutex);
        if (CourseProgressView *view = relay->view) {
            QMetaObject::invokeMethod(
                view, [view, courseName, count] { view->show(courseName, count); }, Qt::QueuedConnection);
        }
    });
}

void CourseProgressView::show(const QString &courseName, std::optional<course::ProgressCount> count)
{
    m_asked.remove(courseName);
    m_known.insert(courseName, count);
    if (QPushButton *button = m_buttons.value(courseName))
        showOn(button, count);
}

void CourseProgressView::showOn(QPushButton *button, const std::optional<course::ProgressCount> &count)
{
    auto *badge = button->findChild<Badge *>(QLatin1String(BadgeName), Qt::FindDirectChildrenOnly);
    if (!count) {
        delete badge;
        button->setAccessibleDescription(QString());
        return;
    }
    if (!badge) {
        badge = new Badge(button);
        badge->setVisible(true);
    }
    badge->setCount(*count);
    if (m_captionWord.isNull())
        m_captionWord = m_session.ConfigText(keys::ProgressScreens);
    button->setAccessibleDescription(m_captionWord + QLatin1Char(' ') + badge->text());
}

} // namespace lumora::screens
