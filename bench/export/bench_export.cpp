// The web site export on a generated course of the search benchmark's shape (a top
// screen, 10 chapters, 990 lessons, each screen with a 5 KB formatted text), against a
// floor measured in the same run: reading the same files as the player reads them (every
// file once, every formatted text into a document by the project's reader) and writing
// as many bytes in as many files as the export wrote. Target: the site, the SCORM 1.2
// package and the SCORM 2004 package each at most 2 times the floor. The four are run
// in turn, round after round, so that a floor that moves with the page cache moves for
// all of them alike.
// Then the export of the sample program folder, whose wall time should stay under 1 s.
// Times are CPU times of this thread (the export runs on it), medians of several rounds.
#include "export/siteexport.h"
#include "platform/textfile.h"
#include "rtf/rtfreader.h"

#include "benchclock.h"
#include "benchcourse.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <utility>

using namespace lumora;

namespace {

constexpr int Rounds = 5;
constexpr int RtfBytes = 5 * 1024;
constexpr double Target = 2.0;

QByteArray lessonRtf(int number)
{
    static const char *const words[] = {"kapitola", "\\'fase\\'e8ka", "kru\\'9enica", "nakreslite",
                                        "pomocou",  "n\\'e1stroja",   "tla\\'e8idlo", "po\\'e8\\'edta\\'e8",
                                        "okno",     "program"};
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Lekcia " + QByteArray::number(number) + "\\par ";
    for (int w = 0; rtf.size() < RtfBytes; ++w) {
        rtf += (w % 17 == 0 ? "{\\b " : "") + QByteArray(words[(w * 7 + number) % 10]) + (w % 17 == 0 ? "} " : " ");
        if (w % 12 == 11)
            rtf += "\\par\r\n";
    }
    return rtf + "}";
}

// Reading as the player reads, then writing the export's amount of bytes in as many files.
void floor(const QString &course, const QString &out, int files, qint64 bytes)
{
    QDirIterator it(course, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        const QByteArray data = textfile::readBytes(path);
        if (path.endsWith(QLatin1String(".rtf"))) {
            QTextDocument doc;
            rtf::read(data, doc);
        }
    }
    QDir().mkpath(out);
    const QByteArray chunk(int(bytes / files), 'x');
    for (int i = 0; i < files; ++i)
        bench::writeFile(out + QStringLiteral("/f%1.html").arg(i), chunk);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString course = dir.filePath(QStringLiteral("kurz"));
    bench::writeCourse(course, QString(), lessonRtf);

    exporting::ExportResult last;
    const auto exportOnce = [&](exporting::Format format, const QString &target) {
        return bench::cpuNs([&] {
            exporting::ExportRequest request;
            request.source = course;
            request.target = target;
            request.format = format;
            last = exporting::exportSite(request);
            if (last.status != exporting::ExportResult::Status::Done)
                qFatal("the export failed: %s", qPrintable(last.error + last.problems.join(u'\n')));
        });
    };
    std::vector<qint64> webTimes, scormTimes, scorm2004Times, floorTimes;
    int files = 0;
    qint64 bytes = 0;
    for (int r = 0; r < Rounds; ++r) {
        webTimes.push_back(exportOnce(exporting::Format::Web, dir.filePath(QStringLiteral("web%1").arg(r))));
        files = last.files;
        bytes = last.bytes;
        const QString floorTarget = dir.filePath(QStringLiteral("floor%1").arg(r));
        floorTimes.push_back(bench::cpuNs([&] { floor(course, floorTarget, files, bytes); }));
        scormTimes.push_back(exportOnce(exporting::Format::Scorm, dir.filePath(QStringLiteral("p%1.zip").arg(r))));
        scorm2004Times.push_back(
            exportOnce(exporting::Format::Scorm2004, dir.filePath(QStringLiteral("q%1.zip").arg(r))));
    }
    const double floorNs = bench::median(floorTimes);
    std::printf("export of %d screens (%d files, %lld bytes), floor %.1f ms (median of %d rounds)\n", last.pages, files,
                static_cast<long long>(bytes), floorNs / 1e6, Rounds);
    double ratio = 0;
    for (const auto &[name, times] : {std::pair{"web site", &webTimes}, std::pair{"SCORM 1.2", &scormTimes},
                                      std::pair{"SCORM 2004", &scorm2004Times}}) {
        const double ns = bench::median(*times);
        std::printf("  %-10s %.1f ms, ratio %.2f (target %.1f)\n", name, ns / 1e6, ns / floorNs, Target);
        ratio = std::max(ratio, ns / floorNs);
    }

    // The sample program folder, wall time.
    std::vector<qint64> sampleTimes;
    for (int r = 0; r < Rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        exporting::ExportRequest request;
        request.source = QStringLiteral(LUMORA_SOURCE_DIR "/sample");
        request.target = dir.filePath(QStringLiteral("sample%1").arg(r));
        if (exporting::exportSite(request).status != exporting::ExportResult::Status::Done)
            qFatal("the sample export failed");
        sampleTimes.push_back(timer.nsecsElapsed());
    }
    const double sampleMs = bench::median(sampleTimes) / 1e6;
    std::printf("export of sample/: %.1f ms wall (target under 1000 ms)\n", sampleMs);
    return ratio <= Target && sampleMs < 1000 ? 0 : 1;
}
