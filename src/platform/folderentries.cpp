#include "platform/folderentries.h"

#include <QFile>

#include <dirent.h>

namespace lumora::paths {

namespace {

FolderEntry::Kind kindOf(unsigned char type)
{
    switch (type) {
    case DT_DIR: return FolderEntry::Kind::Folder;
    case DT_LNK: return FolderEntry::Kind::Link;
    case DT_UNKNOWN: return FolderEntry::Kind::Unknown;
    default: return FolderEntry::Kind::Other;
    }
}

} // namespace

void forEachEntry(const QString &folder, const std::function<bool(const FolderEntry &)> &visit)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    FolderEntry entry;
    while (const dirent *e = ::readdir(dir)) {
        const char *name = e->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        entry.name = QFile::decodeName(name);
        entry.kind = kindOf(e->d_type);
        if (!visit(entry))
            break;
    }
    ::closedir(dir);
}

} // namespace lumora::paths
