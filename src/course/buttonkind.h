#pragma once
// What a lesson button opens, as a learner would name it: told to screen readers,
// which cannot see the button's picture.
#include <QString>
#include <QStringView>

namespace lumora {
struct TextKey;
}

namespace lumora::course {

enum class ButtonKind {
    Screen,        // a deeper screen
    Picture,       // the picture window
    Demonstration, // the demonstration player
    WebPage,       // a web or mail address, opened by the desktop
    File,          // a document or program, opened by the desktop
    Test           // the screen's exam button
};

// Web and mail addresses are no files: the desktop opens them. A "file:" address is a
// file and follows the rules of files.
bool isAddress(QStringView target);

// The kind of a button with this caption and target; examCaption is the caption that
// marks the exam button.
ButtonKind buttonKind(const QString &caption, QStringView target, const QString &examCaption);

// The text-table entry of a kind's description.
const TextKey &kindText(ButtonKind kind);

} // namespace lumora::course
