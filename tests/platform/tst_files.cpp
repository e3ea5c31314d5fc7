// Text files in Windows-1250, case-insensitive paths, copying and the write probe.
#include "platform/errors.h"
#include "platform/fileops.h"
#include "platform/paths.h"
#include "platform/replacefiles.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace lumora;

namespace {
QByteArray pattern(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + 7) % 251);
    return bytes;
}
} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void codePageRoundTrip()
    {
        const QString slovak = QStringLiteral("Ľubica šťastne žije: ÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ áäčďéíĺľňóôŕšťúýž „€“");
        QCOMPARE(textfile::decode(textfile::encode(slovak)), slovak);
        QCOMPARE(textfile::encode(QStringLiteral("ľ")), QByteArray("\xBE"));
        QCOMPARE(textfile::encode(QStringLiteral("a✓b")), QByteArray("a?b"));
        QVERIFY(!textfile::encodable(QStringLiteral("✓")));
        QVERIFY(textfile::encodable(slovak));
        // Every byte decodes to one character and encodes back to itself.
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        QCOMPARE(textfile::encode(textfile::decode(all)), all);
    }

    // Files are read as UTF-8 exactly when Qt's decoder takes them without error: every
    // sequence of one and two bytes, and every lead and second byte of longer ones with
    // the trailing bytes at and beyond the edges of their range, also cut short.
    void encodingJudgedAsQtDecodes()
    {
        const auto qtTakes = [](const QByteArray &bytes) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString text = utf8.decode(bytes);
            return !utf8.hasError();
        };
        const uchar edges[] = {0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0};
        const auto sequence = [](std::initializer_list<int> values) {
            QByteArray bytes;
            for (const int value : values)
                bytes += char(value);
            return bytes;
        };
        int disagreements = 0;
        QByteArray first;
        const auto judge = [&](const QByteArray &bytes) {
            const QByteArray inText = "a" + bytes + "b";
            if (textfile::wellFormedUtf8(inText) != qtTakes(inText) && disagreements++ == 0)
                first = bytes.toHex(' ');
        };
        for (int a = 0; a < 256; ++a) {
            judge(QByteArray(1, char(a)));
            for (int b = 0; b < 256; ++b) {
                judge(sequence({a, b}));
                if (a < 0xE0)
                    continue;
                for (const uchar c : edges) {
                    judge(sequence({a, b, c}));
                    if (a >= 0xF0) {
                        for (const uchar d : edges)
                            judge(sequence({a, b, c, d}));
                    }
                }
            }
        }
        QVERIFY2(disagreements == 0,
                 qPrintable(QStringLiteral("%1 sequences, first %2").arg(disagreements).arg(first)));

        QCOMPARE(textfile::detect("ASCII only\r\n"), textfile::Encoding::Windows1250);
        QCOMPARE(textfile::detect("ASCII, then a Windows-1250 letter: \xE8"), textfile::Encoding::Windows1250);
        QCOMPARE(textfile::detect("ASCII, then UTF-8: \xC4\x8D, \xE2\x82\xAC"), textfile::Encoding::Utf8);
        QCOMPARE(textfile::detect("UTF-8 letters \xC4\x8D and a Windows-1250 \xE8 late"),
                 textfile::Encoding::Windows1250);
        QCOMPARE(textfile::detect("\xEF\xBB\xBFmark"), textfile::Encoding::Utf8WithMark);
    }

    void linesAcceptEveryEnding()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/a.txt");
        textfile::writeBytes(path, "prv\xFD\r\ndruh\xFD\nposledn\xFD");
        QCOMPARE(textfile::readLines(path),
                 (QStringList{QStringLiteral("prvý"), QStringLiteral("druhý"), QStringLiteral("posledný")}));
        textfile::writeBytes(path, "a\r\n\r\nb\r\n");
        QCOMPARE(textfile::readLines(path), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
        textfile::writeBytes(path, "");
        QVERIFY(textfile::readLines(path).isEmpty());

        textfile::writeLines(path, {QStringLiteral("ľad"), QString()});
        QCOMPARE(textfile::readBytes(path),
                 QByteArray("\xBE"
                            "ad\r\n\r\n"));
        QVERIFY_THROWS_EXCEPTION(IoError, textfile::readLines(dir.path() + QStringLiteral("/none.txt")));
        QVERIFY_THROWS_EXCEPTION(FileCreateError,
                                 textfile::writeLines(dir.path() + QStringLiteral("/no/such/x.txt"), {}));
    }

    void namesResolveWithoutRegardToCase()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + QStringLiteral("/Kurz Slovenčiny/Kap1"));
        textfile::writeLines(dir.path() + QStringLiteral("/Kurz Slovenčiny/Kap1/OBSAH.TXT"), {QStringLiteral("x")});

        const QString found = paths::resolve(dir.path() + QStringLiteral("/kurz slovenčiny\\kap1\\Obsah.txt"));
        QCOMPARE(found, dir.path() + QStringLiteral("/Kurz Slovenčiny/Kap1/OBSAH.TXT"));
        QVERIFY(paths::fileExists(dir.path() + QStringLiteral("/KURZ SLOVENČINY/kap1/obsah.TXT")));
        QVERIFY(paths::folderExists(dir.path() + QStringLiteral("/kurz slovenčiny")));
        QVERIFY(!paths::fileExists(dir.path() + QStringLiteral("/kurz slovenčiny")));
        // A name that matches nothing comes back as given, separators converted.
        QCOMPARE(paths::resolve(dir.path() + QStringLiteral("\\nic\\tu")), dir.path() + QStringLiteral("/nic/tu"));

        QCOMPARE(paths::join(QStringLiteral("/a/"), QStringLiteral("b\\c.txt")), QStringLiteral("/a/b/c.txt"));
        QCOMPARE(paths::join(QStringLiteral("/a"), QStringLiteral("b")), QStringLiteral("/a/b"));
        QCOMPARE(paths::withoutSeparator(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(paths::fileName(QStringLiteral("C:\\kurz\\kap.txt")), QStringLiteral("kap.txt"));

        // Inside a folder means below it: a sibling whose name begins with the folder's
        // name is outside.
        const QString program = dir.path() + QStringLiteral("/program");
        QDir().mkpath(program);
        QDir().mkpath(dir.path() + QStringLiteral("/program2"));
        textfile::writeLines(program + QStringLiteral("/pic.bmp"), {QStringLiteral("x")});
        textfile::writeLines(dir.path() + QStringLiteral("/program2/pic.bmp"), {QStringLiteral("x")});
        QVERIFY(paths::inside(program + QStringLiteral("/pic.bmp"), program));
        QVERIFY(paths::inside(program, program + QStringLiteral("/")));
        QVERIFY(!paths::inside(paths::join(program, QStringLiteral("..\\program2\\pic.bmp")), program));

        paths::removeFile(dir.path() + QStringLiteral("/kurz slovenčiny/KAP1/obsah.txt"));
        QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/Kurz Slovenčiny/Kap1/OBSAH.TXT")));
        paths::removeFile(dir.path() + QStringLiteral("/missing.txt")); // not an error
    }

    // A link in the work or program folder whose target is missing and lies outside
    // counts as outside (a save there would create the file where the link points); no
    // save writes through a link out of the file's folder, a dangling one included.
    void linksLeadingOut()
    {
        QTemporaryDir dir;
        const QString work = dir.path() + QStringLiteral("/work");
        const QString outside = dir.path() + QStringLiteral("/mimo");
        QVERIFY(QDir().mkpath(work + QStringLiteral("/Kurz")) && QDir().mkpath(outside));
        textfile::writeBytes(outside + QStringLiteral("/cudzi.txt"), "cudzí");
        textfile::writeBytes(work + QStringLiteral("/Kurz/vlastny.txt"), "vlastný");
        QVERIFY(QFile::link(outside + QStringLiteral("/novy.txt"), work + QStringLiteral("/Kurz/visiaci.txt")));
        QVERIFY(QFile::link(outside + QStringLiteral("/cudzi.txt"), work + QStringLiteral("/von.txt")));
        QVERIFY(QFile::link(QStringLiteral("vlastny.txt"), work + QStringLiteral("/Kurz/tu.txt")));

        const QString dangling = work + QStringLiteral("/Kurz/visiaci.txt");
        QCOMPARE(paths::realPath(dangling), QString());
        QVERIFY(!paths::inside(dangling, work));
        QVERIFY(!paths::inside(work + QStringLiteral("/KURZ/VISIACI.TXT"), work));
        QVERIFY(!paths::inside(work + QStringLiteral("/von.txt"), work));
        QVERIFY(paths::inside(work + QStringLiteral("/Kurz/tu.txt"), work));
        QVERIFY(paths::inside(work + QStringLiteral("/Kurz/nova/poznamka.txt"), work)); // not made yet

        for (const QString &target : {dangling, work + QStringLiteral("/von.txt")}) {
            QVERIFY_THROWS_EXCEPTION(LinkOutsideError, textfile::writeBytes(target, "zapísané"));
            QVERIFY_THROWS_EXCEPTION(LinkOutsideError, textfile::writeLines(target, {QStringLiteral("riadok")}));
            QVERIFY_THROWS_EXCEPTION(
                LinkOutsideError,
                fileops::replaceFiles({{work + QStringLiteral("/iny.txt"), "iný"}, {target, "zapísané"}}));
        }
        QVERIFY(!QFile::exists(outside + QStringLiteral("/novy.txt")));
        QCOMPARE(textfile::readBytes(outside + QStringLiteral("/cudzi.txt")), QByteArray("cudzí"));
        QVERIFY(!QFile::exists(work + QStringLiteral("/iny.txt")));

        // A link to a file of its own folder is written through.
        textfile::writeBytes(work + QStringLiteral("/Kurz/tu.txt"), "nový");
        QCOMPARE(textfile::readBytes(work + QStringLiteral("/Kurz/vlastny.txt")), QByteArray("nový"));
    }

    void copyFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("short read ends the loop") << 100;
        QTest::newRow("exactly one chunk") << 8192;
        QTest::newRow("two full chunks then an empty read") << 16384;
        QTest::newRow("chunks and a tail") << 20000;
    }

    void copyFile()
    {
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString source = dir.path() + QStringLiteral("/Poznámka.txt");
        textfile::writeBytes(source, pattern(size));

        const QString target = dir.path() + QStringLiteral("/kópia.txt");
        textfile::writeBytes(target, "old content that is longer than nothing");
        fileops::CopyFile(source, target);
        QCOMPARE(textfile::readBytes(target), pattern(size));

        QDir().mkpath(dir.path() + QStringLiteral("/ciel"));
        fileops::CopyFile(source, dir.path() + QStringLiteral("/ciel"));
        QCOMPARE(textfile::readBytes(dir.path() + QStringLiteral("/ciel/Poznámka.txt")), pattern(size));
    }

    void copyFileErrors()
    {
        QTemporaryDir dir;
        const QString missing = dir.path() + QStringLiteral("/nie.txt");
        try {
            fileops::CopyFile(missing, dir.path() + QStringLiteral("/x.txt"));
            QFAIL("copied a missing file");
        } catch (const FileOpenError &e) {
            QCOMPARE(e.message(), QStringLiteral("Nemôžem otvoriť súbor ") + missing);
        }
        const QString source = dir.path() + QStringLiteral("/a.txt");
        textfile::writeBytes(source, "data");
        const QString badTarget = dir.path() + QStringLiteral("/no/such/b.txt");
        try {
            fileops::CopyFile(source, badTarget);
            QFAIL("created a file in a missing folder");
        } catch (const FileCreateError &e) {
            QCOMPARE(e.message(), QStringLiteral("Nemôžem vytvoriť súbor ") + badTarget);
        }
        // Copying a file onto itself must not destroy it.
        QVERIFY_THROWS_EXCEPTION(FileCreateError, fileops::CopyFile(source, dir.path() + QStringLiteral("/A.TXT")));
        QCOMPARE(textfile::readBytes(source), QByteArray("data"));
    }

    void attributesAndWriteProbe()
    {
        QTemporaryDir dir;
        QVERIFY(fileops::HasAttr(dir.path(), fileops::Directory));
        textfile::writeBytes(dir.path() + QStringLiteral("/f.txt"), "x");
        QVERIFY(!fileops::HasAttr(dir.path() + QStringLiteral("/f.txt"), fileops::Directory));
        QVERIFY(fileops::HasAttr(dir.path() + QStringLiteral("/f.txt"), fileops::Archive));
        QVERIFY(!fileops::HasAttr(dir.path() + QStringLiteral("/none"), fileops::Directory));

        textfile::writeBytes(dir.path() + QStringLiteral("/Vizk.txt"), "stale");
        QVERIFY(fileops::writeProbe(dir.path()));
        QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/Vizk.txt")));
        QVERIFY(!fileops::writeProbe(dir.path() + QStringLiteral("/missing-folder")));
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
