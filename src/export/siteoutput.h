#pragma once
// Where an export puts its files: a folder, or a zip archive that appears only once it
// is complete.
#include <QByteArray>
#include <QString>

#include <memory>

namespace lumora::exporting {

class SiteOutput {
public:
    virtual ~SiteOutput() = default;
    // Writes one file; name is relative, with "/" between folders. compressible: worth
    // compressing in an archive (text, not pictures).
    virtual bool write(const QString &name, const QByteArray &bytes, bool compressible) = 0;
    // Completes the output: an archive is put in place only now; a folder loses the
    // files an earlier export wrote there and this one did not.
    virtual bool finish() = 0;
    // Why the last call failed.
    virtual QString error() const = 0;
};

// The list of the files an export wrote into its folder, kept in the folder so that
// the next export there can remove the pages it no longer writes.
inline constexpr char SiteFileList[] = ".lumora-files";

// The pages at the top of the folder that load the site's script, which only an
// export writes: how an export that kept no list is recognised.
QStringList earlierSitePages(const QString &folder);
// Whether the folder holds an earlier export: its list of files, or (an export made
// before the list was kept, or one stopped before it wrote the list) its pages. The
// site's scripts alone do not make one: a page of the owner's own beside them must
// never be replaced.
bool holdsEarlierSite(const QString &folder);

std::unique_ptr<SiteOutput> folderOutput(const QString &folder);
std::unique_ptr<SiteOutput> zipOutput(const QString &file);

} // namespace lumora::exporting
