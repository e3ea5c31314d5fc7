#pragma once
// A course as a static web site or as a SCORM 1.2 or SCORM 2004 package.
//
// The site: "index.html" with the course's caption and its tree as the table of
// contents; one page per screen (its caption path, its lesson text, its buttons as
// links, its course links, "Späť", previous and next in course order, the course's
// background and title colour); pictures converted to PNG; documents copied;
// demonstrations and programs named on their page as needing the desktop player and
// never copied; "search.html" with the course search, over an index the export writes
// ("search-index.js": one JSON document, loaded as a script so the search also works
// from a disk). The package is the same site with "imsmanifest.xml", the edition's
// schemas and one launcher a course ("scorm.html"), the SCO an LMS launches: it holds
// the course's table of contents and its screens in a frame, talks to the LMS and
// records where the learner is and what was visited.
//
// The source is one course folder, or a program folder, whose courses are then
// exported side by side (their pages named after the course). Targets that leave the
// course folder are never copied and never linked. Every item that is missing, lies
// outside the course or cannot be read is marked on its page and reported.
#include <QString>
#include <QStringList>

#include <functional>

namespace lumora::exporting {

enum class Format { Web, Scorm, Scorm2004 };

struct ExportRequest {
    QString source; // a course folder or a program folder
    QString target; // a folder (Web; absent, empty or an earlier export) or a ".zip" file (a package)
    Format format = Format::Web;
    std::function<bool()> cancelled;                   // polled between files
    std::function<void(int done, int total)> progress; // screens written of all
};

struct ExportResult {
    enum class Status { Done, Problems, Cancelled, Failed };
    Status status = Status::Done;
    QStringList problems; // "course: file: what is wrong", one per item
    QString error;        // why it failed (Failed)
    int pages = 0;        // screen pages written
    int files = 0;        // files written in all
    qint64 bytes = 0;     // bytes of those files
    QStringList written;  // the site's file names, in order ("index.html", …)
};

ExportResult exportSite(const ExportRequest &request);

// Whether the folder may receive a site: it does not exist, is empty, or holds an
// earlier export (its files are then replaced, the pages and files it wrote that the new
// export does not write are removed, other files are left alone).
bool folderAcceptsSite(const QString &folder);

} // namespace lumora::exporting
