// The press of a lesson button: the next screen, a demonstration, a picture, or anything
// else through the desktop's "open".
#include "app/tform1.h"
#include "config/keys.h"
#include "personal/workfiles.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "screens/buttonkind.h"
#include "screens/contentfileitems.h"
#include "screens/contentfilenames.h"
#include "screens/itemfiles.h"
#include "state/session.h"
#include "text/toknoeditlek.h"
#include "text/toknoobrazku.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace lumora {

namespace {

// Where a target names a file: relative to the course folder, or as written when absolute.
QString targetPath(const QString &folder, const QString &file)
{
    const QString written = paths::fromCourse(file);
    return QDir::isAbsolutePath(written) ? written : paths::join(folder, written);
}

} // namespace

void TForm1::showNotesButtonIfNoteExists(int level)
{
    Button1->setVisible(personal::noteExists(m_session, level));
}

void TForm1::SpustiProgram(QPushButton *lessonButton)
{
    Session &s = m_session;
    CourseState &c = s.course;
    const int level = c.CurrentLevel;
    if (!lessonButton || !CourseState::validLevel(level))
        return;
    const int tag = lessonButton->property("tag").toInt();
    if (tag < 1 || tag > MaxLines)
        return;
    const QString target = content::splitButtonLine(c.ScreenLines[size_t(level)][size_t(tag)]).target;

    const content::ItemKind kind = content::itemKind(target);
    const int next = level + 1;
    if (next > MaxLevels && kind == content::ItemKind::Screen) {
        // The tables hold 20 levels; a deeper screen is refused rather than overrunning them.
        messages::notify(s, messages::Kind::Warning, keys::LevelLimit,
                         QString(), this);
        return;
    }
    if (next <= MaxLevels) {
        c.ScreenFile[size_t(next)] = target;
        c.LevelFolder[size_t(next)] = c.LevelFolder[1];
    }
    c.PressedTitle = lessonButton->property("hint").toString();
    // Items of every level are looked up in the course folder of level 1.
    const QString folder = s.levelFolderPath(1);

    switch (kind) {
    case content::ItemKind::Shell:
        openShellItem(s, folder, target, this);
        return;
    case content::ItemKind::Demonstration:
        runDemonstration(s, folder, content::splitTarget(target), this);
        return;
    case content::ItemKind::Screen: {
        const QString screen = courseItemFile(s, folder, target);
        if (!screen.isEmpty()) {
            // Kept relative to the course folder, as every level's content file is.
            c.ScreenFile[size_t(next)] = QDir(paths::resolve(folder)).relativeFilePath(screen);
            c.CurrentLevel = quint8(next);
            ZobrazOkno();
            showNotesButtonIfNoteExists(level);
            return;
        }
        if (!s.ShowPrompt)
            return;
        const QString missing = s.ConfigText(keys::Text1)
            + QLatin1Char(' ') + target;
        // A screen outside the program folder is refused as missing, and never created.
        const bool outside = !paths::inside(targetPath(folder, target), s.values.ProgramDir);
        if (outside || !s.programFolderWritable()) {
            messages::show(messages::Kind::Warning, messages::Buttons::Ok, missing, this);
            return;
        }
        // Offer to write the missing screen in the lesson editor; a saved screen opens
        // at once, in editing mode.
        const QString question = missing + QLatin1Char('\n')
            + s.ConfigText(keys::Text2);
        if (messages::askDefaultNo(messages::Kind::Information, question, this) != messages::Answer::Yes)
            return;
        c.CurrentLevel = quint8(next);
        runLessonEditor(s, this, c.ScreenFile[size_t(next)], c.LevelFolder[size_t(next)]);
        c.CurrentLevel = quint8(level);
        if (!c.EditorSaved)
            return;
        c.PressedTitle = lessonButton->property("hint").toString();
        c.CurrentLevel = quint8(next);
        ZobrazOkno();
        showNotesButtonIfNoteExists(level);
        return;
    }
    case content::ItemKind::Picture:
        showPicture(s, folder, target, this);
        return;
    }
}

void openShellItem(Session &s, const QString &folder, const QString &target, QWidget *parent)
{
    const content::TargetParts parts = content::splitTarget(target);
    QString tried = courseItemFile(s, folder, parts.fileName);
    if (tried.isEmpty()) {
        // Tried as written: absolute, or relative to the current folder.
        const QString written = paths::existingFile(parts.fileName);
        if (!written.isEmpty() && paths::inside(written, s.values.ProgramDir))
            tried = QFileInfo(written).absoluteFilePath();
    }
    if (tried.isEmpty() && content::isAddress(parts.fileName))
        tried = parts.fileName;
    if (tried.isEmpty()) {
        const QString text = s.ConfigText(keys::Nonfile);
        if (s.ShowPrompt)
            messages::show(messages::Kind::Warning, messages::Buttons::Ok,
                           targetPath(folder, target) + QLatin1Char(' ') + text, parent);
        return;
    }
    if (!process::shellOpen(tried, parts.parameters)) {
        const QString text = s.ConfigText(keys::Nonexe);
        if (s.ShowPrompt)
            messages::show(messages::Kind::Warning, messages::Buttons::Ok, tried + QLatin1Char(' ') + text, parent);
    }
}

void showPicture(Session &s, const QString &folder, const QString &target, QWidget *parent)
{
    const QString picture = courseItemFile(s, folder, target);
    if (picture.isEmpty()) {
        if (s.ShowPrompt)
            messages::show(messages::Kind::Warning, messages::Buttons::Ok,
                           s.ConfigText(keys::Bmp), parent);
        return;
    }
    TOknoObrazku window(s, parent);
    window.picturePath = picture;
    window.exec();
}

QString courseItemFile(const Session &s, const QString &folder, const QString &file)
{
    if (file.isEmpty())
        return QString();
    const QString found = paths::existingFile(targetPath(folder, file));
    // A course folder that is a link to a folder elsewhere is a course too: its items are
    // judged against its real location, which they cannot leave.
    const bool allowed = !found.isEmpty()
        && (paths::inside(found, s.values.ProgramDir) || (!folder.isEmpty() && paths::inside(found, folder)));
    return allowed ? QDir::cleanPath(found) : QString();
}

void runDemonstration(Session &s, const QString &folder, const content::TargetParts &parts, QWidget *parent)
{
    const QString player = paths::join(s.values.LotusDir, QStringLiteral("SCPLAYER.EXE"));
    if (!paths::fileExists(player)) {
        const QString text = s.ConfigText(keys::Scplayer);
        if (parts.parameters.isEmpty() || s.ShowPrompt)
            messages::show(messages::Kind::Warning, messages::Buttons::Ok, text, parent);
        return;
    }
    const QString demonstration = courseItemFile(s, folder, parts.fileName);
    if (demonstration.isEmpty()) {
        messages::notify(s, messages::Kind::Warning, keys::Scm,
                         QString(), parent);
        return;
    }
    // The path is quoted so that a course folder with blanks reaches the player whole.
    process::ExecuteFile(paths::resolve(player), QLatin1Char('"') + demonstration + QStringLiteral("\" /s/c"),
                         QString());
}

} // namespace lumora
