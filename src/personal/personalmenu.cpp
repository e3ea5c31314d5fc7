#include "personal/personalmenu.h"

#include "config/keys.h"
#include "personal/toknokopy.h"
#include "personal/exportfile.h"
#include "personal/toknoodkazy.h"
#include "personal/linktargets.h"
#include "personal/toknopoznamka.h"
#include "course/workfiles.h"
#include "platform/guard.h"
#include "state/session.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace lumora::personal {

namespace {

// Marks a links box while a key is handled, so that an entry reached by typing or by
// the arrow keys is not opened; a choice from the open list is.
class TypingFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The box handles the key (and emits its signals) before the queued reset runs.
        if (event->type() == QEvent::KeyPress) {
            watched->setProperty("typing", true);
            QMetaObject::invokeMethod(
                watched, [watched] { watched->setProperty("typing", false); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

bool typing(const QComboBox *box)
{
    return box->property("typing").toBool();
}

} // namespace

PersonalMenu::PersonalMenu(Session &session, PersonalHost &host)
    : QObject(host.personalControls().window), m_session(session), m_host(host), m_controls(host.personalControls())
{
    const PersonalHost::Controls &c = m_controls;
    connect(c.notes, &QAction::triggered, this, [this] { guarded([this] { Poznmky1Click(); }); });
    connect(c.links, &QAction::triggered, this, [this] { guarded([this] { Odkazy1Click(); }); });
    connect(c.copy, &QAction::triggered, this, [this] { guarded([this] { Koprovanie1Click(); }); });
    c.exportEntry->setEnabled(false);
    connect(c.exportEntry, &QAction::triggered, this, [this] { guarded([this] { Export1Click(); }); });
    // Only with a course entered is there a course to export.
    connect(c.menu, &QMenu::aboutToShow, this, [this] {
        m_controls.exportEntry->setText(m_session.ConfigText(keys::MenuExport));
        m_controls.exportEntry->setEnabled(exportAvailable(m_session));
    });
    connect(c.notesButton, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    // A mouse press on the notes button leaves the lesson pane's focus alone, so the
    // save question is asked once, by the button's own handler.
    c.notesButton->setFocusPolicy(Qt::TabFocus);

    auto *filter = new TypingFilter(this);
    for (QComboBox *box : {c.courseLinks, c.ownLinks})
        box->installEventFilter(filter);
    connect(c.courseLinks, &QComboBox::activated, this,
            [this](int index) { guarded([this, index] { ComboBox1Click(index); }); });
    connect(c.ownLinks, &QComboBox::activated, this, [this](int index) {
        guarded([this, index] {
            if (typing(m_controls.ownLinks))
                ComboBox2Change(index);
            else
                ComboBox2Click(index);
        });
    });
}

void PersonalMenu::showNotes()
{
    QPushButton *button = m_controls.notesButton;
    TOknoPoznamka window(
        m_session, [button](bool shown) { button->setVisible(shown); }, m_controls.window);
    if (guarded([&] { window.FormActivate(); }))
        window.exec();
}

void PersonalMenu::fillOwnLinks()
{
    QComboBox *box = m_controls.ownLinks;
    box->clear();
    box->addItems(course::linksForBox(m_session, m_session.course.CurrentLevel));
    const bool any = box->count() > 0;
    box->setVisible(any);
    m_controls.ownLinksLabel->setVisible(any);
    box->setCurrentIndex(any ? 0 : -1);
}

void PersonalMenu::Poznmky1Click()
{
    showNotes();
    // The notes button may have appeared or gone: the column is laid out again.
    m_host.relayOutColumn();
}

void PersonalMenu::Button1Click()
{
    m_host.offerToSaveText();
    showNotes();
}

void PersonalMenu::Odkazy1Click()
{
    {
        TOknoOdkazy window(m_session, m_controls.window);
        if (guarded([&] { window.FormActivate(); }))
            window.exec();
    }
    fillOwnLinks();
}

void PersonalMenu::ComboBox1Click(int index)
{
    if (!typing(m_controls.courseLinks))
        openChosenLink(m_session, m_controls.courseLinks->itemText(index), m_controls.window);
}

void PersonalMenu::ComboBox2Click(int index)
{
    openChosenLink(m_session, m_controls.ownLinks->itemText(index), m_controls.window);
}

void PersonalMenu::ComboBox2Change(int index)
{
    // Reached by typing: nothing opens; the entry's whole text shows as the hint.
    m_controls.ownLinks->setToolTip(m_controls.ownLinks->itemText(index));
}

void PersonalMenu::Export1Click()
{
    if (exportAvailable(m_session))
        exportStudy(m_session, m_controls.window);
}

void PersonalMenu::Koprovanie1Click()
{
    {
        TOknoKopy window(m_session, m_controls.window);
        // Whatever was copied into the work folder shows on the screen at once.
        QObject::connect(&window, &TOknoKopy::workFolderChanged, this, [this] { refreshScreen(); });
        window.FormActivate();
        window.exec();
    }
    refreshScreen();
}

void PersonalMenu::refreshScreen()
{
    if (m_session.course.CurrentLevel > 1 || m_session.values.isSearchInstance()) {
        m_controls.notesButton->setVisible(course::noteExists(m_session, m_session.course.CurrentLevel));
        fillOwnLinks();
    }
    m_host.relayOutColumn();
}

} // namespace lumora::personal
