// The main window's set-up offscreen, without any CONFIG.TXT (the floor) and with a
// 400-line program CONFIG.TXT plus a 400-line course CONFIG.TXT while inside a course,
// where every lookup reads both files afresh. Prints the ratio; fails above 1.5.
#include "app/tform1.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "state/session.h"

#include "benchclock.h"
#include "benchsettings.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <vector>

using namespace lumora;

namespace {

constexpr int Rounds = 40;
constexpr double Target = 1.5;

QStringList fillerLines(int count, const QString &prefix)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("1*%1 %2*Hodnota položky číslo %2 s dlhším slovenským textom").arg(prefix).arg(i);
    return lines;
}

qint64 setUpOnce(const QString &program, const QString &work, bool insideCourse)
{
    Session session;
    session.course.InsideCourse = insideCourse;
    session.course.LevelFolder[1] = QStringLiteral("kurz");
    StartEnvironment start;
    start.currentFolder = program;
    start.environment = [](const QString &) { return QString(); };
    start.dataLocation = work;
    start.localAddress = [] { return QStringLiteral("10.0.0.1"); };
    return bench::cpuNs([&] {
        TForm1 form(session);
        form.FormCreate(start);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    messages::hook::setAutoAnswer(true);

    const bench::RunSettings settings;
    QTemporaryDir bare, configured;
    for (QTemporaryDir *dir : {&bare, &configured}) {
        QDir().mkpath(dir->path() + QStringLiteral("/program/kurz"));
        QDir().mkpath(dir->path() + QStringLiteral("/work"));
    }
    const QString programFile = configured.path() + QStringLiteral("/program/CONFIG.TXT");
    QStringList programLines = fillerLines(360, QStringLiteral("INE"));
    const char *realKeys[] = {"0*IP*IP adresa",
                              "1*WIDTH*700",
                              "1*HEIGHT*640",
                              "1*NAME*Lumora",
                              "1*EDUCATION*Výukový program",
                              "1*END BUTTON CAPTION*Koniec"};
    for (const char *line : realKeys)
        programLines << QString::fromUtf8(line);
    programLines += fillerLines(400 - int(programLines.size()), QStringLiteral("DALSIE"));
    textfile::writeLines(programFile, programLines);
    textfile::writeLines(configured.path() + QStringLiteral("/program/kurz/CONFIG.TXT"),
                         fillerLines(400, QStringLiteral("KURZ")));

    std::vector<qint64> floor, measured;
    for (int i = 0; i < Rounds; ++i) {
        floor.push_back(
            setUpOnce(bare.path() + QStringLiteral("/program"), bare.path() + QStringLiteral("/work"), false));
        measured.push_back(setUpOnce(configured.path() + QStringLiteral("/program"),
                                     configured.path() + QStringLiteral("/work"), true));
    }
    const double ratio = bench::median(measured) / bench::median(floor);
    std::printf("main window set-up: no CONFIG.TXT %.2f ms, 400+400 lines inside a course %.2f ms, ratio %.2f (target "
                "<= %.1f)\n",
                bench::median(floor) / 1e6, bench::median(measured) / 1e6, ratio, Target);
    return ratio <= Target ? 0 : 1;
}
