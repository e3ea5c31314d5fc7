// Walks every golden course (a case folder's course/) and compares the tree and the
// integrity list with the expectations written beside it (nodes.txt, integrity.txt);
// then the walk's guards on inputs no folder can hold.
#include "golden.h"
#include "platform/textfile.h"
#include "course/contentfile.h"
#include "course/coursecheck.h"
#include "course/coursewalk.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace lumora;
using namespace lumora::course;

namespace {

const QString casesFolder = QStringLiteral(LUMORA_TEST_DATA "/golden/walk");

QString stateName(NodeState state)
{
    switch (state) {
    case NodeState::Item: return QStringLiteral("item");
    case NodeState::Expanded: return QStringLiteral("expanded");
    case NodeState::Missing: return QStringLiteral("missing");
    case NodeState::Unreadable: return QStringLiteral("unreadable");
    case NodeState::Outside: return QStringLiteral("outside");
    case NodeState::Cycle: return QStringLiteral("cycle");
    }
    return QString();
}

QStringList describe(const CourseTree &tree)
{
    QStringList out;
    for (const CourseNode &n : tree.nodes())
        out.append(QString(n.depth * 2, u' ') + n.caption + QStringLiteral(" | ") + n.reference + QStringLiteral(" | ")
                   + stateName(n.state));
    return out;
}

// A content file whose items name the next file twice: the tree doubles per level.
void writeDiamond(const QString &folder, int depth)
{
    for (int i = 0; i < depth; ++i) {
        QFile file(folder + QStringLiteral("/f%1.txt").arg(i));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("[L%1a]f%2.txt\r\n[L%1b]f%2.txt\r\n").arg(i).arg(i + 1).toLatin1());
    }
}

} // namespace

class TestCourseWalkGolden : public QObject {
    Q_OBJECT

private slots:
    void golden_data() { testing::addCaseRows(casesFolder); }

    void golden()
    {
        QFETCH(QString, folder);
        const CourseTree tree =
            walkCourse(folder + QStringLiteral("/course"), QStringLiteral("course"), QStringLiteral("Obsah.txt"));
        COMPARE_GOLDEN(describe(tree), folder + QStringLiteral("/nodes.txt"));
        COMPARE_GOLDEN(integrityList(tree, QStringLiteral("course"), defaultAllAroundText()),
                       folder + QStringLiteral("/integrity.txt"));
        QVERIFY(!tree.truncated());
    }

    // Each content file is read once however often it is named; a pipe named like a
    // content file is a leaf (reading it would block), an unreadable file too.
    void eachFileReadOnceAndPipes()
    {
        QTemporaryDir dir;
        const QString course = dir.path();
        QVERIFY(::mkfifo(QFile::encodeName(course + QStringLiteral("/pipe.txt")).constData(), 0600) == 0);
        writeDiamond(course, 12);
        QFile top(course + QStringLiteral("/Obsah.txt"));
        QVERIFY(top.open(QIODevice::WriteOnly));
        top.write("[Rúra]pipe.txt\r\n[Diamant]f0.txt\r\n[Znova]F0.TXT\r\n");
        top.close();
        QMap<QString, int> reads;
        WalkOptions options;
        options.onFileRead = [&](const ContentFileVisit &visit, QByteArrayView, const course::ContentFile &) {
            ++reads[QFileInfo(visit.path).fileName()];
        };
        const CourseTree tree = walkCourse(course, QStringLiteral("k"), QStringLiteral("Obsah.txt"), options);
        QCOMPARE(tree.node(1).state, NodeState::Unreadable);
        // 1 + 3 top items + 2 * (2^13 - 2) nodes below the two diamonds.
        QCOMPARE(tree.size(), 1 + 3 + 2 * ((1 << 13) - 2));
        QCOMPARE(reads.size(), 13); // Obsah.txt and f0..f11, f12 missing
        for (auto it = reads.cbegin(); it != reads.cend(); ++it)
            QCOMPARE(it.value(), 1);
        QCOMPARE(tree.captionPath(tree.size() - 1),
                 QStringLiteral("k - Znova - L0b - L1b - L2b - L3b - L4b - L5b - L6b - L7b - L8b - L9b - L10b - L11b"));
        QCOMPARE(tree.filePath(2), QFileInfo(course + QStringLiteral("/f0.txt")).filePath());
        const int again = 3 + 2 * ((1 << 12) - 1); // after "Diamant" and its subtree
        QCOMPARE(tree.node(again).caption, QStringLiteral("Znova"));
        QCOMPARE(tree.filePath(again), tree.filePath(2)); // "F0.TXT" resolves to f0.txt
    }

