#include "text/lessonpages.h"

#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

namespace lumora::memo {

std::unique_ptr<QTextDocument> printableLesson(const QTextDocument &lesson, const QString &title)
{
    auto page = std::make_unique<QTextDocument>();
    page->setDefaultFont(lesson.defaultFont());
    QTextCursor cursor(page.get());
    if (!title.isEmpty()) {
        QTextBlockFormat heading;
        heading.setBottomMargin(12);
        cursor.setBlockFormat(heading);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        bold.setFontPointSize(14);
        cursor.insertText(title, bold);
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
    // The lesson as a whole (lists and tables keep their structure); its pictures are
    // resources of the lesson's document, named by the text, and go along.
    cursor.insertFragment(QTextDocumentFragment(&lesson));
    QSet<QString> pictures;
    for (QTextBlock block = lesson.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                pictures.insert(format.toImageFormat().name());
        }
    }
    for (const QString &name : pictures) {
        const QVariant data = lesson.resource(QTextDocument::ImageResource, QUrl(name));
        if (data.isValid())
            page->addResource(QTextDocument::ImageResource, QUrl(name), data);
    }
    return page;
}

} // namespace lumora::memo
