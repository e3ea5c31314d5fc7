#pragma once
// The scale, font sizes and background picture a level window's screen is built with.
class QLabel;
class QString;
class QWidget;

namespace lumora {
class Session;
}

namespace lumora::screens {

// The layout unit U (ScaleTenths), 10 until the set-up has measured the screen.
int scaleUnit(const Session &s);

// "FONTSIZE BUTTON" as the set-up reads it: digits give the size, anything else follows
// the screen width or keeps the set-up's size.
int buttonFontSize(Session &s);

// The window's font at the size the set-up chose.
void applyStartFont(QWidget &window, const Session &s);

// Sets the point size of a widget's font; 0 or less keeps it.
void setFontSize(QWidget *widget, int size);

// Loads a picture into the background; a missing or unreadable picture is skipped.
bool loadBackground(QLabel *image, const QString &path);

} // namespace lumora::screens
