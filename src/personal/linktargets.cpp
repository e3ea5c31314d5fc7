#include "personal/linktargets.h"

#include "config/keys.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "state/session.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace lumora::personal {

namespace {

// Files that start a program when the desktop opens them.
bool programFile(const QFileInfo &info)
{
    static const QStringList kinds{
        QStringLiteral("exe"),      QStringLiteral("com"), QStringLiteral("bat"), QStringLiteral("cmd"),
        QStringLiteral("sh"),       QStringLiteral("msi"), QStringLiteral("scr"), QStringLiteral("pif"),
        QStringLiteral("vbs"),      QStringLiteral("js"),  QStringLiteral("jar"), QStringLiteral("desktop"),
        QStringLiteral("appimage"), QStringLiteral("run"), QStringLiteral("ps1"), QStringLiteral("lnk")};
    return info.isExecutable() || kinds.contains(info.suffix().toLower());
}

bool looksLikePath(const QString &text)
{
    return text.startsWith(QLatin1Char('/')) || text.startsWith(QLatin1Char('\\')) || text.startsWith(QLatin1Char('.'))
        || (text.size() >= 2 && text.at(1) == QLatin1Char(':')) || text.contains(QLatin1Char('/'))
        || text.contains(QLatin1Char('\\'));
}

} // namespace

LinkTarget judgeLink(const QString &link, const QString &courseDir, const QString &programDir)
{
    const QString text = link.trimmed();
    if (text.isEmpty())
        return {};
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    const QRegularExpressionMatch match = scheme.match(text);
    if (match.hasMatch()) {
        // "file:" names a file by an address: refused, as a file outside would be.
        if (match.captured(1).compare(QLatin1String("file"), Qt::CaseInsensitive) == 0)
            return {LinkTarget::Kind::Refused, text};
        return {LinkTarget::Kind::Address, text};
    }
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return {LinkTarget::Kind::Address, text};

    // A file: absolute as written, else in the course folder, then the program folder.
    const QString name = paths::fromCourse(text);
    QString found;
    if (QFileInfo(name).isAbsolute()) {
        found = paths::existingFile(name);
    } else {
        for (const QString &folder : {courseDir, programDir}) {
            if (!folder.isEmpty() && found.isEmpty())
                found = paths::existingFile(paths::join(folder, name));
        }
    }
    if (found.isEmpty()) {
        // Not a file: a bare host name ("kurz.sk") is a web address; a path is missing.
        if (looksLikePath(text) || name.contains(QLatin1String("..")))
            return {LinkTarget::Kind::Missing, text};
        return {LinkTarget::Kind::Address, text};
    }
    if (programDir.isEmpty() || !paths::inside(found, programDir))
        return {LinkTarget::Kind::Refused, text};
    const QFileInfo info(paths::realPath(found));
    if (programFile(info))
        return {LinkTarget::Kind::Program, info.absoluteFilePath()};
    return {LinkTarget::Kind::Document, info.absoluteFilePath()};
}

void openChosenLink(Session &s, const QString &link, QWidget *parent)
{
    const int level = s.course.CurrentLevel;
    const QString courseDir = CourseState::validLevel(level) && !s.course.LevelFolder[size_t(level)].isEmpty()
        ? s.levelFolderPath(level)
        : QString();
    const LinkTarget target = judgeLink(link, courseDir, s.values.ProgramDir);
    switch (target.kind) {
    case LinkTarget::Kind::Nothing: return;
    case LinkTarget::Kind::Missing: {
        const QString text = s.ConfigText(keys::Nonfile);
        if (s.ShowPrompt)
            messages::show(messages::Kind::Warning, messages::Buttons::Ok, target.target + QLatin1Char(' ') + text,
                           parent);
        return;
    }
    case LinkTarget::Kind::Refused: {
        // Said even when messages are silenced, as for a program: the file may well be
        // there, and "missing" would mislead.
        const QString text = s.ConfigText(keys::LinkRefused);
        messages::show(messages::Kind::Warning, messages::Buttons::Ok, target.target + QLatin1Char(' ') + text, parent);
        return;
    }
    case LinkTarget::Kind::Program: {
        // Said even when messages are silenced: the learner chose it and must know why
        // nothing happens.
        const QString text = s.ConfigText(keys::LinkProgram);
        messages::show(messages::Kind::Warning, messages::Buttons::Ok, target.target + QLatin1Char(' ') + text, parent);
        return;
    }
    case LinkTarget::Kind::Address:
    case LinkTarget::Kind::Document:
        if (linkOpener) {
            linkOpener(target.target);
            return;
        }
        // Straight to the desktop's handler: nothing named by a link is started as a
        // program, also not one the current folder happens to hold.
        if (target.kind == LinkTarget::Kind::Document)
            QDesktopServices::openUrl(QUrl::fromLocalFile(target.target));
        else if (target.target.contains(QLatin1String("://"))
                 || target.target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
            QDesktopServices::openUrl(QUrl(target.target));
        else
            QDesktopServices::openUrl(QUrl::fromUserInput(target.target));
        return;
    }
}

} // namespace lumora::personal
