// The set-up of the main window at start: program values, settings, captions, screen
// checks, the work folder and the window template.
#include "app/formtemplate.h"
#include "app/tform1.h"
#include "config/keys.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "screens/levelscreen.h"
#include "state/session.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHostInfo>
#include <QLabel>
#include <QScreen>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>
#include <initializer_list>

namespace lumora {

using startup::roundHalfEven;

namespace {

QString firstIPv4Address()
{
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress &address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address.toString();
    }
    return info.addresses().isEmpty() ? QString() : info.addresses().first().toString();
}

// Scales the window and its controls by a factor, as the platform's font scaling is undone.
void scaleControls(TForm1 &window, double factor)
{
    for (QWidget *widget : window.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QRect r = widget->geometry();
        widget->setGeometry(roundHalfEven(r.x() * factor), roundHalfEven(r.y() * factor),
                            roundHalfEven(r.width() * factor), roundHalfEven(r.height() * factor));
    }
    window.resize(roundHalfEven(window.width() * factor), roundHalfEven(window.height() * factor));
}

void shiftDown(QWidget *widget, int pixels)
{
    widget->move(widget->x(), widget->y() + pixels);
}

} // namespace

StartEnvironment StartEnvironment::fromSystem(const QStringList &arguments)
{
    StartEnvironment start;
    start.currentFolder = QDir::currentPath();
    start.arguments = arguments;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        start.screenWidth = screen->geometry().width();
        start.screenHeight = screen->geometry().height();
        start.dotsPerInch = screen->logicalDotsPerInch();
    }
    start.environment = systemEnvironment();
    start.dataLocation = startup::dataLocation();
    start.localAddress = firstIPv4Address;
    return start;
}

