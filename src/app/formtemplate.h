#pragma once
// Writing a configured window to the template and making a window from it: geometry,
// visibility, enabled state, texts, fonts, title colours and hints of every named control
// and menu entry. The handlers are the class's own and need no recording.
#include "app/templatefile.h"

namespace lumora {

class TForm1;

QList<windowtemplate::Property> captureWindow(const TForm1 &window);
void applyTemplate(TForm1 &window, const QList<windowtemplate::Property> &properties);

} // namespace lumora
