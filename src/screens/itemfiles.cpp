#include "screens/itemfiles.h"
#include "config/keys.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "state/session.h"
#include "text/toknoobrazku.h"

namespace lumora {

bool openShellItem(Session &s, const QString &folder, const QString &target, QWidget *parent)
{
    const course::TargetParts parts = course::splitTarget(target);
    const QString tried = course::shellItemFile(s, folder, parts.fileName);
    if (tried.isEmpty()) {
        const QString text = s.ConfigText(keys::Nonfile);
        if (s.ShowPrompt)
            messages::show(messages::Kind::Warning, messages::Buttons::Ok,
                           course::targetPath(folder, target) + QLatin1Char(' ') + text, parent);
        return false;
    }
    if (!process::shellOpen(tried, parts.parameters)) {
        const QString text = s.ConfigText(keys::Nonexe);
        if (s.ShowPrompt)
            messages::show(messages::Kind::Warning, messages::Buttons::Ok, tried + QLatin1Char(' ') + text, parent);
        return false;
    }
    return true;
}

bool showPicture(Session &s, const QString &folder, const QString &target, QWidget *parent)
{
    const QString picture = course::courseItemFile(s, folder, target);
    if (picture.isEmpty()) {
        if (s.ShowPrompt)
            messages::show(messages::Kind::Warning, messages::Buttons::Ok, s.ConfigText(keys::Bmp), parent);
        return false;
    }
    TOknoObrazku window(s, parent);
    window.picturePath = picture;
    window.exec();
    return true;
}

bool runDemonstration(Session &s, const QString &folder, const course::TargetParts &parts, QWidget *parent)
{
    const QString player = course::demonstrationPlayer(s);
    if (!paths::fileExists(player)) {
        const QString text = s.ConfigText(keys::Scplayer);
        if (parts.parameters.isEmpty() || s.ShowPrompt)
            messages::show(messages::Kind::Warning, messages::Buttons::Ok, text, parent);
        return false;
    }
    const QString demonstration = course::courseItemFile(s, folder, parts.fileName);
    if (demonstration.isEmpty()) {
        messages::notify(s, messages::Kind::Warning, keys::Scm, QString(), parent);
        return false;
    }
    return process::ExecuteFile(paths::resolve(player), course::demonstrationArguments(demonstration), QString());
}

} // namespace lumora
