// The text table against golden folders (program/CONFIG.TXT, program/kurz/CONFIG.TXT and
// the expected lookups side by side), and against files that are large, broken or change.
#include "config/keys.h"
#include "golden.h"
#include "config/numbers.h"
#include "config/texttable.h"
#include "platform/errors.h"
#include "platform/textfile.h"
#include "state/session.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <iterator>

using namespace lumora;

class TestTextTable : public QObject {
    Q_OBJECT

    static QString golden() { return QStringLiteral(LUMORA_TEST_DATA "/golden"); }

    static void writeConfig(const QString &folder, const QByteArray &bytes)
    {
        QDir().mkpath(folder);
        textfile::writeBytes(folder + QStringLiteral("/CONFIG.TXT"), bytes);
    }

private slots:
    // Each case folder's lookups.txt: where the lookup runs ("program" or "course"), the
    // key, the default text, then the text found and whether the prompt gate is set
    // ("1"), cleared ("0") or left as it was ("=").
    void goldenLookups_data()
    {
        QStringList tables;
        for (const QString &name : QDir(golden()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            tables << golden() + QLatin1Char('/') + name + QStringLiteral("/lookups.txt");
        testing::addTableRows(tables, 5);
    }

    void goldenLookups()
    {
        QFETCH(QStringList, row);
        const QString caseName = QString::fromUtf8(QTest::currentDataTag()).section(u'/', 0, 0);
        const QString &where = row[0];

        // Each lookup runs once with the gate cleared and once with it set, so that
        // "left unchanged" is told apart from "set".
        QStringList found;
        bool gate[2] = {false, false};
        for (const bool before : {false, true}) {
            Session s;
            s.values.ProgramDir = golden() + QLatin1Char('/') + caseName + QStringLiteral("/program/");
            s.course.InsideCourse = where == QLatin1String("course");
            s.course.CurrentLevel = 3;
            s.course.LevelFolder[3] = QStringLiteral("kurz");
            s.ShowPrompt = before;
            found << s.ConfigText(BuiltTextKey{row[1], row[2]});
            gate[before] = s.ShowPrompt;
        }
        QCOMPARE(found.at(1), found.at(0)); // the text does not depend on the gate
        const QString prompt = gate[0] == gate[1] ? (gate[0] ? QStringLiteral("1") : QStringLiteral("0"))
            : !gate[0] && gate[1]                 ? QStringLiteral("=")
                                                  : QStringLiteral("inverted");
        COMPARE_GOLDEN_CELLS((QStringList{found.at(0), prompt}),
                             golden() + QLatin1Char('/') + caseName + QStringLiteral("/lookups.txt"), 3);
    }

    void asteriskPositionsAreLimited()
    {
        const QByteArray key = "KEY";
        const QByteArray at255 = QByteArray(254, 'x') + "*KEY*hodnota"; // first "*" is character 255
        const QByteArray at256 = QByteArray(255, 'x') + "*KEY*hodnota";
        QCOMPARE(config::scanBytes(at255, key).state, config::ScanResult::State::Found);
        QCOMPARE(config::scanBytes(at256, key).state, config::ScanResult::State::KeyNotFound);

        const QByteArray longKey(255, 'K');
        const QByteArray longKey2(256, 'K');
        QCOMPARE(config::scanBytes("1*" + longKey.left(254) + "*v", longKey.left(254)).state,
                 config::ScanResult::State::Found);
        QCOMPARE(config::scanBytes("1*" + longKey2 + "*v", longKey2).state, config::ScanResult::State::KeyNotFound);
        // Line ends: LF only, CR LF, and a last line without an end.
        const auto lf = config::scanBytes("a\n1*A*x\n0*B*y", "B");
        QCOMPARE(lf.state, config::ScanResult::State::Found);
        QCOMPARE(lf.value, QByteArray("y"));
        QVERIFY(!lf.show);
        QCOMPARE(config::scanBytes("1*A*x\r\n1*B*y\r\n", "A").value, QByteArray("x"));
    }

    void hostileFilesStillAnswer()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Session s;
        s.values.ProgramDir = dir.path() + QLatin1Char('/');

        QByteArray many;
        for (int i = 0; i < 100000; ++i)
            many += "1*KEY" + QByteArray::number(i) + "*value " + QByteArray::number(i) + "\r\n";
        writeConfig(dir.path(), many);
        QCOMPARE(s.ConfigText(BuiltTextKey{QStringLiteral("KEY99999"), QStringLiteral("d")}),
                 QStringLiteral("value 99999"));
        QCOMPARE(s.ConfigText(BuiltTextKey{QStringLiteral("NONE"), QStringLiteral("d")}), QStringLiteral("d"));

        QByteArray wide;
        for (int i = 0; i < 50; ++i)
            wide += QByteArray(10000, char('a' + i % 26)) + "\r\n";
        wide += "1*WIDE*found\r\n";
        writeConfig(dir.path(), wide);
        QCOMPARE(s.ConfigText(BuiltTextKey{QStringLiteral("WIDE"), QStringLiteral("d")}), QStringLiteral("found"));

        QByteArray garbage;
        for (int i = 0; i < 65536; ++i)
            garbage += char((i * 7919 + 13) % 256);
        writeConfig(dir.path(), garbage);
        QCOMPARE(s.ConfigText(BuiltTextKey{QStringLiteral("END"), QStringLiteral("Koniec ?")}),
                 QStringLiteral("Koniec ?"));
        QVERIFY(s.ShowPrompt);
    }

    void tablesSavedInOtherEncodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString lines = QStringLiteral("0*END*Chcete ukončiť program ?\r\n1*NAME*Ľudovít\r\n");
        QTest::newRow("Windows-1250") << textfile::encode(lines);
        QTest::newRow("UTF-8") << lines.toUtf8();
        QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF") + lines.toUtf8();
        QByteArray le("\xFF\xFE"), be("\xFE\xFF");
        for (const QChar c : lines) {
            le += char(c.unicode() & 0xFF);
            le += char(c.unicode() >> 8);
            be += char(c.unicode() >> 8);
            be += char(c.unicode() & 0xFF);
        }
        QTest::newRow("UTF-16 little-endian") << le;
        QTest::newRow("UTF-16 big-endian") << be;
    }

