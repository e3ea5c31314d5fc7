#include "screens/layout.h"

#include <cmath>

namespace lumora::screens {

namespace {
int roundEven(double v)
{
    return int(std::nearbyint(v));
}
int safeU(int u)
{
    return u > 0 ? u : 10;
}
} // namespace

int lessonButtonWidth(int u)
{
    return u == 10 ? 18 * u : 24 * u;
}

int courseButtonWidth(int u)
{
    return u == 10 ? 15 * u : 20 * u;
}

int buttonHeight(int u)
{
    return 4 * u;
}

int buttonTop(int layoutTop, int u)
{
    return layoutTop + roundEven(2.5 * u);
}

int buttonStep(int u)
{
    return roundEven(4.5 * u);
}

int buttonLeft(int windowWidth, int buttonWidth, int u)
{
    return windowWidth - buttonWidth - 3 * u;
}

bool windowMustGrow(int top, int height, int windowHeight, int u)
{
    return top + height >= windowHeight - 40 && top <= windowHeight - 4 * u;
}

int growth(int u)
{
    return 5 * roundEven(20.0 / safeU(u));
}

int courseButtonFontSize(int captionLength, int fontSize, int u)
{
    if (u == 10)
        return captionLength < 21 ? fontSize : fontSize - 2;
    return captionLength < 16 ? fontSize : fontSize - 4;
}

int trimLimit(int u, int trimSmall, int trimLarge)
{
    return u == 10 ? trimSmall : trimLarge;
}

int buttonsHeight(int buttonCount, int u)
{
    return buttonCount * roundEven(5.0 * u);
}

int scrollOffset(int position, int maximum, int overflow)
{
    if (maximum <= 0 || overflow <= 0 || position <= 0)
        return 0;
    if (position >= maximum)
        return overflow;
    return int((qint64(position) * overflow + maximum / 2) / maximum);
}

ScrollBarPlan scrollBarPlan(int buttonCount, int u, int windowWidth, int windowHeight, int scrollBarWidth)
{
    ScrollBarPlan plan;
    if (buttonsHeight(buttonCount, u) + 4 * u <= windowHeight)
        return plan;
    plan.visible = true;
    plan.left = windowWidth - scrollBarWidth - (u == 10 ? roundEven(0.5 * u) : 0);
    plan.top = roundEven(5.5 * u);
    plan.height = windowHeight - roundEven(windowHeight / 3.0);
    plan.maximum = 2 * buttonCount + 1;
    return plan;
}

} // namespace lumora::screens
