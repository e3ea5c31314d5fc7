// The careful writer: links that lead out of the target's folder are never written
// through, links inside are followed, a failed write leaves the old file and no
// temporary, and the temporaries of a killed write go with the next one.
#include "platform/errors.h"
#include "platform/safefile.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace lumora;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList names(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestSafeFile : public QObject {
    Q_OBJECT
private slots:
    // Each row: the link made in the course folder "kurz" beside an outside folder
    // "von" holding "obet.txt"; whether writing kurz/<name> is allowed; the file that
    // then holds the new bytes.
    void links_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pointsTo");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QString>("written");
        QTest::newRow("link out of the folder") << "Obsah.rtf"
                                                << "../von/obet.txt" << false << QString();
        QTest::newRow("absolute link out") << "Obsah.bak"
                                           << "@/von/obet.txt" << false << QString();
        QTest::newRow("dangling link out") << "Obsah.rtf"
                                           << "../von/nove.txt" << false << QString();
        QTest::newRow("link to a link out") << "Obsah.rtf"
                                            << "dalsi.rtf" << false << QString();
        QTest::newRow("dangling link in the folder") << "Obsah.rtf"
                                                     << "nove.rtf" << true << "kurz/nove.rtf";
        QTest::newRow("link in the folder") << "Obsah.rtf"
                                            << "ine.rtf" << true << "kurz/ine.rtf";
        QTest::newRow("link into a subfolder") << "Obsah.rtf"
                                               << "pod/ine.rtf" << false << QString();
        QTest::newRow("looping link") << "Obsah.rtf"
                                      << "Obsah.rtf" << false << QString();
        QTest::newRow("no link") << "Obsah.rtf" << QString() << true << "kurz/Obsah.rtf";
    }

    void links()
    {
        QFETCH(QString, name);
        QFETCH(QString, pointsTo);
        QFETCH(bool, allowed);
        QFETCH(QString, written);
        QTemporaryDir dir;
        const QString root = dir.path();
        QVERIFY(QDir(root).mkpath(QStringLiteral("kurz/pod")) && QDir(root).mkpath(QStringLiteral("von")));
        textfile::writeBytes(root + QStringLiteral("/von/obet.txt"), "victim");
        textfile::writeBytes(root + QStringLiteral("/kurz/ine.rtf"), "old");
        textfile::writeBytes(root + QStringLiteral("/kurz/pod/ine.rtf"), "old");
        QVERIFY(QFile::link(QStringLiteral("../von/obet.txt"), root + QStringLiteral("/kurz/dalsi.rtf")));
        const QString target = root + QStringLiteral("/kurz/") + name;
        if (!pointsTo.isEmpty()) {
            const QString link = pointsTo.startsWith(u'@') ? root + pointsTo.mid(1) : pointsTo;
            QVERIFY(::symlink(QFile::encodeName(link).constData(), QFile::encodeName(target).constData()) == 0);
        }

        try {
            fileops::writeFileAt(target, "new");
            QVERIFY2(allowed, "wrote through a link out of the folder");
            QCOMPARE(bytesOf(root + u'/' + written), QByteArray("new"));
            // A link stays a link; its file got the bytes.
            QCOMPARE(QFileInfo(target).isSymLink(), !pointsTo.isEmpty());
        } catch (const LinkOutsideError &e) {
            QVERIFY2(!allowed, qPrintable(e.message()));
            QVERIFY(e.message().contains(target));
        }
        QCOMPARE(bytesOf(root + QStringLiteral("/von/obet.txt")), QByteArray("victim"));
        QCOMPARE(names(root + QStringLiteral("/von")), QStringList{QStringLiteral("obet.txt")});
        for (const QString &left : names(root + QStringLiteral("/kurz")))
            QVERIFY2(!fileops::SafeFile::isTemporaryName(left), qPrintable(left));
    }

    // A write ended part-way keeps the old file and leaves nothing beside it, a folder
    // standing where the file goes is never replaced, and a replaced file keeps its
    // permissions.
    void failuresKeepTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        textfile::writeBytes(path, "old");
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        fileops::writeFileAt(path, "new");
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
        QCOMPARE(int(info.st_mode & 0777), 0640);

        {
            fileops::SafeFile file(path);
            file.open();
            file.write("half");
            QVERIFY(QFile::exists(file.temporary()));
            // Ended without commit: the temporary goes, the old file stays.
        }
        QCOMPARE(bytesOf(path), QByteArray("new"));
        QCOMPARE(names(dir.path()), QStringList{QStringLiteral("a.txt")});

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("b.txt")));
        QVERIFY_THROWS_EXCEPTION(FileCreateError, fileops::writeFileAt(dir.filePath(QStringLiteral("b.txt")), "x"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("b.txt"))).isDir());
    }

    // What a killed write left goes with the next write of the same file; files that
    // only look alike stay.
    void leftoversOfAKill()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Obsah.txt"));
        for (const char *name : {"Obsah.txt.lumora-Ab12Cd", "Obsah.txt.lumora-zz99ZZ", "Obsah.txt.backup",
                                 "Obsah.txt.lumora-Ab12Cd7", "Ine.txt.lumora-Ab12Cd"})
            textfile::writeBytes(dir.filePath(QString::fromLatin1(name)), "left");
        fileops::writeFileAt(path, "new");
        QCOMPARE(names(dir.path()),
                 (QStringList{"Ine.txt.lumora-Ab12Cd", "Obsah.txt", "Obsah.txt.backup", "Obsah.txt.lumora-Ab12Cd7"}));
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
