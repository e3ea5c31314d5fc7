#pragma once
// Windows place their controls at fixed coordinates, as the screens were designed.
#include <QLatin1String>
#include <QWidget>

namespace lumora {

// A new control of type W, named (the name other code finds it by) and placed.
template <typename W>
W *placeControl(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(left, top, width, height);
    return w;
}

} // namespace lumora
