#pragma once
// The command line of lumora-export:
//   lumora-export --web COURSE OUT       a static web site in the folder OUT
//   lumora-export --scorm COURSE OUT.zip a SCORM 1.2 package
//   lumora-export --help
// COURSE is a course folder or a program folder (every course in it). Returns the exit
// status: 0 exported without findings, 1 exported with findings (listed on out, one a
// line), 2 usage error, unreadable course or a target that cannot be written.
#include <QStringList>

class QTextStream;

namespace lumora::exporting {

struct ExportRequest;

// Why a request cannot run before anything is written.
enum class Refusal {
    None,
    SourceNotFolder, // the course is no folder
    TargetInside,    // the target lies inside the course folder
    TargetBusy,      // a web target folder holds other files
    TargetNotFolder, // a web target is a file
    TargetIsFolder,  // a package target is a folder
    TargetForeign,   // a package target is an existing file that no export wrote
};
// Whether an existing file may be replaced by a package: a zip archive holding the
// files every package of this export has (a file that is not one is someone's work).
bool earlierPackage(const QString &file);
Refusal refusalOf(const ExportRequest &request);
// The reason as the command line gives it; empty for None.
QString refusal(const ExportRequest &request);

int runExport(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace lumora::exporting
