#include "tree/coursetreemodel.h"

#include "platform/visitedtick.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPalette>

namespace lumora::tree {

namespace {
// The badge is drawn large and scaled down by the view to its icon size.
constexpr int BadgeSide = 64;
} // namespace

CourseTreeModel::CourseTreeModel(course::CourseTree tree, QObject *parent)
    : QAbstractItemModel(parent), m_tree(std::move(tree))
{
    const int n = m_tree.size();
    m_row.resize(n);
    m_firstChild.resize(n);
    m_childCount.fill(0, n);
    for (int i = 1; i < n; ++i)
        m_row[i] = m_childCount[m_tree.node(i).parent]++;
    int start = 0;
    for (int i = 0; i < n; ++i) {
        m_firstChild[i] = start;
        start += m_childCount.at(i);
    }
    m_children.resize(start);
    for (int i = 1; i < n; ++i) {
        const int p = m_tree.node(i).parent;
        m_children[m_firstChild.at(p) + m_row.at(i)] = i;
    }
}

QModelIndex CourseTreeModel::indexOfNode(int node) const
{
    if (node < 0 || node >= m_tree.size())
        return {};
    return createIndex(m_row.at(node), 0, quintptr(node));
}

int CourseTreeModel::nodeOf(const QModelIndex &index)
{
    return index.isValid() ? int(index.internalId()) : -1;
}

void CourseTreeModel::setVisited(const course::progress::Visited &visited, const QString &word)
{
    m_visited.clear();
    m_visitedWord = word;
    if (!visited.isEmpty()) {
        m_visited.reserve(m_tree.size());
        for (const course::CourseNode &node : m_tree.nodes())
            m_visited.append(visited.contains(node.reference));
    }
    if (m_tree.size() > 0)
        emit dataChanged(indexOfNode(0), indexOfNode(m_tree.size() - 1));
}

bool CourseTreeModel::visited(int node) const
{
    return node >= 0 && node < m_visited.size() && m_visited.at(node);
}

QModelIndex CourseTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 && m_tree.size() > 0 ? createIndex(0, 0, quintptr(0)) : QModelIndex();
    const int p = nodeOf(parent);
    if (row >= m_childCount.at(p))
        return {};
    return createIndex(row, 0, quintptr(m_children.at(m_firstChild.at(p) + row)));
}

QModelIndex CourseTreeModel::parent(const QModelIndex &child) const
{
    const int node = nodeOf(child);
    if (node <= 0)
        return {};
    return indexOfNode(m_tree.node(node).parent);
}

int CourseTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return m_tree.size() > 0 ? 1 : 0;
    return parent.column() == 0 ? m_childCount.at(nodeOf(parent)) : 0;
}

int CourseTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

bool CourseTreeModel::hasChildren(const QModelIndex &parent) const
{
    return rowCount(parent) > 0;
}

QVariant CourseTreeModel::data(const QModelIndex &index, int role) const
{
    const int node = nodeOf(index);
    if (node < 0)
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_tree.node(node).caption;
    if (role == Qt::DecorationRole && !m_visited.isEmpty()) {
        // Every node keeps room for the badge, so the captions stay in line.
        static const QIcon none = [] {
            QPixmap blank(BadgeSide, BadgeSide);
            blank.fill(Qt::transparent);
            return QIcon(blank);
        }();
        if (!visited(node))
            return none;
        if (m_badge.isNull()) {
            const QPalette palette = QGuiApplication::palette();
            m_badge = visitedtick::icon(BadgeSide, palette.color(QPalette::Text), palette.color(QPalette::Base));
        }
        return m_badge;
    }
    if (role == Qt::AccessibleDescriptionRole && visited(node))
        return m_visitedWord;
    return {};
}

QVariant CourseTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section != 0 || orientation != Qt::Horizontal || role != Qt::DisplayRole || m_tree.size() == 0)
        return {};
    return m_tree.node(0).caption;
}

} // namespace lumora::tree
