// The main window's entry to the course tree.
#include "app/tform1.h"
#include "platform/messages.h"
#include "state/session.h"
#include "tree/treewindow.h"

namespace lumora {

void TForm1::Hadaj1Click()
{
    Session &s = m_session;
    if (s.values.isSearchInstance()) {
        // A search window cannot open the tree again; it offers to close instead, and
        // an edited lesson text is offered for saving first, as its end button does.
        const QString text = s.ConfigText(QStringLiteral("BLOCKED TREE1"),
                                          QStringLiteral("Vo vyhľadávacom okne sa nedá znovu vyhľadávať."))
            + QLatin1Char('\n')
            + s.ConfigText(QStringLiteral("BLOCKED TREE2"), QStringLiteral("Zavrieť vyhľadávacie okno ?"));
        if (messages::show(messages::Kind::Confirmation, messages::Buttons::YesNo, text, this) == messages::Answer::Yes) {
            offerToSaveText();
            EndProgram();
        }
        return;
    }
    // On the program's first screen (the course list) there is no course to show.
    const CourseState &c = s.course;
    if (c.CurrentLevel <= 1 || c.LevelWindow[1] == this || c.LevelFolder[c.CurrentLevel].isEmpty())
        return;
    TOknoHladaj window(s, this);
    window.exec();
}

} // namespace lumora
