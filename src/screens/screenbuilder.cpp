// Building a level's screen when its window is activated: the root screen with one
// button per course folder, or a content screen from its content file.
#include "app/tform1.h"
#include "config/keys.h"
#include "personal/workfiles.h"
#include "platform/filelock.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "rtf/rtfreader.h"
#include "screens/contentfile.h"
#include "screens/contentfileitems.h"
#include "screens/contentfilenames.h"
#include "screens/coursecolumn.h"
#include "screens/folderlist.h"
#include "screens/layout.h"
#include "screens/resumetrail.h"
#include "screens/startscreen.h"
#include "state/session.h"
#include "text/formattedfile.h"
#include "text/lessonpane.h"
#include "text/paneediting.h"

#include <QAction>
#include <QButtonGroup>
#include <QScopeGuard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

namespace lumora {

namespace {

int u(const Session &s)
{
    return s.values.ScaleTenths > 0 ? s.values.ScaleTenths : 10;
}

// Loads a picture into the background; a missing or unreadable picture is skipped.
bool loadBackground(QLabel *image, const QString &path)
{
    const QString found = paths::existingFile(path);
    if (found.isEmpty())
        return false;
    QPixmap picture(found);
    if (picture.isNull())
        return false;
    image->setPixmap(picture);
    return true;
}

// The picture of a lesson button, by the kind of its target or as the exam button
// (its caption is examCaption).
QString buttonPicture(const Session &s, const QString &caption, const QString &target, const QString &courseFolder,
                      const QString &examCaption)
{
    const QString program = s.values.ProgramDir;
    QStringList candidates;
    if (caption == examCaption) {
        candidates << paths::join(courseFolder, QStringLiteral("EXAM.BMP")) << paths::join(program, QStringLiteral("EXAM.BMP"));
    } else {
        const QString kind = content::kindCode(target);
        candidates << paths::join(courseFolder, kind + QStringLiteral(".BMP"))
                   << paths::join(program, kind + QStringLiteral(".BMP"))
                   << paths::join(program, kind == QLatin1String("TXT") ? QStringLiteral("Text.BMP") : QStringLiteral("Play.BMP"));
    }
    for (const QString &candidate : candidates) {
        const QString found = paths::existingFile(candidate);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

// "FONTSIZE BUTTON" as the set-up reads it: digits give the size, anything else follows
// the screen width or keeps the set-up's size.
int buttonFontSize(Session &s)
{
    return startup::buttonFontSize(s.ConfigText(keys::FontsizeButton),
                                   s.values.ScreenWidth, s.values.ButtonFontSize);
}

// The window's font at the size the set-up chose.
void applyStartFont(QWidget &window, const Session &s)
{
    QFont windowFont = window.font();
    if (s.values.ButtonFontSize > 0)
        windowFont.setPointSize(s.values.ButtonFontSize);
    window.setFont(windowFont);
}

// Whether window already shows a built level below level. The root screen leaves the
// level its course buttons open as the current one; activated again before a course is
// entered, it only shows itself again and does not build that level into itself.
bool showsLevelBelow(const CourseState &c, const QObject *window, int level)
{
    for (int k = 1; k < level && CourseState::validLevel(k); ++k) {
        if (c.LevelBuilt[size_t(k)] && c.LevelWindow[size_t(k)] == window)
            return true;
    }
    return false;
}

void setFontSize(QWidget *widget, int size)
{
    if (size <= 0 || widget->font().pointSize() == size)
        return;
    QFont f = widget->font();
    f.setPointSize(size);
    widget->setFont(f);
}

} // namespace

QList<QWidget *> TForm1::columnControls() const
{
    QList<QWidget *> controls;
    for (QWidget *w : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->objectName().startsWith(QLatin1String("Button")))
            controls << w;
    }
    return controls;
}

QPushButton *TForm1::addColumnButton(const QString &name, int width, int &windowHeight)
{
    Session &s = m_session;
    const int unit = u(s);
    auto *button = new QPushButton(client);
    button->setObjectName(name);
    const int top = layout::buttonTop(s.course.LayoutTop, unit);
    const int h = layout::buttonHeight(unit);
    button->setGeometry(layout::buttonLeft(s.values.WindowWidth, width, unit), top, width, h);
    if (layout::windowMustGrow(top, h, windowHeight, unit)) {
        windowHeight += layout::growth(unit);
        placeWindow(x(), y(), this->width(), windowHeight);
    }
    // While the screen is built its client is hidden: the button shows with it.
    if (!client->isHidden())
        button->show();
    return button;
}

void TForm1::FormActivate()
{
    Session &s = m_session;
    CourseState &c = s.course;
    applyStartFont(*this, s);
    // "FONTSIZE BUTTON" cannot fail (any text has a size); "FONTSIZE MEMO" must be a number.
    s.ConfigInt(keys::FontsizeMemo);

    if (s.values.WindowWidth < 112)
        EndProgram();

    const int level = c.CurrentLevel;
    if (!CourseState::validLevel(level))
        return;
    // A built screen is only shown again, its links as its build left them.
    if (c.LevelBuilt[size_t(level)] || showsLevelBelow(c, this, level)) {
        commonTail();
        return;
    }
    if (ContentMissing || !paths::folderExists(s.values.TempDir)) {
        EndProgram();
        commonTail();
        return;
    }
    buildScreen();
    commonTail();
}

void TForm1::buildScreen()
{
    Session &s = m_session;
    CourseState &c = s.course;
    const int level = c.CurrentLevel;
    applyStartFont(*this, s);
    c.LevelBuilt[size_t(level)] = 1;

    // The user's own links of this screen, named as the links window names them.
    ComboBox2->clear();
    ComboBox2->addItems(personal::linksForBox(s, level));
    const bool hasLinks = ComboBox2->count() > 0;
    ComboBox2->setVisible(hasLinks);
    Label4->setVisible(hasLinks);
    ComboBox2->setCurrentIndex(hasLinks ? 0 : -1);

    s.writeLevelFile();

    // The screen is shown once, when it is complete.
    const bool wasHidden = client->isHidden();
    client->hide();
    const auto reveal = qScopeGuard([this, wasHidden] { client->setVisible(!wasHidden); });
    if (level > 1 || s.values.isSearchInstance())
        buildContentScreen(level);
    else
        buildRootScreen();
}

void TForm1::commonTail()
{
    Session &s = m_session;
    CourseState &c = s.course;
    const int level = c.CurrentLevel;
    const bool inCourse = CourseState::validLevel(level) && !c.LevelFolder[size_t(level)].isEmpty();
    if (Editciatextu1->menuAction()->isEnabled())
        Editciatextu1->menuAction()->setVisible(inCourse && s.programFolderWritable());
    if (Hadaj1->isEnabled())
        Hadaj1->setEnabled(inCourse);
    if (c.EditorSaved) {
        c.EditorSaved = false;
        startEditing();
    }
    const int unit = u(s);
    SpeedButton1->move(ComboBox1->x(), ComboBox1->y() + ComboBox1->height() + 15);
    SpeedButton2->move(SpeedButton1->x() + SpeedButton1->width() + 2 * unit, SpeedButton1->y());
    Zoom1->setVisible(!Memo1->isHidden());
    for (QAction *reading : {Hadavlekcii1, Tlaclekciu1, Pdflekcie1})
        reading->setEnabled(!Memo1->isHidden());
}

void TForm1::buildContentScreen(int level)
{
    Session &s = m_session;
    CourseState &c = s.course;
    const int unit = u(s);

    Koprovanie1->setEnabled(true);
    Label2->show();
    ComboBox1->show();

    Button1->setVisible(personal::noteExists(s, level));

    Label1->show();
    Label6->show();
    const int memoSize = s.ConfigInt(keys::FontsizeMemo);
    setFontSize(Memo1, memoSize);
    Memo1->setReadOnly(true);
    Memo1->setEnabled(true);
    m_paneEditing->endForBuild();

    const QString folder = s.levelFolderPath(level);
    const QString contentPath = s.contentFilePath(level);
    const content::ContentFile file = content::readContentFile(contentPath);
    content::storeScreenLines(c, level, file);
    BackgroundFile = file.backgroundName;
    if (!BackgroundFile.isEmpty())
        loadBackground(Image1, paths::join(folder, BackgroundFile));
    else
        loadBackground(Image1, paths::join(folder, QStringLiteral("POZADIE.BMP")));

    c.LayoutTop = layout::FirstLayoutTop;

    // The whole title path stays in the tooltip; the line shows it elided (below).
    QString title;
    if (s.values.isSearchInstance() && level == 1) {
        title = s.values.ExtraParams;
    } else if (!s.values.isSearchInstance() && level <= 2) {
        title = c.LevelFolder[size_t(level)];
    } else {
        const TForm1 *below = qobject_cast<TForm1 *>(c.LevelWindow[size_t(level - 1)].data());
        title = (below ? below->Label1->toolTip() : QString()) + QStringLiteral(" - ") + c.PressedTitle;
    }
    Label1->setToolTip(title);
    Label1->setWordWrap(false);
    const QString caption = (s.values.isSearchInstance() || level <= 2) ? title : c.PressedTitle;
    Memo1->setAccessibleName(caption + QStringLiteral(" – ")
                             + s.ConfigText(QStringLiteral("MEMO NAME"), QStringLiteral("text lekcie")));

    Memo1->hide();
    Memo1->clear();
    ComboBox1->clear();

    const content::ScreenItems items = content::walkStoredLines(file.storedLines);
    ComboBox1->addItems(items.links);

    const int buttonFont = buttonFontSize(s);
    const int trim = layout::trimLimit(unit, s.values.TrimSmall, s.values.TrimLarge);
    int windowHeight = height();
    QPushButton *firstButton = nullptr;
    // The exam caption is the same for every button of the screen: looked up once.
    const QString examCaption = items.buttons.isEmpty()
        ? QString()
        : s.ConfigText(keys::ButtonExam);
    for (const content::ScreenButton &b : items.buttons) {
        ButtonCount = quint8(b.number);
        QPushButton *button = addColumnButton(QStringLiteral("Button%1%2").arg(b.number).arg(level),
                                              layout::lessonButtonWidth(unit), windowHeight);
        QFont f(QStringLiteral("Courier"));
        f.setStyleHint(QFont::Monospace);
        f.setPointSize(buttonFont > 0 ? buttonFont : font().pointSize());
        button->setFont(f);
        button->setProperty("tag", b.tag);
        connect(button, &QPushButton::clicked, this, [this, button] {
            guarded([this, button] { SpustiProgram(button); });
        });
        if (b.number <= MaxLines)
            c.LevelButton[size_t(level)][size_t(b.number)] = button;
        if (level + 1 <= MaxLevels) {
            c.ScreenFile[size_t(level + 1)] = b.target;
            c.LevelFolder[size_t(level + 1)] = c.LevelFolder[1];
        }
        if (!b.visible) {
            button->hide();
        } else {
            c.LayoutTop += layout::buttonStep(unit);
        }
        // The full caption stays with the button; the shown one may be trimmed.
        button->setProperty("hint", b.caption);
        const content::ShownCaption shown = content::shortenCaption(b.caption, trim);
        button->setText(shown.text);
        button->setToolTip(shown.tooltip ? b.caption : QString());
        const QString picture = buttonPicture(s, b.caption, b.target, folder, examCaption);
        if (!picture.isEmpty()) {
            const QPixmap pixmap(picture);
            button->setIcon(QIcon(pixmap));
            button->setIconSize(pixmap.size().boundedTo(QSize(button->height() - 4, button->height() - 4)));
        }
        if (!firstButton)
            firstButton = button;
    }
    if (!file.paragraphs.isEmpty()) {
        QTextCursor cursor(Memo1->document());
        for (qsizetype i = 0; i < file.paragraphs.size(); ++i) {
            if (i > 0)
                cursor.insertBlock();
            cursor.insertText(file.paragraphs.at(i));
        }
        // The scroll bar follows the height of what the pane shows (the formatted text
        // may be far longer than the block), not the block's length.
        Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        Memo1->setVisible(!Memo1->document()->isEmpty());
        Panel1->show();
    }

    if (ComboBox1->count() == 0)
        ComboBox1->addItem(s.ConfigText(keys::WwwDefault));

    Label1->resize(firstButton ? width() - firstButton->width() - 20 : width() - 20, Label1->height());
    Label1->setText(Label1->fontMetrics().elidedText(title, Qt::ElideMiddle, Label1->width()));

    const QString rtfPath =
        paths::existingFile(paths::join(folder, content::formattedTextName(c.ScreenFile[size_t(level)])));
    // A formatted file that is not rich text leaves the block's text in the pane; the
    // screen is built all the same and the file named once the build is done.
    const bool notRich = !rtfPath.isEmpty() && [&] {
        const PaneLoading loading(*Memo1);
        return formattedfile::loadIfRich(rtfPath, *Memo1->document()) == formattedfile::Found::NotRich;
    }();

    Lista(c.LayoutTop);
    ComboBox1->setCurrentIndex(0);
    showFromTop(*Memo1);

    Memo1->resize(Button1->x() - Memo1->x() - 3 * unit - 10, Memo1->height());
    Panel1->setGeometry(Memo1->x() - 5, Memo1->y(), 5, Memo1->height());
    resume::recordScreen(s);

    if (file.truncated())
        messages::notify(s, messages::Kind::Warning, keys::ContentTooLong,
                         QLatin1Char(' ') + contentPath, this);
    if (notRich)
        messages::notify(s, messages::Kind::Warning, keys::RtfNotRichText,
                         QLatin1Char(' ') + rtfPath, this);
}

void TForm1::buildRootScreen()
{
    Session &s = m_session;
    CourseState &c = s.course;
    const int unit = u(s);

    loadBackground(Image1, paths::join(s.values.ProgramDir, QStringLiteral("POZADIE.BMP")));
    Memo1->hide();
    c.CurrentLevel = 1;
    Odkazy1->setEnabled(false);
    Poznmky1->setEnabled(false);

    const FolderList list = folderList(
        s.values.ProgramDir, s.ConfigText(keys::DefaultContent));
    c.FolderListCount = list.count();
    c.LayoutTop = layout::FirstLayoutTop;
    startup::takeProgramDir(s.values.ProgramDir, s.values);
    c.FirstCourseEntry = list.firstCourseEntry;
    c.LevelWindow[1] = this;

    const int buttonFont = buttonFontSize(s);
    const int width = layout::courseButtonWidth(unit);
    int windowHeight = height();
    const QStringList courses = list.courses();
    if (c.CourseButton.size() < size_t(c.FolderListCount) + 1)
        c.CourseButton.resize(size_t(c.FolderListCount) + 1);
    // One group hands every course button's press to the handler, so a long column is
    // built without a connection per button.
    auto *group = new QButtonGroup(this);
    group->setExclusive(false);
    connect(group, &QButtonGroup::buttonClicked, this, [this](QAbstractButton *button) {
        guarded([this, button] { PoStlaceni(qobject_cast<QPushButton *>(button)); });
    });
    // Each row's place follows from the one above; the window grows as the rows that
    // reach its bottom would make it grow, then only the buttons in reach are made.
    CourseColumn::Geometry geometry{layout::buttonLeft(s.values.WindowWidth, width, unit), width,
                                    layout::buttonHeight(unit), layout::buttonTop(c.LayoutTop, unit),
                                    layout::buttonStep(unit)};
    for (qsizetype i = 0; i < courses.size(); ++i) {
        const int top = layout::buttonTop(c.LayoutTop, unit);
        if (top >= windowHeight)
            break; // no row below the window makes it grow
        if (layout::windowMustGrow(top, geometry.height, windowHeight, unit)) {
            windowHeight += layout::growth(unit);
            placeWindow(x(), y(), this->width(), windowHeight);
        }
        c.LayoutTop += geometry.step;
    }
    c.LayoutTop = layout::FirstLayoutTop + int(courses.size()) * geometry.step;
    m_courses = std::make_unique<CourseColumn>(
        client, group, courses, c.FirstCourseEntry, geometry, [this, &c, buttonFont, unit](QPushButton *button, int position) {
            c.CourseButton[size_t(position)] = button;
            setFontSize(button, layout::courseButtonFontSize(int(button->text().size()), buttonFont, unit));
        });
    m_courses->reach(m_scrollOffset, std::max(client->height(), windowHeight));
    Label1->resize(courses.isEmpty() ? this->width() - 20 : this->width() - width - 20, Label1->height());
    if (!s.values.isSearchInstance())
        startscreen::add(client, s, list, client->width() - width - 20,
                         {[this](const QString &course) { enterCourse(course); }, [this] { EndProgram(); }});
    Button1->hide();
    Lista(c.LayoutTop);
    c.CurrentLevel = 2;
}

void TForm1::Lista(int top)
{
    Session &s = m_session;
    const int unit = u(s);
    int count = 0;
    for (QWidget *w : columnControls()) {
        if (!w->isHidden())
            ++count;
    }
    // Course buttons out of reach are counted as if they were there.
    if (m_courses)
        count += m_courses->count() - m_courses->made();
    ButtonCount = quint8(std::min(count, 255));

    const int w = layout::lessonButtonWidth(unit);
    Button1->setGeometry(layout::buttonLeft(s.values.WindowWidth, w, unit), layout::buttonTop(top, unit),
                         w, layout::buttonHeight(unit));
    setFontSize(Button1, buttonFontSize(s));
    ButtonsHeight = layout::buttonsHeight(count, unit);

    const auto plan = layout::scrollBarPlan(count, unit, width(), height(), ScrollBar2->width());
    if (!plan.visible) {
        ScrollBar2->hide();
        return;
    }
    ScrollBar2->setGeometry(plan.left, plan.top, ScrollBar2->width(), plan.height);
    ScrollBar2->setMaximum(plan.maximum);
    ScrollBar2->show();
    ScrollBar2->raise();
}

} // namespace lumora
