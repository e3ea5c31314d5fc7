#include "search/lessonfindbar.h"

#include "config/keys.h"
#include "platform/textlookup.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <utility>

namespace lumora::search {

namespace {

QTextCursor cursorOver(QTextDocument *document, const TextRange &range)
{
    QTextCursor cursor(document);
    cursor.setPosition(int(range.start));
    cursor.setPosition(int(range.start + range.length), QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

LessonFindBar &LessonFindBar::of(QTextEdit &pane, TextLookup &texts)
{
    for (auto *bar : pane.parentWidget()->findChildren<LessonFindBar *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (&bar->m_pane == &pane)
            return *bar;
    }
    return *new LessonFindBar(pane, texts);
}

LessonFindBar::LessonFindBar(QTextEdit &pane, TextLookup &texts)
    : QFrame(pane.parentWidget()), m_pane(pane), m_texts(texts)
{
    setObjectName(QStringLiteral("LessonFindBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(4);
    m_label = new QLabel(this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("FindEdit"));
    m_field->setClearButtonEnabled(true);
    m_label->setBuddy(m_field);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("FindCount"));
    const auto button = [this](const char *name, Qt::ArrowType arrow) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setArrowType(arrow);
        b->setAutoRaise(true);
        return b;
    };
    m_previous = button("FindPrevious", Qt::UpArrow);
    m_next = button("FindNext", Qt::DownArrow);
    m_close = button("FindClose", Qt::NoArrow);
    m_close->setText(QStringLiteral("✕"));
    row->addWidget(m_label);
    row->addWidget(m_field, 1);
    row->addWidget(m_count);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(m_close);
    applyCaptions();

    connect(m_field, &QLineEdit::textChanged, this, [this] { search(); });
    connect(m_previous, &QToolButton::clicked, this, &LessonFindBar::previous);
    connect(m_next, &QToolButton::clicked, this, &LessonFindBar::next);
    connect(m_close, &QToolButton::clicked, this, &LessonFindBar::close);
    connect(m_pane.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { paintVisible(); });
    connect(m_pane.horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { paintVisible(); });
    connect(m_pane.document(), &QTextDocument::contentsChanged, this, [this] {
        m_stale = true;
        if (isVisible())
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_stale && isVisible())
                        search();
                },
                Qt::QueuedConnection);
    });
    m_field->installEventFilter(this);
    m_pane.installEventFilter(this);
    hide();
}

void LessonFindBar::applyCaptions()
{
    m_label->setText(m_texts.ConfigText(keys::FindLessonLabel));
    for (QWidget *clear : m_field->findChildren<QWidget *>())
        clear->setAccessibleName(m_texts.ConfigText(keys::WindowFindClear));
    m_previous->setToolTip(m_texts.ConfigText(keys::FindLessonPrevious));
    m_next->setToolTip(m_texts.ConfigText(keys::FindLessonNext));
    m_close->setToolTip(m_texts.ConfigText(keys::FindLessonClose));
    for (QToolButton *b : {m_previous, m_next, m_close})
        b->setAccessibleName(b->toolTip());
}

void LessonFindBar::place()
{
    const int height = sizeHint().height();
    setGeometry(m_pane.x(), m_pane.y(), m_pane.width(), height);
    raise();
    emit covers(height);
}

void LessonFindBar::open()
{
    place();
    QFrame::show();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
    search();
}

void LessonFindBar::openWith(const QString &words)
{
    place();
    QFrame::show();
    m_field->blockSignals(true);
    m_field->setText(words);
    m_field->blockSignals(false);
    m_pane.moveCursor(QTextCursor::Start);
    m_closeIfNone = true;
    search();
}

void LessonFindBar::close()
{
    ++m_generation;
    hide();
    emit covers(0);
    m_found.clear();
    m_current = -1;
    m_pane.setExtraSelections({});
    m_pane.setFocus(Qt::OtherFocusReason);
}

void LessonFindBar::search()
{
    if (m_stale) {
        m_text = FoldedText(m_pane.document()->toPlainText(), false);
        m_stale = false;
    }
    ++m_generation;
    m_scan = Scan(parseQuery(m_field->text()));
    m_found.clear();
    m_longest = 0;
    m_current = -1;
    // While typing, the first place from the caret on is the current one.
    m_from = m_pane.textCursor().selectionStart();
    searchSlice();
}

bool LessonFindBar::searching() const
{
    return !m_text.complete() || m_scan.scanned() < m_text.folded().size();
}

void LessonFindBar::searchSlice()
{
    if (!m_text.complete())
        m_text.foldMore(FoldSlice);
    const qsizetype folded = m_text.folded().size();
    // Before the end of the text is folded, a place must lie wholly in what is.
    const qsizetype end = m_text.complete() ? folded : folded - m_scan.longestTerm() + 1;
    const size_t before = m_found.size();
    m_scan.run(m_text, std::min(end, m_scan.scanned() + SearchSlice), m_found);
    for (size_t i = before; i < m_found.size(); ++i)
        m_longest = std::max(m_longest, m_found[i].length);
    if (m_current < 0) {
        const size_t at = firstStartingAt(m_found, m_from);
        if (at < m_found.size())
            showPlace(int(at));
    }
    if (searching()) {
        const quint64 generation = m_generation;
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == m_generation && !m_stale)
                searchSlice();
        });
        paintVisible();
        showCount();
        return;
    }
    const bool closeIfNone = std::exchange(m_closeIfNone, false);
    if (m_current < 0 && !m_found.empty())
        showPlace(0); // none after the caret: the first one
    if (m_found.empty() && closeIfNone) {
        close();
        return;
    }
    paintVisible();
    showCount();
}

