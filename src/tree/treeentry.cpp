#include "tree/treeentry.h"

#include "platform/messages.h"
#include "state/session.h"
#include "tree/toknohladaj.h"

namespace lumora::tree {

void openTree(Session &s, const TreeEntryHost &host)
{
    if (s.values.isSearchInstance()) {
        // A search window cannot open the tree again; it offers to close instead, and
        // an edited lesson text is offered for saving first, as its end button does.
        const QString text = s.ConfigText(QStringLiteral("BLOCKED TREE1"),
                                          QStringLiteral("Vo vyhľadávacom okne sa nedá znovu vyhľadávať."))
            + QLatin1Char('\n')
            + s.ConfigText(QStringLiteral("BLOCKED TREE2"), QStringLiteral("Zavrieť vyhľadávacie okno ?"));
        if (messages::show(messages::Kind::Confirmation, messages::Buttons::YesNo, text, host.window)
            == messages::Answer::Yes) {
            host.offerToSaveText();
            host.endProgram();
        }
        return;
    }
    // On the program's first screen (the course list) there is no course to show.
    const CourseState &c = s.course;
    if (c.CurrentLevel <= 1 || host.showsCourseList || c.LevelFolder[c.CurrentLevel].isEmpty())
        return;
    TOknoHladaj window(s, host.window);
    window.exec();
}

} // namespace lumora::tree
