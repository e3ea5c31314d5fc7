#pragma once
// The study export: every screen of a course that has a note or own links, in course
// order, with its caption path as a heading, written as one HTML document in UTF-8.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumora::course {
class CourseTree;
}

namespace lumora::personal {

struct StudyScreen {
    QString heading;   // the captions from the course down to the screen
    QStringList note;  // the note's lines
    QStringList links; // the non-empty own links
    QString problem;   // why a file of the screen could not be read, if one could not
};

// The screens of the walked course (its root is the top screen) that have a note with
// text or own links, in course order. courseFolderName is the course folder's name as
// the screens know it. A notes or links file is taken once, where course order first
// meets it (a screen reached on two paths shares its files). courseDir, when given,
// names each screen as its content file is spelled there, as the windows do.
QList<StudyScreen> collectStudy(const course::CourseTree &tree, const QString &courseFolderName, const QString &tempDir,
                                const QString &courseDir = QString());

// The document: a title, then per screen its heading, the note's paragraphs (lines
// separated by empty lines form paragraphs) and the links as clickable links.
// Addresses with a script or data scheme are shown as text, not made links.
QByteArray studyHtml(const QString &title, const QList<StudyScreen> &screens);

// The href of a link as typed: a scheme is kept, "www." gets "http://", an absolute
// path becomes a file address; empty when it must not be clickable.
QString linkAddress(const QString &link);

} // namespace lumora::personal
