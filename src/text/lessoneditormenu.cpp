// "Editácia lekcie" on a level window: the lesson editor on the screen's content file,
// then the refresh of the window.
#include "text/paneediting.h"

#include "config/keys.h"
#include "platform/filelock.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "state/session.h"
#include "text/lessonblock.h"
#include "text/toknoeditlek.h"
#include "text/lessonpane.h"
#include "text/lessontext.h"
#include "text/writecheck.h"

#include <QAction>
#include <QComboBox>
#include <QTextDocument>
#include <QTextEdit>

namespace lumora::text {

void PaneEditing::refreshAfterLessonEditor(bool editorSaved)
{
    Session &s = m_session;
    CourseState &c = s.course;
    const QString path = contentPath();

    {
        const PaneLoading loading(*m_c.pane);
        ObnovMemo(*m_c.pane->document(), path);
    }
    showFromTop(*m_c.pane);
    // A screen that had no text shows the text the author has just written.
    if (!m_c.pane->document()->isEmpty()) {
        m_c.pane->show();
        m_c.margin->show();
        m_c.zoomEntry->setVisible(true);
    }

    // Every link line of the file outside its text blocks, however many there are.
    m_c.links->clear();
    m_c.links->addItems(memo::linkLines(textfile::readLines(path)));
    if (m_c.links->count() == 0)
        m_c.links->addItem(s.ConfigText(keys::WwwDefault));
    m_c.links->setCurrentIndex(0);

    if (c.EditorSaved) {
        c.EditorSaved = false;
        startEditing();
    } else if (editorSaved) {
        save();
    }
    // After "Zruš zmeny" nothing is written: the files stay as the author left them.
}

void PaneEditing::openLessonEditor()
{
    Session &s = m_session;
    const CourseState &c = s.course;
    const int level = c.CurrentLevel;
    if (!CourseState::validLevel(level))
        return;
    if (editing()) {
        messages::show(messages::Kind::Information, messages::Buttons::Ok, s.ConfigText(keys::EditableMemo),
                       m_c.window);
        return;
    }
    // The check only asks whether the file can be written now; the editor takes the
    // file for itself when it saves.
    memo::Refusal why = memo::Refusal::None;
    if (!memo::writeCheck(s.contentFilePath(level), &why)) {
        // Said, not silently ignored: the menu entry otherwise seems to do nothing.
        const QString text = s.ConfigText(why == memo::Refusal::Busy ? keys::EditBusy : keys::Uneditable);
        messages::show(messages::Kind::Information, messages::Buttons::Ok, text, m_c.window);
        return;
    }
    const bool saved = runLessonEditor(s, m_c.window, c.ScreenFile[size_t(level)], c.LevelFolder[size_t(level)]);
    refreshAfterLessonEditor(saved);
}

} // namespace lumora::text
