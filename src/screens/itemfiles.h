#pragma once
// What a lesson item opens, shared by the screens and the tree window: the file a target
// names inside the program folder, and the start of a demonstration in the player.
#include "screens/contentfileitems.h"

#include <QString>

class QWidget;

namespace lumora {

class Session;

// A target's file found below the course folder (without regard to case), or empty when
// it is missing, is no regular file, or lies outside the program folder.
QString courseItemFile(const Session &s, const QString &folder, const QString &file);

// Opens a target that is neither a screen, a demonstration nor a picture: its file in
// the course folder, else the file as written (inside the program folder), else a web or
// mail address, through the desktop; or shows why it cannot.
void openShellItem(Session &s, const QString &folder, const QString &target, QWidget *parent);

// Shows a picture target in the picture window, or says that it is missing.
void showPicture(Session &s, const QString &folder, const QString &target, QWidget *parent);

// Starts the demonstration of a target in the player, or shows why it cannot.
void runDemonstration(Session &s, const QString &folder, const content::TargetParts &parts, QWidget *parent);

} // namespace lumora
