// "Editácia lekcie" on a level window: the lesson editor on the screen's content file,
// then the refresh of the window.
#include "text/lessoneditormenu.h"

#include "app/tform1.h"
#include "config/keys.h"
#include "platform/filelock.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "state/session.h"
#include "text/lessonblock.h"
#include "text/lessoneditorwindow.h"
#include "text/lessonpane.h"
#include "text/lessontext.h"
#include "text/writecheck.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QTextDocument>
#include <QTextEdit>

namespace lumora {

void refreshAfterLessonEditor(TForm1 &window, bool editorSaved)
{
    Session &s = window.session();
    CourseState &c = s.course;
    const QString contentPath = s.contentFilePath(c.CurrentLevel);

    {
        const PaneLoading loading(*window.Memo1);
        ObnovMemo(*window.Memo1->document(), contentPath);
    }
    // A screen that had no text shows the text the author has just written.
    if (!window.Memo1->document()->isEmpty()) {
        window.Memo1->show();
        window.Panel1->show();
        window.Zoom1->setVisible(true);
    }

    // Every link line of the file outside its text blocks, however many there are.
    window.ComboBox1->clear();
    window.ComboBox1->addItems(memo::linkLines(textfile::readLines(contentPath)));
    if (window.ComboBox1->count() == 0)
        window.ComboBox1->addItem(s.ConfigText(keys::WwwDefault));
    window.ComboBox1->setCurrentIndex(0);

    if (c.EditorSaved) {
        c.EditorSaved = false;
        window.startEditing();
    } else if (editorSaved) {
        window.UlozMemo();
    }
    // After "Zruš zmeny" nothing is written: the files stay as the author left them.
}

void TForm1::Editcialekci1Click()
{
    Session &s = session();
    const CourseState &c = s.course;
    const int level = c.CurrentLevel;
    if (!CourseState::validLevel(level))
        return;
    if (editing()) {
        messages::show(messages::Kind::Information, messages::Buttons::Ok,
                       s.ConfigText(keys::EditableMemo),
                       this);
        return;
    }
    // The check only asks whether the file can be written now; the editor takes the
    // file for itself when it saves.
    if (!memo::writeCheck(s.contentFilePath(level)))
        return;
    const bool saved = runLessonEditor(s, this, c.ScreenFile[size_t(level)], c.LevelFolder[size_t(level)]);
    refreshAfterLessonEditor(*this, saved);
}

} // namespace lumora
