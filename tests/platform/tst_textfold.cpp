// The folded form that search, find-in-lesson and the web export's search compare:
// golden rows beside this file, and every letter of the Windows-1250 code page.
#include "golden.h"
#include "platform/textfold.h"

#include <QStringDecoder>
#include <QTest>

using namespace lumora;

namespace {
const QString goldenFolder = QStringLiteral(LUMORA_TEST_DATA "/golden/");
} // namespace

class TestTextFold : public QObject {
    Q_OBJECT
private slots:
    void folding_data() { testing::addTableRows({goldenFolder + QStringLiteral("fold.txt")}, 2); }
    void folding()
    {
        QFETCH(QStringList, row);
        COMPARE_GOLDEN_CELLS(QStringList{textfold::fold(row[0])}, goldenFolder + QStringLiteral("fold.txt"), 1);
        // The map points every folded character back at the character it came from.
        std::vector<qsizetype> origins;
        QCOMPARE(textfold::fold(row[0], origins), textfold::fold(row[0]));
        QCOMPARE(qsizetype(origins.size()), textfold::fold(row[0]).size());
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
            const QString folded = textfold::fold(QString(ch));
            QCOMPARE(folded.size(), 1);
            QVERIFY2(QChar::category(folded[0].unicode()) != QChar::Mark_NonSpacing, qPrintable(QString(ch)));
            QCOMPARE(textfold::fold(QString(ch.toUpper())), textfold::fold(QString(ch.toLower())));
        }
        QVERIFY(letters > 100);
    }
};

QTEST_GUILESS_MAIN(TestTextFold)
#include "tst_textfold.moc"
