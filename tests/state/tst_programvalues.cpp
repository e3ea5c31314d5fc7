// The program values computed at start, the level file and the window template file.
#include "app/templatefile.h"
#include "platform/errors.h"
#include "platform/textfile.h"
#include "state/levelfile.h"
#include "state/programvalues.h"
#include "state/session.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

using namespace lumora;
using namespace lumora::startup;

namespace {
EnvironmentLookup fakeEnvironment(const QHash<QString, QString> &vars)
{
    return [vars](const QString &name) { return vars.value(name); };
}
} // namespace

class TestProgramValues : public QObject {
    Q_OBJECT
private slots:
    void workFolderFollowsConfigurationThenEnvironment()
    {
        QTemporaryDir dir;
        const QString profile = dir.path() + QStringLiteral("/profil");
        const QString temp = dir.path() + QStringLiteral("/temp");
        QDir().mkpath(profile);
        QDir().mkpath(temp);

        const QString data = dir.path() + QStringLiteral("/share/Lumora");
        // USERPROFILE wins over the data location, TEMP and TMP, and gets a separator appended.
        QCOMPARE(computeTempDir(QString(), fakeEnvironment({{"USERPROFILE", profile}, {"TEMP", temp}}), data),
                 profile + QLatin1Char('/'));
        QVERIFY(!QDir(data).exists());
        // Without it the home folder is never used: the program's own folder under the
        // data location is, made with all its missing levels.
        QCOMPARE(computeTempDir(QString(), fakeEnvironment({{"HOME", profile}, {"TEMP", temp}}), data),
                 data + QLatin1Char('/'));
        QVERIFY(QDir(data).exists());
        // Without a data location: TEMP, and a value over 1000 characters is skipped as if unset.
        QCOMPARE(computeTempDir(QString(), fakeEnvironment({{"TEMP", QString(1001, QLatin1Char('x'))}, {"TMP", temp}}),
                                QString()),
                 temp + QLatin1Char('/'));
        // The configured folder comes first and is kept as it is; one missing level is created.
        const QString fresh = dir.path() + QStringLiteral("/nova");
        QCOMPARE(computeTempDir(fresh, fakeEnvironment({{"USERPROFILE", profile}}), data), fresh + QLatin1Char('/'));
        QVERIFY(QDir(fresh).exists());
        // A configured folder two levels deep is not created: the system temporary folder is used.
        QCOMPARE(computeTempDir(dir.path() + QStringLiteral("/a/b"), fakeEnvironment({}), data), fallbackTempDir());
        QVERIFY(!QDir(dir.path() + QStringLiteral("/a")).exists());
        // Nothing set at all.
        QCOMPARE(computeTempDir(QString(), fakeEnvironment({}), QString()), fallbackTempDir());
    }

