#pragma once
// The export in the player ("Editácia → Export kurzu na web…"): a small window that
// asks for the kind of export and its target (a folder for a web site, a ".zip" file
// for a SCORM package), runs the export on a worker thread with a progress bar, lets
// the user cancel it, and tells how it ended.
#include "export/siteexport.h"

#include <QDialog>

#include <atomic>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QThread;

namespace lumora {
class TextLookup;
struct TextKey;
} // namespace lumora

namespace lumora::exporting {

class ExportWindow : public QDialog {
    Q_OBJECT

public:
    // courseFolder: the course to export (or a program folder).
    ExportWindow(TextLookup &texts, const QString &courseFolder, QWidget *parent = nullptr);
    ~ExportWindow() override;

    // For tests: the target and the kind, as the user would enter them.
    void setTarget(const QString &target, Format format);
    // Starts the export; false (with the reason shown) when it cannot start.
    bool start();
    bool running() const { return m_thread != nullptr; }
    // How the last export ended.
    const ExportResult &result() const { return m_result; }

    // Closes the window; while the export runs, cancels it instead (the window stays
    // until the worker has stopped).
    void reject() override;

signals:
    void finished(); // the worker is done and the result is shown

private:
    QString text(const TextKey &entry);
    void choose();
    void done();
    void setRunning(bool running);
    Format format() const;

    TextLookup &m_texts;
    QString m_course;
    QButtonGroup *m_kind = nullptr;
    QLineEdit *m_target = nullptr;
    QPushButton *m_choose = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_run = nullptr;
    QPushButton *m_close = nullptr;
    QThread *m_thread = nullptr;
    std::atomic_bool m_cancel{false};
    ExportResult m_result;
};

// Opens the window for the course, modally.
void showExportWindow(TextLookup &texts, const QString &courseFolder, QWidget *parent);

} // namespace lumora::exporting
