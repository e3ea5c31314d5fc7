#pragma once
// A read-only item model over a walked course tree, for a tree view. A node's absolute
// index is its internal id, so a view's index maps straight back to the course node.
#include "course/coursewalk.h"
#include "course/progressfile.h"

#include <QAbstractItemModel>
#include <QIcon>

namespace lumora::tree {

class CourseTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit CourseTreeModel(course::CourseTree tree, QObject *parent = nullptr);

    const course::CourseTree &tree() const { return m_tree; }
    // The view index of a node, and the node of a view index (-1 for an invalid index).
    QModelIndex indexOfNode(int node) const;
    static int nodeOf(const QModelIndex &index);
    // The learner's visited files: their nodes show the visited badge, and word (the text
    // table's "navštívené") is their accessible description.
    void setVisited(const course::progress::Visited &visited, const QString &word);
    bool visited(int node) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The one column is headed by the course name (what screen readers call it).
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;

private:
    course::CourseTree m_tree;
    QList<int> m_row;        // per node: its row under its parent
    QList<int> m_firstChild; // per node: where its children start in m_children
    QList<int> m_childCount; // per node
    QList<int> m_children;   // node indices grouped by parent, in course order
    QList<bool> m_visited;   // per node, empty when nothing is visited
    QString m_visitedWord;
    mutable QIcon m_badge; // drawn on first use
};

} // namespace lumora::tree
