#pragma once
// Finding the files of one course without regard to case, fast enough for a walk or a
// check that asks for thousands of names: an exact name costs one file-system query; a
// name in another case is looked up in a listing of its folder, made once per folder.
// Once a folder is listed, it answers for its names without a query.
// The answers are those of paths::existingFile while the folders do not change.
#include <QHash>
#include <QString>

#include <optional>

namespace lumora::course {

class CourseFiles {
public:
    // The existing file (not a folder) that path names, or an empty string.
    QString existingFile(const QString &path);

private:
    struct Entry {
        QString name;
        signed char folder = -1; // 1 a folder, 0 none, -1 not known from the listing (a link)
    };
    struct Listing {
        QHash<QString, Entry> names; // case-folded name -> the first such entry in name order
        bool searchable = false;     // the names in it can be looked up, not only listed
    };

    // The existing file or folder that path names, or an empty string; sets isFolder
    // when the query or listing that found it told its type.
    QString find(const QString &path, int depth, std::optional<bool> *isFolder = nullptr);
    const Listing &listing(const QString &folder);

    QHash<QString, Listing> m_listings; // by folder
};

} // namespace lumora::course
