// Reading the golden course for the search: every screen once, in course order, with
// what could be read of its files; then the expected results of each query. The course
// is copied first, so the learner's files can change between readings.
#include "golden.h"
#include "programfolders.h"
#include "platform/textfile.h"
#include "search/coursereading.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lumora;
using namespace lumora::search;

namespace {

const QString goldenCourse = QStringLiteral(LUMORA_TEST_DATA "/golden/course");

struct Reading {
    std::vector<ScreenText> screens;
    QList<int> progress;
    bool complete = false;
};

Reading read(const CourseRequest &request, FormattedTextCache &cache, std::function<bool()> cancelled = {})
{
    Reading r;
    ReadingSink sink;
    sink.batchSize = 2;
    sink.cancelled = std::move(cancelled);
    sink.progress = [&r](int done, int total) { r.progress << done << total; };
    sink.batch = [&r](std::vector<ScreenText> &&batch) {
        for (ScreenText &s : batch)
            r.screens.push_back(std::move(s));
    };
    r.complete = readCourse(request, cache, sink);
    return r;
}

QString found(const QString &query, const std::vector<ScreenText> &screens)
{
    QStringList out;
    for (const Hit &hit : findScreens(parseQuery(query), screens))
        out << (hit.inCaption ? QStringLiteral("C:") : QStringLiteral("T:"))
                + screens[size_t(hit.screen)].places.value(hit.place).captionPath;
    return out.join(QStringLiteral(" | "));
}

} // namespace

class TestCourseReading : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(testing::copyFolder(goldenCourse, m_dir.path()));
        m_request = {m_dir.filePath(QStringLiteral("program/Kurz")), QStringLiteral("Kurz"),
                     QStringLiteral("Obsah.txt"), m_dir.filePath(QStringLiteral("work"))};
        m_first = read(m_request, m_cache);
    }

    // Every screen once, at its first place in course order; missing and broken files
    // leave out only what they hold.
    void screens()
    {
        QVERIFY(m_first.complete);
        QStringList shown;
        for (const ScreenText &s : m_first.screens)
            shown << s.reference + QStringLiteral(": ") + s.fields.join(QStringLiteral(" ¦ ")).replace(u'\n', u'/');
        const QStringList expected = {
            QStringLiteral("Obsah.txt: Vitajte v kurze. Tu sa naučíte počítať. ¦ poznámka ku kurzu: trojuholník"),
            QStringLiteral("uvod.txt: Úvod: prečítajte si najprv ČÍSLO jeden."),
            QStringLiteral("kap1.txt: Čísla a počítanie ¦ Čísla sú základ. Kružnica nie je číslo./Druhý odsek."),
            QStringLiteral("scitanie.txt: Sčítanie dvoch čísel ¦ Sčítanie je ľahké, ako ¦ "
                           "http://example.org/scitanie/http://example.org/trojuholnik"),
            QStringLiteral("KAP2.TXT: Moja poznámka:/ľudské práva sú dôležité"),
        };
        QCOMPARE(shown, expected);
        QCOMPARE(m_first.progress.mid(0, 2), (QList<int>{0, 5}));
        QCOMPARE(m_first.progress.mid(m_first.progress.size() - 2), (QList<int>{5, 5}));
    }

    void results_data() { testing::addTableRows({goldenCourse + QStringLiteral("/results.txt")}, 2); }
    void results()
    {
        QFETCH(QStringList, row);
        COMPARE_GOLDEN_CELLS(QStringList{found(row[0], m_first.screens)}, goldenCourse + QStringLiteral("/results.txt"),
                             1);
    }

    // Formatted texts are kept between readings until they change; notes and links are
    // read afresh every time; a cancelled reading stops.
    void readingAgain()
    {
        QCOMPARE(m_cache.size(), 3);
        textfile::writeLines(m_dir.filePath(QStringLiteral("work/kap1.txt")),
                             {QStringLiteral("nová poznámka o mocninách")});
        QFile rtf(m_dir.filePath(QStringLiteral("program/Kurz/kap1.rtf")));
        QVERIFY(rtf.open(QIODevice::WriteOnly));
        rtf.write("{\\rtf1 Zmenen\\'fd text o odmocnin\\'e1ch a pr\\'edkladoch.}");
        rtf.close();
        const Reading second = read(m_request, m_cache);
        QCOMPARE(found(QStringLiteral("mocnin"), second.screens),
                 QStringLiteral("T:Kurz - Úvod do kurzu - Späť na kapitolu"));
        QCOMPARE(found(QStringLiteral("odmocninach priklad"), second.screens),
                 QStringLiteral("T:Kurz - Úvod do kurzu - Späť na kapitolu"));
        QCOMPARE(found(QStringLiteral("kruznica"), second.screens), QString());
        QCOMPARE(m_cache.size(), 3);

        int asked = 0;
        const Reading cancelled = read(m_request, m_cache, [&asked] { return ++asked > 3; });
        QVERIFY(!cancelled.complete);
        QVERIFY(cancelled.screens.size() < second.screens.size());
    }

    // Content files that share each other exponentially (each lists the next one twice,
    // 30 deep) and one that names itself: each screen is read once, with a bounded list
    // of places, and the reading ends.
    void exponentialCourse()
    {
        QTemporaryDir dir;
        const QString course = dir.filePath(QStringLiteral("Kurz"));
        QDir().mkpath(course);
        for (int depth = 0; depth < 30; ++depth) {
            const QString next = QStringLiteral("d%1.txt").arg(depth + 1);
            textfile::writeLines(course + QStringLiteral("/d%1.txt").arg(depth),
                                 {QStringLiteral("[Ľavá %1]").arg(depth) + next,
                                  QStringLiteral("[Pravá %1]").arg(depth) + next,
                                  QStringLiteral("[Znova]d%1.txt").arg(depth)});
        }
        textfile::writeLines(course + QStringLiteral("/d30.txt"), {QStringLiteral("<Posledná obrazovka>")});
        FormattedTextCache cache;
        const Reading r = read(
            {course, QStringLiteral("Kurz"), QStringLiteral("d0.txt"), dir.filePath(QStringLiteral("work"))}, cache);
        QVERIFY(r.complete);
        QCOMPARE(r.screens.size(), size_t(31));
        QCOMPARE(r.screens.back().places.size(), MaxPlaces);
        QCOMPARE(found(QStringLiteral("posledna prava 29"), r.screens),
                 QStringLiteral("T:") + r.screens.back().places.first().captionPath);
        QCOMPARE(r.screens.back().places.first().captionPath.count(QStringLiteral(" - ")), 30);
    }

private:
    QTemporaryDir m_dir;
    CourseRequest m_request;
    FormattedTextCache m_cache;
    Reading m_first;
};

QTEST_MAIN(TestCourseReading)
#include "tst_coursereading.moc"
