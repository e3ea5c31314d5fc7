// The program's own options, run as a user runs them: usage and version end the program
// at once, an unknown option is refused with status 2. No display is offered, so a
// program that tried to open a window would fail.
#include "programrun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

    static lumora::testing::ProgramRun run(const QStringList &arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return lumora::testing::runProgram(QStringLiteral(LUMORA_PROGRAM), arguments, 60000, env);
    }

private slots:
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // a text the output holds
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--version"
                              << "";
        QTest::newRow("short help") << QStringList{"-h", "ignored"} << 0 << "OBSAHOVÝ-SÚBOR"
                                    << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "lumora " LUMORA_VERSION "\n"
                                 << "";
        QTest::newRow("unknown") << QStringList{"--foo"} << 2 << ""
                                 << "--foo";
        QTest::newRow("unknown short") << QStringList{"-x", "/kurz/obsah.txt"} << 2 << ""
                                       << "-x";
        QTest::newRow("names nothing") << QStringList{"/niet/takeho/priecinka"} << 2 << ""
                                       << "/niet/takeho/priecinka";
        // A file that is no content file would open an empty search window.
        QTest::newRow("not a content file") << QStringList{"/etc/passwd"} << 2 << ""
                                            << "/etc/passwd";
        QTest::newRow("not a content file after --") << QStringList{"--", "/etc/passwd"} << 2 << ""
                                                     << "/etc/passwd";
        // A picture is no content file: said in Slovak, without a window.
        QTest::newRow("picture") << QStringList{LUMORA_SOURCE_DIR "/sample/POZADIE.BMP"} << 2 << ""
                                 << "POZADIE.BMP“ nie je obsahový súbor";
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const lumora::testing::ProgramRun r = run(arguments);
        QCOMPARE(r.status, status);
        if (out.isEmpty())
            QVERIFY(r.out.isEmpty());
        else
            QVERIFY2(r.out.contains(out), qPrintable(r.out));
        if (err.isEmpty()) {
            QVERIFY(r.err.isEmpty());
        } else {
            QVERIFY2(r.err.contains(err), qPrintable(r.err));
            QCOMPARE(r.err.count(QLatin1Char('\n')), 1); // one line
        }
    }

    void contentFileStillOpensAWindow()
    {
        // Without options the program sets up its window: here it cannot, for want of a
        // display, which shows that the parameter reached the windowed program.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("obsah.txt"));
        QFile(file).open(QIODevice::WriteOnly);
        const lumora::testing::ProgramRun r = run({file});
        QVERIFY(r.status != 0);
        QVERIFY(r.err.contains(QLatin1String("display"), Qt::CaseInsensitive) || r.err.contains(QLatin1String("xcb")));
    }

    void folderOpensAsTheProgramFolder()
    {
        // Offscreen, the window comes up on the folder named, shows its course and is
        // ended by the screenshot; the folder is then the one remembered as used.
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Moje kurzy"));
        QDir().mkpath(folder + QStringLiteral("/Kurz"));
        QFile course(folder + QStringLiteral("/Kurz/Obsah.txt"));
        QVERIFY(course.open(QIODevice::WriteOnly));
        course.write("[A]a.txt\r\n");
        course.close();
        QFile config(folder + QStringLiteral("/CONFIG.TXT"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("0*IP*\r\n0*IP NONE*\r\n");
        config.close();

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("LUMORA_SCREENSHOT"), dir.filePath(QStringLiteral("shot.png")));
        env.insert(QStringLiteral("LUMORA_SCREENSHOT_DELAY"), QStringLiteral("300"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(LUMORA_PROGRAM), {QStringLiteral("Moje kurzy")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QSettings settings(dir.filePath(QStringLiteral("config/Lumora/lumora.ini")), QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("recent/folders")).toStringList(), QStringList{folder});
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
