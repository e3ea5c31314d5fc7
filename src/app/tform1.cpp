#include "app/tform1.h"
#include "app/formtemplate.h"
#include "platform/accessiblenames.h"
#include "config/keys.h"
#include "platform/placecontrol.h"
#include "screens/forgetprogress.h"
#include "screens/levelscreen.h"

#include "export/exportwindow.h"
#include "info/infomenu.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "search/coursesearchmenu.h"
#include "search/lessonfindbar.h"
#include "state/session.h"
#include "text/toknohelp.h"
#include "text/lessonpane.h"
#include "tree/treeentry.h"
#include "text/lessonprint.h"
#include "text/paneediting.h"
#include "text/panezoom.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolButton>

namespace lumora {

namespace {

QLabel *boldLabel(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *label = placeControl<QLabel>(parent, name, left, top, width, height);
    QFont font = label->font();
    font.setPointSize(TForm1::DesignFontSize);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QToolButton *flatButton(QWidget *parent, const char *name, int left, int top)
{
    auto *button = placeControl<QToolButton>(parent, name, left, top, 75, 25);
    button->setAutoRaise(true);
    QFont font = button->font();
    font.setPointSize(TForm1::DesignFontSize);
    font.setBold(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    button->setPalette(palette);
    return button;
}

QAction *entry(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu *submenu(QWidget *owner, QMenuBar *bar, QMenu *parentMenu, const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption, owner);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    if (bar)
        bar->addMenu(menu);
    else
        parentMenu->addMenu(menu);
    return menu;
}

} // namespace

TForm1::TForm1(Session &session, QWidget *parent) : QMainWindow(parent), m_session(session)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    // A window made after the set-up starts at the set-up's font size, so that its first
    // activation changes no font (a font change reaches every control, and makes the
    // combo boxes build their lists); the titles and flat buttons keep the design size.
    QFont windowFont = font();
    windowFont.setPointSize(session.values.ButtonFontSize > 0 ? session.values.ButtonFontSize : DesignFontSize);
    setFont(windowFont);
    createControls();
    createMenu();
    connectHandlers();
    // The design size is the default geometry, kept when the set-up stops early.
    resize(700, 640);
    setUpKeyboard();
}

TForm1::~TForm1()
{
    // The application's focus signal must not reach a window that is being torn down.
    disconnect(qApp, nullptr, this, nullptr);
}

void TForm1::createControls()
{
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    Image1 = placeControl<QLabel>(client, "Image1", 0, 0, DesignClientWidth, DesignClientHeight);
    Image1->setAlignment(Qt::AlignCenter);

    Label6 = boldLabel(client, "Label6", 16, 8, 441, 18);
    Label1 = boldLabel(client, "Label1", 16, 28, 441, 83);
    Label1->setWordWrap(true);

    Memo1 = placeControl<LessonPane>(client, "Memo1", 16, 72, 420, 228);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setReadOnly(true);
    Memo1->setEnabled(false);

    Panel1 = placeControl<QFrame>(client, "Panel1", 11, 72, 5, 228);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);
    Panel1->hide();

    Label2 = placeControl<QLabel>(client, "Label2", 16, 352, 200, 16);
    ComboBox1 = placeControl<QComboBox>(client, "ComboBox1", 16, 370, 200, 22);
    ComboBox1->setMaxVisibleItems(3);
    ComboBox1->setCursor(Qt::PointingHandCursor);
    Label4 = placeControl<QLabel>(client, "Label4", 232, 352, 200, 16);
    ComboBox2 = placeControl<QComboBox>(client, "ComboBox2", 232, 370, 200, 22);
    ComboBox2->setCursor(Qt::PointingHandCursor);

    SpeedButton1 = flatButton(client, "SpeedButton1", 16, 407);
    SpeedButton2 = flatButton(client, "SpeedButton2", 93, 407);

    Button1 = placeControl<QPushButton>(client, "Button1", 450, 360, 180, 40);
    ScrollBar2 = placeControl<QScrollBar>(client, "ScrollBar2", 626, 55, 17, 300);
    ScrollBar2->setOrientation(Qt::Vertical);
    ScrollBar2->hide();

