#pragma once
// Values computed once while the main window is set up and used by the whole program.
#include <QString>
#include <QStringList>
#include <functional>

namespace lumora {

struct ProgramValues {
    QString ProgramDir;  // program folder, ends with a separator
    QString DriveLetter; // first character of the program folder ("/" here: the root)
    // The learner's work folder (ends with a separator): despite the inherited name it
    // is persistent and never emptied, for it keeps the learner's notes and links of
    // every screen; the window template lies there while the program runs. Chosen by
    // startup::computeTempDir below.
    QString TempDir;
    QString Param1;      // first command-line parameter: a content file for a search window
    QString ExtraParams; // the further parameters, each preceded by one blank

    quint16 ScaleTenths = 0;
    quint16 WindowLeft = 0;
    quint16 WindowTop = 0;
    quint16 WindowWidth = 0;
    quint16 WindowHeight = 0;
    quint8 TrimLarge = 0;
    quint8 TrimSmall = 0;
    quint8 ButtonFontSize = 0;
    int ScreenWidth = 0; // the screen's width at start, for the font size rule
    QString LotusDir;    // folder of the demonstration player, no trailing separator
    QString ShortDateFormat = QStringLiteral("d.M.yyyy");
    QChar DateSeparator = QLatin1Char('.');

    bool isSearchInstance() const { return !Param1.isEmpty(); }
    // Window template as created ("Temp.dfm") and as deleted ("temp.dfm"): one file.
    QString templateCreateName() const;
    QString templateDeleteName() const;
    QString levelFileName() const;
};

// Looks up an environment variable; an unset variable gives a null string.
using EnvironmentLookup = std::function<QString(const QString &)>;
EnvironmentLookup systemEnvironment();

namespace startup {

// The work folder: the configured folder, else USERPROFILE, else the program's own
// folder under the user's data location (dataLocation, made with every missing level
// on first use; notes named after screen files must not meet the user's own files in
// the home folder), else TEMP, TMP (environment values of 1 to 1000 characters), else
// the system temporary folder. Ends with a separator. When a configured or environment
// folder does not exist, one folder level is created; when that fails the fallback
// folder is used.
QString computeTempDir(const QString &configured, const EnvironmentLookup &env, const QString &dataLocation);

// The user's data location of this program (QStandardPaths::AppDataLocation).
QString dataLocation();

// The system temporary folder that stands in for "C:\TEMP\", with a separator.
QString fallbackTempDir();

// Param1 and ExtraParams from the arguments after the program name.
void takeParameters(const QStringList &arguments, ProgramValues &values);

// ProgramDir and DriveLetter from a folder (normally the current folder).
void takeProgramDir(const QString &currentFolder, ProgramValues &values);

// Round to nearest, halves to the even neighbour.
int roundHalfEven(double value);

// round(96 / dpi * 10): 10 at 96 dots per inch, 8 at 120.
quint16 scaleTenths(double dotsPerInch);

// The font size rule: digits give the size; otherwise it follows the screen width
// (640: 10, 800: 12, 1024: 14) or stays as it was.
quint8 buttonFontSize(const QString &configured, int screenWidth, quint8 current);

// "PATH LOTUS": the configured folder, else the program folder; no trailing separator.
QString lotusDir(const QString &configured, const QString &programDir);

// The geometry checks of the main window against the screen.
struct GeometryCheck {
    bool tooSmall = false;     // width below 112: the rest of the set-up is skipped
    bool beyondScreen = false; // origin beyond the screen: the program ends
    quint16 width = 0;         // clamped to the screen
    quint16 height = 0;
};
GeometryCheck checkGeometry(quint16 left, quint16 top, quint16 width, quint16 height, int screenWidth,
                            int screenHeight);

// A Windows colour value 0x00BBGGRR as red, green and blue.
struct Rgb {
    int red, green, blue;
};
Rgb windowsColor(int value);

} // namespace startup
} // namespace lumora
