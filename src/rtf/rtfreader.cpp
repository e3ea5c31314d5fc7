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

} // namespace

bool isRichText(QByteArrayView bytes)
{
    return headerStart(bytes) >= 0;
}

void read(QByteArrayView bytes, QTextDocument &doc)
{
    const QByteArrayView rtf = richText(bytes);
    const UndoPause pause(doc);
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    Parser(rtf, cursor).run();
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