    // A content file of exactly the screens' limit is still a screen; one byte more and
    // it is a leaf the walk does not read, as the player refuses it.
    void contentFileAtTheSizeLimit()
    {
        QTemporaryDir dir;
        // The screen's lines, then zero bytes up to the size.
        const auto write = [&](const QString &name, const QByteArray &bytes, qint64 size) {
            QFile file(dir.path() + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.resize(size));
        };
        const QByteArray top = "[Na hranici]a.txt\r\n[Nad hranicou]b.txt\r\n";
        write(QStringLiteral("Obsah.txt"), top, top.size());
        write(QStringLiteral("a.txt"), "[Pod]c.htm\r\n", MaxContentFileBytes);
        write(QStringLiteral("b.txt"), "[Pod]d.htm\r\n", MaxContentFileBytes + 1);
        const CourseTree tree = walkCourse(dir.path(), QStringLiteral("k"), QStringLiteral("Obsah.txt"));
        QCOMPARE(describe(tree),
                 (QStringList{
                     QStringLiteral("k | Obsah.txt | expanded"), QStringLiteral("  Na hranici | a.txt | expanded"),
                     QStringLiteral("    Pod | c.htm | item"), QStringLiteral("  Nad hranicou | b.txt | unreadable")}));
    }

    // A course whose shared files expand exponentially stops at the node limit, fast.
    void sizeGuard()
    {
        QTemporaryDir dir;
        writeDiamond(dir.path(), 30);
        QFile::copy(dir.path() + QStringLiteral("/f0.txt"), dir.path() + QStringLiteral("/Obsah.txt"));
        const CourseTree tree = walkCourse(dir.path(), QStringLiteral("k"), QStringLiteral("Obsah.txt"));
        QVERIFY(tree.truncated());
        QCOMPARE(tree.size(), DefaultMaxNodes);
        QCOMPARE(tree.visits().size(), 31); // Obsah.txt and f1..f29 read, f30 missing
        WalkOptions small;
        small.maxNodes = 5;
        QCOMPARE(walkCourse(dir.path(), QStringLiteral("k"), QStringLiteral("Obsah.txt"), small).size(), 5);
    }

    // A long chain of content files is walked without recursion; caption search over
    // every letter's case, diacritics kept.
    void deepChainAndSearch()
    {
        QTemporaryDir dir;
        const int depth = 5000;
        for (int i = 0; i < depth; ++i) {
            QFile file(dir.path() + (i ? QStringLiteral("/c%1.txt").arg(i) : QStringLiteral("/Obsah.txt")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(textfile::encode(QStringLiteral("[Čas %1]c%2.txt\r\n").arg(i).arg(i + 1)));
        }
        const CourseTree tree = walkCourse(dir.path(), QStringLiteral("k"), QStringLiteral("Obsah.txt"));
        QCOMPARE(tree.size(), depth + 1);
        // The last file names a missing one: a leaf. A deep chain text keeps its ends.
        QCOMPARE(tree.node(depth).state, NodeState::Missing);
        const QStringList chain = tree.chainText(depth).split(QStringLiteral("->"));
        QCOMPARE(chain.size(), 2 * CourseTree::ChainEnds + 2);
        QCOMPARE(chain.at(CourseTree::ChainEnds), QStringLiteral("…"));
        QCOMPARE(chain.at(CourseTree::ChainEnds + 1), QStringLiteral("c%1.txt").arg(depth - CourseTree::ChainEnds));
        QCOMPARE(tree.node(depth).depth, depth);
        QCOMPARE(findCaption(tree, QStringLiteral("čas 499"), 0), 500);
        QCOMPARE(findCaption(tree, QStringLiteral("ČAS 499"), 501), 4991); // "Čas 4990"
        QCOMPARE(findCaption(tree, QStringLiteral("cas"), 0), -1);
        QCOMPARE(findCaption(tree, QString(), 0), -1);
        QCOMPARE(findCaption(tree, QStringLiteral("čas 4999"), 5000), 5000);
        QCOMPARE(findCaption(tree, QStringLiteral("čas 4999"), 5001), -1);
    }

    // The integrity list's scroll bars: vertical from 25 lines, horizontal from 86 characters.
    void listScrollBarRule()
    {
        const QStringList lines24(24, QString(85, u'x'));
        QStringList lines25 = lines24;
        lines25.append(QString());
        QStringList wide = lines24;
        wide[3] = QString(86, u'x');
        const auto bars = [](const QStringList &lines) {
            const ListScrollBars b = listScrollBars(lines);
            return QPair<bool, bool>(b.horizontal, b.vertical);
        };
        QCOMPARE(bars(lines24), qMakePair(false, false));
        QCOMPARE(bars(lines25), qMakePair(false, true));
        QCOMPARE(bars(wide), qMakePair(true, false));
        wide.append(QString());
        QCOMPARE(bars(wide), qMakePair(true, true));
    }

    void insideCourse()
    {
        for (const char *inside : {"a.txt", "pod\\a.txt", "pod/../a.txt", "./a.txt", ""})
            QVERIFY2(staysInsideCourse(QString::fromLatin1(inside)), inside);
        for (const char *outside : {"../a.txt", "..\\a.txt", "pod\\..\\..\\a.txt", "/a.txt", "\\a.txt", "C:a.txt"})
            QVERIFY2(!staysInsideCourse(QString::fromLatin1(outside)), outside);
    }
};

QTEST_GUILESS_MAIN(TestCourseWalkGolden)
#include "tst_coursewalkgolden.moc"
