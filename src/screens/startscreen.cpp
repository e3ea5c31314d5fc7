#include "screens/startscreen.h"

#include "config/keys.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "course/contentfileitems.h"
#include "course/folderlist.h"
#include "state/session.h"
#include "state/usersettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace lumora::screens {

namespace {

// The recent folders that fit beside the course buttons.
constexpr int ShownRecentFolders = 5;

QString &sample()
{
    static QString folder;
    return folder;
}

std::function<void(const QString &)> &opener()
{
    static std::function<void(const QString &)> replaced;
    return replaced;
}

// Starts the program on the folder; false when it could not be started.
bool startProgramOn(const QString &folder)
{
    if (opener()) {
        opener()(folder);
        return true;
    }
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {folder}, folder);
}

QString plainFolder(const QString &folder)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(folder));
}

// Presses the buttons of the recorded steps one level after another. Each press opens
// the next level inside its own modal loop, so the next step is queued before the
// press and runs once that level is on screen.
class ResumeRunner : public QObject {
public:
    ResumeRunner(Session &session, ResumeTrail trail, QObject *parent)
        : QObject(parent), m_session(session), m_trail(std::move(trail))
    {}

    void start(const std::function<void(const QString &)> &enterCourse)
    {
        queue(2, 1);
        enterCourse(m_trail.first().target);
    }

private:
    static constexpr int Attempts = 40;
    static constexpr int RetryMs = 50;

    void queue(int level, qsizetype step, int attempt = 0)
    {
        QTimer::singleShot(attempt == 0 ? 0 : RetryMs, this,
                           [this, level, step, attempt] { guarded([&] { advance(level, step, attempt); }); });
    }

    void finish() { deleteLater(); }

    void advance(int level, qsizetype step, int attempt)
    {
        const CourseState &c = m_session.course;
        if (m_session.terminateRequested || step >= m_trail.size() || !CourseState::validLevel(level)) {
            finish();
            return;
        }
        auto *window = qobject_cast<QWidget *>(c.LevelWindow[size_t(level)].data());
        if (c.CurrentLevel != level || !window || !window->isVisible()) {
            // A message about the press is still open, or the level never opened.
            if (attempt < Attempts && c.CurrentLevel < level)
                queue(level, step, attempt + 1);
            else
                finish();
            return;
        }
        QPushButton *button = lessonButton(window, level, m_trail.at(step));
        if (!button) {
            finish();
            return;
        }
        queue(level + 1, step + 1);
        button->click();
    }

    // The lesson button whose target is the step's (any case, either separator);
    // among several, the one with the step's caption.
    QPushButton *lessonButton(QWidget *window, int level, const ResumeStep &step) const
    {
        const auto &lines = m_session.course.ScreenLines[size_t(level)];
        const QString wanted = plainFolder(step.target);
        QPushButton *found = nullptr;
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            const int tag = button->property("tag").toInt();
            if (tag < 1 || tag > MaxLines || button->isHidden())
                continue;
            const QString target = plainFolder(course::splitButtonLine(lines[size_t(tag)]).target);
            if (target.compare(wanted, Qt::CaseInsensitive) != 0)
                continue;
            if (button->property("hint").toString() == step.caption)
                return button;
            if (!found)
                found = button;
        }
        return found;
    }

    Session &m_session;
    ResumeTrail m_trail;
};

QPushButton *addButton(QVBoxLayout *layout, QWidget *panel, const QString &name, const QString &text)
{
    auto *button = new QPushButton(text, panel);
    button->setObjectName(name);
    layout->addWidget(button, 0, Qt::AlignLeft);
    return button;
}

} // namespace

