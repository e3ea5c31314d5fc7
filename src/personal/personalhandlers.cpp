// The main window's side of the learner's own notes and links: the "Vlastné" menu
// entries, the notes button and the two links boxes of a screen.
#include "app/tform1.h"
#include "personal/copywindow.h"
#include "personal/exportfile.h"
#include "personal/linkswindow.h"
#include "personal/notewindow.h"
#include "personal/workfiles.h"
#include "platform/guard.h"
#include "platform/process.h"
#include "screens/layout.h"
#include "state/session.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

namespace lumora {

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
            QMetaObject::invokeMethod(watched, [watched] { watched->setProperty("typing", false); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

bool typing(const QComboBox *box)
{
    return box->property("typing").toBool();
}

void openLink(const QComboBox *box, int index)
{
    const QString link = box->itemText(index);
    if (index >= 0 && !link.isEmpty())
        process::shellOpen(link);
}

// Shows the notes window of the current screen over owner, whose notes button it keeps
// true. A refused name or an unreadable file is shown and the window does not open.
void showNotes(Session &s, TForm1 *owner)
{
    TOknoPoznamka window(s, owner, owner);
    if (guarded([&] { window.FormActivate(); }))
        window.exec();
}

} // namespace

void TForm1::connectPersonalHandlers()
{
    connect(Poznmky1, &QAction::triggered, this, [this] { guarded([this] { Poznmky1Click(); }); });
    connect(Odkazy1, &QAction::triggered, this, [this] { guarded([this] { Odkazy1Click(); }); });
    connect(Koprovanie1, &QAction::triggered, this, [this] { guarded([this] { Koprovanie1Click(); }); });
    Export1 = Vlastn1->addAction(QStringLiteral("Export poznámok a odkazov"));
    Export1->setObjectName(QStringLiteral("Export1"));
    Export1->setEnabled(false);
    connect(Export1, &QAction::triggered, this, [this] { guarded([this] { Export1Click(); }); });
    // Only with a course entered is there a course to export.
    connect(Vlastn1, &QMenu::aboutToShow, this, [this] {
        Export1->setText(m_session.ConfigText(QStringLiteral("MENU EXPORT"), QStringLiteral("Export poznámok a odkazov")));
        Export1->setEnabled(exportAvailable(m_session));
    });
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    // A mouse press on the notes button leaves the lesson pane's focus alone, so the
    // save question is asked once, by the button's own handler.
    Button1->setFocusPolicy(Qt::TabFocus);

    auto *filter = new TypingFilter(this);
    for (QComboBox *box : {ComboBox1, ComboBox2})
        box->installEventFilter(filter);
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) {
        guarded([this, index] { ComboBox1Click(index); });
    });
    connect(ComboBox2, &QComboBox::activated, this, [this](int index) {
        guarded([this, index] {
            if (typing(ComboBox2))
                ComboBox2Change(index);
            else
                ComboBox2Click(index);
        });
    });
}

void TForm1::Poznmky1Click()
{
    showNotes(m_session, this);
    // The notes button may have appeared or gone: the column is laid out again where
    // it stands.
    const int unit = m_session.values.ScaleTenths > 0 ? m_session.values.ScaleTenths : 10;
    Lista(Button1->y() - layout::buttonTop(0, unit));
}

void TForm1::Button1Click()
{
    offerToSaveText();
    showNotes(m_session, this);
}

void TForm1::Odkazy1Click()
{
    Session &s = m_session;
    {
        TOknoOdkazy window(s, this);
        if (guarded([&] { window.FormActivate(); }))
            window.exec();
    }
    ComboBox2->clear();
    ComboBox2->addItems(personal::linksForBox(s, s.course.CurrentLevel));
    const bool any = ComboBox2->count() > 0;
    ComboBox2->setVisible(any);
    Label4->setVisible(any);
    ComboBox2->setCurrentIndex(any ? 0 : -1);
}

void TForm1::ComboBox1Click(int index)
{
    if (!typing(ComboBox1))
        openLink(ComboBox1, index);
}

void TForm1::ComboBox2Click(int index)
{
    openLink(ComboBox2, index);
}

void TForm1::ComboBox2Change(int index)
{
    // Reached by typing: nothing opens; the entry's whole text shows as the hint.
    ComboBox2->setToolTip(ComboBox2->itemText(index));
}

void TForm1::Export1Click()
{
    if (exportAvailable(m_session))
        exportStudy(m_session, this);
}

void TForm1::Koprovanie1Click()
{
    TOknoKopy window(m_session, this);
    window.FormActivate();
    window.exec();
}

} // namespace lumora
