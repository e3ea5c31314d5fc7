#pragma once
// Finding the files of one course without regard to case, fast enough for a walk or a
// check that asks for thousands of names: an exact name costs one file-system query; a
// name in another case is looked up in a listing of its folder, made once per folder.
// The answers are those of paths::existingFile while the folders do not change.
#include <QHash>
#include <QString>

#include <optional>

namespace lumora::tree {

class CourseFiles {
public:
    // The existing file (not a folder) that path names, or an empty string.
    QString existingFile(const QString &path);

private:
    // The existing file or folder that path names, or an empty string; sets isFolder
    // when the query that found it told its type.
    QString find(const QString &path, int depth, std::optional<bool> *isFolder = nullptr);
    const QHash<QString, QString> &listing(const QString &folder);

    QHash<QString, QHash<QString, QString>> m_listings; // folder -> case-folded name -> name
};

} // namespace lumora::tree
