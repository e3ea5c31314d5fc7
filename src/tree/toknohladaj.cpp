#include "tree/toknohladaj.h"

#include "config/keys.h"
#include "platform/accesskeys.h"
#include "platform/accessiblenames.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "course/contentfile.h"
#include "course/contentfileitems.h"
#include "screens/itemfiles.h"
#include "state/session.h"
#include "course/visits.h"
#include "course/coursecheck.h"
#include "tree/coursetreemodel.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace lumora {

namespace {

// The hourglass for the span of a scope.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

TOknoHladaj::TOknoHladaj(Session &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    secondCopyProgram = QCoreApplication::applicationFilePath();
    setObjectName(QStringLiteral("TOknoHladaj"));
    resize(620, 470);

    menuBar = named(new QMenuBar(this), "MainMenu1");
    Hadanie1 = named(menuBar->addAction(QStringLiteral("Hľadaj")), "Hadanie1");
    Hadanieintegrity1 = named(menuBar->addAction(QStringLiteral("Kontrola integrity")), "Hadanieintegrity1");

    Label1 = named(new QLabel(this), "Label1");
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    TreeView1 = named(new QTreeView(this), "TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setUniformRowHeights(true);
    TreeView1->setMouseTracking(true);
    TreeView1->setExpandsOnDoubleClick(false);
    // One column as wide as its captions need, scrolled sideways when deep or long.
    TreeView1->header()->setStretchLastSection(false);
    TreeView1->header()->setSectionResizeMode(QHeaderView::Interactive);
    TreeView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TreeView1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->hide();

    Label3 = named(new QLabel(this), "Label3");
    Label3->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Panel1 = named(new QFrame(this), "Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Label2 = named(new QLabel(QStringLiteral("Hľadaj text:"), Panel1), "Label2");
    Edit1 = named(new QLineEdit(Panel1), "Edit1");
    Button2 = named(new QPushButton(Panel1), "Button2");
    Button3 = named(new QPushButton(Panel1), "Button3");
    Button4 = named(new QPushButton(Panel1), "Button4");
    auto *search = new QHBoxLayout(Panel1);
    search->addWidget(Label2);
    search->addWidget(Edit1, 1);
    search->addWidget(Button2);
    search->addWidget(Button4);
    search->addWidget(Button3);
    Panel1->hide();
    Button3->hide();
    Button4->hide();

    Button5 = named(new QPushButton(this), "Button5");
    Button5->hide();
    Button1 = named(new QPushButton(QStringLiteral("Návrat"), this), "Button1");
    // Enter in the search box searches; no button of the window is pressed by an Enter
    // meant for another control.
    for (QPushButton *button : {Button2, Button3, Button4, Button5, Button1})
        button->setAutoDefault(false);
    accessible::label(Label2, Edit1);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(Label1);
    auto *over = new QGridLayout; // the integrity list lies over the tree
    over->addWidget(TreeView1, 0, 0);
    over->addWidget(Memo1, 0, 0);
    layout->addLayout(over, 1);
    layout->addWidget(Label3);
    layout->addWidget(Panel1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button5);
    buttons->addWidget(Button1);
    layout->addLayout(buttons);

    auto handle = [this](auto member) { return [this, member] { guarded([this, member] { (this->*member)(); }); }; };
    connect(Hadanie1, &QAction::triggered, this, handle(&TOknoHladaj::Hadanie1Click));
    connect(Hadanieintegrity1, &QAction::triggered, this, handle(&TOknoHladaj::open));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, handle(&TOknoHladaj::Button2Click));
    connect(Button3, &QPushButton::clicked, this, handle(&TOknoHladaj::Button3Click));
    connect(Button4, &QPushButton::clicked, this, handle(&TOknoHladaj::Button4Click));
    connect(Button5, &QPushButton::clicked, this, handle(&TOknoHladaj::Button5Click));
    connect(Edit1, &QLineEdit::textEdited, this, handle(&TOknoHladaj::Edit1Enter));
    connect(Edit1, &QLineEdit::returnPressed, this, handle(&TOknoHladaj::Edit1Return));
    connect(TreeView1, &QTreeView::doubleClicked, this, handle(&TOknoHladaj::SpustiSubor));
    Edit1->installEventFilter(this);
    TreeView1->installEventFilter(this);

    // The keyboard path: Tab follows the layout, F10 opens the menu, Ctrl+F the search.
    const QList<QWidget *> order{TreeView1, Memo1, Edit1, Button2, Button4, Button3, Button5, Button1};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    auto *menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("MenuKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, [this] { guarded([this] { openMenu(); }); });
    addAction(menuKey);
    auto *findKey = new QAction(this);
    findKey->setObjectName(QStringLiteral("FindKey"));
    findKey->setShortcut(QKeySequence::Find);
    connect(findKey, &QAction::triggered, this, [this] {
        if (Hadanie1->isEnabled())
            Hadanie1->trigger();
    });
    addAction(findKey);
}

void TOknoHladaj::openMenu()
{
    // The menu bar's entries as a menu below it, the first one current.
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("TreeMenu"));
    for (QAction *entry : menuBar->actions()) {
        if (entry->isVisible())
            menu.addAction(entry);
    }
    if (menu.actions().isEmpty())
        return;
    menu.setActiveAction(menu.actions().first());
    menu.exec(menuBar->mapToGlobal(QPoint(0, menuBar->height())));
}

TOknoHladaj::~TOknoHladaj() = default;

QString TOknoHladaj::courseFolder() const
{
    return m_session.levelFolderPath(m_session.course.CurrentLevel);
}

void TOknoHladaj::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Built once per opening; regaining the focus later does not build it again.
    if (m_built)
        return;
    m_built = true;
    guarded([this] { FormActivate(); });
}

bool TOknoHladaj::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::FocusIn)
        guarded([this] { Edit1Enter(); });
    // Enter or Space on a node opens it, as a double-click does.
    if (watched == TreeView1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool open = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
        if (open && !(key->modifiers() & ~Qt::KeypadModifier)) {
            guarded([this] { SpustiSubor(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TOknoHladaj::FormActivate()
{
    Session &s = m_session;
    const CourseState &c = s.course;
    Button2->setText(s.ConfigText(keys::WindowSearchFind));
    Button3->setText(s.ConfigText(keys::WindowSearchShow));
    Button4->setText(s.ConfigText(keys::WindowSearchNext));
    Button5->setText(s.ConfigText(keys::CloseControl));
    Hadanie1->setText(accesskeys::withAccessKey(s.ConfigText(keys::MenuSearch), QStringLiteral("&Hľadaj")));
    Hadanieintegrity1->setText(
        accesskeys::withAccessKey(s.ConfigText(keys::MenuIntegrity), QStringLiteral("&Kontrola integrity")));
    setWindowTitle(s.ConfigText(keys::MenuTree));
    Hadanieintegrity1->setVisible(s.programFolderWritable());
    accessible::name(Memo1, s, keys::MissingFiles);

    const QString courseName = c.LevelFolder[c.CurrentLevel];
    Label1->setText(courseName);
    // The tree is named by the course title above it.
    accessible::label(Label1, TreeView1);
    {
        WaitCursor wait;
        TreeView1->hide();
        TreeView1->setModel(nullptr);
        m_model =
            std::make_unique<tree::CourseTreeModel>(course::walkCourse(courseFolder(), courseName, c.ContentFileName));
        m_model->setVisited(course::progress::visitedOf(s, c.CurrentLevel), s.ConfigText(keys::Visited));
        TreeView1->setModel(m_model.get());
        TreeView1->expandAll();
        TreeView1->resizeColumnToContents(0);
        connect(TreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this] { guarded([this] { TreeView1Click(); }); });
        selectNode(0);
        TreeView1->show();
    }
    Label3->setText(m_model->tree().filePath(0));
    if (m_model->tree().truncated()) {
        messages::notify(s, messages::Kind::Warning,
                         keys::withDefault(keys::TreeLimit, keys::TreeLimit.defaultValue().arg(m_model->tree().size())),
                         QString(), this);
    }
}

int TOknoHladaj::selectedNode() const
{
    return tree::CourseTreeModel::nodeOf(TreeView1->currentIndex());
}

void TOknoHladaj::selectNode(int node)
{
    const QModelIndex index = m_model->indexOfNode(node);
    TreeView1->setCurrentIndex(index);
    TreeView1->scrollTo(index);
    // The column is measured on the first rows only; a deeper or longer caption widens
    // it, and the view scrolls sideways so that the caption's start is in sight.
    const int indent = TreeView1->indentation();
    const int start = indent * (m_model->tree().node(node).depth + 1);
    const int width = start + TreeView1->fontMetrics().horizontalAdvance(m_model->tree().node(node).caption) + indent;
    QHeaderView *header = TreeView1->header();
    if (header->sectionSize(0) < width)
        header->resizeSection(0, width);
    QScrollBar *sideways = TreeView1->horizontalScrollBar();
    const int room = TreeView1->viewport()->width();
    sideways->setRange(0, qMax(sideways->maximum(), header->sectionSize(0) - room));
    if (start < sideways->value() || start + indent > sideways->value() + room)
        sideways->setValue(qMax(0, start - indent));
}

void TOknoHladaj::TreeView1Click()
{
    const int node = selectedNode();
    if (node >= 0)
        Label3->setText(m_model->tree().filePath(node));
}

void TOknoHladaj::Hadanie1Click()
{
    Panel1->show();
    Edit1->setFocus();
}

void TOknoHladaj::Edit1Enter()
{
    Button2->setEnabled(true);
}

void TOknoHladaj::Edit1Return()
{
    // The first search, then the next match each time.
    if (Button2->isEnabled())
        Button2Click();
    else
        Button4Click();
}

bool TOknoHladaj::scan()
{
    const int found = m_model ? course::findCaption(m_model->tree(), Edit1->text(), SearchPosition) : -1;
    if (found >= 0) {
        SearchPosition = found;
        selectNode(found);
        Button3->show();
        Button4->show();
        Button2->setEnabled(false);
        return true;
    }
    messages::notify(m_session, messages::Kind::Warning, keys::NotFound, QString(), this);
    Button2->setEnabled(true);
    // The focus stays in the search panel when the buttons holding it go.
    const bool focused = Button3->hasFocus() || Button4->hasFocus();
    Button3->hide();
    Button4->hide();
    if (focused)
        Edit1->setFocus();
    return false;
}

void TOknoHladaj::Button2Click()
{
    if (Edit1->text().isEmpty()) {
        messages::notify(m_session, messages::Kind::Warning, keys::Nothing, QString(), this);
        Edit1->setFocus();
        return;
    }
    SearchPosition = 0;
    scan();
}

void TOknoHladaj::Button4Click()
{
    ++SearchPosition;
    scan();
}

void TOknoHladaj::Button3Click()
{
    SpustiSubor();
    Panel1->show();
}

void TOknoHladaj::SpustiSubor()
{
    const int node = selectedNode();
    if (!m_model || node < 0)
        return;
    Session &s = m_session;
    const course::CourseTree &tree = m_model->tree();
    const QString ref = tree.node(node).reference;
    Panel1->hide();
    const QString folder = courseFolder();
    const QString refPath = paths::join(folder, ref);
    const course::TargetParts parts = course::splitTarget(ref);

    switch (course::itemKind(ref)) {
    case course::ItemKind::Screen: {
        if (ref.isEmpty() || !paths::fileExists(refPath) || !paths::inside(refPath, s.values.ProgramDir)) {
            messages::notify(s, messages::Kind::Warning, keys::Text, QString(), this);
            return;
        }
        if (course::tooLargeForContent(refPath)) {
            messages::notify(s, messages::Kind::Warning, keys::ContentTooLarge, QLatin1Char(' ') + ref, this);
            return;
        }
        // The second copy gets the file and the caption path as two whole arguments.
        setEnabled(false);
        process::RunAndWait(secondCopyProgram, s.values.ProgramDir, QStringList{refPath, tree.captionPath(node)});
        setEnabled(true);
        return;
    }
    case course::ItemKind::Demonstration: runDemonstration(s, folder, parts, this); return;
    case course::ItemKind::Picture: showPicture(s, folder, ref, this); return;
    case course::ItemKind::Shell: openShellItem(s, folder, ref, this); return;
    }
}

void TOknoHladaj::open()
{
    if (!m_model)
        return;
    Session &s = m_session;
    const CourseState &c = s.course;
    WaitCursor wait;
    Hadanieintegrity1->setEnabled(false);
    Hadanie1->setEnabled(false);
    Label3->hide();
    Panel1->hide();
    const QString courseName = c.LevelFolder[c.CurrentLevel];
    // One blank between the course name and the title, whatever the text table holds.
    Label1->setText(courseName + QLatin1Char(' ') + s.ConfigText(keys::MissingFiles).trimmed());
    QStringList lines = course::integrityList(
        m_model->tree(), courseName, s.ConfigText(keys::withDefault(keys::AllAround, course::defaultAllAroundText())));
    // A clean course says so rather than showing an empty list.
    if (lines.size() <= 2)
        lines.append(s.ConfigText(keys::NothingMissing));
    Memo1->setPlainText(lines.join(u'\n'));
    const course::ListScrollBars bars = course::listScrollBars(lines);
    Memo1->setHorizontalScrollBarPolicy(bars.horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(bars.vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    TreeView1->hide();
    Memo1->show();
    Button5->show();
}

void TOknoHladaj::Button5Click()
{
    const CourseState &c = m_session.course;
    Memo1->hide();
    Button5->hide();
    TreeView1->show();
    Hadanieintegrity1->setEnabled(true);
    Hadanie1->setEnabled(true);
    Label1->setText(c.LevelFolder[c.CurrentLevel]);
    // The path label shows the selected node again.
    const int node = selectedNode();
    if (m_model)
        Label3->setText(m_model->tree().filePath(node >= 0 ? node : 0));
    Label3->show();
}

} // namespace lumora
