#include "text/lessonprint.h"

#include "config/keys.h"
#include "platform/messages.h"
#include "platform/pdfpages.h"
#include "rtf/rtflists.h"
#include "state/session.h"
#include "text/lessonpages.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>

namespace lumora::text {

namespace {

// A progress box for long lessons: it shows once a job takes a while, and Cancel stops it.
class PageProgressBox {
public:
    PageProgressBox(Session &session, QWidget *window)
        : m_box(session.ConfigText(keys::PrintProgress), session.ConfigText(keys::PrintCancel), 0, 0, window)
    {
        m_box.setWindowModality(Qt::WindowModal);
        m_box.setMinimumDuration(500);
        m_box.setAutoClose(false);
        m_box.setAutoReset(false);
    }

    pages::Progress callback()
    {
        return [this](int done, int count) {
            m_box.setMaximum(count);
            m_box.setValue(done);
            return !m_box.wasCanceled();
        };
    }

private:
    QProgressDialog m_box;
};

// The screen's caption path made fit for a file name.
QString fileNameFor(const QString &title)
{
    QString name = title.simplified();
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : name) {
        if (unsafe.contains(c) || c.unicode() < 0x20)
            c = u'_';
    }
    if (name.isEmpty())
        name = QStringLiteral("lekcia");
    return name.left(120) + QStringLiteral(".pdf");
}

} // namespace

void printLesson(Session &session, const QTextDocument &lesson, const QString &title, QWidget *window)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintDialog dialog(&printer, window);
    dialog.setWindowTitle(session.ConfigText(keys::MenuPrint));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto document = memo::printableLesson(lesson, title);
    PageProgressBox progress(session, window);
    bool stopped = false;
    const pages::Progress watch = [&, report = progress.callback()](int done, int count) {
        stopped = !report(done, count);
        return !stopped;
    };
    if (!pages::paint(*document, printer, watch, rtf::drawListLabels) && !stopped)
        messages::show(messages::Kind::Error, messages::Buttons::Ok, session.ConfigText(keys::PrintFailed), window);
}

QString askPdfName(Session &session, QWidget *window, const QString &suggested)
{
    QFileDialog dialog(window, session.ConfigText(keys::MenuPdf));
    dialog.setObjectName(QStringLiteral("PdfDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    dialog.setDirectory(folder);
    dialog.selectFile(suggested);
    // The name is what the learner most likely changes: the focus starts there.
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
            name->setFocus(Qt::OtherFocusReason);
            name->selectAll();
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void saveLessonAsPdf(Session &session, const QTextDocument &lesson, const QString &title, QWidget *window)
{
    const QString path = askPdfName(session, window, fileNameFor(title));
    if (path.isEmpty())
        return;
    PageProgressBox progress(session, window);
    pages::writePdf(*memo::printableLesson(lesson, title), title, path, progress.callback(), rtf::drawListLabels);
}

} // namespace lumora::text
