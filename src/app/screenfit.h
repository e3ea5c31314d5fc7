#pragma once
// Every window on the screen: a window larger than the screen's available area (as at
// 200 % scale) is made to fit it, and a window placed partly off it is moved onto it.
#include <QMargins>
#include <QRect>
#include <QSize>

class QApplication;
class QWidget;

namespace lumora::screenfit {

// The outer size and position a window of this inner size at this place gets inside the
// available area, with frame the window frame around it: shrunk to the area, then moved
// so that all of it lies inside.
QRect fitted(const QRect &inner, const QMargins &frame, const QRect &available);

// Where a window of this outer size stands centred on its parent's outer rectangle.
QRect centredOn(const QSize &outer, const QRect &parentOuter);

// The frame a window has or, before it is first shown, the one it will have.
QMargins frameOf(const QWidget *window);

// Fits a window now (see fitted); a window whose layout cannot shrink that far keeps its
// content reachable through scroll bars when it is a main window.
void fit(QWidget *window);

// Fits every window of the application as it is shown.
void install(QApplication &app);

} // namespace lumora::screenfit
