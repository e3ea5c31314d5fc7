#include "state/usersettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

#include <utility>

namespace lumora {

namespace {

constexpr char RecentKey[] = "recent/folders";
constexpr char TargetsKey[] = "resume/targets";
constexpr char CaptionsKey[] = "resume/captions";

QString &pendingDamageReport()
{
    static QString report;
    return report;
}

QSettings *openSettings()
{
    return new QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Lumora"),
                         QStringLiteral("lumora"));
}

} // namespace

UserSettings::UserSettings() : m_settings(openSettings())
{
    if (m_settings->status() == QSettings::NoError)
        return;
    // A damaged file is kept for the user under another name and the program starts
    // from fresh settings, so nothing it writes now is lost to the same fault.
    m_damaged = m_settings->fileName();
    pendingDamageReport() = m_damaged;
    delete m_settings;
    QFile::remove(damagedName(m_damaged));
    if (!QFile::rename(m_damaged, damagedName(m_damaged)))
        QFile::remove(m_damaged);
    m_settings = openSettings();
}

UserSettings::~UserSettings()
{
    delete m_settings;
}

QString UserSettings::takeDamageReport()
{
    return std::exchange(pendingDamageReport(), QString());
}

QString UserSettings::damagedName(const QString &file)
{
    return file + QStringLiteral(".damaged");
}

QStringList UserSettings::recentFolders() const
{
    QStringList folders;
    for (const QString &folder : m_settings->value(QLatin1String(RecentKey)).toStringList()) {
        if (!folder.isEmpty() && !folders.contains(folder))
            folders << folder;
    }
    return folders.mid(0, MaxRecentFolders);
}

void UserSettings::addRecentFolder(const QString &folder)
{
    const QStringList before = recentFolders();
    QStringList folders = before;
    folders.removeAll(folder);
    folders.prepend(folder);
    folders = folders.mid(0, MaxRecentFolders);
    // The same folder opened again changes nothing: the file is not written again.
    if (folders == before)
        return;
    m_settings->setValue(QLatin1String(RecentKey), folders);
    m_settings->sync();
}

QString UserSettings::folderGroup(const QString &programFolder)
{
    // Folder paths hold "/", which QSettings reads as a group separator.
    const QString clean = QDir::cleanPath(programFolder);
    return QStringLiteral("folder-") + QString::fromLatin1(QUrl::toPercentEncoding(clean));
}

ResumeTrail UserSettings::resumeTrail(const QString &programFolder) const
{
    m_settings->beginGroup(folderGroup(programFolder));
    const QStringList targets = m_settings->value(QLatin1String(TargetsKey)).toStringList();
    const QStringList captions = m_settings->value(QLatin1String(CaptionsKey)).toStringList();
    m_settings->endGroup();
    ResumeTrail trail;
    for (qsizetype i = 0; i < targets.size(); ++i) {
        if (targets.at(i).isEmpty())
            break;
        trail.append({targets.at(i), captions.value(i)});
    }
    return trail;
}

void UserSettings::writeTrail(const QString &programFolder, const ResumeTrail &trail)
{
    QStringList targets;
    QStringList captions;
    for (const ResumeStep &step : trail) {
        targets << step.target;
        captions << step.caption;
    }
    m_settings->beginGroup(folderGroup(programFolder));
    m_settings->setValue(QLatin1String(TargetsKey), targets);
    m_settings->setValue(QLatin1String(CaptionsKey), captions);
    m_settings->endGroup();
    m_settings->sync();
}

void UserSettings::enterLevel(const QString &programFolder, int level, const ResumeStep &step)
{
    if (level < 2)
        return;
    ResumeTrail trail = resumeTrail(programFolder);
    // A gap (a level recorded without the ones above it) ends the trail before it.
    if (trail.size() < level - 2)
        return;
    trail.resize(level - 2);
    trail.append(step);
    writeTrail(programFolder, trail);
}

void UserSettings::leaveToLevel(const QString &programFolder, int level)
{
    ResumeTrail trail = resumeTrail(programFolder);
    const qsizetype keep = std::max(0, level - 1);
    if (trail.size() <= keep)
        return;
    trail.resize(keep);
    writeTrail(programFolder, trail);
}

int UserSettings::lessonZoom(const QString &programFolder, int fallback) const
{
    bool ok = false;
    const int percent = m_settings->value(folderGroup(programFolder) + QStringLiteral("/zoom")).toInt(&ok);
    return ok ? percent : fallback;
}

void UserSettings::keepLessonZoom(const QString &programFolder, int percent)
{
    m_settings->setValue(folderGroup(programFolder) + QStringLiteral("/zoom"), percent);
    m_settings->sync();
}

} // namespace lumora
