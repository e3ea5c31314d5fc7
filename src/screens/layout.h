#pragma once
// The arithmetic of a screen's button column, in pixels. U is ScaleTenths: 10 at 96 dots
// per inch, 8 at 120. Rounding is to the nearest integer with halves to even.
#include <QtGlobal>

namespace lumora::screens {

inline constexpr int FirstLayoutTop = 30;

int lessonButtonWidth(int u);                            // 18U at U = 10, else 24U (also the notes button)
int courseButtonWidth(int u);                            // 15U at U = 10, else 20U
int buttonHeight(int u);                                 // 4U
int buttonTop(int layoutTop, int u);                     // layoutTop + round(2.5U)
int buttonStep(int u);                                   // round(4.5U) per visible button
int buttonLeft(int windowWidth, int buttonWidth, int u); // windowWidth - width - 3U

// Whether a button placed at top reaches within 40 pixels of the window's bottom while
// its top still lies inside the window; the window then grows by growth(u).
bool windowMustGrow(int top, int height, int windowHeight, int u);
int growth(int u); // 5 * round(20 / U)

// The font size of a course button: smaller for long folder names.
int courseButtonFontSize(int captionLength, int fontSize, int u);

// The caption trimming limit for lesson buttons.
int trimLimit(int u, int trimSmall, int trimLarge);

// The scroll bar of the button column, as the recount of the column decides it.
struct ScrollBarPlan {
    bool visible = false;
    int left = 0;
    int top = 0;
    int height = 0;
    int maximum = 0;
};
ScrollBarPlan scrollBarPlan(int buttonCount, int u, int windowWidth, int windowHeight, int scrollBarWidth);

// ButtonsHeight: count * round(5U).
int buttonsHeight(int buttonCount, int u);

// How far the column is moved up at a scroll position: the overflow (how far the lowest
// control reaches below the window when unscrolled) shared out evenly over the bar's
// positions, so that at the maximum the lowest control ends at the window's bottom.
int scrollOffset(int position, int maximum, int overflow);

} // namespace lumora::screens
