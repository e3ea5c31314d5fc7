#include "export/sitenames.h"

namespace lumora::exporting {

QString safePart(QStringView text)
{
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    bool dash = false;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_SpacingCombining
            || c.category() == QChar::Mark_Enclosing)
            continue;
        const char16_t u = c.unicode();
        const bool keep = (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'_';
        const bool upper = u >= u'A' && u <= u'Z';
        if (keep || upper) {
            if (dash && !out.isEmpty())
                out += u'-';
            dash = false;
            out += upper ? QChar(u + (u'a' - u'A')) : c;
        } else {
            dash = true;
        }
        if (out.size() >= 60)
            break;
    }
    return out.isEmpty() ? QStringLiteral("x") : out;
}

QString safeFolderPath(QStringView relativePath)
{
    QString out;
    for (const QStringView part : relativePath.tokenize(u'/', Qt::SkipEmptyParts)) {
        for (const QStringView piece : part.tokenize(u'\\', Qt::SkipEmptyParts)) {
            if (piece == u"." || piece == u"..")
                continue;
            if (!out.isEmpty())
                out += u'/';
            out += safePart(piece);
        }
    }
    return out.isEmpty() ? QStringLiteral("x") : out;
}

QString SiteNames::unique(const QString &folder, QStringView stem, const QString &extension)
{
    const QString base = folder + safeFolderPath(stem);
    const QString dot = extension.isEmpty() ? QString() : QStringLiteral(".") + extension;
    QString name = base + dot;
    for (int n = 2; m_taken.contains(name); ++n)
        name = base + u'-' + QString::number(n) + dot;
    m_taken.insert(name);
    return name;
}

} // namespace lumora::exporting
