#include "text/formattedfile.h"

#include "platform/errors.h"
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

void save(const QString &path, const QTextDocument &doc)
{
    textfile::writeBytes(path, rtf::write(doc));
}

} // namespace lumora::formattedfile
