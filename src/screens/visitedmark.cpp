#include "screens/visitedmark.h"

#include "platform/visitedtick.h"
#include "screens/buttonoverlay.h"

#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace lumora::screens {

namespace {

constexpr char MarkName[] = "VisitedMark";

// The badge: a tick in a round mark at the button's upper right corner.
class Mark : public ButtonOverlay {
public:
    explicit Mark(QPushButton *button) : ButtonOverlay(button, MarkName) { place(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QPalette &palette = parentWidget()->palette();
        visitedtick::paint(painter, rect(), palette.color(QPalette::ButtonText), palette.color(QPalette::Button));
    }

    QRect placeOn(QSize button) const override
    {
        const int side = std::max(8, button.height() / 2);
        const int inset = std::max(2, button.height() / 10);
        return {button.width() - side - inset, inset, side, side};
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
