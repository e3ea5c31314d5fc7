// lumora-export on golden courses (each case folder: input/ the course, expected/ the
// report, the exit status, the list of the site's files and the pages to compare), then
// courses too large to keep as files, the package's zip, and the command line.
#include "golden.h"
#include "programfolders.h"
#include "programrun.h"
#include "specialfiles.h"
#include "export/exportcommand.h"
#include "export/siteexport.h"
#include "export/zipwriter.h"

#include <QBuffer>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace lumora;

namespace {
const QString casesFolder = QStringLiteral(LUMORA_TEST_DATA "/golden");

testing::ProgramRun exportCourse(const QStringList &arguments)
{
    return testing::runProgram(QStringLiteral(LUMORA_EXPORT), arguments, 300000);
}

QStringList filesBelow(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        out.append(QDir(folder).relativeFilePath(it.next()));
    out.sort();
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The names an unzip listing gives, sorted; empty when unzip finds the archive broken.
QStringList zipNames(const QString &zip)
{
    const testing::ProgramRun test = testing::runProgram(QStringLiteral("unzip"), {QStringLiteral("-tq"), zip});
    if (test.status != 0)
        return {QStringLiteral("broken: ") + test.out + test.err};
    QStringList names =
        testing::runProgram(QStringLiteral("unzip"), {QStringLiteral("-Z1"), zip}).out.split(u'\n', Qt::SkipEmptyParts);
    names.sort();
    return names;
}
} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void golden_data() { testing::addCaseRows(casesFolder); }

    // The site's files, its pages and the report; then the same course as a package,
    // which holds the same files and its own.
    void golden()
    {
        QFETCH(QString, folder);
        QTemporaryDir out;
        const QString site = out.filePath(QStringLiteral("site"));
        QString input = folder + QStringLiteral("/input");
        // Pipes, huge sparse files and links are made in a copy of the input; an export
        // that hangs on one is killed by the run's time-out and fails the case.
        if (testing::hasSpecialFiles(folder)) {
            input = out.filePath(QStringLiteral("input"));
            QVERIFY(testing::copyFolder(folder + QStringLiteral("/input"), input));
            QVERIFY(testing::makeSpecialFiles(folder, input));
        }
        const testing::ProgramRun run = exportCourse({QStringLiteral("--web"), input, site});
        const QString expected = folder + QStringLiteral("/expected/");
        QCOMPARE(run.err, QString());
        COMPARE_GOLDEN(run.out.toUtf8(), expected + QStringLiteral("report.txt"));
        COMPARE_GOLDEN(QByteArray::number(run.status) + '\n', expected + QStringLiteral("exit.txt"));
        const QStringList written = filesBelow(site);
        COMPARE_GOLDEN(written, expected + QStringLiteral("files.txt"));
        // The pages chosen for the case (those in pages/) as the site has them.
        for (const QString &page : QDir(expected + QStringLiteral("pages")).entryList(QDir::Files))
            COMPARE_GOLDEN(testing::fileBytes(site + u'/' + page), expected + QStringLiteral("pages/") + page);
        // Nothing outside the course reaches the site.
        for (const QString &file : written)
            QVERIFY2(!testing::fileBytes(site + u'/' + file).contains("Tajomstvo"), qPrintable(file));

        const QString zip = out.filePath(QStringLiteral("course.zip"));
        QCOMPARE(exportCourse({QStringLiteral("--scorm"), input, zip}).status, run.status);
        QStringList packaged = written;
        packaged << QStringLiteral("imsmanifest.xml") << QStringLiteral("scorm.html")
                 << QStringLiteral("imscp_rootv1p1p2.xsd") << QStringLiteral("adlcp_rootv1p2.xsd")
                 << QStringLiteral("imsmd_rootv1p2p1.xsd") << QStringLiteral("ims_xml.xsd");
        packaged.sort();
        QCOMPARE(zipNames(zip), packaged);
    }

    // A package replaces only an earlier export's package: someone's document of that
    // name (a zip too, as office documents are) stays and the export says why.
    void packageReplacesOnlyAnEarlierPackage()
    {
        QTemporaryDir out;
        const QString course = casesFolder + QStringLiteral("/lesson/input");
        const QString thesis = out.filePath(QStringLiteral("thesis.odt"));
        const QByteArray document = QByteArray("PK\x03\x04", 4) + QByteArray(4000, 'd') + "content.xml";
        writeFile(thesis, document);
        const testing::ProgramRun refused = exportCourse({QStringLiteral("--scorm"), course, thesis});
        QCOMPARE(refused.status, 2);
        QVERIFY2(refused.err.contains(QStringLiteral("not the package of an earlier export")), qPrintable(refused.err));
        QCOMPARE(testing::fileBytes(thesis), document);

        const QString zip = out.filePath(QStringLiteral("kurz.zip"));
        QCOMPARE(exportCourse({QStringLiteral("--scorm"), course, zip}).status, 0);
        QVERIFY(exporting::earlierPackage(zip));
        QCOMPARE(exportCourse({QStringLiteral("--scorm"), course, zip}).status, 0);
    }