    Panel4 = placeControl<QFrame>(client, "Panel4", 440, 8, 196, 34);
    Panel4->setFrameShape(QFrame::Panel);
    Label12 = placeControl<QLabel>(Panel4, "Label12", 4, 9, 96, 16);
    Label12->setText(QStringLiteral("Zobrazenie (%)"));
    MaskEdit1 = placeControl<QLineEdit>(Panel4, "MaskEdit1", 100, 6, 34, 22);
    // One required digit and two optional ones, blanks shown as spaces.
    MaskEdit1->setInputMask(QStringLiteral("900; "));
    MaskEdit1->setMaxLength(3);
    MaskEdit1->setText(QStringLiteral("100"));
    UpDown1 = placeControl<QSpinBox>(Panel4, "UpDown1", 134, 6, 18, 22);
    UpDown1->setRange(10, 200);
    UpDown1->setValue(100);
    UpDown1->setSingleStep(text::PaneZoom::Step);
    UpDown1->setButtonSymbols(QSpinBox::UpDownArrows);
    Button2 = placeControl<QPushButton>(Panel4, "Button2", 156, 6, 36, 22);
    Button2->setText(QStringLiteral("OK"));
    // The label names the field; the arrows beside it change the same value.
    accessible::label(Label12, MaskEdit1);
    UpDown1->setAccessibleName(Label12->text());
    Panel4->hide();

    // Front to back: buttons and lists above the text pane, the pane above the titles,
    // everything above the background picture.
    Image1->lower();
}

void TForm1::createMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    Vlastn1 = submenu(this, bar, nullptr, "Vlastn1", QStringLiteral("Vlastné"));
    Poznmky1 = entry(Vlastn1, "Poznmky1", QStringLiteral("Poznámky"));
    Odkazy1 = entry(Vlastn1, "Odkazy1", QStringLiteral("Odkazy"));
    Koprovanie1 = entry(Vlastn1, "Koprovanie1", QStringLiteral("Kopírovanie"));
    Export1 = entry(Vlastn1, "Export1", QStringLiteral("Export poznámok a odkazov"));
    Tlaclekciu1 = entry(Vlastn1, "Tlaclekciu1", QStringLiteral("Tlačiť lekciu…"));
    Pdflekcie1 = entry(Vlastn1, "Pdflekcie1", QStringLiteral("Uložiť lekciu ako PDF…"));

    Oaplikci1 = submenu(this, bar, nullptr, "Oaplikci1", QStringLiteral("O aplikácii"));
    Oprograme1 = entry(Oaplikci1, "Oprograme1", QStringLiteral("O programe"));
    Ohlasyautorom1 = entry(Oaplikci1, "Ohlasyautorom1", QStringLiteral("Ohlasy autorom"));
    Reklama1 = entry(Oaplikci1, "Reklama1", QStringLiteral("Ochranné známky"));

    Pomocnk1 = submenu(this, bar, nullptr, "Pomocnk1", QStringLiteral("Pomocník"));
    Editciatextu1 = submenu(this, nullptr, Pomocnk1, "Editciatextu1", QStringLiteral("Editácia"));
    Editciatextu2 = entry(Editciatextu1, "Editciatextu2", QStringLiteral("Editácia textu"));
    Ignorovazmeny1 = entry(Editciatextu1, "Ignorovazmeny1", QStringLiteral("Ignorovať zmeny"));
    Ignorovazmeny1->setVisible(false);
    Editcialekci1 = entry(Editciatextu1, "Editcialekci1", QStringLiteral("Editácia lekcie"));
    Exportkurzu1 = entry(Editciatextu1, "Exportkurzu1", QStringLiteral("Export kurzu na web…"));
    Help1 = entry(Pomocnk1, "Help1", QStringLiteral("Help"));
    Hadaj1 = entry(Pomocnk1, "Hadaj1", QStringLiteral("Strom"));
    Hadavkurze1 = entry(Pomocnk1, "Hadavkurze1", QStringLiteral("Hľadať v kurze"));
    Hadavkurze1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    Hadavkurze1->setShortcutContext(Qt::WindowShortcut);
    Hadavlekcii1 = entry(Pomocnk1, "Hadavlekcii1", QStringLiteral("Hľadať v lekcii"));
    Hadavlekcii1->setShortcut(QKeySequence(Qt::Key_F3));
    Hadavlekcii1->setShortcutContext(Qt::WindowShortcut);
    Zoom1 = entry(Pomocnk1, "Zoom1", QStringLiteral("Zoom"));

