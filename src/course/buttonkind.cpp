#include "course/buttonkind.h"

#include "config/keys.h"
#include "course/contentfileitems.h"

namespace lumora::course {

bool isAddress(QStringView target)
{
    if (target.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return false;
    return target.contains(QLatin1String("://")) || target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)
        || target.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
}

ButtonKind buttonKind(const QString &caption, QStringView target, const QString &examCaption)
{
    if (!examCaption.isEmpty() && caption == examCaption)
        return ButtonKind::Test;
    switch (itemKind(target)) {
    case ItemKind::Screen: return ButtonKind::Screen;
    case ItemKind::Picture: return ButtonKind::Picture;
    case ItemKind::Demonstration: return ButtonKind::Demonstration;
    case ItemKind::Shell: break;
    }
    // Local pages (".htm", ".html") are web pages too, as their button picture shows.
    const QString file = splitTarget(target).fileName;
    return isAddress(file) || kindCode(file) == QLatin1String("HTM") ? ButtonKind::WebPage : ButtonKind::File;
}

const TextKey &kindText(ButtonKind kind)
{
    switch (kind) {
    case ButtonKind::Screen: return keys::ButtonKindScreen;
    case ButtonKind::Picture: return keys::ButtonKindPicture;
    case ButtonKind::Demonstration: return keys::ButtonKindDemo;
    case ButtonKind::WebPage: return keys::ButtonKindWeb;
    case ButtonKind::File: break;
    case ButtonKind::Test: return keys::ButtonKindTest;
    }
    return keys::ButtonKindFile;
}

} // namespace lumora::course
