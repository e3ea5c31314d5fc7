#include "text/writecheck.h"

#include "platform/filelock.h"
#include "platform/paths.h"
#include "platform/safefile.h"

#include <QFile>
#include <QFileInfo>

namespace lumora::memo {

std::unique_ptr<FileLock> writeCheck(const QString &contentPath, Refusal *why)
{
    const QString path = paths::resolve(contentPath);
    Refusal refusal = Refusal::NotWritable;
    const auto refuse = [&] {
        if (why)
            *why = refusal;
        return nullptr;
    };
    if (why)
        *why = Refusal::None;
    auto lock = std::make_unique<FileLock>(path);
    if (!lock->locked()) {
        // A regular file that cannot be locked is held by another copy of the program.
        if (QFileInfo(path).isFile())
            refusal = Refusal::Busy;
        return refuse();
    }
    // A content file that is a link out of its folder is never written through.
    if (fileops::writableTarget(path).isEmpty())
        return refuse();
    // Append keeps the content; ExistingOnly keeps a vanished file from being created.
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::ExistingOnly))
        return refuse();
    file.close();
    if (!QFileInfo(QFileInfo(path).path()).isWritable())
        return refuse();
    return lock;
}

} // namespace lumora::memo
