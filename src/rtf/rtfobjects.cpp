#include "rtf/rtfobjects.h"

#include "rtf/rtflexer.h"
#include "rtf/rtfpicture.h"
#include "rtf/rtfunits.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QTextObjectInterface>

#include <initializer_list>
#include <vector>

namespace lumora::rtf {

namespace {

// Text boxes whose shape gives no width are this wide; their frame keeps this much room
// around the text.
constexpr double DefaultTextBoxWidth = 200;
constexpr double TextBoxPadding = 4;

// The first group inside in (not in itself) whose first word is name, leaving out
// groups inside groups whose first word is one of avoid; empty when there is none.
QByteArrayView findGroup(QByteArrayView in, QByteArrayView name, std::initializer_list<QByteArrayView> avoid = {})
{
    struct Open {
        qsizetype start;
        bool fresh;   // no word read in it yet
        bool avoided; // inside a group left out
    };
    std::vector<Open> open;
    Lexer lexer(in);
    for (;;) {
        const qsizetype at = lexer.position();
        const Token t = lexer.next();
        switch (t.kind) {
        case Token::Kind::End: return {};
        case Token::Kind::GroupStart: open.push_back({at, true, !open.empty() && open.back().avoided}); break;
        case Token::Kind::GroupEnd:
            if (!open.empty())
                open.pop_back();
            if (open.empty())
                return {};
            break;
        case Token::Kind::Symbol:
            if (t.symbol == '*')
                break; // "\*" comes before the group's first word
            if (!open.empty())
                open.back().fresh = false;
            break;
        case Token::Kind::Word:
            if (open.empty() || !open.back().fresh)
                break;
            open.back().fresh = false;
            if (open.size() < 2 || open.back().avoided)
                break;
            if (t.text == name) {
                const QByteArrayView rest = in.sliced(open.back().start);
                Lexer group(rest);
                group.next();
                group.skipGroup();
                return rest.first(group.position());
            }
            for (const QByteArrayView word : avoid)
                open.back().avoided = open.back().avoided || t.text == word;
            break;
        default:
            if (!open.empty())
                open.back().fresh = false;
            break;
        }
    }
}

// The parameter of the first word name in the group; fallback when there is none.
int wordParam(QByteArrayView in, QByteArrayView name, int fallback)
{
    Lexer lexer(in);
    for (Token t = lexer.next(); t.kind != Token::Kind::End; t = lexer.next()) {
        if (t.kind == Token::Kind::Word && t.text == name && t.hasParam)
            return t.param;
    }
    return fallback;
}

// The plain text of a group (its Latin-1 bytes: class names are ASCII).
QString groupText(QByteArrayView group)
{
    QByteArray text;
    Lexer lexer(group);
    for (Token t = lexer.next(); t.kind != Token::Kind::End; t = lexer.next()) {
        if (t.kind == Token::Kind::Text)
            text.append(t.text.data(), t.text.size());
    }
    return QString::fromLatin1(text).trimmed();
}

QTextCharFormat hiddenFormat()
{
    QTextCharFormat format;
    format.setObjectType(KeptHiddenObject);
    return format;
}

// A picture shown for a kept group: the picture's own group is not what is written.
QTextCharFormat shownPicture(QByteArrayView pict, QTextDocument &doc)
{
    QTextImageFormat format = pictureFormat(pict, true, doc);
    format.clearProperty(PictureGroupProperty);
    return format;
}

QTextCharFormat objectFormat(QByteArrayView group, QTextDocument &doc)
{
    const QByteArrayView result = findGroup(group, "result");
    const QByteArrayView pict = result.isEmpty() ? result : findGroup(result, "pict", {"nonshppict"});
    QTextCharFormat format;
    if (!pict.isEmpty()) {
        format = shownPicture(pict, doc);
    } else {
        const int width = qBound(0, wordParam(group, "objw", 0), MaxTwips);
        const int height = qBound(0, wordParam(group, "objh", 0), MaxTwips);
        format = placeholderFormat(width > 0 ? twipsToPixels(width) : 32, height > 0 ? twipsToPixels(height) : 32, doc);
    }
    format.setToolTip(groupText(findGroup(group, "objclass")));
    return format;
}

QTextCharFormat shapeFormat(QByteArrayView group, QTextDocument &doc, const TextBoxReader &readTextBox)
{
    QByteArrayView instructions = findGroup(group, "shpinst");
    if (instructions.isEmpty())
        instructions = group;
    const QByteArrayView text = findGroup(instructions, "shptxt");
    if (!text.isEmpty()) {
        QTextCharFormat format;
        format.setObjectType(TextBoxObject);
        format.setProperty(TextBoxTextProperty, readTextBox(text));
        const int left = wordParam(instructions, "shpleft", 0);
        const int right = wordParam(instructions, "shpright", 0);
        const double width = right > left ? twipsToPixels(qMin(right - left, MaxTwips)) : DefaultTextBoxWidth;
        format.setProperty(TextBoxWidthProperty, qBound(2 * TextBoxPadding + 8, width, 4000.0));
        return format;
    }
    const QByteArrayView pict = findGroup(instructions, "pict", {"shprslt", "shptxt"});
    return pict.isEmpty() ? hiddenFormat() : shownPicture(pict, doc);
}

// Draws a text box: its text within a frame of its width.
class TextBoxDrawer : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using QObject::QObject;

