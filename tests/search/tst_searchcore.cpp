// Folding, query parsing, matching and snippets against the golden rows beside this file.
#include "golden.h"
#include "search/lessonfind.h"
#include "search/matching.h"
#include "search/query.h"
#include "search/textfold.h"

#include <QStringDecoder>
#include <QTest>

using namespace lumora;
using namespace lumora::search;

namespace {

const QString goldenFolder = QStringLiteral(LUMORA_TEST_DATA "/golden/");

// "\t", "\n", "\r" and "\uXXXX" written out in a golden row.
QString unescape(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 >= text.size()) {
            out.append(text[i]);
            continue;
        }
        const QChar c = text[++i];
        if (c == u't')
            out.append(u'\t');
        else if (c == u'n')
            out.append(u'\n');
        else if (c == u'r')
            out.append(u'\r');
        else if (c == u'u') {
            out.append(QChar(char16_t(text.mid(i + 1, 4).toUShort(nullptr, 16))));
            i += 4;
        } else
            out.append(u'\\').append(c);
    }
    return out;
}

// One data row per line of a golden file (comments start with "#"), its columns
// split at tabs and unescaped.
void addRows(const QString &file, int columns)
{
    QTest::addColumn<QStringList>("row");
    const QStringList lines = QString::fromUtf8(testing::fileBytes(goldenFolder + file)).split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        if (lines[n].isEmpty() || lines[n].startsWith(u'#'))
            continue;
        QStringList row = lines[n].split(u'\t');
        if (row.size() != columns) {
            // Fails the test function of these rows; the well-formed rows still run.
            QTest::qFail(qPrintable(QStringLiteral("%1 line %2: %3 columns, not %4")
                                        .arg(file).arg(n + 1).arg(row.size()).arg(columns)),
                         __FILE__, __LINE__);
            continue;
        }
        for (QString &cell : row)
            cell = unescape(cell);
        QTest::newRow(qPrintable(QStringLiteral("%1:%2").arg(file).arg(n + 1))) << row;
    }
}

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
    void folding_data() { addRows(QStringLiteral("fold.txt"), 2); }
    void folding()
    {
        QFETCH(QStringList, row);
        QCOMPARE(fold(row[0]), row[1]);
        // The map points every folded character back at the character it came from.
        std::vector<qsizetype> origins;
        QCOMPARE(fold(row[0], origins), row[1]);
        QCOMPARE(qsizetype(origins.size()), row[1].size());
        for (size_t i = 0; i < origins.size(); ++i) {
            QVERIFY(origins[i] >= 0 && origins[i] < row[0].size());
            QVERIFY(i == 0 || origins[i] >= origins[i - 1]);
        }
    }

    // Every letter of the Windows-1250 code page folds to a letter without marks, lower
    // case, and its capital folds to the same.
    void windows1250Letters()
    {
        QByteArray bytes;
        for (int b = 0x20; b < 0x100; ++b)
            bytes.append(char(b));
        const QString page = QStringDecoder("windows-1250").decode(bytes);
        int letters = 0;
        for (QChar ch : page) {
            if (!ch.isLetter())
                continue;
            ++letters;
            const QString folded = fold(QString(ch));
            QCOMPARE(folded.size(), 1);
            QVERIFY2(QChar::category(folded[0].unicode()) != QChar::Mark_NonSpacing, qPrintable(QString(ch)));
            QCOMPARE(fold(QString(ch.toUpper())), fold(QString(ch.toLower())));
        }
        QVERIFY(letters > 100);
    }

    void queries_data() { addRows(QStringLiteral("query.txt"), 2); }
    void queries()
    {
        QFETCH(QStringList, row);
        QCOMPARE(written(parseQuery(row[0])), row[1]);
    }

    void matching_data() { addRows(QStringLiteral("matching.txt"), 5); }
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
                              : hits[0].inCaption ? QStringLiteral("caption") : QStringLiteral("text");
        QCOMPARE(found, row[3]);
        if (!hits.isEmpty())
            QCOMPARE(snippet(query, screen), row[4]);
    }

    // Caption hits come first, each group in the order of the screens; the caption path
    // shows the terms in bold.
    void lessonFind_data() { addRows(QStringLiteral("lessonfind.txt"), 3); }
    void lessonFind()
    {
        QFETCH(QStringList, row);
        const Query query = parseQuery(row[0]);
        FoldedText text(row[1]);
        const std::vector<TextRange> all = text.findAll(query);
        QStringList found;
        for (const TextRange &r : all)
            found.append(row[1].mid(r.start, r.length));
        QCOMPARE(found.join(QStringLiteral(" | ")), row[2]);

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
        const QStringList captions = {QStringLiteral("Úvod"), QStringLiteral("Sčítanie"),
                                      QStringLiteral("Odčítanie"), QStringLiteral("Sčítanie zlomkov")};
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
