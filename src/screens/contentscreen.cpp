#include "screens/contentscreen.h"
#include "config/keys.h"
#include "course/workfiles.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "course/contentfilenames.h"
#include "screens/layout.h"
#include "screens/levelscreen.h"
#include "screens/resumetrail.h"
#include "screens/screenlook.h"
#include "screens/visitedmark.h"
#include "state/session.h"
#include "course/visits.h"
#include "text/formattedfile.h"
#include "text/lessonpane.h"
#include "text/paneediting.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

namespace lumora::screens {

namespace {

// The picture of a lesson button, by the kind of its target or as the exam button
// (its caption is examCaption).
QString buttonPicture(const Session &s, const QString &caption, const QString &target, const QString &courseFolder,
                      const QString &examCaption)
{
    const QString program = s.values.ProgramDir;
    QStringList candidates;
    if (caption == examCaption) {
        candidates << paths::join(courseFolder, QStringLiteral("EXAM.BMP"))
                   << paths::join(program, QStringLiteral("EXAM.BMP"));
    } else {
        const QString kind = course::kindCode(target);
        candidates << paths::join(courseFolder, kind + QStringLiteral(".BMP"))
                   << paths::join(program, kind + QStringLiteral(".BMP"))
                   << paths::join(program,
                                  kind == QLatin1String("TXT") ? QStringLiteral("Text.BMP")
                                                               : QStringLiteral("Play.BMP"));
    }
    for (const QString &candidate : candidates) {
        const QString found = paths::existingFile(candidate);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

} // namespace

ContentScreen::ContentScreen(LevelScreen &screen, int level)
    : m_screen(screen), m_s(screen.session()), m_c(screen.controls()), m_level(level), m_unit(scaleUnit(m_s))
{}

void ContentScreen::build()
{
    prepareControls();
    readFile();
    showTitle();

    QTextEdit *pane = m_c.pane;
    pane->hide();
    pane->clear();
    m_c.links->clear();
    const course::ScreenItems items = course::walkStoredLines(m_file.storedLines);
    m_c.links->addItems(items.links);
    addButtons(items);
    fillPane();
    finish(loadFormattedText());
}

void ContentScreen::prepareControls()
{
    m_c.copyEntry->setEnabled(true);
    m_c.linksLabel->show();
    m_c.links->show();
    m_c.notesButton->setVisible(course::noteExists(m_s, m_level));
    m_c.title->show();
    m_c.upperTitle->show();
    const int memoSize = m_s.ConfigInt(keys::FontsizeMemo);
    setFontSize(m_c.pane, memoSize);
    m_c.pane->setReadOnly(true);
    m_c.pane->setEnabled(true);
    m_c.paneEditing->endForBuild();
}

// The content file into the level's stored lines, and its background picture.
void ContentScreen::readFile()
{
    m_folder = m_s.levelFolderPath(m_level);
    m_contentPath = m_s.contentFilePath(m_level);
    m_file = course::readContentFile(m_contentPath);
    course::storeScreenLines(m_s.course, m_level, m_file);
    m_screen.BackgroundFile = m_file.backgroundName;
    const QString background = m_file.backgroundName.isEmpty() ? QStringLiteral("POZADIE.BMP") : m_file.backgroundName;
    loadBackground(m_c.background, paths::join(m_folder, background));
    m_s.course.LayoutTop = screens::FirstLayoutTop;
}

// The whole title path stays in the title's tooltip; the line shows it elided (finish).
void ContentScreen::showTitle()
{
    const CourseState &c = m_s.course;
    const bool search = m_s.values.isSearchInstance();
    if (search && m_level == 1) {
        m_title = m_s.values.ExtraParams;
    } else if (!search && m_level <= 2) {
        m_title = c.LevelFolder[size_t(m_level)];
    } else {
        const LevelScreen *below = LevelScreen::of(c.LevelWindow[size_t(m_level - 1)].data());
        m_title = (below ? below->controls().title->toolTip() : QString()) + QStringLiteral(" - ") + c.PressedTitle;
    }
    m_c.title->setToolTip(m_title);
    m_c.title->setWordWrap(false);
    const QString caption = (search || m_level <= 2) ? m_title : c.PressedTitle;
    m_c.pane->setAccessibleName(caption + QStringLiteral(" – ") + m_s.ConfigText(keys::MemoName));
}

void ContentScreen::addButtons(const course::ScreenItems &items)
{
    m_buttonFont = buttonFontSize(m_s);
    m_trim = screens::trimLimit(m_unit, m_s.values.TrimSmall, m_s.values.TrimLarge);
    int windowHeight = m_c.window->height();
    // The exam caption is the same for every button of the screen: looked up once.
    m_examCaption = items.buttons.isEmpty() ? QString() : m_s.ConfigText(keys::ButtonExam);
    m_visited = course::progress::visitedOf(m_s, m_level);
    m_visitedWord = m_visited.isEmpty() ? QString() : m_s.ConfigText(keys::Visited);
    for (const course::ScreenButton &b : items.buttons) {
        QPushButton *button = addButton(b, windowHeight);
        if (!m_firstButton)
            m_firstButton = button;
    }
}

QPushButton *ContentScreen::addButton(const course::ScreenButton &b, int &windowHeight)
{
    CourseState &c = m_s.course;
    ButtonColumn &column = m_screen.column();
    column.ButtonCount = quint8(b.number);
    QPushButton *button = column.addButton(QStringLiteral("Button%1%2").arg(b.number).arg(m_level),
                                           screens::lessonButtonWidth(m_unit), windowHeight);
    QFont f(QStringLiteral("Courier"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSize(m_buttonFont > 0 ? m_buttonFont : m_c.window->font().pointSize());
    button->setFont(f);
    button->setProperty("tag", b.tag);
    LevelScreen *screen = &m_screen;
    QObject::connect(button, &QPushButton::clicked, screen,
                     [screen, button] { guarded([screen, button] { screen->items().SpustiProgram(button); }); });
    if (b.number <= MaxLines)
        c.LevelButton[size_t(m_level)][size_t(b.number)] = button;
    if (m_level + 1 <= MaxLevels) {
        c.ScreenFile[size_t(m_level + 1)] = b.target;
        c.LevelFolder[size_t(m_level + 1)] = c.LevelFolder[1];
    }
    if (!b.visible)
        button->hide();
    else
        c.LayoutTop += screens::buttonStep(m_unit);
    // The full caption stays with the button; the shown one may be trimmed.
    button->setProperty("hint", b.caption);
    const course::ShownCaption shown = course::shortenCaption(b.caption, m_trim);
    button->setText(shown.text);
    button->setToolTip(shown.tooltip ? b.caption : QString());
    if (m_visited.contains(b.target))
        markVisited(button, true, m_visitedWord);
    const QString picture = buttonPicture(m_s, b.caption, b.target, m_folder, m_examCaption);
    if (!picture.isEmpty()) {
        const QPixmap pixmap(picture);
        button->setIcon(QIcon(pixmap));
        button->setIconSize(pixmap.size().boundedTo(QSize(button->height() - 4, button->height() - 4)));
    }
    return button;
}

// The block's lesson text into the pane, the links list's default entry, and the title
// line elided beside the buttons.
void ContentScreen::fillPane()
{
    QTextEdit *pane = m_c.pane;
    if (!m_file.paragraphs.isEmpty()) {
        QTextCursor cursor(pane->document());
        for (qsizetype i = 0; i < m_file.paragraphs.size(); ++i) {
            if (i > 0)
                cursor.insertBlock();
            cursor.insertText(m_file.paragraphs.at(i));
        }
        // The scroll bar follows the height of what the pane shows (the formatted text
        // may be far longer than the block), not the block's length.
        pane->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        pane->setVisible(!pane->document()->isEmpty());
        m_c.paneMargin->show();
    }
    if (m_c.links->count() == 0)
        m_c.links->addItem(m_s.ConfigText(keys::WwwDefault));

    QLabel *title = m_c.title;
    const int width = m_c.window->width();
    title->resize(m_firstButton ? width - m_firstButton->width() - 20 : width - 20, title->height());
    title->setText(title->fontMetrics().elidedText(m_title, Qt::ElideMiddle, title->width()));
}

// The formatted text file over the block's text. A file that is not rich text leaves
// the block's text in the pane; the screen is built all the same and the file named
// once the build is done (true).
bool ContentScreen::loadFormattedText()
{
    m_rtfPath =
        paths::existingFile(paths::join(m_folder, course::formattedTextName(m_s.course.ScreenFile[size_t(m_level)])));
    if (m_rtfPath.isEmpty())
        return false;
    const PaneLoading loading(*m_c.pane);
    return formattedfile::loadIfRich(m_rtfPath, *m_c.pane->document()) == formattedfile::Found::NotRich;
}

void ContentScreen::finish(bool notRich)
{
    QTextEdit *pane = m_c.pane;
    m_screen.column().Lista(m_s.course.LayoutTop);
    m_c.links->setCurrentIndex(0);
    showFromTop(*pane);

    pane->resize(m_c.notesButton->x() - pane->x() - 3 * m_unit - 10, pane->height());
    m_c.paneMargin->setGeometry(pane->x() - 5, pane->y(), 5, pane->height());
    recordResumeScreen(m_s);
    course::progress::recordScreen(m_s);

    if (m_file.truncated())
        messages::notify(m_s, messages::Kind::Warning, keys::ContentTooLong, QLatin1Char(' ') + m_contentPath,
                         m_c.window);
    if (notRich)
        messages::notify(m_s, messages::Kind::Warning, keys::RtfNotRichText, QLatin1Char(' ') + m_rtfPath, m_c.window);
}

} // namespace lumora::screens
