#include "search/resultslist.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace lumora::search {

ResultsModel::ResultsModel(const std::vector<ScreenText> &screens, QObject *parent)
    : QAbstractListModel(parent), m_screens(screens)
{}

void ResultsModel::setResults(const Query &query, const QList<Hit> &hits)
{
    beginResetModel();
    m_query = query;
    m_hits = hits;
    m_captionHits = int(std::count_if(hits.begin(), hits.end(), [](const Hit &h) { return h.inCaption; }));
    m_shown.clear();
    endResetModel();
}

void ResultsModel::addResults(const QList<Hit> &hits)
{
    for (const Hit &hit : hits) {
        const int row = hit.inCaption ? m_captionHits : int(m_hits.size());
        beginInsertRows(QModelIndex(), row, row);
        m_hits.insert(row, hit);
        if (hit.inCaption)
            ++m_captionHits;
        endInsertRows();
    }
}

int ResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_hits.size());
}

QVariant ResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_hits.size())
        return {};
    const Hit &hit = m_hits[index.row()];
    if (hit.screen < 0 || size_t(hit.screen) >= m_screens.size())
        return {};
    const ScreenText &text = m_screens[size_t(hit.screen)];
    const QString path = text.places.value(hit.place).captionPath;
    switch (role) {
    case Qt::DisplayRole: {
        auto it = m_shown.constFind(hit.screen);
        if (it == m_shown.cend()) {
            const QString line = snippet(m_query, text);
            it = m_shown.insert(hit.screen,
                                highlighted(m_query, path) + QStringLiteral("<br><small>") + line
                                    + QStringLiteral("</small>"));
        }
        return *it;
    }
    case Qt::ToolTipRole: return path;
    case Qt::AccessibleTextRole:
        // A screen reader hears where the screen is and what was found there.
        return path + QStringLiteral(": ") + QTextDocumentFragment::fromHtml(snippet(m_query, text)).toPlainText();
    default: return {};
    }
}

namespace {

void setUp(QTextDocument &doc, const QStyleOptionViewItem &option, const QString &html)
{
    doc.setDefaultFont(option.font);
    doc.setDocumentMargin(3);
    QTextOption oneLine;
    oneLine.setWrapMode(QTextOption::NoWrap);
    doc.setDefaultTextOption(oneLine);
    doc.setHtml(html);
    doc.setTextWidth(option.rect.width() > 0 ? option.rect.width() : -1);
}

} // namespace

void ResultsDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString html = opt.text;
    opt.text.clear();
    const QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    QTextDocument doc;
    setUp(doc, opt, html);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = opt.palette;
    context.palette.setColor(QPalette::Text,
                             opt.state & QStyle::State_Selected ? opt.palette.color(QPalette::HighlightedText)
                                                                : opt.palette.color(QPalette::Text));
    painter->save();
    painter->translate(opt.rect.topLeft());
    painter->setClipRect(opt.rect.translated(-opt.rect.topLeft()));
    doc.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize ResultsDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // Every row holds two lines; the width is the view's, so no row is measured here
    // (making the snippets of every row only to size the list would be costly).
    Q_UNUSED(index);
    const QFontMetrics metrics(option.font);
    return QSize(option.rect.width() > 0 ? option.rect.width() : 400, metrics.height() * 2 + 10);
}

} // namespace lumora::search