QWidget *addStartPanel(QWidget *client, Session &s, const course::FolderList &list, const QRect &room,
                       StartActions actions)
{
    const QString programFolder = plainFolder(s.values.ProgramDir);
    const bool noCourses = list.courses().isEmpty();
    UserSettings settings;
    const QString damaged = UserSettings::takeDamageReport();
    if (!damaged.isEmpty())
        messages::notify(s, messages::Kind::Warning, keys::SettingsDamaged,
                         QLatin1Char(' ') + UserSettings::damagedName(damaged), client->window());
    if (!noCourses)
        settings.addRecentFolder(programFolder);

    const int width = std::max(160, std::min(room.width(), 420));
    auto *panel = new QWidget(client);
    panel->setObjectName(QStringLiteral("StartPanel"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    if (noCourses) {
        auto *label = new QLabel(panel);
        label->setObjectName(QStringLiteral("NoCoursesLabel"));
        label->setWordWrap(true);
        label->setText(list.unreadable ? s.ConfigText(keys::FolderUnreadable) + QLatin1Char(' ') + programFolder
                                       : s.ConfigText(keys::NoCourses) + QLatin1Char(' ') + programFolder);
        layout->addWidget(label);
    }

    QPointer<QWidget> window = client->window();
    const auto openFolder = [&s, window, actions](const QString &folder) {
        if (folder.isEmpty())
            return;
        if (!startProgramOn(folder)) {
            messages::notify(s, messages::Kind::Error, keys::FolderNotOpened, QLatin1Char(' ') + folder, window);
            return;
        }
        actions.endProgram();
    };

    const ResumeTrail trail = settings.resumeTrail(programFolder);
    if (!trail.isEmpty() && list.courses().contains(trail.first().target)) {
        QPushButton *resume = addButton(layout, panel, QStringLiteral("ResumeButton"), s.ConfigText(keys::Resume));
        resume->setToolTip(QStringList([&] {
                               QStringList captions;
                               for (const ResumeStep &step : trail)
                                   captions << step.caption;
                               return captions;
                           }())
                               .join(QStringLiteral(" - ")));
        QObject::connect(resume, &QPushButton::clicked, panel, [&s, trail, window, actions] {
            guarded([&] {
                auto *runner = new ResumeRunner(s, trail, window);
                runner->start(actions.enterCourse);
            });
        });
    }

    const QString openCaption = s.ConfigText(keys::OpenFolder);
    QPushButton *open = addButton(layout, panel, QStringLiteral("OpenFolderButton"), openCaption);
    QObject::connect(open, &QPushButton::clicked, panel, [programFolder, openCaption, window, openFolder] {
        guarded([&] {
            QString title = openCaption;
            title.remove(QChar(0x2026));
            openFolder(QFileDialog::getExistingDirectory(window, title, programFolder,
                                                         QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog));
        });
    });

    const QString sampleFolder = plainFolder(sample());
    if (noCourses && !sample().isEmpty() && sampleFolder != programFolder && QFileInfo(sampleFolder).isDir()) {
        QPushButton *button =
            addButton(layout, panel, QStringLiteral("SampleButton"), s.ConfigText(keys::SampleCourses));
        button->setToolTip(QDir::toNativeSeparators(sampleFolder));
        QObject::connect(button, &QPushButton::clicked, panel,
                         [sampleFolder, openFolder] { guarded([&] { openFolder(sampleFolder); }); });
    }

    QList<QPushButton *> recentButtons;
    QStringList recent = settings.recentFolders();
    recent.removeAll(programFolder);
    recent = recent.mid(0, ShownRecentFolders);
    if (!recent.isEmpty()) {
        auto *label = new QLabel(s.ConfigText(keys::RecentFolders), panel);
        label->setObjectName(QStringLiteral("RecentLabel"));
        layout->addWidget(label);
        for (qsizetype i = 0; i < recent.size(); ++i) {
            const QString folder = recent.at(i);
            QPushButton *button = addButton(layout, panel, QStringLiteral("RecentFolder%1").arg(i + 1), QString());
            button->setText(
                button->fontMetrics().elidedText(QDir::toNativeSeparators(folder), Qt::ElideMiddle, width - 24));
            button->setToolTip(QDir::toNativeSeparators(folder));
            button->setEnabled(QFileInfo(folder).isDir());
            recentButtons << button;
            QObject::connect(button, &QPushButton::clicked, panel,
                             [folder, openFolder] { guarded([&] { openFolder(folder); }); });
        }
    }
    layout->addStretch(1);

    // A fifth down the client area when the panel fits there, higher when it must; the
    // recent folders that still do not fit are dropped from the bottom.
    while (!recentButtons.isEmpty() && panel->sizeHint().height() > room.height())
        delete recentButtons.takeLast();
    if (recentButtons.isEmpty())
        delete panel->findChild<QLabel *>(QStringLiteral("RecentLabel"));
    const int needed = std::min(panel->sizeHint().height(), room.height());
    const int top = std::clamp(client->height() / 5, room.top(), room.top() + room.height() - needed);
    panel->setGeometry(room.left(), top, width, room.top() + room.height() - top);
    panel->show();
    return panel;
}

void offerSampleCourses(const QString &sampleFolder)
{
    sample() = sampleFolder;
}

QList<QWidget *> startPanelControls(const QWidget *panel)
{
    QList<QWidget *> found;
    if (!panel || !panel->layout())
        return found;
    for (int i = 0; i < panel->layout()->count(); ++i) {
        QWidget *widget = panel->layout()->itemAt(i)->widget();
        if (qobject_cast<QPushButton *>(widget))
            found << widget;
    }
    return found;
}

QWidget *startPanelFocus(const QWidget *panel)
{
    if (!panel)
        return nullptr;
    if (auto *resume = panel->findChild<QWidget *>(QStringLiteral("ResumeButton")))
        return resume;
    if (panel->findChild<QWidget *>(QStringLiteral("NoCoursesLabel")))
        return panel->findChild<QWidget *>(QStringLiteral("OpenFolderButton"));
    return nullptr;
}

namespace hook {
void setOpener(std::function<void(const QString &)> replacement)
{
    opener() = std::move(replacement);
}
} // namespace hook

} // namespace lumora::screens
