// The rules around the content file that the golden files do not show one by one:
// item kinds, targets, caption shortening, the names of the files beside a screen,
// reading from disk, and storing into the course state.
#include "platform/errors.h"
#include "screens/contentfile.h"
#include "screens/contentfileitems.h"
#include "screens/contentfilenames.h"
#include "state/coursepaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lumora;
using namespace lumora::content;

Q_DECLARE_METATYPE(lumora::content::ItemKind)

class ContentFileRules : public QObject {
    Q_OBJECT

private slots:
    // Kinds the golden buttons do not show: the first "." decides, a name without one
    // is judged by its first three characters.
    void itemKinds_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("code");
        QTest::addColumn<ItemKind>("kind");
        QTest::newRow("mixed case") << "Kap1.TxT" << "TXT" << ItemKind::Screen;
        QTest::newRow("longer extension") << "kap1.txtx" << "TXT" << ItemKind::Screen;
        QTest::newRow("first dot decides") << "a.b.txt" << "B.T" << ItemKind::Shell;
        QTest::newRow("folder with dot") << "kap.1\\a.txt" << "1\\A" << ItemKind::Shell;
        QTest::newRow("no dot") << "txtfile" << "TXT" << ItemKind::Screen;
        QTest::newRow("dot at end") << "a." << "" << ItemKind::Shell;
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
        QTest::newRow("19 at 19") << 19 << "Základy práce s PC." << "Základy práce s PC." << false;
        QTest::newRow("20 at 19") << 19 << "Základy práce s PC.." << "Základy práce s PC.." << false;
        QTest::newRow("21 at 19") << 19 << "Ľahké úlohy s číslami" << "Ľahké úlohy s čísla." << true;
        QTest::newRow("long at 16") << 16 << "Vyskúšajte sa teraz" << "Vyskúšajte sa te." << true;
        QTest::newRow("17 at 16") << 16 << "Vyskúšajte sa te!" << "Vyskúšajte sa te!" << false;
        QTest::newRow("empty") << 19 << "" << "" << false;
        QTest::newRow("limit 0") << 0 << "Ab" << "." << true;
        QTest::newRow("limit 0, one letter") << 0 << "A" << "A" << false;
        QTest::newRow("negative limit") << -5 << "Ab" << "." << true;
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
        QCOMPARE(contentFilePath(QStringLiteral("/prog/"), QStringLiteral("Kurz Wordu"),
                                 QStringLiteral("kap\\lekcia.txt")),
                 QStringLiteral("/prog/Kurz Wordu/kap/lekcia.txt"));
        QCOMPARE(levelFolderPath(QStringLiteral("/prog"), QStringLiteral("Kurz")),
                 QStringLiteral("/prog/Kurz"));
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
            contentFilePath(dir.path(), QStringLiteral("kurz wordu"), QStringLiteral("Obsah.txt")));
        QCOMPARE(read.storedLines,
                 QStringList({QStringLiteral("[Úvod]uvod.txt"), QStringLiteral("//www.example.sk")}));
        QCOMPARE(read.backgroundName, QStringLiteral("POZADIE.BMP"));

        try {
            readContentFile(contentFilePath(dir.path(), QStringLiteral("Kurz Wordu"),
                                            QStringLiteral("chyba.txt")));
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
            {QStringLiteral("stray text"), QStringLiteral("[A]a.txt"), QString(),
             QStringLiteral("//odkaz")});
        QCOMPARE(items.buttons.size(), 1);
        QCOMPARE(items.buttons.first().number, 1);
        QCOMPARE(items.buttons.first().tag, 2);
        QCOMPARE(items.links, QStringList{QStringLiteral("odkaz")});
    }
};

QTEST_GUILESS_MAIN(ContentFileRules)
#include "tst_contentfilerules.moc"
