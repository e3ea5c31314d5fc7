#include "state/usersettings.h"

#include "platform/errors.h"
#include "platform/safefile.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <QUrl>

#include <algorithm>
#include <memory>
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

// The settings file's place: where QSettings keeps the program's INI file in the user
// scope (QSettings::setPath honoured), learned from a settings object of another name,
// so the file itself is not read before it is judged (a damaged or huge file).
QString settingsPath()
{
    const QString probe =
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Lumora"), QStringLiteral("lumora-place"))
            .fileName();
    return QFileInfo(probe).path() + QStringLiteral("/lumora.ini");
}

// Every step of a trail is a screen level; more than this is no trail the program made.
constexpr qsizetype MaxTrailSteps = 64;
// Program folders whose place and zoom are kept; the recent ones are kept first.
constexpr int MaxFolderGroups = 64;

} // namespace

UserSettings::UserSettings() : m_path(settingsPath())
{
    // A file far larger than the program ever writes is no settings file of its own:
    // reading it would cost every screen change, so it is set aside unread.
    const QFileInfo info(m_path);
    const bool huge = info.isFile() && info.size() > MaxSettingsFileSize;
    const bool strange = info.exists() && !info.isFile();
    if (!huge && !strange) {
        m_settings = new QSettings(m_path, QSettings::IniFormat);
        if (m_settings->status() == QSettings::NoError)
            return;
        delete m_settings;
        m_settings = nullptr;
    }
    // A damaged file is kept for the user under another name and the program starts
    // from fresh settings, so nothing it writes now is lost to the same fault.
    m_damaged = m_path;
    pendingDamageReport() = m_damaged;
    if (!strange) {
        QFile::remove(damagedName(m_damaged));
        if (!QFile::rename(m_damaged, damagedName(m_damaged)))
            QFile::remove(m_damaged);
    }
    // Fresh settings: a file of no name of its own, never written.
    m_scratch = std::make_unique<QTemporaryFile>();
    if (m_scratch->open())
        m_scratch->close();
    m_settings = new QSettings(m_scratch->fileName(), QSettings::IniFormat);
}

UserSettings::~UserSettings()
{
    // The settings object read here is never changed, so it never writes the file
    // itself: every change was written (or given up) when it was made.
    delete m_settings;
}

void UserSettings::change(const std::function<void(QSettings &)> &edit)
{
    m_writeError.clear();
    // The change is made on a copy in the system's temporary folder, checked there and
    // only then written over the settings file through the careful writer: a full disk
    // leaves the old file (Qt's own writer may leave it empty), and a copy of the
    // program that fails to write keeps its values for as long as it runs.
    auto scratch = std::make_unique<QTemporaryFile>();
    if (scratch->open())
        scratch->close();
    auto copy = std::make_unique<QSettings>(scratch->fileName(), QSettings::IniFormat);
    for (const QString &key : m_settings->allKeys())
        copy->setValue(key, m_settings->value(key));
    edit(*copy);
    copy->sync();
    QMap<QString, QVariant> wanted;
    for (const QString &key : copy->allKeys())
        wanted.insert(key, copy->value(key));
    try {
        if (scratch->fileName().isEmpty() || copy->status() != QSettings::NoError)
            throw Error(QStringLiteral("%1: %2").arg(QDir::tempPath(), scratch->errorString()));
        const QByteArray bytes = textfile::readBytesAt(scratch->fileName());
        // Qt's own writer may report success for a file a full disk left empty or cut
        // short: every key must stand on a line of its own in what was written.
        qsizetype lines = 0;
        for (const QByteArrayView line : textfile::splitRawLines(bytes)) {
            if (!line.startsWith('[') && line.indexOf('=') >= 0)
                ++lines;
        }
        if (lines != wanted.size())
            throw DiskFullError(scratch->fileName());
        QDir().mkpath(QFileInfo(m_path).path());
        fileops::writeFileAt(m_path, bytes);
    } catch (const Error &e) {
        m_writeError = e.message();
    }
    // From now on this object reads what it meant to write, written or not.
    delete m_settings;
    m_settings = copy.release();
    m_scratch = std::move(scratch);
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
    change([&](QSettings &settings) { settings.setValue(QLatin1String(RecentKey), folders); });
}

void UserSettings::keepFewFolders(QSettings &settings, const QString &kept)
{
    // The folders' groups stay few: beyond the limit, groups of folders no longer among
    // the recent ones go first, the one just written never.
    QStringList groups = settings.childGroups();
    groups.removeAll(QStringLiteral("recent"));
    if (groups.size() <= MaxFolderGroups)
        return;
    QStringList recent;
    for (const QString &folder : settings.value(QLatin1String(RecentKey)).toStringList())
        recent << folderGroup(folder);
    std::stable_partition(groups.begin(), groups.end(), [&](const QString &g) { return !recent.contains(g); });
    for (const QString &group : groups) {
        if (settings.childGroups().size() - 1 <= MaxFolderGroups)
            break;
        if (group != kept && group.startsWith(QStringLiteral("folder-")))
            settings.remove(group);
    }
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
    for (qsizetype i = 0; i < std::min(targets.size(), MaxTrailSteps); ++i) {
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
    const QString group = folderGroup(programFolder);
    change([&](QSettings &settings) {
        settings.beginGroup(group);
        settings.setValue(QLatin1String(TargetsKey), targets);
        settings.setValue(QLatin1String(CaptionsKey), captions);
        settings.endGroup();
        keepFewFolders(settings, group);
    });
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
    const QString group = folderGroup(programFolder);
    change([&](QSettings &settings) {
        settings.setValue(group + QStringLiteral("/zoom"), percent);
        keepFewFolders(settings, group);
    });
}

} // namespace lumora
