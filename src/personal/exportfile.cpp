#include "personal/exportfile.h"

#include "config/keys.h"
#include "personal/studyexport.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/pdfpages.h"
#include "platform/process.h"
#include "platform/textfile.h"
#include "state/session.h"
#include "course/coursewalk.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTextDocument>

namespace lumora {

namespace {

struct CourseToExport {
    QString folder; // the course folder's path
    QString name;   // its name, as the screens know it
    QString top;    // the top content file's name
};

CourseToExport currentCourse(Session &s)
{
    CourseToExport course;
    if (s.values.isSearchInstance()) {
        // A search window shows one screen of a course: the course folder is the first
        // folder below the program folder, as its level 1 records it, also for a screen
        // in a sub-folder of the course.
        const QString screen = paths::fromCourse(s.values.Param1);
        course.folder = paths::inside(screen, s.values.ProgramDir) ? paths::withoutSeparator(s.levelFolderPath(1))
                                                                   : QFileInfo(screen).absolutePath();
        course.name = s.course.LevelFolder[1];
        course.top = s.ConfigText(keys::DefaultContent);
    } else {
        course.folder = paths::withoutSeparator(s.levelFolderPath(2));
        course.name = s.course.LevelFolder[2];
        course.top = s.course.ContentFileName;
    }
    return course;
}

QString chooseFile(QWidget *parent, const QString &offered, const QString &caption)
{
    if (exportFileChooser)
        return exportFileChooser(parent, offered);
    return QFileDialog::getSaveFileName(parent, caption, offered, QStringLiteral("HTML (*.html *.htm);;PDF (*.pdf)"));
}

} // namespace

bool exportAvailable(const Session &session)
{
    return session.course.InsideCourse || session.values.isSearchInstance();
}

void exportStudy(Session &s, QWidget *parent)
{
    const CourseToExport course = currentCourse(s);
    const course::CourseTree tree = course::walkCourse(course.folder, course.name, course.top);
    const QList<personal::StudyScreen> screens =
        personal::collectStudy(tree, course.name, s.values.TempDir, course.folder);
    if (screens.isEmpty()) {
        const QString text = s.ConfigText(keys::ExportEmpty);
        messages::show(messages::Kind::Information, messages::Buttons::Ok, text + QLatin1Char(' ') + course.name,
                       parent);
        return;
    }
    const QString caption = s.ConfigText(keys::MenuExport);
    const QString offered = paths::join(QDir::homePath(), course.name.trimmed() + QStringLiteral("-poznamky.html"));
    const QString target = chooseFile(parent, offered, caption);
    if (target.isEmpty())
        return;
    const QString title = s.ConfigText(keys::ExportTitle) + QLatin1Char(' ') + course.name.trimmed();
    const QByteArray html = personal::studyHtml(title, screens);
    // A name ending in ".pdf" gets the same document as a PDF file.
    if (target.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        QTextDocument document;
        document.setHtml(QString::fromUtf8(html));
        pages::writePdf(document, title, target);
    } else {
        textfile::writeBytes(target, html);
    }

    const QString question = s.ConfigText(keys::ExportSaved) + QLatin1Char(' ') + target + QLatin1Char('\n')
        + s.ConfigText(keys::ExportOpen);
    // Asked even when messages are silenced: opening a browser unasked would surprise.
    if (messages::show(messages::Kind::Confirmation, messages::Buttons::YesNo, question, parent)
        == messages::Answer::Yes)
        process::shellOpen(target);
}

} // namespace lumora
