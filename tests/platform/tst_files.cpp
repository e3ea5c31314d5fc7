// Text files in Windows-1250, case-insensitive paths, copying and the write probe.
#include "platform/errors.h"
#include "platform/fileops.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
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
        QCOMPARE(textfile::readBytes(path), QByteArray("\xBE" "ad\r\n\r\n"));
        QVERIFY_THROWS_EXCEPTION(IoError, textfile::readLines(dir.path() + QStringLiteral("/none.txt")));
        QVERIFY_THROWS_EXCEPTION(FileCreateError, textfile::writeLines(dir.path() + QStringLiteral("/no/such/x.txt"), {}));
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
