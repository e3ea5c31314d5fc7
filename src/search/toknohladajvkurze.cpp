#include "search/toknohladajvkurze.h"

#include "config/keys.h"
#include "platform/accessiblenames.h"
#include "platform/guard.h"
#include "search/coursereading.h"
#include "search/resultslist.h"
#include "state/session.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace lumora {

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

TOknoHladajVKurze::TOknoHladajVKurze(Session &session, OpenScreen open, QWidget *parent)
    : QDialog(parent), m_session(session), m_open(std::move(open))
{
    setObjectName(QStringLiteral("TOknoHladajVKurze"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setWindowTitle(session.ConfigText(keys::MenuFind));
    m_countText = session.ConfigText(keys::WindowFindCount);
    m_readingText = session.ConfigText(keys::WindowFindReading);

    auto *layout = new QVBoxLayout(this);
    auto *field = new QHBoxLayout;
    Label2 = named(new QLabel(session.ConfigText(keys::WindowFindText), this), "Label2");
    Edit1 = named(new QLineEdit(this), "Edit1");
    Edit1->setClearButtonEnabled(true);
    for (QWidget *clear : Edit1->findChildren<QWidget *>())
        accessible::name(clear, session, keys::WindowFindClear);
    Label2->setBuddy(Edit1);
    field->addWidget(Label2);
    field->addWidget(Edit1, 1);
    layout->addLayout(field);

    ListView1 = named(new QListView(this), "ListView1");
    ListView1->setUniformItemSizes(true);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_model = new search::ResultsModel(m_screens, this);
    ListView1->setModel(m_model);
    ListView1->setItemDelegate(new search::ResultsDelegate(ListView1));
    layout->addWidget(ListView1, 1);
    accessible::name(ListView1, session, keys::WindowFindResults);

    auto *bottom = new QHBoxLayout;
    Label1 = named(new QLabel(this), "Label1");
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMaximumWidth(160);
    ProgressBar1->hide();
    Button1 = named(new QPushButton(session.ConfigText(keys::WindowFindShow), this), "Button1");
    Button2 = named(new QPushButton(session.ConfigText(keys::WindowFindClose), this), "Button2");
    Button1->setDefault(true);
    Button1->setEnabled(false);
    Button2->setAutoDefault(false);
    // The count stands in a status bar, which screen readers read as the window's status.
    Status = named(new QStatusBar(this), "Status");
    Status->setSizeGripEnabled(false);
    Status->addWidget(Label1, 1);
    bottom->addWidget(Status, 1);
    bottom->addWidget(ProgressBar1);
    bottom->addWidget(Button1);
    bottom->addWidget(Button2);
    layout->addLayout(bottom);

    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(TypingPauseMs);
    connect(Edit1, &QLineEdit::textChanged, m_typing, qOverload<>(&QTimer::start));
    connect(m_typing, &QTimer::timeout, this, [this] { guarded([this] { Edit1Change(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListView1, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        ListView1->setCurrentIndex(index);
        guarded([this] { Button1Click(); });
    });

    resize(720, 480);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    updateCount();
}

TOknoHladajVKurze::~TOknoHladajVKurze()
{
    cancelReading();
}

int TOknoHladajVKurze::resultCount() const
{
    return m_model->rowCount();
}

void TOknoHladajVKurze::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        Edit1->setFocus();
        guarded([this] { startReading(); });
    }
}

void TOknoHladajVKurze::done(int result)
{
    m_typing->stop();
    cancelReading();
    QDialog::done(result);
}

void TOknoHladajVKurze::Edit1Change()
{
    m_typing->stop();
    m_query = search::parseQuery(Edit1->text());
    m_model->setResults(m_query, search::findScreens(m_query, m_screens));
    if (m_model->rowCount() > 0)
        ListView1->setCurrentIndex(m_model->index(0));
    updateCount();
}

void TOknoHladajVKurze::Button1Click()
{
    // Typing not yet searched is searched first, so the result opened is one shown for
    // the text in the field.
    if (m_typing->isActive())
        Edit1Change();
    QModelIndex index = ListView1->currentIndex();
    if (!index.isValid())
        index = m_model->index(0);
    if (!index.isValid() || !m_open)
        return;
    const search::Hit &hit = m_model->hit(index.row());
    const search::ScreenText &screen = m_screens.at(size_t(hit.screen));
    setEnabled(false);
    const auto enable = qScopeGuard([this] { setEnabled(true); });
    m_open(screen.reference, screen.places.value(hit.place).captionPath);
}

void TOknoHladajVKurze::startReading()
{
    const search::CourseRequest request = search::courseRequest(m_session);
    if (!m_session.searchCache)
        m_session.searchCache = std::make_shared<search::FormattedTextCache>();
    std::shared_ptr<search::FormattedTextCache> cache = m_session.searchCache;
    m_cancel = std::make_shared<std::atomic_bool>(false);
    std::shared_ptr<std::atomic_bool> cancel = m_cancel;

    // The worker reports to a relay that lives until the worker has ended, and the
    // relay hands on to this window only while it exists: the worker never touches a
    // widget, and nothing it sends can reach a window already closed.
    auto *relay = new QObject;
    const QPointer<TOknoHladajVKurze> self(this);
    const auto post = [relay, self](auto step) {
        QMetaObject::invokeMethod(
            relay,
            [self, step] {
                if (self)
                    step(*self);
            },
            Qt::QueuedConnection);
    };
    search::ReadingSink sink;
    sink.cancelled = [cancel] { return cancel->load(); };
    sink.progress = [post](int done, int total) {
        post([done, total](TOknoHladajVKurze &w) { w.showProgress(done, total); });
    };
    sink.batch = [post](std::vector<search::ScreenText> &&batch) {
        auto shared = std::make_shared<std::vector<search::ScreenText>>(std::move(batch));
        post([shared](TOknoHladajVKurze &w) { w.addBatch(std::move(*shared)); });
    };
    QThread *thread = QThread::create([request, cache, sink, post] {
        bool complete = false;
        try {
            complete = search::readCourse(request, *cache, sink);
        } catch (...) {
            // Whatever was read has been shown; the rest is left out.
        }
        post([complete](TOknoHladajVKurze &w) { w.finishReading(complete); });
    });
    thread->setObjectName(QStringLiteral("course search reading"));
    connect(thread, &QThread::finished, relay, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    // A reading still under way when the program ends is waited for, so it never
    // outlives the application.
    connect(qApp, &QCoreApplication::aboutToQuit, thread, [thread] { thread->wait(); });
    m_reading = true;
    ProgressBar1->setRange(0, 0);
    ProgressBar1->show();
    updateCount();
    thread->start(QThread::LowPriority);
}

void TOknoHladajVKurze::addBatch(std::vector<search::ScreenText> &&batch)
{
    const int first = int(m_screens.size());
    for (search::ScreenText &screen : batch)
        m_screens.push_back(std::move(screen));
    if (!m_query.isEmpty()) {
        const bool hadRows = m_model->rowCount() > 0;
        QList<search::Hit> hits;
        for (int i = first; i < int(m_screens.size()); ++i) {
            search::Hit hit{i};
            if (search::matches(m_query, m_screens[size_t(i)], hit))
                hits.append(hit);
        }
        m_model->addResults(hits);
        if (!hadRows && m_model->rowCount() > 0)
            ListView1->setCurrentIndex(m_model->index(0));
    }
    updateCount();
}

void TOknoHladajVKurze::showProgress(int done, int total)
{
    ProgressBar1->setRange(0, std::max(total, 1));
    ProgressBar1->setValue(done);
}

void TOknoHladajVKurze::finishReading(bool complete)
{
    m_complete = complete;
    m_reading = false;
    ProgressBar1->hide();
    updateCount();
    emit readingFinished();
}

void TOknoHladajVKurze::cancelReading()
{
    if (m_cancel)
        m_cancel->store(true);
    m_reading = false;
}

void TOknoHladajVKurze::updateCount()
{
    const int found = m_model->rowCount();
    Button1->setEnabled(found > 0);
    QString text;
    if (!m_query.isEmpty())
        text = m_countText + QLatin1Char(' ') + QString::number(found);
    if (m_reading) {
        if (!text.isEmpty())
            text += QStringLiteral("   ");
        text += m_readingText;
    }
    Label1->setText(text);
    Status->setAccessibleName(text);
}

} // namespace lumora
