#pragma once
// Keyboard rules shared by every window of the program.
class QAbstractButton;
class QWidget;

namespace lumora::keys {

// Installs the application-wide rules once (later calls do nothing):
// - Enter presses the focused button, as Space does;
// - Escape closes the modal window it is pressed in: side windows and dialogs, never a
//   main window (a level window) and never while one of the window's text boxes holds
//   unsaved typing; message boxes keep their own Escape (the answer "No").
void installApplicationRules();

// Answer keys of a Yes/No question that work on Slovak and English keyboards: "A" and
// Alt+A answer Yes beside the caption's own "Á"; "N" answers No through its caption.
// Call it once the box has its buttons.
void addAnswerKeys(QWidget *box, QAbstractButton *yes);

} // namespace lumora::keys
