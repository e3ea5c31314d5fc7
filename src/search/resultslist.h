#pragma once
// The list of screens found: a model whose rows are the hits (caption hits first) and
// a delegate that shows each as two lines of rich text, the caption path and the
// snippet, with the terms in bold. Snippets are made when a row is first shown.
#include "search/matching.h"

#include <QAbstractListModel>
#include <QHash>
#include <QStyledItemDelegate>

#include <vector>

namespace lumora::search {

class ResultsModel : public QAbstractListModel {
    Q_OBJECT
public:
    ResultsModel(const std::vector<ScreenText> &screens, QObject *parent = nullptr);

    // Replaces the results with the hits of a new query.
    void setResults(const Query &query, const QList<Hit> &hits);
    // Adds the hits of screens read later: caption hits after the caption hits shown,
    // text hits at the end.
    void addResults(const QList<Hit> &hits);

    const Hit &hit(int row) const { return m_hits.at(row); }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    const std::vector<ScreenText> &m_screens;
    Query m_query;
    QList<Hit> m_hits;
    int m_captionHits = 0;
    mutable QHash<int, QString> m_shown; // rich text of each row's screen, made once
};

class ResultsDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace lumora::search
