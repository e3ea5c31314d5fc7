#pragma once
// The course search window: a search field, the list of screens found and a count.
// Results appear as the learner types (after a short pause); the course is read on a
// worker thread the first time, with a progress bar, and results grow as it goes on.
// Closing the window cancels the reading.
#include "search/matching.h"

#include <QDialog>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QThread;
class QTimer;

namespace lumora {

class Session;

namespace search {
class ResultsModel;
}

class TOknoHladajVKurze : public QDialog {
    Q_OBJECT
public:
    // Opens a screen found: its reference (relative to the course folder) and caption path.
    using OpenScreen = std::function<void(const QString &reference, const QString &captionPath)>;

    TOknoHladajVKurze(Session &session, OpenScreen open, QWidget *parent = nullptr);
    ~TOknoHladajVKurze() override;

    QLabel *Label2 = nullptr;       // "Hľadaj:"
    QLineEdit *Edit1 = nullptr;     // the query
    QListView *ListView1 = nullptr; // the screens found
    QLabel *Label1 = nullptr;       // the count
    QStatusBar *Status = nullptr;   // holds the count, named by it
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *Button1 = nullptr; // open the selected screen (the default button)
    QPushButton *Button2 = nullptr; // close

    // Searches the screens read so far for the text of Edit1 (the typing pause ends here).
    void Edit1Change();
    // Opens the selected result (the first one when none is selected).
    void Button1Click();

    // Whether the course is still being read.
    bool reading() const { return m_reading; }
    // Whether the last reading went through to the end (false when it was cancelled).
    bool readingComplete() const { return m_complete; }
    int screensRead() const { return int(m_screens.size()); }
    int resultCount() const;

    // How long typing must pause before the search runs.
    static constexpr int TypingPauseMs = 250;

signals:
    void readingFinished();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void startReading();
    void addBatch(std::vector<search::ScreenText> &&batch);
    void showProgress(int done, int total);
    void finishReading(bool complete);
    void cancelReading();
    void updateCount();

    Session &m_session;
    OpenScreen m_open;
    search::ResultsModel *m_model = nullptr;
    QTimer *m_typing = nullptr;
    std::vector<search::ScreenText> m_screens;
    search::Query m_query;
    std::shared_ptr<std::atomic_bool> m_cancel;
    QString m_countText;
    QString m_readingText;
    bool m_started = false;
    bool m_reading = false;
    bool m_complete = false;
};

} // namespace lumora