    // Courses too large to keep: 5,000 screens, and a lesson of 50 MB.
    void largeCourses()
    {
        QTemporaryDir dir;
        const QString course = dir.filePath(QStringLiteral("kurz"));
        QByteArray top = "Kurz\r\n";
        for (int c = 0; c < 50; ++c) {
            top += "[Kapitola " + QByteArray::number(c) + "]k" + QByteArray::number(c) + ".txt\r\n";
            QByteArray chapter;
            for (int l = 0; l < 100; ++l) {
                const QByteArray name = "l" + QByteArray::number(c) + "_" + QByteArray::number(l) + ".txt";
                chapter += "[Lekcia " + QByteArray::number(l) + "]" + name + "\r\n";
                writeFile(course + u'/' + QString::fromLatin1(name), "<Lekcia " + name + ">\r\n");
            }
            writeFile(course + QStringLiteral("/k%1.txt").arg(c), chapter);
        }
        writeFile(course + QStringLiteral("/Obsah.txt"), top + "[Veľká lekcia]velka.txt\r\n");
        writeFile(course + QStringLiteral("/velka.txt"), "<Náhradný text>\r\n");
        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250 ";
        const QByteArray paragraph = "Dlh\\'fd text lekcie, ktor\\'fd sa opakuje. \\par\r\n";
        rtf.reserve(50 * 1024 * 1024 + 100);
        while (rtf.size() < 50 * 1024 * 1024)
            rtf += paragraph;
        rtf += "Koniec lekcie.\\par}";
        writeFile(course + QStringLiteral("/velka.rtf"), rtf);
        rtf.clear();

        const QString site = dir.filePath(QStringLiteral("site"));
        const testing::ProgramRun run = exportCourse({QStringLiteral("--web"), course, site});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QString());
        QCOMPARE(QDir(site).entryList({QStringLiteral("*.html")}, QDir::Files).size(), 1 + 50 + 5000 + 1 + 2);
        const QByteArray big = testing::fileBytes(site + QStringLiteral("/velka.html"));
        QVERIFY(big.size() > 40 * 1024 * 1024);
        QVERIFY(big.contains("<p>Koniec lekcie.</p>"));
        QVERIFY(
            testing::fileBytes(site + QStringLiteral("/k49.html")).contains("<a href=\"l49_99.html\">Lekcia 99</a>"));
    }

    // The zip writer against unzip: stored and deflated entries, empty files, UTF-8 names.
    void zipArchive()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.zip"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        exporting::ZipWriter zip(file);
        const QByteArray text = QByteArray("Opakovaný text. ").repeated(1000);
        QByteArray noise;
        for (int i = 0; i < 5000; ++i)
            noise += char((i * 7919) >> 3);
        QVERIFY(zip.add(QStringLiteral("text.html"), text));
        QVERIFY(zip.add(QStringLiteral("files/šum.bin"), noise));
        QVERIFY(zip.add(QStringLiteral("prázdny.txt"), QByteArray()));
        QVERIFY(zip.finish());
        file.close();
        QCOMPARE(
            zipNames(path),
            (QStringList{QStringLiteral("files/šum.bin"), QStringLiteral("prázdny.txt"), QStringLiteral("text.html")}));
        QVERIFY(QFileInfo(path).size() < text.size()); // the text was compressed
        QCOMPARE(testing::runProgram(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("text.html")})
                     .out.toUtf8(),
                 text);
        QCOMPARE(exporting::crc32("123456789"), 0xCBF43926u);
    }

    void commandLine()
    {
        const testing::ProgramRun help = exportCourse({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith(QStringLiteral("Usage: lumora-export --web COURSE OUT")));

        QTemporaryDir dir;
        const QString course = casesFolder + QStringLiteral("/lesson/input");
        const QString busy = dir.filePath(QStringLiteral("plny"));
        writeFile(busy + QStringLiteral("/moje.txt"), "moje");
        const QList<QStringList> usageErrors{
            {},
            {course, dir.filePath(QStringLiteral("x"))},
            {QStringLiteral("--web"), course},
            {QStringLiteral("--web"), QStringLiteral("--scorm"), course, dir.filePath(QStringLiteral("x"))},
            {QStringLiteral("--pdf"), course, dir.filePath(QStringLiteral("x"))},
            {QStringLiteral("--web"), dir.filePath(QStringLiteral("nie")), dir.filePath(QStringLiteral("x"))},
            {QStringLiteral("--web"), course, busy},                            // holds other files
            {QStringLiteral("--web"), course, course + QStringLiteral("/web")}, // inside the course
            {QStringLiteral("--scorm"), course, dir.path()},                    // a folder
        };
        for (const QStringList &arguments : usageErrors) {
            QString out, err;
            QTextStream o(&out), e(&err);
            QCOMPARE(exporting::runExport(arguments, o, e), 2);
            QVERIFY(out.isEmpty());
            QVERIFY2(err.startsWith(QStringLiteral("lumora-export: ")), qPrintable(err));
        }
        QCOMPARE(filesBelow(busy), QStringList{QStringLiteral("moje.txt")});
        QVERIFY(!QFileInfo::exists(course + QStringLiteral("/web")));
        // An earlier export is replaced in place.
        const QString site = dir.filePath(QStringLiteral("web"));
        QCOMPARE(exportCourse({QStringLiteral("--web"), course, site}).status, 0);
        QCOMPARE(exportCourse({QStringLiteral("--web"), course, site}).status, 0);
    }

    // A cancelled package leaves no file behind.
    void cancel()
    {
        QTemporaryDir dir;
        exporting::ExportRequest request;
        request.source = casesFolder + QStringLiteral("/lesson/input");
        request.target = dir.filePath(QStringLiteral("kurz.zip"));
        request.format = exporting::Format::Scorm;
        int calls = 0;
        request.cancelled = [&calls] { return ++calls > 1; };
        const exporting::ExportResult result = exporting::exportSite(request);
        QCOMPARE(result.status, exporting::ExportResult::Status::Cancelled);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
