// The rules around the content file that the golden files do not show one by one:
// item kinds, targets, caption shortening, the names of the files beside a screen,
// reading from disk, storing into the course state, and what a button's press records.
#include "platform/errors.h"
#include "course/contentfile.h"
#include "course/contentfileitems.h"
#include "course/contentfilenames.h"
#include "course/itemtargets.h"
#include "state/coursepaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lumora;
using namespace lumora::course;

Q_DECLARE_METATYPE(lumora::course::ItemKind)

class TestContentFileRules : public QObject {
    Q_OBJECT

private slots:
    // Kinds the golden buttons do not show: the first "." decides, a name without one
    // is judged by its first three characters.
    void itemKinds_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("code");
        QTest::addColumn<ItemKind>("kind");
        QTest::newRow("mixed case") << "Kap1.TxT"
                                    << "TXT" << ItemKind::Screen;
        QTest::newRow("longer extension") << "kap1.txtx"
                                          << "TXT" << ItemKind::Screen;
        QTest::newRow("first dot decides") << "a.b.txt"
                                           << "B.T" << ItemKind::Shell;
        QTest::newRow("folder with dot") << "kap.1\\a.txt"
                                         << "1\\A" << ItemKind::Shell;
        QTest::newRow("no dot") << "txtfile"
                                << "TXT" << ItemKind::Screen;
        QTest::newRow("dot at end") << "a."
                                    << "" << ItemKind::Shell;
    }

    void itemKinds()
    {
        QFETCH(QString, target);
        QFETCH(QString, code);
        QFETCH(ItemKind, kind);
        QCOMPARE(kindCode(target), code);
        QCOMPARE(itemKind(target), kind);
    }

    void targetsSplitAtTheFirstBlank()
    {
        const TargetParts program = splitTarget(QStringLiteral("moj program.exe  -x"));
        QCOMPARE(program.fileName, QStringLiteral("moj"));
        QCOMPARE(program.parameters, QStringLiteral(" program.exe  -x"));
        const TargetParts document = splitTarget(QStringLiteral("a.doc"));
        QCOMPARE(document.fileName, QStringLiteral("a.doc"));
        QVERIFY(document.parameters.isEmpty());
    }

    void captionShortening_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("tooltip");
        // Row names give the caption's length and the limit.
        QTest::newRow("19 at 19") << 19 << "Základy práce s PC."
                                  << "Základy práce s PC." << false;
        QTest::newRow("20 at 19") << 19 << "Základy práce s PC.."
                                  << "Základy práce s PC.." << false;
        QTest::newRow("21 at 19") << 19 << "Ľahké úlohy s číslami"
                                  << "Ľahké úlohy s čísla." << true;
        QTest::newRow("long at 16") << 16 << "Vyskúšajte sa teraz"
                                    << "Vyskúšajte sa te." << true;
        QTest::newRow("17 at 16") << 16 << "Vyskúšajte sa te!"
                                  << "Vyskúšajte sa te!" << false;
        QTest::newRow("empty") << 19 << ""
                               << "" << false;
        QTest::newRow("limit 0") << 0 << "Ab"
                                 << "." << true;
        QTest::newRow("limit 0, one letter") << 0 << "A"
                                             << "A" << false;
        QTest::newRow("negative limit") << -5 << "Ab"
                                        << "." << true;
    }

    void captionShortening()
    {
        QFETCH(int, limit);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QFETCH(bool, tooltip);
        const ShownCaption result = shortenCaption(caption, limit);
        QCOMPARE(result.text, shown);
        QCOMPARE(result.tooltip, tooltip);
    }

    void filesBesideTheContentFile()
    {
        QCOMPARE(formattedTextName(QStringLiteral("kap1.txt")), QStringLiteral("kap1.rtf"));
        QCOMPARE(formattedTextName(QStringLiteral("Obsah.TXT")), QStringLiteral("Obsah.rtf"));
        QCOMPARE(formattedTextName(QStringLiteral("a.b.txt")), QStringLiteral("a.rtf"));
        QCOMPARE(formattedTextName(QStringLiteral("bezbodky")), QStringLiteral("rtf"));
        QCOMPARE(backupName(QStringLiteral("Obsah.txt")), QStringLiteral("Obsah.bak"));
        QCOMPARE(backupName(QStringLiteral("Obsah")), QStringLiteral("bak"));
        QCOMPARE(state::contentFilePath(QStringLiteral("/prog/"), QStringLiteral("Kurz Wordu"),
                                        QStringLiteral("kap\\lekcia.txt")),
                 QStringLiteral("/prog/Kurz Wordu/kap/lekcia.txt"));
        QCOMPARE(state::levelFolderPath(QStringLiteral("/prog"), QStringLiteral("Kurz")), QStringLiteral("/prog/Kurz"));
    }

    // A course written on Windows names its files in any case; a missing file is the
    // ordinary I/O error with the file-not-found code.
    void readsFromDiskWithoutRegardToCase()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Kurz Wordu")));
        QFile file(dir.path() + QStringLiteral("/Kurz Wordu/OBSAH.TXT"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[\xdavod]uvod.txt\r\n//www.example.sk\r\nPOZADIE.BMP\r\n");
        file.close();

        const ContentFile read = readContentFile(
            state::contentFilePath(dir.path(), QStringLiteral("kurz wordu"), QStringLiteral("Obsah.txt")));
        QCOMPARE(read.storedLines, QStringList({QStringLiteral("[Úvod]uvod.txt"), QStringLiteral("//www.example.sk")}));
        QCOMPARE(read.backgroundName, QStringLiteral("POZADIE.BMP"));

        try {
            readContentFile(
                state::contentFilePath(dir.path(), QStringLiteral("Kurz Wordu"), QStringLiteral("chyba.txt")));
            QFAIL("a missing content file was read");
        } catch (const IoError &error) {
            QCOMPARE(error.code(), 2);
        }
    }

    void storingReplacesTheLevelsRowOnly()
    {
        auto state = std::make_unique<CourseState>();
        for (int level : {1, 2, 3})
            for (QString &slot : state->ScreenLines[size_t(level)])
                slot = QStringLiteral("old %1").arg(level);
        state->BackgroundName = QStringLiteral("stare.bmp");

        const ContentFile file = parseContentFile("[A]a.txt\r\nfree\r\n//link\r\n");
        QVERIFY(storeScreenLines(*state, 2, file));
        QCOMPARE(state->ScreenLines[2][1], QStringLiteral("[A]a.txt"));
        QCOMPARE(state->ScreenLines[2][2], QStringLiteral("//link"));
        for (int i = 3; i <= MaxLines; ++i)
            QVERIFY2(state->ScreenLines[2][size_t(i)].isEmpty(), qPrintable(QString::number(i)));
        QCOMPARE(state->ScreenLines[1][1], QStringLiteral("old 1"));
        QCOMPARE(state->ScreenLines[3][MaxLines], QStringLiteral("old 3"));
        QVERIFY2(state->BackgroundName.isEmpty(), "a file without a background clears the old one");

        // Levels outside the tables are refused and change nothing.
        const ContentFile other = parseContentFile("[B]b.txt\r\nnove.bmp\r\n");
        QVERIFY(!storeScreenLines(*state, 0, other));
        QVERIFY(!storeScreenLines(*state, MaxLevels + 1, other));
        QCOMPARE(state->ScreenLines[0][1], QString());
        QVERIFY(state->BackgroundName.isEmpty());
    }

    // The window walks the lines it stored itself, but a row may also be walked after
    // other code filled it: lines of no kind outside a block are passed over.
    void walkPassesOverFreeLines()
    {
        const ScreenItems items = walkStoredLines(
            {QStringLiteral("stray text"), QStringLiteral("[A]a.txt"), QString(), QStringLiteral("//odkaz")});
        QCOMPARE(items.buttons.size(), 1);
        QCOMPARE(items.buttons.first().number, 1);
        QCOMPARE(items.buttons.first().tag, 2);
        QCOMPARE(items.links, QStringList{QStringLiteral("odkaz")});
    }

    // A press reads its item from the current level's stored line and records the next
    // level's screen only while that level fits the tables; a screen beyond the last
    // level is refused, any other item still runs from the deepest level.
    void pressesRecordTheNextLevelWithinTheTables_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<ItemKind>("kind");
        QTest::addColumn<bool>("refused");
        QTest::newRow("screen") << 2 << 1 << true << ItemKind::Screen << false;
        QTest::newRow("last level's screen") << MaxLevels - 1 << 1 << true << ItemKind::Screen << false;
        QTest::newRow("screen beyond the tables") << MaxLevels << 1 << true << ItemKind::Screen << true;
        QTest::newRow("picture on the deepest level") << MaxLevels << 2 << true << ItemKind::Picture << false;
        QTest::newRow("shell item on the deepest level") << MaxLevels << MaxLines << true << ItemKind::Shell << false;
        QTest::newRow("tag before the lines") << 2 << 0 << false << ItemKind::Shell << false;
        QTest::newRow("tag after the lines") << 2 << MaxLines + 1 << false << ItemKind::Shell << false;
        QTest::newRow("level outside the tables") << 0 << 1 << false << ItemKind::Shell << false;
    }

    void pressesRecordTheNextLevelWithinTheTables()
    {
        QFETCH(int, level);
        QFETCH(int, tag);
        QFETCH(bool, pressed);
        QFETCH(ItemKind, kind);
        QFETCH(bool, refused);
        auto state = std::make_unique<CourseState>();
        for (int l = 0; l <= MaxLevels; ++l) {
            state->ScreenLines[size_t(l)][1] = QStringLiteral("[Dalej]kap%1.txt").arg(l);
            state->ScreenLines[size_t(l)][2] = QStringLiteral("[Obrazok]obr.bmp");
            state->ScreenLines[size_t(l)][MaxLines] = QStringLiteral("[Stranka] http://example.org");
        }
        state->LevelFolder[1] = QStringLiteral("Kurz");
        state->CurrentLevel = quint8(level);
        const CourseState before = *state;

        const std::optional<ItemPress> press = pressedItem(*state, tag);
        QCOMPARE(press.has_value(), pressed);
        if (!press)
            return;
        QCOMPARE(press->kind, kind);
        QCOMPARE(press->level, level);
        QCOMPARE(press->tooDeep(), refused);
        if (refused)
            return;
        QVERIFY_THROWS_NO_EXCEPTION(recordPress(*state, *press, QStringLiteral("Titulok")));
        QCOMPARE(state->PressedTitle, QStringLiteral("Titulok"));
        const int next = level + 1;
        if (next <= MaxLevels) {
            QCOMPARE(state->ScreenFile[size_t(next)], press->target);
            QCOMPARE(state->LevelFolder[size_t(next)], QStringLiteral("Kurz"));
        }
        for (int l = 0; l <= MaxLevels; ++l) {
            if (l != next) {
                QCOMPARE(state->ScreenFile[size_t(l)], before.ScreenFile[size_t(l)]);
                QCOMPARE(state->LevelFolder[size_t(l)], before.LevelFolder[size_t(l)]);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestContentFileRules)
#include "tst_contentfilerules.moc"
