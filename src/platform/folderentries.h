#pragma once
// A folder's entries read straight from the system's listing: one call per folder,
// no sorting and no look-up per entry, for folders with thousands of entries.
#include <QString>

#include <functional>

namespace lumora::paths {

struct FolderEntry {
    // What the listing says the entry is; a link is not followed.
    enum class Kind { Folder, Link, Other, Unknown };
    QString name;
    Kind kind = Kind::Unknown;
};

// Calls visit for each entry of folder except "." and "..", in listing order, until
// visit returns false. A folder that cannot be read has no entries.
void forEachEntry(const QString &folder, const std::function<bool(const FolderEntry &)> &visit);

} // namespace lumora::paths
