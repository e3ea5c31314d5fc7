#pragma once
// The program's own settings, kept apart from courses and the work folder: the program
// folders used last and, per program folder, the screen path the learner was on and the
// lesson zoom. They
// live in one file under the user's config location (QSettings, INI format).
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QSettings;
class QTemporaryFile;

namespace lumora {

// One screen on the way to where the learner was: the course folder for the course's
// top screen, else the target of the lesson button pressed one level below, and that
// button's caption.
struct ResumeStep {
    QString target;
    QString caption;
    bool operator==(const ResumeStep &) const = default;
};
using ResumeTrail = QList<ResumeStep>;

class UserSettings {
public:
    // How many program folders are remembered.
    static constexpr int MaxRecentFolders = 8;
    // A settings file larger than this is none the program wrote (its lists are
    // bounded): it is set aside as damaged, unread.
    static constexpr qint64 MaxSettingsFileSize = 1024 * 1024;

    UserSettings();
    ~UserSettings();
    UserSettings(const UserSettings &) = delete;
    UserSettings &operator=(const UserSettings &) = delete;

    // Empty when the settings file could be read (or does not exist yet); otherwise the
    // file's path: it was damaged or unreadable, has been moved aside under damagedName()
    // when possible, and the program carries on with fresh settings.
    QString damagedFile() const { return m_damaged; }
    static QString damagedName(const QString &file);
    // The damaged file found since the last call, once, so the user is told one time.
    static QString takeDamageReport();

    // The program folders used last, most recent first (as given: absolute paths).
    QStringList recentFolders() const;
    // Puts folder first in the list, dropping it from further down and the oldest beyond
    // the limit.
    void addRecentFolder(const QString &folder);

    // Where the learner was in a program folder: the steps from the course's top screen
    // down, empty when the learner was on the root screen.
    ResumeTrail resumeTrail(const QString &programFolder) const;
    // Records that the screen of a level (2 = a course's top screen) was opened by step;
    // the steps below it are kept, the deeper ones dropped.
    void enterLevel(const QString &programFolder, int level, const ResumeStep &step);
    // Records that the learner went back to level (1 = the root screen).
    void leaveToLevel(const QString &programFolder, int level);

    // The lesson pane's zoom in percent kept for a program folder; fallback when none is.
    int lessonZoom(const QString &programFolder, int fallback) const;
    void keepLessonZoom(const QString &programFolder, int percent);

    // Why the last change could not be written (a full disk); empty when it was. The
    // settings file then stays as it was, and this object keeps the change.
    QString writeError() const { return m_writeError; }

private:
    void change(const std::function<void(QSettings &)> &edit);
    static void keepFewFolders(QSettings &settings, const QString &kept);
    void writeTrail(const QString &programFolder, const ResumeTrail &trail);
    static QString folderGroup(const QString &programFolder);

    QString m_path;
    QSettings *m_settings = nullptr;
    std::unique_ptr<QTemporaryFile> m_scratch; // what m_settings reads after a change
    QString m_damaged;
    QString m_writeError;
};

} // namespace lumora
