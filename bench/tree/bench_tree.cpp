// The course tree on a generated course of 100,000 nodes (1,000 content files of 100
// items), each against a floor measured in the same run:
//  - building the tree and showing it fully expanded in a tree view, against reading
//    each content file once and inserting the same nodes into a QStandardItemModel shown
//    in a QTreeView (target: at most 2 times; the time itself is printed, target < 1 s);
//  - the caption search over all nodes, against a bare loop doing the same comparison
//    over the captions (target: at most 2 times);
//  - the integrity check, against a loop of existence tests on the same paths (target:
//    at most 2 times);
//  - the course checker, against the tree build without a window (target: at most 1.5).
#include "platform/paths.h"
#include "platform/textfile.h"
#include "check/authorcheck.h"
#include "course/coursecheck.h"
#include "tree/coursetreemodel.h"
#include "course/coursewalk.h"

#include "benchclock.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdio>

using namespace lumora;

namespace {

constexpr int Files = 1000;
constexpr int Items = 100;
constexpr int Leaves = 90; // distinct leaf targets; every seventh is missing
constexpr int Rounds = 5;

QString fileName(int i)
{
    return i == 0 ? QStringLiteral("Obsah.txt") : QStringLiteral("kap%1.txt").arg(i);
}

// File i names files 10i+1 … 10i+10 as screens, then leaves up to 100 items.
void writeCourse(const QString &folder)
{
    for (int i = 0; i < Files; ++i) {
        QStringList lines;
        lines << QStringLiteral("Kapitola %1").arg(i);
        for (int c = 10 * i + 1; c <= 10 * i + 10 && c < Files; ++c)
            lines << QStringLiteral("[Kapitola %1 časť %2]%3").arg(i).arg(c).arg(fileName(c));
        for (int j = 0; lines.size() <= Items; ++j)
            lines << QStringLiteral("[Položka %1 lekcie %2]stranka%3.htm").arg(j).arg(i).arg(j % Leaves);
        lines << QStringLiteral("<Text lekcie %1>").arg(i);
        textfile::writeLines(folder + u'/' + fileName(i), lines);
    }
    for (int j = 0; j < Leaves; ++j) {
        if (j % 7)
            textfile::writeLines(folder + QStringLiteral("/stranka%1.htm").arg(j), {QStringLiteral("<p>")});
    }
}

// The floor of the tree: each file read once, its item lines split, the nodes inserted.
void floorTree(const QString &folder, QStandardItem *parent, const QString &file, QStringList &captions)
{
    QFile f(folder + u'/' + file);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = f.readAll();
    for (const QByteArrayView raw : textfile::splitRawLines(bytes)) {
        if (!raw.startsWith('['))
            continue;
        const QString line = textfile::decode(raw);
        const qsizetype close = line.lastIndexOf(u']');
        const QString caption = line.mid(1, close - 1);
        const QString target = line.mid(close + 1).trimmed();
        auto *item = new QStandardItem(caption);
        parent->appendRow(item);
        captions << caption;
        if (target.endsWith(QLatin1String(".txt")))
            floorTree(folder, item, target, captions);
    }
}

void show(QAbstractItemModel *model)
{
    QTreeView view;
    view.setHeaderHidden(true);
    view.setUniformRowHeights(true);
    view.setModel(model);
    view.expandAll();
    view.resize(600, 400);
    view.show();
    QApplication::processEvents();
}

bool report(const char *what, double ns, double floorNs, double target)
{
    const double ratio = ns / floorNs;
    std::printf("%-34s %9.1f ms  floor %9.1f ms  ratio %.2f (target <= %.1f)%s\n", what, ns / 1e6, floorNs / 1e6, ratio,
                target, ratio <= target ? "" : "  ABOVE TARGET");
    return ratio <= target;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/Kurz");
    QDir().mkpath(folder);
    writeCourse(folder);

    QStringList captions;
    const double floorBuild = bench::medianNs(Rounds, [&] {
        captions.clear();
        QStandardItemModel model;
        auto *root = new QStandardItem(QStringLiteral("Kurz"));
        model.appendRow(root);
        floorTree(folder, root, fileName(0), captions);
        show(&model);
    });
    course::CourseTree walked;
    const double build = bench::medianNs(Rounds, [&] {
        tree::CourseTreeModel model(course::walkCourse(folder, QStringLiteral("Kurz"), fileName(0)));
        show(&model);
        walked = model.tree();
    });
    std::printf("course tree: %d nodes\n", walked.size());
    bool ok = walked.size() == 1 + Files * Items && captions.size() == Files * Items;
    ok = report("tree build and window", build, floorBuild, 2.0) && ok;
    std::printf("%-34s %9.1f ms  (target < 1000 ms)%s\n", "tree build and window, time", build / 1e6,
                build < 1e9 ? "" : "  ABOVE TARGET");
    ok = build < 1e9 && ok;

    const QString absent = QStringLiteral("žiadna taká položka");
    int bare = 0;
    const double floorSearch = bench::medianNs(Rounds, [&] {
        bare = 0;
        for (const QString &caption : std::as_const(captions))
            bare += caption.contains(absent, Qt::CaseInsensitive);
    });
    int found = 0;
    const double search = bench::medianNs(Rounds, [&] { found = course::findCaption(walked, absent, 0); });
    ok = report("caption search", search, floorSearch, 2.0) && ok && found == -1 && bare == 0;

    qsizetype present = 0;
    const double floorExists = bench::medianNs(Rounds, [&] {
        present = 0;
        for (const course::CourseNode &node : walked.nodes())
            present += QFileInfo::exists(paths::join(folder, course::testedName(node.reference)));
    });
    QStringList missing;
    const double integrity = bench::medianNs(Rounds, [&] { missing = course::missingFileLines(walked); });
    ok = report("integrity check", integrity, floorExists, 2.0) && ok && present + missing.size() == walked.size();

    const double walkOnly =
        bench::medianNs(Rounds, [&] { (void)course::walkCourse(folder, QStringLiteral("Kurz"), fileName(0)); });
    check::CourseReport checked;
    const double checker = bench::medianNs(Rounds, [&] { checked = check::checkCourse(folder, dir.path()); });
    // Every content file holds more lines than a screen keeps; the checker judges the 20
    // a screen keeps, where stranka0, stranka7 and stranka14 are missing, each reported once.
    qsizetype missingFound = 0;
    for (const check::Finding &finding : std::as_const(checked.findings))
        missingFound += finding.kind == check::FindingKind::Missing;
    ok = report("lumora-check", checker, walkOnly, 1.5) && ok && missingFound == 3;
    return ok ? 0 : 1;
}
