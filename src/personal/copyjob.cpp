#include "personal/copyjob.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/safefile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace lumora::personal {

namespace {

bool learnerFile(const QString &name)
{
    return name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)
        || name.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}

void listInto(const QString &root, const QString &prefix, int depth, int maxDepth, QStringList &out)
{
    QDir dir(prefix.isEmpty() ? root : paths::join(root, prefix));
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        const QString relative = prefix.isEmpty() ? entry.fileName() : prefix + QDir::separator() + entry.fileName();
        if (entry.isDir()) {
            if (!entry.isSymLink() && depth < maxDepth)
                listInto(root, relative, depth + 1, maxDepth, out);
        } else if (learnerFile(entry.fileName())) {
            out << relative;
        }
    }
}

// Whether two files hold the same bytes.
bool sameContent(const QString &a, const QString &b)
{
    QFile first(a);
    QFile second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    while (!first.atEnd()) {
        if (first.read(CopyChunk) != second.read(CopyChunk))
            return false;
    }
    return true;
}

// The target's path inside folder, its missing folders made (and noted, to be removed
// again on cancelling). Refuses a symbolic link on the way or in the target's place.
QString preparedTarget(const QString &folder, const QString &relative, QStringList &made)
{
    const QStringList parts = relative.split(QDir::separator(), Qt::SkipEmptyParts);
    QString path = paths::withoutSeparator(folder);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        if (part == QLatin1String("..") || part == QLatin1String("."))
            throw Error(QStringLiteral("Nemôžem vytvoriť súbor %1").arg(relative));
        path = paths::join(path, part);
        const QFileInfo info(path);
        if (info.isSymLink())
            throw Error(QStringLiteral("%1 je symbolický odkaz na iné miesto; nekopíruje sa doň.").arg(path));
        if (i + 1 < parts.size() && !info.exists()) {
            if (!QDir().mkdir(path))
                throw FileCreateError(path);
            made << path;
        }
    }
    return path;
}

} // namespace

QStringList learnerFiles(const QString &folder, int maxDepth)
{
    QStringList out;
    if (!folder.isEmpty())
        listInto(folder, QString(), 0, maxDepth, out);
    return out;
}

CopyResult copyFiles(const QList<CopyItem> &items, const QString &folder, const CopyCallbacks &callbacks)
{
    CopyResult result;
    qint64 total = 0;
    for (const CopyItem &item : items)
        total += QFileInfo(item.source).size();
    qint64 done = 0;

    std::vector<std::unique_ptr<fileops::SafeFile>> staged;
    QStringList made;
    bool replaceAll = false;
    bool keepAll = false;
    const auto putInPlace = [&] {
        for (const auto &file : staged) {
            file->commit();
            result.copied << file->path();
        }
        staged.clear();
    };
    const auto cancel = [&] {
        staged.clear(); // an uncommitted file removes its temporary
        for (qsizetype i = made.size(); i-- > 0;)
            QDir().rmdir(made.at(i));
        result.cancelled = true;
        return result;
    };

    for (const CopyItem &item : items) {
        try {
            QFile in(paths::resolve(item.source));
            if (paths::isSpecial(item.source) || QFileInfo(in.fileName()).isDir() || !in.open(QIODevice::ReadOnly))
                throw FileOpenError(item.source);
            const QString target = preparedTarget(folder, item.relative, made);
            const QFileInfo targetInfo(target);
            if (targetInfo.exists()) {
                if (targetInfo.canonicalFilePath() == QFileInfo(in.fileName()).canonicalFilePath())
                    throw FileCreateError(target); // a file onto itself
                if (!targetInfo.isFile())
                    throw FileCreateError(target);
                if (sameContent(in.fileName(), target)) {
                    done += in.size();
                    continue;
                }
                ReplaceAnswer answer = replaceAll ? ReplaceAnswer::Replace
                    : keepAll                     ? ReplaceAnswer::Keep
                    : callbacks.replace           ? callbacks.replace(target)
                                                  : ReplaceAnswer::Keep;
                if (answer == ReplaceAnswer::Cancel)
                    return cancel();
                replaceAll = replaceAll || answer == ReplaceAnswer::ReplaceAll;
                keepAll = keepAll || answer == ReplaceAnswer::KeepAll;
                if (answer == ReplaceAnswer::Keep || answer == ReplaceAnswer::KeepAll) {
                    done += in.size();
                    continue;
                }
            }
            auto out = std::make_unique<fileops::SafeFile>(target);
            out->open();
            while (!in.atEnd()) {
                const QByteArray chunk = in.read(CopyChunk);
                if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
                    throw IoError(100);
                out->write(chunk);
                done += chunk.size();
                if (callbacks.progress && !callbacks.progress(done, total)) {
                    out->discard(); // before its folder is removed
                    return cancel();
                }
            }
            // On the disk before anything is put in place.
            out->finish();
            staged.push_back(std::move(out));
        } catch (const Error &) {
            putInPlace();
            throw;
        }
    }
    putInPlace();
    return result;
}

} // namespace lumora::personal
