#include "screens/visitedmark.h"

#include "platform/visitedtick.h"

#include <QEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace lumora::screens {

namespace {

constexpr char MarkName[] = "VisitedMark";

// The badge: a child of the button that follows its size and lets every press through.
class Mark : public QWidget {
public:
    explicit Mark(QPushButton *button) : QWidget(button)
    {
        setObjectName(QLatin1String(MarkName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
        place();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            place();
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QPalette &palette = parentWidget()->palette();
        visitedtick::paint(painter, rect(), palette.color(QPalette::ButtonText), palette.color(QPalette::Button));
    }

private:
    void place()
    {
        const QWidget *button = parentWidget();
        const int side = std::max(8, button->height() / 2);
        const int inset = std::max(2, button->height() / 10);
        setGeometry(button->width() - side - inset, inset, side, side);
        raise();
    }
};

} // namespace

void markVisited(QPushButton *button, bool visited, const QString &word)
{
    if (!button)
        return;
    QWidget *mark = button->findChild<QWidget *>(QLatin1String(MarkName), Qt::FindDirectChildrenOnly);
    if (visited && !mark)
        (new Mark(button))->setVisible(true);
    else if (!visited && mark)
        delete mark;
    button->setAccessibleDescription(describedVisited(button->accessibleDescription(), visited, word));
}

bool markedVisited(const QWidget *button)
{
    return button && button->findChild<QWidget *>(QLatin1String(MarkName), Qt::FindDirectChildrenOnly);
}

QString describedVisited(const QString &description, bool visited, const QString &word)
{
    const QString suffix = QStringLiteral(", ") + word;
    QString plain = description;
    if (!word.isEmpty() && plain.endsWith(suffix))
        plain.chop(suffix.size());
    else if (plain == word)
        plain.clear();
    if (!visited || word.isEmpty())
        return plain;
    return plain.isEmpty() ? word : plain + suffix;
}

} // namespace lumora::screens
