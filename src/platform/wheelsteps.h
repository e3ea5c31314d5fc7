#pragma once
// Whole wheel steps from a wheel turn, keeping the part of a step a fine-grained wheel
// or touchpad has turned so far for the next event.
#include <QWheelEvent>

namespace lumora {

inline int wholeWheelSteps(const QWheelEvent &event, int &rest)
{
    rest += event.angleDelta().y();
    const int steps = rest / QWheelEvent::DefaultDeltasPerStep;
    rest -= steps * QWheelEvent::DefaultDeltasPerStep;
    return steps;
}

} // namespace lumora
