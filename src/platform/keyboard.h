#pragma once
// Keyboard rules shared by every window of the program.
class QAbstractButton;
class QWidget;

namespace lumora::keyboard {

// Installs the application-wide rules once (later calls do nothing):
// - Enter presses the focused button, as Space does;
// - Escape closes the modal window it is pressed in: side windows and dialogs, never a
//   main window (a level window); message boxes keep their own Escape (the answer
//   "No"), and an open menu bar or menu takes Escape for itself. While one of the
//   window's text boxes holds unsaved typing the window is closed only when it asks
//   before closing (see asksBeforeClosing), else it stays open;
// - Ctrl+Tab and Ctrl+Shift+Tab move the focus out of a text box of several lines,
//   also one that takes Tab as a character.
void installApplicationRules();

// Marks a window whose closing asks what to do with unsaved typing, so Escape may close
// it: the window's own question keeps the typing safe.
void asksBeforeClosing(QWidget *window);

// Answer keys of a Yes/No question that work on Slovak and English keyboards: "A" and
// Alt+A answer Yes beside the caption's own "Á"; "N" answers No through its caption.
// Call it once the box has its buttons.
void addAnswerKeys(QWidget *box, QAbstractButton *yes);

} // namespace lumora::keyboard
