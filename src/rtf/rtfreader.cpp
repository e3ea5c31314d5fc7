#include "rtf/rtfreader.h"

#include "rtf/rtfparser.h"

#include <QTextCursor>
#include <QTextDocument>

namespace lumora::rtf {

namespace {

// Where "{\rtf" starts after optional white space; -1 when bytes do not start so.
qsizetype headerStart(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || (bytes[i] >= '\t' && bytes[i] <= '\r')))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf") ? i : -1;
}

// The rich text in bytes, from its opening brace on; throws when there is none.
QByteArrayView richText(QByteArrayView bytes)
{
    const qsizetype start = headerStart(bytes);
    if (start < 0)
        throw NotRichText();
    return bytes.sliced(start);
}

// Keeps the document's undo history out of a load and restores the setting after it.
class UndoPause {
public:
    explicit UndoPause(QTextDocument &doc) : m_doc(doc), m_was(doc.isUndoRedoEnabled())
    {
        m_doc.setUndoRedoEnabled(false);
    }
    ~UndoPause() { m_doc.setUndoRedoEnabled(m_was); }
    UndoPause(const UndoPause &) = delete;
    UndoPause &operator=(const UndoPause &) = delete;

private:
    QTextDocument &m_doc;
    bool m_was;
};

// Keeps a shown document's layout out of a load. The layout of a document on a screen
// answers the end of the load's edit block by laying the whole text out at once, which
// grows faster than the text; while the page has no size it lays nothing out, and given
// its size back it starts over from the top in steps between the screen's events, as it
// does for a document it is given whole.
class LayoutPause {
public:
    explicit LayoutPause(QTextDocument &doc) : m_doc(doc), m_page(doc.pageSize()) { m_doc.setPageSize(QSizeF(0, 0)); }
    ~LayoutPause() { m_doc.setPageSize(m_page); }
    LayoutPause(const LayoutPause &) = delete;
    LayoutPause &operator=(const LayoutPause &) = delete;

private:
    QTextDocument &m_doc;
    QSizeF m_page;
};

} // namespace

bool isRichText(QByteArrayView bytes)
{
    return headerStart(bytes) >= 0;
}

void read(QByteArrayView bytes, QTextDocument &doc)
{
    const QByteArrayView rtf = richText(bytes);
    const UndoPause pause(doc);
    const LayoutPause layoutPause(doc);
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    Parser parser(rtf, cursor);
    parser.keepSetUp();
    parser.run();
    cursor.endEditBlock();
}

void insert(QByteArrayView bytes, QTextCursor &cursor)
{
    const QByteArrayView rtf = richText(bytes);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    Parser(rtf, cursor).run();
    cursor.endEditBlock();
}

} // namespace lumora::rtf