void LessonFindBar::showPlace(int index)
{
    m_current = index;
    m_pane.setTextCursor(cursorOver(m_pane.document(), m_found[size_t(index)]));
    m_pane.ensureCursorVisible();
    paintVisible();
    showCount();
}

void LessonFindBar::step(bool forward)
{
    if (isHidden()) {
        open();
        return;
    }
    if (m_stale)
        search();
    if (m_found.empty())
        return;
    const QTextCursor caret = m_pane.textCursor();
    const int n = int(m_found.size());
    int index;
    if (forward) {
        index = int(firstStartingAt(m_found, caret.selectionStart() + 1));
        if (index >= n)
            index = 0;
    } else {
        index = int(firstStartingAt(m_found, caret.selectionStart())) - 1;
        if (index < 0)
            index = n - 1;
    }
    showPlace(index);
}

void LessonFindBar::next()
{
    step(true);
}

void LessonFindBar::previous()
{
    step(false);
}

void LessonFindBar::paintVisible()
{
    if (m_found.empty() || isHidden()) {
        m_pane.setExtraSelections({});
        return;
    }
    const QRect view = m_pane.viewport()->rect();
    const int first = m_pane.cursorForPosition(view.topLeft()).position();
    const int last = m_pane.cursorForPosition(view.bottomRight()).position();
    QTextCharFormat all;
    all.setBackground(otherMatchColour());
    all.setForeground(Qt::black);
    QTextCharFormat current;
    current.setBackground(currentMatchColour());
    current.setForeground(Qt::black);
    QList<QTextEdit::ExtraSelection> marks;
    QTextDocument *document = m_pane.document();
    // Only places that may be in view; a bounded number however many there are.
    for (size_t i = firstStartingAt(m_found, first - m_longest); i < m_found.size() && m_found[i].start <= last; ++i) {
        const bool isCurrent = int(i) == m_current;
        marks.append({cursorOver(document, m_found[i]), isCurrent ? current : all});
    }
    m_pane.setExtraSelections(marks);
}

void LessonFindBar::showCount()
{
    if (m_field->text().trimmed().isEmpty())
        m_count->clear();
    else if (m_found.empty() && !searching())
        m_count->setText(m_texts.ConfigText(keys::FindLessonNone));
    else
        m_count->setText(QStringLiteral("%1 / %2%3")
                             .arg(m_current + 1)
                             .arg(m_found.size())
                             .arg(searching() ? QStringLiteral("…") : QString()));
}

bool LessonFindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            step(!(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    if (watched == &m_pane && isVisible()) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            place();
        if (event->type() == QEvent::Resize)
            paintVisible();
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void showSearchedWords(QTextEdit &pane, TextLookup &texts)
{
    const QString words = qEnvironmentVariable(SearchedWordsVariable);
    if (!words.trimmed().isEmpty() && !pane.isHidden())
        LessonFindBar::of(pane, texts).openWith(words);
}

} // namespace lumora::search
