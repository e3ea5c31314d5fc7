#include "state/programvalues.h"

#include "platform/paths.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <cmath>

namespace lumora {

QString ProgramValues::templateCreateName() const
{
    return isSearchInstance() ? QStringLiteral("TempP.dfm") : QStringLiteral("Temp.dfm");
}

QString ProgramValues::templateDeleteName() const
{
    return isSearchInstance() ? QStringLiteral("tempP.dfm") : QStringLiteral("temp.dfm");
}

QString ProgramValues::levelFileName() const
{
    return isSearchInstance() ? QStringLiteral("Okna2") : QStringLiteral("Okna");
}

EnvironmentLookup systemEnvironment()
{
    return [](const QString &name) {
        const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        return env.contains(name) ? env.value(name) : QString();
    };
}

namespace startup {

namespace {
constexpr qsizetype MaxEnvironmentLength = 1000;

// Creates one folder level (not a whole path); true when the folder exists afterwards.
bool ensureFolder(const QString &folder)
{
    const QString f = paths::withoutSeparator(folder);
    if (paths::folderExists(f))
        return true;
    return QDir().mkdir(f);
}
} // namespace

QString fallbackTempDir()
{
    // The system's temporary folder as configured, even when it does not exist (then
    // the caller reports it), else the platform's default.
    QString folder = qEnvironmentVariable("TMPDIR");
    if (folder.isEmpty())
        folder = QDir::tempPath();
    if (folder.isEmpty())
        folder = QStringLiteral("/tmp");
    return paths::withSeparator(folder);
}

QString dataLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString computeTempDir(const QString &configured, const EnvironmentLookup &env, const QString &dataLocation)
{
    const auto usable = [](const QString &value) { return !value.isEmpty() && value.size() <= MaxEnvironmentLength; };
    QString dir = configured;
    if (dir.isEmpty()) {
        const QString profile = env(QStringLiteral("USERPROFILE"));
        if (usable(profile))
            dir = profile;
        else if (!dataLocation.isEmpty() && QDir().mkpath(dataLocation))
            dir = dataLocation;
    }
    if (dir.isEmpty()) {
        for (const char *name : {"TEMP", "TMP"}) {
            const QString value = env(QString::fromLatin1(name));
            if (usable(value)) {
                dir = value;
                break;
            }
        }
        if (dir.isEmpty())
            dir = fallbackTempDir();
    }
    dir = paths::withSeparator(dir);
    if (!ensureFolder(dir)) {
        dir = fallbackTempDir();
        ensureFolder(dir);
    }
    return paths::withSeparator(paths::resolve(dir));
}

void takeParameters(const QStringList &arguments, ProgramValues &values)
{
    values.Param1 = arguments.value(0);
    values.ExtraParams.clear();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        values.ExtraParams += QLatin1Char(' ') + arguments.at(i);
}

void takeProgramDir(const QString &currentFolder, ProgramValues &values)
{
    const QString folder = QDir::toNativeSeparators(currentFolder);
    values.DriveLetter = folder.left(1);
    values.ProgramDir = paths::withSeparator(folder);
}

int roundHalfEven(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode rounds halves to even
}

quint16 scaleTenths(double dotsPerInch)
{
    if (!(dotsPerInch > 0))
        return 10;
    return quint16(roundHalfEven(96.0 / dotsPerInch * 10.0));
}

quint8 buttonFontSize(const QString &configured, int screenWidth, quint8 current)
{
    bool digits = !configured.isEmpty();
    for (const QChar c : configured)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (digits) {
        unsigned value = 0; // wraps as the 8-bit setting does
        for (const QChar c : configured)
            value = (value * 10 + unsigned(c.unicode() - '0')) & 0xFFu;
        return quint8(value);
    }
    switch (screenWidth) {
    case 640: return 10;
    case 800: return 12;
    case 1024: return 14;
    default: return current;
    }
}

QString lotusDir(const QString &configured, const QString &programDir)
{
    const QString folder = configured.isEmpty() ? programDir : configured;
    return paths::withoutSeparator(folder);
}

GeometryCheck checkGeometry(quint16 left, quint16 top, quint16 width, quint16 height, int screenWidth, int screenHeight)
{
    GeometryCheck check;
    check.width = width;
    check.height = height;
    if (width < 112) {
        check.tooSmall = true;
        return check;
    }
    check.beyondScreen = screenWidth < left || screenHeight < top;
    if (int(left) + int(width) >= screenWidth)
        check.width = quint16(screenWidth - left);
    if (int(top) + int(height) >= screenHeight)
        check.height = quint16(screenHeight - top);
    return check;
}

Rgb windowsColor(int value)
{
    const auto v = quint32(value);
    return {int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)};
}

} // namespace startup
} // namespace lumora
