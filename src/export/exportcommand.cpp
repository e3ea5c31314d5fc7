#include "export/exportcommand.h"

#include "check/authorcheck.h"
#include "export/siteexport.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace lumora::exporting {

namespace {

const char Usage[] = "Usage: lumora-export --web COURSE OUT\n"
                     "       lumora-export --scorm COURSE OUT.zip\n"
                     "       lumora-export --scorm2004 COURSE OUT.zip\n"
                     "\n"
                     "Writes a course for the web. COURSE is one course folder (a folder holding its top\n"
                     "content file, Obsah.txt unless CONFIG.TXT names another) or a program folder (all\n"
                     "of its courses are exported side by side).\n"
                     "\n"
                     "  --web    a static web site in the folder OUT: index.html with the course tree,\n"
                     "           one page per screen, pictures as PNG, documents copied, and a search\n"
                     "           page. OUT must not exist, be empty, or hold an earlier export.\n"
                     "  --scorm  the same site as a SCORM 1.2 package for a learning management system,\n"
                     "           written to the zip file OUT.zip: one SCO a course, which keeps the\n"
                     "           learner's place, visited screens and time. An existing file is\n"
                     "           replaced only when it is the package of an earlier export.\n"
                     "  --scorm2004  the same as a SCORM 2004 4th Edition package.\n"
                     "  --help   this text\n"
                     "\n"
                     "Demonstrations and programs are named on their pages as needing the desktop player\n"
                     "and are not copied. Targets outside the course folder are never copied or linked.\n"
                     "Every item that is missing, outside the course or unreadable is marked on its page\n"
                     "and listed here, one a line.\n"
                     "\n"
                     "Exit status: 0 exported cleanly, 1 exported with findings, 2 for a usage error, a\n"
                     "course that cannot be read or a target that cannot be written.\n";

} // namespace

bool earlierPackage(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile() || info.size() < 22)
        return false;
    QFile zip(file);
    if (!zip.open(QIODevice::ReadOnly) || zip.read(4) != QByteArray("PK\x03\x04", 4))
        return false;
    // The names stand in the archive's directory at its end; a package's directory is
    // far smaller than the part read.
    constexpr qint64 Tail = 4 * 1024 * 1024;
    const qint64 from = std::max<qint64>(0, info.size() - Tail);
    if (!zip.seek(from))
        return false;
    const QByteArray tail = zip.read(Tail);
    return tail.contains("imsmanifest.xml") && tail.contains("lumora.js");
}

Refusal refusalOf(const ExportRequest &request)
{
    const QFileInfo source(request.source);
    if (!source.isDir())
        return Refusal::SourceNotFolder;
    if (paths::inside(request.target, source.absoluteFilePath()))
        return Refusal::TargetInside;
    const QFileInfo target(request.target);
    if (request.format == Format::Web && !folderAcceptsSite(request.target))
        return target.isDir() ? Refusal::TargetBusy : Refusal::TargetNotFolder;
    if (request.format != Format::Web && target.isDir())
        return Refusal::TargetIsFolder;
    if (request.format != Format::Web && (target.exists() || target.isSymLink()) && !earlierPackage(request.target))
        return Refusal::TargetForeign;
    return Refusal::None;
}

QString refusal(const ExportRequest &request)
{
    switch (refusalOf(request)) {
    case Refusal::None: return QString();
    case Refusal::SourceNotFolder: return QStringLiteral("%1 is not a folder").arg(request.source);
    case Refusal::TargetInside:
        return QStringLiteral("the target %1 lies inside the course folder").arg(request.target);
    case Refusal::TargetBusy:
        return QStringLiteral("the folder %1 holds other files: choose an empty folder").arg(request.target);
    case Refusal::TargetNotFolder: return QStringLiteral("%1 is not a folder").arg(request.target);
    case Refusal::TargetIsFolder: return QStringLiteral("%1 is a folder, not a zip file").arg(request.target);
    case Refusal::TargetForeign:
        return QStringLiteral("%1 exists and is not the package of an earlier export: it is not replaced")
            .arg(request.target);
    }
    return QString();
}

int runExport(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    ExportRequest request;
    QStringList rest;
    bool formatGiven = false;
    bool optionsEnd = false;
    for (const QString &arg : arguments) {
        if (!optionsEnd && (arg == u"--help" || arg == u"-h")) {
            out << Usage;
            return 0;
        }
        if (!optionsEnd && (arg == u"--web" || arg == u"--scorm" || arg == u"--scorm2004")) {
            if (formatGiven) {
                err << "lumora-export: give one of --web, --scorm and --scorm2004\n" << Usage;
                return 2;
            }
            formatGiven = true;
            request.format = arg == u"--web" ? Format::Web : arg == u"--scorm2004" ? Format::Scorm2004 : Format::Scorm;
        } else if (!optionsEnd && arg == u"--") {
            optionsEnd = true;
        } else if (!optionsEnd && arg.startsWith(u'-') && arg.size() > 1) {
            err << "lumora-export: unknown option " << arg << "\n" << Usage;
            return 2;
        } else {
            rest.append(arg);
        }
    }
    if (!formatGiven || rest.size() != 2) {
        err << "lumora-export: give --web, --scorm or --scorm2004, a COURSE and an OUT\n" << Usage;
        return 2;
    }
    request.source = rest.at(0);
    request.target = rest.at(1);
    const QString refused = refusal(request);
    if (!refused.isEmpty()) {
        err << "lumora-export: " << check::escapeControls(refused) << "\n";
        return 2;
    }
    const ExportResult result = exportSite(request);
    if (result.status == ExportResult::Status::Failed) {
        err << "lumora-export: " << check::escapeControls(result.error) << "\n";
        return 2;
    }
    for (const QString &problem : result.problems)
        out << check::escapeControls(problem) << "\n";
    return result.problems.isEmpty() ? 0 : 1;
}

} // namespace lumora::exporting
