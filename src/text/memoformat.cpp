#include "text/memoformat.h"

#include <QColor>
#include <QFont>

namespace lumora::memo {

QTextCharFormat dialogFormat(const QFont &font, const QColor &colour)
{
    QTextCharFormat format;
    if (font.pointSizeF() > 0)
        format.setFontPointSize(font.pointSizeF());
    format.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.italic());
    format.setFontUnderline(font.underline());
    format.setFontStrikeOut(font.strikeOut());
    format.setForeground(colour);
    return format;
}

} // namespace lumora::memo