    void parametersAndProgramFolder()
    {
        ProgramValues v;
        takeParameters({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, v);
        QCOMPARE(v.Param1, QStringLiteral("A"));
        QCOMPARE(v.ExtraParams, QStringLiteral(" B C"));
        QVERIFY(v.isSearchInstance());
        QCOMPARE(v.templateCreateName(), QStringLiteral("TempP.dfm"));
        QCOMPARE(v.levelFileName(), QStringLiteral("Okna2"));

        takeParameters({}, v);
        QVERIFY(v.Param1.isEmpty() && v.ExtraParams.isEmpty());
        QCOMPARE(v.templateDeleteName(), QStringLiteral("temp.dfm"));
        QCOMPARE(v.levelFileName(), QStringLiteral("Okna"));

        takeProgramDir(QStringLiteral("/opt/kurzy"), v);
        QCOMPARE(v.ProgramDir, QStringLiteral("/opt/kurzy/"));
        QCOMPARE(v.DriveLetter, QStringLiteral("/"));
        takeProgramDir(QStringLiteral("/"), v);
        QCOMPARE(v.ProgramDir, QStringLiteral("/"));
    }

    void scalingAndRounding()
    {
        QCOMPARE(scaleTenths(96), quint16(10));
        QCOMPARE(scaleTenths(120), quint16(8));
        QCOMPARE(roundHalfEven(12.5), 12);
        QCOMPARE(roundHalfEven(13.5), 14);
        QCOMPARE(roundHalfEven(100.0 / 8), 12);
        QCOMPARE(roundHalfEven(1500.0 / 8), 188);
    }

    void fontSizeRule()
    {
        QCOMPARE(buttonFontSize(QStringLiteral("11"), 1280, 0), quint8(11));
        QCOMPARE(buttonFontSize(QStringLiteral("1x"), 800, 0), quint8(12));
        QCOMPARE(buttonFontSize(QStringLiteral("1x"), 640, 0), quint8(10));
        QCOMPARE(buttonFontSize(QStringLiteral("1x"), 1024, 0), quint8(14));
        QCOMPARE(buttonFontSize(QStringLiteral("1x"), 1280, 0), quint8(0));
        QCOMPARE(buttonFontSize(QStringLiteral("300"), 1280, 0), quint8(44));           // wraps at 8 bits
        QCOMPARE(buttonFontSize(QString(400, QLatin1Char('9')), 1280, 7), quint8(255)); // 10^400 - 1 wraps to 255
        QCOMPARE(buttonFontSize(QString(), 800, 3), quint8(12));
    }

    void playerFolder()
    {
        QCOMPARE(lotusDir(QStringLiteral("/opt/hrac/"), QStringLiteral("/prog/")), QStringLiteral("/opt/hrac"));
        QCOMPARE(lotusDir(QStringLiteral("C:\\Hrac\\"), QStringLiteral("/prog/")), QStringLiteral("C:/Hrac"));
        QCOMPARE(lotusDir(QString(), QStringLiteral("/prog/")), QStringLiteral("/prog"));
    }

    void geometryAgainstScreen()
    {
        QVERIFY(checkGeometry(0, 0, 111, 640, 1024, 768).tooSmall);
        QVERIFY(!checkGeometry(0, 0, 112, 640, 1024, 768).tooSmall);

        auto g = checkGeometry(100, 0, 1000, 500, 1024, 768);
        QCOMPARE(g.width, quint16(924));
        QCOMPARE(g.height, quint16(500));
        QVERIFY(!g.beyondScreen);

        g = checkGeometry(1024, 0, 700, 640, 1024, 768); // exactly at the edge
        QVERIFY(!g.beyondScreen);
        QCOMPARE(g.width, quint16(0));

        g = checkGeometry(1025, 0, 700, 640, 1024, 768);
        QVERIFY(g.beyondScreen);
        QVERIFY(checkGeometry(0, 769, 700, 640, 1024, 768).beyondScreen);
        QCOMPARE(checkGeometry(0, 200, 700, 640, 1024, 768).height, quint16(568));
    }

    void windowsColours()
    {
        const Rgb blue = windowsColor(16711680);
        QCOMPARE(blue.blue, 255);
        QCOMPARE(blue.red, 0);
        const Rgb red = windowsColor(255);
        QCOMPARE(red.red, 255);
        QCOMPARE(red.blue, 0);
        const Rgb navy = windowsColor(0x800000);
        QCOMPARE(navy.blue, 128);
    }

    void levelFile()
    {
        QTemporaryDir dir;
        Session normal;
        normal.values.TempDir = dir.path() + QLatin1Char('/');
        Session search = normal;
        search.values.Param1 = QStringLiteral("/p/kurz/kap1.txt");

        normal.course.CurrentLevel = 3;
        normal.writeLevelFile();
        search.course.CurrentLevel = 1;
        search.writeLevelFile();
        QCOMPARE(textfile::readBytes(dir.path() + QStringLiteral("/Okna")), QByteArray("3"));
        QCOMPARE(normal.readLevelFile(), 3);
        QCOMPARE(search.readLevelFile(), 1);
        // Rewritten in place: a shorter number leaves nothing of the longer one behind.
        for (const int level : {20, 9}) {
            normal.course.CurrentLevel = quint8(level);
            normal.writeLevelFile();
        }
        QCOMPARE(textfile::readBytes(dir.path() + QStringLiteral("/Okna")), QByteArray("9"));
        // A level file that is a link to a missing file elsewhere: that file is not made
        // (the level file goes to the next writable place instead).
        QTemporaryDir elsewhere;
        QVERIFY(QFile::remove(dir.path() + QStringLiteral("/Okna")));
        QVERIFY(QFile::link(elsewhere.path() + QStringLiteral("/Okna"), dir.path() + QStringLiteral("/Okna")));
        QVERIFY_THROWS_EXCEPTION(FileCreateError, levelfile::write(dir.path() + QStringLiteral("/Okna"), 4));
        normal.writeLevelFile();
        QVERIFY(!QFile::exists(elsewhere.path() + QStringLiteral("/Okna")));

        QCOMPARE(levelfile::parse(" 12\r\n"), 12);
        QCOMPARE(levelfile::parse(""), 0);
        for (const char *bad : {"x", "3x", "99999999999", "-"})
            QVERIFY_THROWS_EXCEPTION(IoError, levelfile::parse(bad));
        QVERIFY_THROWS_EXCEPTION(IoError, levelfile::read(dir.path() + QStringLiteral("/missing")));
    }

    void templateFileRoundTrip()
    {
        const QList<windowtemplate::Property> props = {
            {QStringLiteral("TForm1"), QStringLiteral("caption"), QStringLiteral("Vyhľadávacie okno")},
            {QStringLiteral("Label1"), QStringLiteral("text"), QStringLiteral("riadok\\1\nriadok 2 = € ✓")},
            {QStringLiteral("Label1"), QStringLiteral("geometry"), QStringLiteral("16,38,441,233")},
        };
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/Temp.dfm");
        windowtemplate::save(path, props);
        QCOMPARE(windowtemplate::load(path), props);
        // The file is plain Windows-1250 text with CR LF.
        const QByteArray bytes = textfile::readBytes(path);
        QVERIFY(bytes.startsWith("LUMORA WINDOW TEMPLATE 1\r\n"));
        QVERIFY(bytes.contains("\\u2713"));
        QVERIFY_THROWS_EXCEPTION(FileFormatError, windowtemplate::fromLines({QStringLiteral("garbage")}, path));
        const auto skipped =
            windowtemplate::fromLines({QString::fromLatin1(windowtemplate::Header), QStringLiteral("no equals"),
                                       QStringLiteral(".x=1"), QStringLiteral("A.b=\\u12"), QStringLiteral("A.c=\\")},
                                      path);
        QCOMPARE(skipped.size(), 2);
        QCOMPARE(skipped.at(0).value, QStringLiteral("u12"));
        QCOMPARE(skipped.at(1).value, QStringLiteral("\\"));
    }
};

QTEST_GUILESS_MAIN(TestProgramValues)
#include "tst_programvalues.moc"
