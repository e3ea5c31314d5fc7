#pragma once
// What screen readers and magnifiers are told about controls and windows, from one place:
// names from the text table for controls without a label of their own, descriptions
// that never repeat the name, and window titles that say where the learner is.
#include <QString>

class QAbstractScrollArea;
class QLabel;
class QWidget;

namespace lumora {

class TextLookup;
struct TextKey;

namespace accessible {

// Names a control that has no label of its own with a caption of the text table.
void name(QWidget *control, TextLookup &texts, const TextKey &caption);

// Ties a label to the control it names: the label becomes the control's buddy (a screen
// reader hears it as the control's name, and its access key reaches the control). Item
// views tell no buddy to screen readers, so they also take the label's text as their
// name; call it again when the label's text changes.
void label(QLabel *label, QWidget *control);

// Describes a control (for example what kind of item a button opens); a description
// that would only repeat the control's name is left out.
void describe(QWidget *control, const QString &description);

// A read-only text (QTextEdit or QPlainTextEdit) that a screen reader reads by caret as
// it reads the lesson: enabled, taking the focus, the caret moved by the arrows and
// Ctrl+Home/End, and named name. Call it after every change of its read-only state.
void readableText(QAbstractScrollArea *text, const QString &name);

// Puts the caret of such a text at its start and shows the start (after loading it).
void caretToStart(QAbstractScrollArea *text);

// A window title of two parts joined by " — ", an empty part left out: a level window
// is "<caption path> — Lumora", a side window "Poznámky — <caption path>".
QString title(const QString &first, const QString &second);

// The caption path a level window shows, kept on the window for its side windows.
void setCaptionPath(QWidget *levelWindow, const QString &captionPath);
// The caption path of the level window that owns window (empty when none has one).
QString captionPathOf(const QWidget *window);

} // namespace accessible
} // namespace lumora
