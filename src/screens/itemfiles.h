#pragma once
// What a lesson item opens, shared by the screens and the tree window: a shell item
// through the desktop, a picture in the picture window, a demonstration in the player;
// each says why when it cannot.
#include "course/itemtargets.h"

#include <QString>

class QWidget;

namespace lumora {

class Session;

// Opens a target that is neither a screen, a demonstration nor a picture: its file in
// the course folder, else the file as written (inside the program folder), else a web or
// mail address, through the desktop; or shows why it cannot. Each returns whether the item
// was opened (for the learner's progress).
bool openShellItem(Session &s, const QString &folder, const QString &target, QWidget *parent);

// Shows a picture target in the picture window, or says that it is missing.
bool showPicture(Session &s, const QString &folder, const QString &target, QWidget *parent);

// Starts the demonstration of a target in the player, or shows why it cannot.
bool runDemonstration(Session &s, const QString &folder, const course::TargetParts &parts, QWidget *parent);

} // namespace lumora
