// Query parsing, matching and snippets against the golden rows beside this file.
#include "golden.h"
#include "search/lessonfind.h"
#include "search/matching.h"
#include "search/query.h"

#include <QTest>

using namespace lumora;
using namespace lumora::search;

namespace {

const QString goldenFolder = QStringLiteral(LUMORA_TEST_DATA "/golden/");

QString written(const Query &query)
{
    QStringList terms;
    for (const Term &term : query.terms)
        terms.append(term.phrase ? u'"' + term.text + u'"' : term.text);
    return terms.join(QStringLiteral(" | "));
}

} // namespace

class TestSearchCore : public QObject {
    Q_OBJECT
private slots:
    void queries_data() { testing::addTableRows({goldenFolder + QStringLiteral("query.txt")}, 2); }
    void queries()
    {
        QFETCH(QStringList, row);
        COMPARE_GOLDEN_CELLS(QStringList{written(parseQuery(row[0]))}, goldenFolder + QStringLiteral("query.txt"), 1);
    }

    void matching_data() { testing::addTableRows({goldenFolder + QStringLiteral("matching.txt")}, 5); }
    void matching()
    {
        QFETCH(QStringList, row);
        const Query query = parseQuery(row[0]);
        ScreenText screen;
        addPlace(screen, 0, row[1], row[1]);
        screen.fields = row[2].split(QStringLiteral(" ¦ "));
        prepare(screen);
        const QList<Hit> hits = findScreens(query, {screen});
        const QString found = hits.isEmpty() ? QStringLiteral("none")
            : hits[0].inCaption              ? QStringLiteral("caption")
                                             : QStringLiteral("text");
        // No snippet is shown for a screen not found.
        const QString shown = hits.isEmpty() ? row[4] : snippet(query, screen);
        COMPARE_GOLDEN_CELLS((QStringList{found, shown}), goldenFolder + QStringLiteral("matching.txt"), 3);
    }

    // Caption hits come first, each group in the order of the screens; the caption path
    // shows the terms in bold.
    void lessonFind_data() { testing::addTableRows({goldenFolder + QStringLiteral("lessonfind.txt")}, 3); }
    void lessonFind()
    {
        QFETCH(QStringList, row);
        const Query query = parseQuery(row[0]);
        FoldedText text(row[1]);
        const std::vector<TextRange> all = text.findAll(query);
        QStringList found;
        for (const TextRange &r : all)
            found.append(row[1].mid(r.start, r.length));
        COMPARE_GOLDEN_CELLS(QStringList{found.join(QStringLiteral(" | "))},
                             goldenFolder + QStringLiteral("lessonfind.txt"), 2);

        // Folded and searched two characters at a time, the same places.
        FoldedText sliced(row[1], false);
        Scan scan(query);
        std::vector<TextRange> pieces;
        for (bool done = false; !done;) {
            done = sliced.foldMore(2);
            scan.run(sliced, done ? sliced.folded().size() : sliced.folded().size() - scan.longestTerm() + 1, pieces);
        }
        QVERIFY(pieces == all);
        QCOMPARE(sliced.folded(), text.folded());
    }

    void order()
    {
        std::vector<ScreenText> screens(4);
        const QStringList captions = {QStringLiteral("Úvod"), QStringLiteral("Sčítanie"), QStringLiteral("Odčítanie"),
                                      QStringLiteral("Sčítanie zlomkov")};
        for (size_t i = 0; i < screens.size(); ++i) {
            addPlace(screens[i], int(i), captions[qsizetype(i)], captions[qsizetype(i)]);
            screens[i].fields = {i == 0 ? QStringLiteral("sčítanie čísel") : QStringLiteral("nič"),
                                 i == 2 ? QStringLiteral("pozri SČÍTANIE") : QString()};
            prepare(screens[i]);
        }
        const QList<Hit> hits = findScreens(parseQuery(u"scitanie"), screens, 10);
        QCOMPARE(hits, (QList<Hit>{{11, true}, {13, true}, {10, false}, {12, false}}));
        // A screen named from a second place is found by that place's caption.
        addPlace(screens[0], 7, QStringLiteral("Kurz - Sčítanie čísel"), QStringLiteral("Sčítanie čísel"));
        QCOMPARE(findScreens(parseQuery(u"scitanie cisel"), screens), (QList<Hit>{{0, true, 1}}));
        QCOMPARE(highlighted(parseQuery(u"scitanie kurz"), u"Kurz - Sčítanie  zlomkov"),
                 QStringLiteral("<b>Kurz</b> - <b>Sčítanie</b> zlomkov"));
        QVERIFY(findScreens(parseQuery(u""), screens).isEmpty());
    }

    // A very long query, or a very long text, is handled whole and quickly enough to
    // stay out of the way; nothing is found that is not there.
    void largeInput()
    {
        QString longQuery;
        for (int i = 0; longQuery.size() < 10000; ++i)
            longQuery += QStringLiteral("slovo%1 \"").arg(i % 700);
        const Query query = parseQuery(longQuery);
        QVERIFY(query.terms.size() >= 700);
        ScreenText screen;
        addPlace(screen, 0, QStringLiteral("slovo1"), QStringLiteral("slovo1"));
        screen.fields = {QString(5'000'000, u'x') + QStringLiteral(" slovo2")};
        prepare(screen);
        Hit hit;
        QVERIFY(!matches(query, screen, hit));
        QVERIFY(matches(parseQuery(u"slovo1 slovo2"), screen, hit));
        QCOMPARE(snippet(parseQuery(u"slovo2"), screen), QStringLiteral("… <b>slovo2</b>"));
    }
};

QTEST_GUILESS_MAIN(TestSearchCore)
#include "tst_searchcore.moc"