namespace {

// Undoes the platform's font scaling on the design geometry and moves the titles and
// the links boxes down by the scale's step: name is the program's name (it also grows),
// the others are the upper title and the two links boxes.
void fitToScreenScale(TForm1 &window, ProgramValues &v, const StartEnvironment &start, QWidget *name,
                      std::initializer_list<QWidget *> others)
{
    if (start.dotsPerInch > 0 && start.dotsPerInch != 96)
        scaleControls(window, 96.0 / start.dotsPerInch);
    v.ScaleTenths = startup::scaleTenths(start.dotsPerInch);

    const int down = roundHalfEven(100.0 / v.ScaleTenths);
    shiftDown(name, down);
    name->resize(name->width(), name->height() + roundHalfEven(1500.0 / v.ScaleTenths));
    for (QWidget *widget : others)
        shiftDown(widget, down);
}

// The program folder, the temporary folder and the command line.
void takeFoldersAndParameters(Session &s, const StartEnvironment &start)
{
    ProgramValues &v = s.values;
    // The lookups before the program folder is set read the current folder, which is it.
    startup::takeProgramDir(start.currentFolder, v);
    v.TempDir = startup::computeTempDir(
        s.ConfigText(keys::PathTemp), start.environment ? start.environment : systemEnvironment(), start.dataLocation);
    startup::takeParameters(start.arguments, v);
    // A content file given relative to the current folder is made absolute against it.
    if (!v.Param1.isEmpty())
        v.Param1 = QDir::cleanPath(QDir(start.currentFolder).absoluteFilePath(paths::fromCourse(v.Param1)));
    v.DateSeparator = QLatin1Char('.');
    v.ShortDateFormat = QStringLiteral("d.M.yyyy");
}

// The window's place and size and the button texts' trimming from the text table.
void readWindowSettings(Session &s)
{
    ProgramValues &v = s.values;
    v.WindowLeft = quint16(s.ConfigInt(keys::LeftCorner));
    v.WindowTop = quint16(s.ConfigInt(keys::TopCorner));
    v.WindowWidth = quint16(s.ConfigInt(keys::Width));
    v.WindowHeight = quint16(s.ConfigInt(keys::Height));
    v.TrimLarge = quint8(s.ConfigInt(keys::TrimButtonLargeText));
    v.TrimSmall = quint8(s.ConfigInt(keys::TrimButtonSmallText));
}

// Whether the text table has an entry for key (a default alone does not count).
bool tableHas(Session &s, const TextKey &key)
{
    const QString absent = QStringLiteral("lumora: no such entry");
    return s.ConfigText(keys::withDefault(key, absent)) != absent;
}

// Tells the user this computer's address, or that it has none, when the text table
// asks for it: a program folder without such entries (a newcomer's first start, or a
// table that never mentions the address) starts without the box.
void announceAddress(Session &s, const StartEnvironment &start, QWidget *window)
{
    if (!tableHas(s, keys::Ip) && !tableHas(s, keys::IpNone))
        return;
    const QString address = start.localAddress ? start.localAddress() : QString();
    if (address.isEmpty())
        messages::notify(s, messages::Kind::Warning, keys::IpNone, QString(), window);
    else
        messages::notify(s, messages::Kind::Information, keys::Ip, QLatin1Char(' ') + address, window);
}

// Checks the configured place and size against the screen and places the window;
// false when the window is too small to be shown (the error has been shown). A place
// beyond the screen is reported and ends the program once the set-up is done.
bool placeOnScreen(TForm1 &window, Session &s, const StartEnvironment &start)
{
    ProgramValues &v = s.values;
    const auto geometry = startup::checkGeometry(v.WindowLeft, v.WindowTop, v.WindowWidth, v.WindowHeight,
                                                 start.screenWidth, start.screenHeight);
    if (geometry.tooSmall) {
        messages::notify(s, messages::Kind::Error, keys::Dimensions, QString(), &window);
        return false;
    }
    if (geometry.beyondScreen) {
        messages::notify(s, messages::Kind::Error, keys::Coordinates, QString(), &window);
        s.requestTerminate();
    }
    v.WindowWidth = geometry.width;
    v.WindowHeight = geometry.height;
    window.placeWindow(v.WindowLeft, v.WindowTop, v.WindowWidth, v.WindowHeight);
    if (v.isSearchInstance()) {
        // A search window stands below and right of the window it was opened from (which
        // has the same place), so both can be seen; it stays on the screen.
        constexpr int Offset = 40;
        window.move(std::clamp(window.x() + Offset, 0, std::max(0, start.screenWidth - window.width())),
                    std::clamp(window.y() + Offset, 0, std::max(0, start.screenHeight - window.height())));
    }
    return true;
}

// The buttons' font size for this screen width, given to the whole window.
void applyButtonFont(TForm1 &window, Session &s, const StartEnvironment &start)
{
    ProgramValues &v = s.values;
    v.ScreenWidth = start.screenWidth;
    v.ButtonFontSize = startup::buttonFontSize(s.ConfigText(keys::FontsizeButton), start.screenWidth, v.ButtonFontSize);
    QFont windowFont = window.font();
    if (v.ButtonFontSize > 0)
        windowFont.setPointSize(v.ButtonFontSize);
    window.setFont(windowFont);
}

// Writes the window template into the temporary folder, which must exist; without it
// the program ends.
void writeWindowTemplate(TForm1 &window, Session &s, const StartEnvironment &start)
{
    ProgramValues &v = s.values;
    if (!paths::folderExists(v.TempDir)) {
        messages::notify(s, messages::Kind::Error, keys::Temp, QLatin1Char(' ') + v.TempDir + QStringLiteral(" !"),
                         &window);
        window.EndProgram();
        return;
    }
    s.removeTemplate();
    startup::takeProgramDir(start.currentFolder, v);
    // A read-only or full work folder does not stop the program: the template goes to
    // the next writable place, and the learner reads the courses.
    const auto captured = captureWindow(window);
    s.writeOwnFile([&] { windowtemplate::save(s.templatePath(), captured); });
}

} // namespace

void TForm1::FormCreate(const StartEnvironment &start)
{
    Session &s = m_session;
    ProgramValues &v = s.values;

    fitToScreenScale(*this, v, start, Label1, {Label6, ComboBox1, ComboBox2});
    takeFoldersAndParameters(s, start);
    Koprovanie1->setEnabled(false);
    startup::takeProgramDir(start.currentFolder, v);
    readWindowSettings(s);
    s.course.CurrentLevel = 1;
    announceAddress(s, start, this);

    Label2->hide();
    ComboBox1->hide();
    applyCaptions();
    v.TempDir = paths::withSeparator(v.TempDir);

    if (!placeOnScreen(*this, s, start))
        return;
    applyButtonFont(*this, s, start);
    v.LotusDir = startup::lotusDir(
        s.ConfigText(keys::withDefault(keys::PathLotus, v.ProgramDir.left(v.ProgramDir.size() - 1))), v.ProgramDir);
    writeWindowTemplate(*this, s, start);

    SpeedButton1->hide();
    Panel1->hide();
    m_screen->ContentMissing = false;

    if (v.isSearchInstance()) {
        // The first level of a search window is this window, showing the content file
        // named by the first parameter.
        s.course.LevelWindow[1] = this;
        PripravOkno(v.Param1);
    }
}

} // namespace lumora
