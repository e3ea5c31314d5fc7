#pragma once
// The level window's entry to the course tree: the tree window of the course the user is
// in; a search window, which cannot open the tree again, offers to close instead.
#include <functional>

class QWidget;

namespace lumora {

class Session;

namespace tree {

// What the entry needs of the window it is called from.
struct TreeEntryHost {
    QWidget *window = nullptr;
    bool showsCourseList = false;          // the window shows the program's first screen
    std::function<void()> offerToSaveText; // the question before an edited text is left
    std::function<void()> endProgram;
};

void openTree(Session &session, const TreeEntryHost &host);

} // namespace tree
} // namespace lumora
