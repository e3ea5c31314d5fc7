#include "text/writecheck.h"

#include "platform/filelock.h"
#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>

namespace lumora::memo {

std::unique_ptr<FileLock> writeCheck(const QString &contentPath)
{
    const QString path = paths::resolve(contentPath);
    auto lock = std::make_unique<FileLock>(path);
    if (!lock->locked())
        return nullptr;
    // Append keeps the content; ExistingOnly keeps a vanished file from being created.
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::ExistingOnly))
        return nullptr;
    file.close();
    if (!QFileInfo(QFileInfo(path).path()).isWritable())
        return nullptr;
    return lock;
}

} // namespace lumora::memo
