// The course search on a generated course of 1,001 screens (a top screen, 10 chapters,
// 990 lessons), each with a 5 KB formatted text and a note, against floors measured in
// the same run:
//  - reading the course for the search (the walk, every screen's texts, folding) against
//    reading each file once and turning each formatted text into plain text with the
//    project's reader (target: at most 1.5 times, and under 1 s);
//  - a two-word query over the texts read against a bare loop of substring tests of the
//    same two words over the same folded texts (target: at most 2 times, under 50 ms).
// Times are CPU times of this thread, each the median of several rounds that alternate
// the measured operation and its floor.
#include "platform/textfile.h"
#include "rtf/rtfplainlines.h"
#include "rtf/rtfreader.h"
#include "search/coursereading.h"
#include "platform/textfold.h"

#include "benchclock.h"
#include "benchcourse.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstdio>
#include <vector>

using namespace lumora;

namespace {

constexpr int Rounds = 7;
constexpr int QueryRounds = 31;
constexpr int RtfBytes = 5 * 1024;
constexpr double ReadTarget = 1.5;
constexpr double QueryTarget = 2.0;

const char *const Words[] = {"kapitola",     "\\'fase\\'e8ka", "kru\\'9enica",    "nakreslite",   "obd\\'e5\\'9enik",
                             "pomocou",      "n\\'e1stroja",   "\\'9dahan\\'edm", "my\\'9ai",     "potvr\\'efte",
                             "kl\\'e1ves",   "v\\'fdsledok",   "ulo\\'9ete",      "s\\'fabor",    "\\'efal\\'9aie",
                             "pr\\'edklady", "n\\'e1jdete",    "lekcii",          "\\'e8iara",    "\\'9atvorec",
                             "\\'9elt\\'e1", "farba",          "\\'beav\\'e9",    "tla\\'e8idlo", "po\\'e8\\'edta\\'e8",
                             "okno",         "ponuka",         "program"};

quint32 seed = 2026;
quint32 next(quint32 n)
{
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % n;
}

QByteArray lessonRtf(int number)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}\\f0\\fs24 Lekcia "
        + QByteArray::number(number) + "\\par ";
    while (rtf.size() < RtfBytes) {
        for (int w = 0; w < 12; ++w) {
            const quint32 style = next(20);
            if (style == 0)
                rtf += "{\\b ";
            else if (style == 1)
                rtf += "{\\i\\f1 ";
            rtf += Words[next(sizeof Words / sizeof *Words)];
            if (number % 100 == 7 && next(40) == 0)
                rtf += " zriedkav\\'e9";
            rtf += style <= 1 ? "} " : " ";
        }
        rtf += "\\par\r\n";
    }
    return rtf + "}";
}

// The floor of reading: every file of the course and the work folder read once, and
// every formatted text turned into plain text by the project's reader.
qint64 readFloor(const QString &course, const QString &work)
{
    qint64 sum = 0;
    for (const QString &folder : {course, work}) {
        QDirIterator it(folder, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QByteArray bytes = textfile::readBytes(path);
            if (path.endsWith(QStringLiteral(".rtf"))) {
                QTextDocument doc;
                rtf::read(bytes, doc);
                sum += rtf::plainLines(doc).join(u'\n').size();
            } else {
                sum += textfile::decode(bytes).size();
            }
        }
    }
    return sum;
}

std::vector<search::ScreenText> readForSearch(const search::CourseRequest &request)
{
    search::FormattedTextCache cache; // a course read for the first time
    std::vector<search::ScreenText> screens;
    search::ReadingSink sink;
    sink.batch = [&screens](std::vector<search::ScreenText> &&batch) {
        for (search::ScreenText &s : batch)
            screens.push_back(std::move(s));
    };
    search::readCourse(request, cache, sink);
    return screens;
}

// The floor of a query: the two folded words tested as substrings of every screen's
// folded caption and texts.
int bareLoop(const std::vector<search::ScreenText> &screens, const QString &a, const QString &b)
{
    int found = 0;
    for (const search::ScreenText &s : screens) {
        const QString &caption = s.places.first().foldedCaption;
        if ((caption.contains(a) || s.foldedBody.contains(a)) && (caption.contains(b) || s.foldedBody.contains(b)))
            ++found;
    }
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString course = dir.filePath(QStringLiteral("program/Kurz"));
    const QString work = dir.filePath(QStringLiteral("work"));
    bench::writeCourse(course, work, lessonRtf);
    const search::CourseRequest request{course, QStringLiteral("Kurz"), QStringLiteral("Obsah.txt"), work};
    textfold::fold(u"x"); // the character table is made once per program, before any timing

    std::vector<qint64> floorTimes, readTimes;
    std::vector<search::ScreenText> screens;
    qint64 sink = 0;
    for (int i = 0; i < Rounds; ++i) {
        floorTimes.push_back(bench::cpuNs([&] { sink += readFloor(course, work); }));
        readTimes.push_back(bench::cpuNs([&] { screens = readForSearch(request); }));
    }
    if (screens.size() != size_t(bench::CourseScreens)) {
        std::fprintf(stderr, "read %zu screens\n", screens.size());
        return 2;
    }

    const QString first = QStringLiteral("počítanie");
    const QString second = QStringLiteral("zriedkavé");
    const QString typed = first + u' ' + second;
    std::vector<qint64> loopTimes, queryTimes;
    int expected = 0, found = 0;
    for (int i = 0; i < QueryRounds; ++i) {
        const QString a = textfold::fold(first), b = textfold::fold(second);
        loopTimes.push_back(bench::cpuNs([&] { expected = bareLoop(screens, a, b); }));
        queryTimes.push_back(
            bench::cpuNs([&] { found = int(search::findScreens(search::parseQuery(typed), screens).size()); }));
    }
    if (found != expected || found == 0) {
        std::fprintf(stderr, "the query found %d screens, the loop %d\n", found, expected);
        return 2;
    }

    const double read = bench::median(readTimes), readFloorNs = bench::median(floorTimes);
    const double query = bench::median(queryTimes), loop = bench::median(loopTimes);
    const double readRatio = read / readFloorNs, queryRatio = query / loop;
    std::printf("course: %zu screens, 5 KB formatted text and a note each (checksum %lld)\n", screens.size(), sink);
    std::printf("read:  %.1f ms, floor (each file once, formatted texts to plain text) %.1f ms, ratio %.2f "
                "(target <= %.1f, under 1000 ms)\n",
                read / 1e6, readFloorNs / 1e6, readRatio, ReadTarget);
    std::printf("query: %.2f ms for \"%s\" (%d screens), floor (bare substring loop) %.2f ms, ratio %.2f "
                "(target <= %.1f, under 50 ms)\n",
                query / 1e6, qPrintable(typed), found, loop / 1e6, queryRatio, QueryTarget);
    const bool ok = readRatio <= ReadTarget && read < 1e9 && queryRatio <= QueryTarget && query < 50e6;
    return ok ? 0 : 1;
}
