#include "export/exportwindow.h"

#include "config/keys.h"
#include "export/exportcommand.h"
#include "platform/accessiblenames.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/textlookup.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QVBoxLayout>

namespace lumora::exporting {

namespace {
constexpr int ShownProblems = 15;
}

QString ExportWindow::text(const TextKey &entry)
{
    return m_texts.ConfigText(entry);
}

ExportWindow::ExportWindow(TextLookup &texts, const QString &courseFolder, QWidget *parent)
    : QDialog(parent), m_texts(texts), m_course(paths::withoutSeparator(courseFolder))
{
    setObjectName(QStringLiteral("ExportWindow"));
    setWindowTitle(text(keys::ExportCourseTitle));
    auto *layout = new QVBoxLayout(this);
    auto *course = new QLabel(QDir::toNativeSeparators(m_course), this);
    course->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(course);

    m_kind = new QButtonGroup(this);
    auto *web = new QRadioButton(text(keys::ExportWeb), this);
    auto *scorm = new QRadioButton(text(keys::ExportScorm), this);
    auto *scorm2004 = new QRadioButton(text(keys::ExportScorm2004), this);
    web->setObjectName(QStringLiteral("web"));
    scorm->setObjectName(QStringLiteral("scorm"));
    scorm2004->setObjectName(QStringLiteral("scorm2004"));
    web->setChecked(true);
    m_kind->addButton(web, int(Format::Web));
    m_kind->addButton(scorm, int(Format::Scorm));
    m_kind->addButton(scorm2004, int(Format::Scorm2004));
    layout->addWidget(web);
    layout->addWidget(scorm);
    layout->addWidget(scorm2004);

    auto *targetRow = new QHBoxLayout;
    auto *targetLabel = new QLabel(text(keys::ExportTarget), this);
    targetRow->addWidget(targetLabel);
    m_target = new QLineEdit(this);
    m_target->setObjectName(QStringLiteral("target"));
    accessible::label(targetLabel, m_target);
    m_target->setMinimumWidth(360);
    targetRow->addWidget(m_target, 1);
    m_choose = new QPushButton(text(keys::ExportChoose), this);
    targetRow->addWidget(m_choose);
    layout->addLayout(targetRow);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setAccessibleName(windowTitle());
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    layout->addWidget(m_progress);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_run = new QPushButton(text(keys::ExportRun), this);
    m_run->setObjectName(QStringLiteral("run"));
    m_run->setDefault(true);
    m_close = new QPushButton(text(keys::ExportClose), this);
    m_close->setObjectName(QStringLiteral("close"));
    buttons->addWidget(m_run);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    connect(m_choose, &QPushButton::clicked, this, &ExportWindow::choose);
    connect(m_run, &QPushButton::clicked, this, &ExportWindow::start);
    connect(m_close, &QPushButton::clicked, this, &ExportWindow::reject);
    // A folder name proposed beside the course; the kind changes its ending.
    const QFileInfo info(m_course);
    const QString proposal = QDir(info.absolutePath()).filePath(info.fileName() + QStringLiteral("-web"));
    m_target->setText(QDir::toNativeSeparators(proposal));
    connect(m_kind, &QButtonGroup::idClicked, this, [this](int id) {
        QString target = m_target->text();
        if (id != int(Format::Web) && !target.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
            m_target->setText(target + QStringLiteral(".zip"));
        else if (id == int(Format::Web) && target.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
            m_target->setText(target.chopped(4));
    });
}

ExportWindow::~ExportWindow()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
    }
}

Format ExportWindow::format() const
{
    return Format(m_kind->checkedId());
}

void ExportWindow::setTarget(const QString &target, Format kind)
{
    m_kind->button(int(kind))->setChecked(true);
    m_target->setText(target);
}

void ExportWindow::choose()
{
    QString chosen;
    if (format() == Format::Web) {
        chosen = QFileDialog::getExistingDirectory(this, text(keys::ExportWeb), m_target->text());
    } else {
        chosen = QFileDialog::getSaveFileName(this, m_kind->checkedButton()->text(), m_target->text(),
                                              QStringLiteral("SCORM (*.zip)"));
        if (!chosen.isEmpty() && !chosen.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
            chosen += QStringLiteral(".zip");
    }
    if (!chosen.isEmpty())
        m_target->setText(QDir::toNativeSeparators(chosen));
}

void ExportWindow::setRunning(bool running)
{
    m_run->setEnabled(!running);
    m_choose->setEnabled(!running);
    m_target->setEnabled(!running);
    for (QAbstractButton *button : m_kind->buttons())
        button->setEnabled(!running);
    m_close->setText(running ? text(keys::ExportStop) : text(keys::ExportClose));
}

bool ExportWindow::start()
{
    if (m_thread)
        return false;
    ExportRequest request;
    request.source = m_course;
    request.target = QDir::fromNativeSeparators(m_target->text().trimmed());
    request.format = format();
    if (request.target.isEmpty()) {
        messages::show(messages::Kind::Warning, messages::Buttons::Ok, text(keys::ExportNoTarget), this);
        return false;
    }
    QString refused;
    switch (refusalOf(request)) {
    case Refusal::None: break;
    case Refusal::SourceNotFolder: refused = text(keys::ExportNoCourse) + u' ' + m_course; break;
    case Refusal::TargetInside: refused = text(keys::ExportInside); break;
    case Refusal::TargetBusy: refused = text(keys::ExportBusy); break;
    case Refusal::TargetNotFolder: refused = text(keys::ExportNotFolder); break;
    case Refusal::TargetIsFolder: refused = text(keys::ExportIsFolder); break;
    case Refusal::TargetForeign: refused = text(keys::ExportForeign); break;
    }
    if (!refused.isEmpty()) {
        messages::show(messages::Kind::Warning, messages::Buttons::Ok, refused, this);
        return false;
    }
    m_cancel = false;
    request.cancelled = [this] { return m_cancel.load(); };
    request.progress = [this](int done, int total) {
        QMetaObject::invokeMethod(
            m_progress,
            [this, done, total] {
                m_progress->setRange(0, total);
                m_progress->setValue(done);
            },
            Qt::QueuedConnection);
    };
    m_progress->setRange(0, 0); // busy until the first screen is written
    setRunning(true);
    m_thread = QThread::create([this, request] { m_result = exportSite(request); });
    connect(m_thread, &QThread::finished, this, &ExportWindow::done, Qt::QueuedConnection);
    m_thread->start();
    return true;
}

void ExportWindow::done()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    setRunning(false);
    m_progress->setRange(0, 1);
    m_progress->setValue(m_result.status == ExportResult::Status::Cancelled ? 0 : 1);
    const QString target = QDir::toNativeSeparators(m_target->text().trimmed());
    switch (m_result.status) {
    case ExportResult::Status::Done:
        messages::show(messages::Kind::Information, messages::Buttons::Ok,
                       text(keys::ExportDone) + QLatin1Char('\n') + target, this);
        break;
    case ExportResult::Status::Problems: {
        QStringList shown = m_result.problems.mid(0, ShownProblems);
        if (m_result.problems.size() > ShownProblems)
            shown.append(QStringLiteral("… (%1)").arg(m_result.problems.size()));
        messages::show(messages::Kind::Warning, messages::Buttons::Ok,
                       text(keys::ExportProblems) + QLatin1Char('\n') + shown.join(QLatin1Char('\n')), this);
        break;
    }
    case ExportResult::Status::Cancelled:
        messages::show(messages::Kind::Information, messages::Buttons::Ok, text(keys::ExportCancelled), this);
        break;
    case ExportResult::Status::Failed:
        messages::show(messages::Kind::Error, messages::Buttons::Ok,
                       text(keys::ExportFailed) + QLatin1Char('\n') + m_result.error, this);
        break;
    }
    emit finished();
}

void ExportWindow::reject()
{
    // While the export runs, the button and Escape cancel it; the window stays until
    // the worker has stopped.
    if (m_thread) {
        m_cancel = true;
        return;
    }
    QDialog::reject();
}

void showExportWindow(TextLookup &texts, const QString &courseFolder, QWidget *parent)
{
    ExportWindow window(texts, courseFolder, parent);
    window.exec();
}

} // namespace lumora::exporting
