#pragma once
// The level window's side of the lesson editor: after the editor has closed, the
// window shows what the files now hold.
namespace lumora {

class TForm1;

// Reloads the pane of the current level, refills the web-links list from the content
// file (the default address when it has no link) and then either starts in-place
// editing, when the editor saved for that, or, when the editor saved, writes the
// reloaded text back as the screen's block and formatted text. After the editor was
// closed without saving nothing is written. Throws on file errors.
void refreshAfterLessonEditor(TForm1 &window, bool editorSaved);

} // namespace lumora