    QSizeF intrinsicSize(QTextDocument *, int, const QTextFormat &format) override
    {
        QTextDocument text;
        layOut(text, format);
        return {width(format), text.size().height() + 2 * TextBoxPadding};
    }

    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int, const QTextFormat &format) override
    {
        QTextDocument text;
        layOut(text, format);
        painter->save();
        painter->setPen(QColor(96, 96, 96));
        painter->drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
        painter->translate(rect.topLeft() + QPointF(TextBoxPadding, TextBoxPadding));
        text.drawContents(painter);
        painter->restore();
    }

private:
    static double width(const QTextFormat &format) { return format.doubleProperty(TextBoxWidthProperty); }

    static void layOut(QTextDocument &text, const QTextFormat &format)
    {
        text.setDocumentMargin(0);
        text.setDefaultFont(format.toCharFormat().font());
        text.setPlainText(format.stringProperty(TextBoxTextProperty));
        text.setTextWidth(qMax(1.0, width(format) - 2 * TextBoxPadding));
    }
};

} // namespace

QTextCharFormat keptGroupFormat(KeptKind kind, QByteArrayView group, QTextDocument &doc,
                                const TextBoxReader &readTextBox)
{
    QTextCharFormat format;
    switch (kind) {
    case KeptKind::Object: format = objectFormat(group, doc); break;
    case KeptKind::Shape: format = shapeFormat(group, doc, readTextBox); break;
    case KeptKind::ShapePicture: {
        const QByteArrayView pict = findGroup(group, "pict");
        format = pict.isEmpty() ? hiddenFormat() : shownPicture(pict, doc);
        break;
    }
    case KeptKind::Unshown: format = hiddenFormat(); break;
    }
    format.setProperty(KeptGroupProperty, group.toByteArray());
    return format;
}

void drawTextBoxes(QTextDocument &doc, bool onlyIfLaidOut)
{
    // A document that has no layout yet (one read for its text alone) is not given one.
    const auto *laidOut = doc.findChild<QAbstractTextDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly);
    if (onlyIfLaidOut && !laidOut)
        return;
    QAbstractTextDocumentLayout *layout = doc.documentLayout();
    if (!layout->handlerForObject(TextBoxObject))
        layout->registerHandler(TextBoxObject, new TextBoxDrawer(layout));
}

} // namespace lumora::rtf

#include "rtfobjects.moc"
