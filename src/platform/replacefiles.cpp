#include "platform/replacefiles.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <memory>
#include <optional>
#include <vector>

namespace lumora::fileops {

namespace {

bool realWrite(QSaveFile &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size();
}

bool realCommit(QSaveFile &file)
{
    return file.commit();
}

IoError lastError()
{
    return IoError::fromErrno(errno != 0 ? errno : EIO);
}

// A target as it was before the change, so that it can be put back.
struct OldFile {
    QString path;
    std::optional<QByteArray> bytes; // empty when the file did not exist or was unreadable
    bool existed = false;
};

OldFile remember(const QString &path)
{
    OldFile old{path, std::nullopt, QFileInfo::exists(path)};
    if (old.existed) {
        try {
            old.bytes = textfile::readBytes(path);
        } catch (const IoError &) {
            // Cannot be put back; the change goes ahead all the same.
        }
    }
    return old;
}

// Best effort: the folder may refuse writing by now, which is often why a rename failed.
void restore(const OldFile &old)
{
    try {
        if (old.bytes)
            textfile::writeBytes(old.path, *old.bytes);
        else if (!old.existed)
            QFile::remove(old.path);
    } catch (const Error &) {}
}

} // namespace

void replaceFiles(const QList<NewFile> &files, const ReplaceSteps &steps)
{
    const auto write = steps.write ? steps.write : realWrite;
    const auto commit = steps.commit ? steps.commit : realCommit;

    // An uncommitted save file removes its temporary file when it is destroyed, so every
    // early exit below leaves the folder as it was.
    std::vector<std::unique_ptr<QSaveFile>> staged;
    std::vector<OldFile> old;
    for (const NewFile &file : files) {
        const QString target = paths::resolve(file.path);
        // Never through a link out of the file's folder, a dangling one included.
        if (!paths::staysInItsFolder(target))
            throw FileCreateError(file.path);
        auto save = std::make_unique<QSaveFile>(target);
        if (!save->open(QIODevice::WriteOnly))
            throw FileCreateError(file.path);
        errno = 0;
        if (!write(*save, file.bytes))
            throw lastError();
        staged.push_back(std::move(save));
        old.push_back(remember(target));
    }

    for (size_t i = 0; i < staged.size(); ++i) {
        errno = 0;
        if (commit(*staged[i]))
            continue;
        const IoError error = lastError();
        for (size_t j = i; j-- > 0;)
            restore(old[j]);
        throw error;
    }
}

} // namespace lumora::fileops
