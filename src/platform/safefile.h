#pragma once
// The one way the program replaces a file. The new content goes to a temporary file
// beside the target; every byte is checked to have been written, the file is flushed
// to the disk (fsync), and only then renamed over the target, after which the folder
// is flushed too, so the rename survives a power cut. On any failure the temporary is
// removed and the old file stays as it was. A full disk or quota is reported as such
// (DiskFullError), other failures name the file and the system's reason.
//
// Nothing is written through a symbolic link that leads out of the target's folder or
// dangles: the target, and so its temporary, must lie in that folder once links are
// followed (LinkOutsideError). A link that stays inside is followed: the file it names
// gets the new content and the link stays.
#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;

namespace lumora::fileops {

class SafeFile {
public:
    // path names the target exactly (an existing file is not looked up without regard
    // to case here; callers resolve first). Nothing is touched before open().
    explicit SafeFile(const QString &path);
    // Removes the temporary unless the file was put in place.
    ~SafeFile();
    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    // Checks the target against links leading out of its folder and creates the
    // temporary. Throws LinkOutsideError, FileCreateError, DiskFullError.
    void open();
    // Appends bytes; every byte reaches the file or it throws (DiskFullError,
    // WriteFailedError).
    void write(QByteArrayView bytes);
    // A device over the temporary for writers that stream (a PDF); what it fails to
    // write is found by finish().
    QIODevice &device();
    // Flushes the content to the disk and closes the temporary; throws as write() does.
    void finish();
    // finish() when not done yet, then renames the temporary over the target and
    // flushes the folder; temporaries a killed earlier write of the target left beside
    // it are removed. Throws WriteFailedError when the rename fails.
    void commit();
    // Removes the temporary; the target stays as it was.
    void discard();

    // The path given.
    QString path() const;
    // The file that will be replaced: the real file behind the path given.
    QString target() const;
    // The temporary's name (empty before open()).
    QString temporary() const;

    // Whether name is the name of a temporary this writer leaves beside a file when
    // the program is killed mid-write ("<file>.lumora-" and six letters or digits).
    static bool isTemporaryName(const QString &name);
    // Removes such temporaries beside path that are older leftovers of a killed write
    // (regular files only; links are left alone).
    static void removeLeftovers(const QString &path);

private:
    struct State;
    std::unique_ptr<State> m;
};

// Writes bytes to path through SafeFile (path exactly as given).
void writeFileAt(const QString &path, QByteArrayView bytes);

// Whether a failure's errno means the disk or the user's quota is full.
bool diskFull(int err);

// The folder a target lies in once links are followed, and the real target, when it
// may be written: empty when path is a link leading out of its folder or dangling, or
// lies behind such a link.
QString writableTarget(const QString &path);

} // namespace lumora::fileops