    void tablesSavedInOtherEncodings()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        writeConfig(dir.path(), bytes);
        Session s;
        s.values.ProgramDir = dir.path() + QLatin1Char('/');
        QCOMPARE(s.ConfigText(BuiltTextKey{QStringLiteral("END"), QStringLiteral("d")}),
                 QStringLiteral("Chcete ukončiť program ?"));
        QVERIFY(!s.ShowPrompt);
        QCOMPARE(s.ConfigText(BuiltTextKey{QStringLiteral("NAME"), QStringLiteral("d")}), QStringLiteral("Ľudovít"));
        QVERIFY(s.ShowPrompt);
    }

    void fileIsReadAfreshAndFoundInAnyCase()
    {
        QTemporaryDir dir;
        Session s;
        s.values.ProgramDir = dir.path() + QLatin1Char('/');
        textfile::writeLines(dir.path() + QStringLiteral("/config.txt"), {QStringLiteral("1*NAME*prvý")});
        QCOMPARE(s.ConfigText(BuiltTextKey{QStringLiteral("NAME"), QStringLiteral("d")}), QStringLiteral("prvý"));
        textfile::writeLines(dir.path() + QStringLiteral("/config.txt"), {QStringLiteral("0*NAME*druhý")});
        QCOMPARE(s.ConfigText(BuiltTextKey{QStringLiteral("NAME"), QStringLiteral("d")}), QStringLiteral("druhý"));
        QVERIFY(!s.ShowPrompt);
    }

    // The entries made at run time: the missing-content message keyed by the file's
    // name, and a table entry whose default is worked out by the caller.
    void entriesMadeAtRunTime()
    {
        QTemporaryDir dir;
        Session s;
        s.values.ProgramDir = dir.path() + QLatin1Char('/');
        writeConfig(dir.path(), "1*CONTENT Obsah.txt*Kurz nemá obsah\r\n1*PATH LOTUS*/opt/ukazky\r\n");
        QCOMPARE(s.ConfigText(keys::contentMissing(QStringLiteral("Obsah.txt"))), QStringLiteral("Kurz nemá obsah"));
        QCOMPARE(s.ConfigText(keys::contentMissing(QStringLiteral("kap1.txt"))), QStringLiteral("Neexistuje kap1.txt"));
        QCOMPARE(s.ConfigText(keys::withDefault(keys::PathLotus, QStringLiteral("/x"))), QStringLiteral("/opt/ukazky"));
        QCOMPARE(s.ConfigText(keys::withDefault(keys::AllAround, QStringLiteral("okolo"))), QStringLiteral("okolo"));
    }

    void unreadableFileRaisesIoError()
    {
        // A file that opens but fails on reading.
        QTemporaryDir dir;
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), dir.path() + QStringLiteral("/CONFIG.TXT")));
        Session s;
        s.values.ProgramDir = dir.path() + QLatin1Char('/');
        QVERIFY_THROWS_EXCEPTION(IoError, s.ConfigText(BuiltTextKey{QStringLiteral("END"), QStringLiteral("x")}));
    }

    // The key table against the sample program folder's CONFIG.TXT: every key the sample
    // configures is known, and every text the sample gives is the table's default (the
    // sample's settings configure its window, so only texts are compared). No key twice.
    void keyTableMatchesSample()
    {
        QSet<QString> names;
        for (const TextKey *entry : keys::All) {
            QVERIFY2(!names.contains(entry->name()), entry->key);
            names.insert(entry->name());
        }
        const QString sample = QStringLiteral(LUMORA_SOURCE_DIR "/sample/CONFIG.TXT");
        int compared = 0;
        for (const QString &line : textfile::readLines(sample)) {
            const QStringList parts = line.split(QLatin1Char('*'));
            if (parts.size() < 3)
                continue;
            const QString key = parts.at(1);
            const auto entry = std::find_if(std::begin(keys::All), std::end(keys::All),
                                            [&](const TextKey *e) { return e->name() == key; });
            QVERIFY2(entry != std::end(keys::All), qPrintable(QStringLiteral("unknown key ") + key));
            if ((*entry)->kind == TextKey::Kind::Setting)
                continue;
            const QString value = config::trimmed(line.section(QLatin1Char('*'), 2));
            QCOMPARE(value, config::trimmed((*entry)->defaultValue()));
            ++compared;
        }
        QVERIFY(compared > 30);
    }

    void strictIntegers()
    {
        QCOMPARE(config::toInteger(QStringLiteral("700")), 700);
        QCOMPARE(config::toInteger(QStringLiteral("-5")), -5);
        QCOMPARE(config::toInteger(QStringLiteral("+12")), 12);
        for (const char *bad : {"abc", "", "12a", "1 2", "0x10", "-", "99999999999"}) {
            try {
                config::toInteger(QString::fromLatin1(bad));
                QFAIL(bad);
            } catch (const ConvertError &e) {
                QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(QLatin1String(bad)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTextTable)
#include "tst_texttable.moc"
