#include "course/contentfilenames.h"

#include "course/contentfiletext.h"

namespace lumora::course {

QString formattedTextName(const QString &contentName)
{
    return replaceAfterFirstDot(contentName, u"rtf");
}

QString backupName(const QString &contentName)
{
    return replaceAfterFirstDot(contentName, u"bak");
}

} // namespace lumora::course
