#include "rtf/rtfplainlines.h"

#include <QTextBlock>
#include <QTextDocument>

namespace lumora::rtf {

QStringList plainLines(const QTextDocument &doc)
{
    QStringList lines;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        lines += block.text().remove(QChar::ObjectReplacementCharacter).split(QChar::LineSeparator);
    return lines;
}

} // namespace lumora::rtf
