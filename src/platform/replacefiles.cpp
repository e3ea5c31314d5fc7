#include "platform/replacefiles.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/safefile.h"
#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>

#include <memory>
#include <optional>
#include <vector>

namespace lumora::fileops {

namespace {

void realWrite(SafeFile &file, const QByteArray &bytes)
{
    file.write(bytes);
    file.finish();
}

void realCommit(SafeFile &file)
{
    file.commit();
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
            old.bytes = textfile::readBytesAt(path);
        } catch (const Error &) {
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
            writeFileAt(old.path, *old.bytes);
        else if (!old.existed)
            QFile::remove(old.path);
    } catch (const Error &) {}
}

} // namespace

void replaceFiles(const QList<NewFile> &files, const ReplaceSteps &steps)
{
    const auto write = steps.write ? steps.write : realWrite;
    const auto commit = steps.commit ? steps.commit : realCommit;

    // An unfinished SafeFile removes its temporary when it is destroyed, so every early
    // exit below leaves the folder as it was.
    std::vector<std::unique_ptr<SafeFile>> staged;
    std::vector<OldFile> old;
    for (const NewFile &file : files) {
        auto save = std::make_unique<SafeFile>(paths::resolve(file.path));
        save->open();
        write(*save, file.bytes);
        old.push_back(remember(save->target()));
        staged.push_back(std::move(save));
    }

    for (size_t i = 0; i < staged.size(); ++i) {
        try {
            commit(*staged[i]);
        } catch (const Error &) {
            for (size_t j = i; j-- > 0;)
                restore(old[j]);
            throw;
        }
    }
}

} // namespace lumora::fileops
