#include "text/formattedfile.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/safefile.h"
#include "platform/textfile.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

namespace lumora::formattedfile {

void load(const QString &path, QTextDocument &doc)
{
    const QByteArray bytes = textfile::readBytes(path);
    if (!rtf::isRichText(bytes))
        throw FileFormatError(QStringLiteral("'%1' is not a valid rich text file").arg(path));
    rtf::read(bytes, doc);
}

Found loadIfRich(const QString &path, QTextDocument &doc)
{
    // A link out of the lesson's folder is not the lesson's formatted text: it is
    // neither shown nor ever written through.
    if (!paths::fileExists(path) || fileops::writableTarget(paths::resolve(path)).isEmpty())
        return Found::None;
    const QByteArray bytes = textfile::readBytes(path);
    if (!rtf::isRichText(bytes))
        return Found::NotRich;
    rtf::read(bytes, doc);
    return Found::Rich;
}

QString asideName(const QString &path)
{
    return path + QStringLiteral(".old");
}

void save(const QString &path, const QTextDocument &doc)
{
    textfile::writeBytes(path, rtf::write(doc));
}

} // namespace lumora::formattedfile
