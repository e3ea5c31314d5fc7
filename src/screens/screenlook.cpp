#include "screens/screenlook.h"
#include "config/keys.h"
#include "platform/paths.h"
#include "state/session.h"

#include <QLabel>
#include <QPixmap>

namespace lumora::screens {

int scaleUnit(const Session &s)
{
    return s.values.ScaleTenths > 0 ? s.values.ScaleTenths : 10;
}

int buttonFontSize(Session &s)
{
    return startup::buttonFontSize(s.ConfigText(keys::FontsizeButton), s.values.ScreenWidth, s.values.ButtonFontSize);
}

void applyStartFont(QWidget &window, const Session &s)
{
    QFont windowFont = window.font();
    if (s.values.ButtonFontSize > 0)
        windowFont.setPointSize(s.values.ButtonFontSize);
    window.setFont(windowFont);
}

void setFontSize(QWidget *widget, int size)
{
    if (size <= 0 || widget->font().pointSize() == size)
        return;
    QFont f = widget->font();
    f.setPointSize(size);
    widget->setFont(f);
}

bool loadBackground(QLabel *image, const QString &path)
{
    const QString found = paths::existingFile(path);
    if (found.isEmpty())
        return false;
    QPixmap picture(found);
    if (picture.isNull())
        return false;
    image->setPixmap(picture);
    return true;
}

} // namespace lumora::screens