    Koniec1 = bar->addAction(QStringLiteral("Koniec"));
    Koniec1->setObjectName(QStringLiteral("Koniec1"));
    Koniec1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    Koniec1->setShortcutContext(Qt::WindowShortcut);
    addAction(Koniec1); // the shortcut works while the menu is closed
    addAction(Hadavkurze1);
    addAction(Hadavlekcii1);
    auto *findPrevious = new QAction(this);
    findPrevious->setObjectName(QStringLiteral("FindPreviousKey"));
    findPrevious->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    findPrevious->setShortcutContext(Qt::WindowShortcut);
    connect(findPrevious, &QAction::triggered, this, [this] { guarded([this] { FindPreviousClick(); }); });
    addAction(findPrevious);
}

void TForm1::Hadaj1Click()
{
    tree::openTree(
        m_session,
        {this, m_session.course.LevelWindow[1] == this, [this] { offerToSaveText(); }, [this] { EndProgram(); }});
}

void TForm1::connectHandlers()
{
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton2Click(); }); });
    connect(Koniec1, &QAction::triggered, this, [this] { guarded([this] { Koniec1Click(); }); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton1Click(); }); });
    connect(ScrollBar2, &QScrollBar::valueChanged, this,
            [this](int position) { guarded([this, position] { ScrollBar2Scroll(position); }); });
    connect(Help1, &QAction::triggered, this, [this] { guarded([this] { Help1Click(); }); });
    connect(Hadaj1, &QAction::triggered, this, [this] { guarded([this] { Hadaj1Click(); }); });
    connect(Editcialekci1, &QAction::triggered, this, [this] { guarded([this] { Editcialekci1Click(); }); });
    connect(Exportkurzu1, &QAction::triggered, this, [this] { guarded([this] { Exportkurzu1Click(); }); });
    connect(Editciatextu2, &QAction::triggered, this, [this] { guarded([this] { Editciatextu2Click(); }); });
    connect(Ignorovazmeny1, &QAction::triggered, this, [this] { guarded([this] { Ignorovazmeny1Click(); }); });
    connect(Zoom1, &QAction::triggered, this, [this] { guarded([this] { Zoom1Click(); }); });
    connect(Hadavlekcii1, &QAction::triggered, this, [this] { guarded([this] { Hadavlekcii1Click(); }); });
    connect(Tlaclekciu1, &QAction::triggered, this, [this] { guarded([this] { Tlaclekciu1Click(); }); });
    connect(Pdflekcie1, &QAction::triggered, this, [this] { guarded([this] { Pdflekcie1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });
    connect(MaskEdit1, &QLineEdit::returnPressed, this, [this] { guarded([this] { Button2Click(); }); });
    connect(UpDown1, &QSpinBox::valueChanged, this, [this](int value) { MaskEdit1->setText(QString::number(value)); });
    auto *findBar = &search::LessonFindBar::of(*Memo1, m_session);
    // The pane's text starts below the find bar while it is open.
    if (auto *pane = qobject_cast<LessonPane *>(Memo1))
        connect(findBar, &search::LessonFindBar::covers, pane, &LessonPane::reserveTop);
    m_paneEditing = new text::PaneEditing(m_session,
                                          {this,
                                           Memo1,
                                           Panel1,
                                           Panel4,
                                           MaskEdit1,
                                           Editciatextu2,
                                           Ignorovazmeny1,
                                           Zoom1,
                                           ComboBox1,
                                           {findBar},
                                           {SpeedButton1, SpeedButton2, Button1}});
    if (auto *pane = qobject_cast<LessonPane *>(Memo1))
        new text::PaneZoom(m_session, *pane, this);
    m_personal = new personal::PersonalMenu(m_session, *this);
    new screens::ForgetProgress(m_session, this, Vlastn1);
    m_info = new info::InfoMenu(m_session, {this, Oprograme1, Ohlasyautorom1, Reklama1});
    m_courseSearch = new search::CourseSearchMenu(m_session, {this, Hadavkurze1, [this] { Hadaj1Click(); }});
    m_screen = new screens::LevelScreen(m_session, *this);
}

personal::PersonalHost::Controls TForm1::personalControls() const
{
    return {const_cast<TForm1 *>(this),
            Button1,
            ComboBox1,
            ComboBox2,
            Label4,
            Vlastn1,
            Poznmky1,
            Odkazy1,
            Koprovanie1,
            Export1};
}

void TForm1::relayOutColumn()
{
    m_screen->column().relayOut();
}

void TForm1::ComboBox1Click(int index)
{
    m_personal->ComboBox1Click(index);
}

screens::ScreenControls TForm1::screenControls() const
{
    return {const_cast<TForm1 *>(this),
            client,
            Image1,
            Label6,
            Label1,
            Memo1,
            Panel1,
            m_paneEditing,
            Label2,
            ComboBox1,
            Label4,
            ComboBox2,
            Button1,
            ScrollBar2,
            SpeedButton1,
            SpeedButton2,
            Editciatextu1,
            Poznmky1,
            Odkazy1,
            Koprovanie1,
            Hadaj1,
            Zoom1,
            {Hadavlekcii1, Tlaclekciu1, Pdflekcie1}};
}

std::unique_ptr<QWidget> TForm1::makeLevelWindow()
{
    auto window = std::make_unique<TForm1>(m_session);
    applyTemplate(*window, windowtemplate::load(m_session.templatePath()));
    window->applyCaptions();
    return window;
}

void TForm1::FormActivate()
{
    m_screen->FormActivate();
}
void TForm1::ScrollBar2Scroll(int position)
{
    m_screen->column().ScrollBar2Scroll(position);
}
void TForm1::SpeedButton1Click()
{
    m_screen->navigation().SpeedButton1Click();
}
void TForm1::FormClose()
{
    m_screen->navigation().FormClose();
}
void TForm1::PripravOkno(const QString &contentPath)
{
    m_screen->navigation().PripravOkno(contentPath);
}

void TForm1::placeWindow(int left, int top, int width, int height)
{
    move(left, top);
    setFixedSize(std::max(width, 0), std::max(height, 0));
}

void TForm1::applyCaptions()
{
    Session &s = m_session;
    Button1->setText(s.ConfigText(keys::ButtonNotes));
    Label2->setText(s.ConfigText(keys::Http));
    Label4->setText(s.ConfigText(keys::MyHttp));
    Label1->setText(s.ConfigText(keys::Name));
    Label6->setText(s.ConfigText(keys::Education));
    for (QLabel *title : {Label1, Label6}) {
        const auto rgb = startup::windowsColor(s.ConfigInt(keys::ColorTitle));
        QPalette palette = title->palette();
        palette.setColor(QPalette::WindowText, QColor(rgb.red, rgb.green, rgb.blue));
        title->setPalette(palette);
    }
    Vlastn1->setTitle(s.ConfigText(keys::MenuOwnself));
    Poznmky1->setText(s.ConfigText(keys::MenuNotes));
    Odkazy1->setText(s.ConfigText(keys::MenuHttp));
    Pomocnk1->setTitle(s.ConfigText(keys::MenuHelp));
    Editciatextu1->setTitle(s.ConfigText(keys::MenuEdit));
    Hadavkurze1->setText(s.ConfigText(keys::MenuFind));
    Hadavlekcii1->setText(s.ConfigText(keys::MenuFindLesson));
    Tlaclekciu1->setText(s.ConfigText(keys::MenuPrint));
    Pdflekcie1->setText(s.ConfigText(keys::MenuPdf));
    Editciatextu2->setText(s.ConfigText(keys::MenuEditMemo));
    // The pane's hint, shown while editing (the hint switch).
    Memo1->setProperty("hint", s.ConfigText(keys::MemoInfo));
    Ignorovazmeny1->setText(s.ConfigText(keys::MenuIgnoreMemo));
    Editcialekci1->setText(s.ConfigText(keys::MenuEditLesson));
    Exportkurzu1->setText(s.ConfigText(keys::MenuExportCourse));
    Oaplikci1->setTitle(s.ConfigText(keys::MenuAbout));
    Koniec1->setText(s.ConfigText(keys::MenuEnd));
    SpeedButton1->setText(s.ConfigText(keys::BackButtonCaption));
    Oprograme1->setText(s.ConfigText(keys::MenuAboutProgram));
    Ohlasyautorom1->setText(s.ConfigText(keys::MenuAboutWriteUs));
    Reklama1->setText(s.ConfigText(keys::MenuAboutCopyright));

    if (s.values.isSearchInstance()) {
        SpeedButton2->setText(s.ConfigText(keys::SearchEndButtonCaption));
        SpeedButton2->resize(200, SpeedButton2->height());
        setWindowTitle(s.ConfigText(keys::SearchWindowCaption));
    } else {
        SpeedButton2->setText(s.ConfigText(keys::EndButtonCaption));
        SpeedButton2->resize(75, SpeedButton2->height());
        setWindowTitle(s.ConfigText(keys::WindowCaption));
    }
}

bool TForm1::editing() const
{
    return m_paneEditing->editing();
}
void TForm1::offerToSaveText()
{
    m_paneEditing->offerToSave();
}
void TForm1::Editciatextu2Click()
{
    m_paneEditing->toggle();
}
void TForm1::Ignorovazmeny1Click()
{
    m_paneEditing->discard();
}
void TForm1::Zoom1Click()
{
    m_paneEditing->showZoomBox();
}
void TForm1::Button2Click()
{
    m_paneEditing->applyZoomBox();
}
void TForm1::Editcialekci1Click()
{
    m_paneEditing->openLessonEditor();
}
void TForm1::Hadavlekcii1Click()
{
    if (!Memo1->isHidden())
        search::LessonFindBar::of(*Memo1, m_session).next();
}
void TForm1::FindPreviousClick()
{
    if (!Memo1->isHidden())
        search::LessonFindBar::of(*Memo1, m_session).previous();
}
void TForm1::Tlaclekciu1Click()
{
    if (!Memo1->isHidden())
        text::printLesson(m_session, *Memo1->document(), Label1->toolTip(), this);
}
void TForm1::Pdflekcie1Click()
{
    if (!Memo1->isHidden())
        text::saveLessonAsPdf(m_session, *Memo1->document(), Label1->toolTip(), this);
}

void TForm1::SpeedButton2Click()
{
    offerToSaveText();
    const bool ask = m_session.values.isSearchInstance();
    const bool yes =
        ask ? messages::confirm(m_session, keys::BlockedTree2, this) : messages::confirm(m_session, keys::End, this);
    if (yes)
        EndProgram();
}

void TForm1::Koniec1Click()
{
    // An edited text is offered for saving first, as the end button does.
    offerToSaveText();
    if (messages::confirm(m_session, keys::End, this))
        EndProgram();
}

void TForm1::Help1Click()
{
    TOknoHelp help(m_session, this);
    help.exec();
}

void TForm1::EndProgram()
{
    CourseState &course = m_session.course;
    while (course.CurrentLevel > 1) {
        --course.CurrentLevel;
        course.LevelBuilt[course.CurrentLevel] = 1;
        if (auto *window = qobject_cast<QWidget *>(course.LevelWindow[course.CurrentLevel].data()))
            window->show();
    }
    m_session.removeTemplate();
    m_session.requestTerminate();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    guarded([this] { FormClose(); });
    event->accept();
    m_screen->announceClosed();
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        activateOnce();
    else if (event->type() == QEvent::WindowDeactivate)
        m_active = false;
    return QMainWindow::event(event);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Not every platform activates a window that is shown (a display without a window
    // manager does not), so a shown window counts as activated once.
    QMetaObject::invokeMethod(this, &TForm1::activateOnce, Qt::QueuedConnection);
}

void TForm1::hideEvent(QHideEvent *event)
{
    m_active = false;
    QMainWindow::hideEvent(event);
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (Image1 && client)
        Image1->setGeometry(client->rect());
    if (m_screen)
        m_screen->column().windowResized();
}

void TForm1::activateOnce()
{
    if (m_active || !isVisible())
        return;
    m_active = true;
    guarded([this] { FormActivate(); });
    if (!m_keyboardArranged) {
        m_keyboardArranged = true;
        arrangeKeyboard();
        if (m_session.values.isSearchInstance() && m_session.course.LevelWindow[1] == this)
            search::showSearchedWords(*Memo1, m_session);
    }
}

void TForm1::Exportkurzu1Click()
{
    exporting::showExportWindow(session(), session().levelFolderPath(session().course.CurrentLevel), this);
}

} // namespace lumora
