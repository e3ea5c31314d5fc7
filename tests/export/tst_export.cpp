// lumora-export on golden courses (each case folder: input/ the course, expected/ the
// report, the exit status, the list of the site's files and the pages to compare), each
// also as both packages read as an LMS reads them (unzip, zipinfo, imsmanifest.xml);
// then courses too large to keep as files, re-export into a site, and the command line.
#include "golden.h"
#include "programfolders.h"
#include "programrun.h"
#include "specialfiles.h"
#include "export/exportcommand.h"
#include "export/siteexport.h"
#include "export/siteoutput.h"

#include <QBuffer>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QXmlStreamReader>

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

// What an LMS reads of a package: the items of its organisation, each with the launch
// page of the SCO it names, and every file its resources list. Any fault found (an
// item with launch parameters, one naming no SCO, a file listed twice) is a row of
// faults.
struct PackageView {
    QStringList launches; // one per item: the SCO's href
    QStringList files;    // sorted
    QStringList faults;
};

PackageView readManifest(const QByteArray &xml)
{
    PackageView view;
    QHash<QString, QString> scoHref; // identifier -> href of each SCO resource
    QStringList refs;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = reader.attributes();
        const QStringView name = reader.name();
        if (name == u"item") {
            refs.append(a.value(QStringLiteral("identifierref")).toString());
            if (a.hasAttribute(QStringLiteral("parameters")))
                view.faults.append(QStringLiteral("an item carries launch parameters"));
        } else if (name == u"resource") {
            const QString type =
                a.value(QStringLiteral("http://www.adlnet.org/xsd/adlcp_rootv1p2"), QStringLiteral("scormtype"))
                    .toString()
                + a.value(QStringLiteral("http://www.adlnet.org/xsd/adlcp_v1p3"), QStringLiteral("scormType"))
                      .toString();
            if (type == u"sco")
                scoHref.insert(a.value(QStringLiteral("identifier")).toString(),
                               a.value(QStringLiteral("href")).toString());
        } else if (name == u"file") {
            const QString href = a.value(QStringLiteral("href")).toString();
            if (view.files.contains(href))
                view.faults.append(QStringLiteral("listed twice: ") + href);
            view.files.append(href);
        }
    }
    if (reader.hasError())
        view.faults.append(reader.errorString());
    for (const QString &ref : refs) {
        if (!scoHref.contains(ref))
            view.faults.append(QStringLiteral("an item names no SCO: ") + ref);
        view.launches.append(scoHref.value(ref));
    }
    view.files.sort();
    return view;
}

// The storage method of each entry as zipinfo shows it ("defX", "stor"), by name.
QHash<QString, QString> zipMethods(const QString &zip)
{
    QHash<QString, QString> out;
    const QString listing = testing::runProgram(QStringLiteral("zipinfo"), {QStringLiteral("-l"), zip}).out;
    for (const QString &line : listing.split(u'\n')) {
        const QStringList fields = line.simplified().split(u' ');
        if (fields.size() >= 10 && fields.at(0).startsWith(u'-'))
            out.insert(fields.mid(9).join(u' '), fields.at(6));
    }
    return out;
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

        // Both packages: the site, the manifest, the launcher and the edition's schemas,
        // each file listed by the manifest; one item, launching the course's SCO.
        const QStringList site12{QStringLiteral("imscp_rootv1p1p2.xsd"), QStringLiteral("adlcp_rootv1p2.xsd"),
                                 QStringLiteral("imsmd_rootv1p2p1.xsd"), QStringLiteral("ims_xml.xsd")};
        const QStringList site2004{QStringLiteral("imscp_v1p1.xsd"), QStringLiteral("adlcp_v1p3.xsd"),
                                   QStringLiteral("imsss_v1p0.xsd"), QStringLiteral("xml.xsd"),
                                   QStringLiteral("XMLSchema.dtd")};
        for (const QString &option : {QStringLiteral("--scorm"), QStringLiteral("--scorm2004")}) {
            const QString zip = out.filePath(option.mid(2) + QStringLiteral(".zip"));
            QCOMPARE(exportCourse({option, folder + QStringLiteral("/input"), zip}).status, run.status);
            const QStringList names = zipNames(zip);
            QStringList packaged = written;
            packaged.removeOne(QLatin1String(exporting::SiteFileList)); // the folder's own list
            packaged << QStringLiteral("imsmanifest.xml") << QStringLiteral("scorm.html");
            for (const QString &schema : option == u"--scorm" ? site12 : site2004) {
                QVERIFY2(names.contains(schema), qPrintable(schema));
                packaged << schema;
            }
            for (const QString &name : names) {
                if (name.endsWith(u".xsd") || name.endsWith(u".dtd"))
                    packaged << name;
            }
            packaged.removeDuplicates();
            packaged.sort();
            QCOMPARE(names, packaged);
            const PackageView view =
                readManifest(testing::runProgram(QStringLiteral("unzip"),
                                                 {QStringLiteral("-p"), zip, QStringLiteral("imsmanifest.xml")})
                                 .out.toUtf8());
            QVERIFY2(view.faults.isEmpty(), qPrintable(view.faults.join(u'\n')));
            QCOMPARE(view.launches, QStringList{QStringLiteral("scorm.html")});
            QStringList listed = names;
            listed.removeOne(QStringLiteral("imsmanifest.xml"));
            QCOMPARE(view.files, listed);
            // Pages and text deflated, pictures stored as they are.
            const QHash<QString, QString> methods = zipMethods(zip);
            QCOMPARE(methods.size(), names.size());
            for (auto it = methods.cbegin(); it != methods.cend(); ++it) {
                const bool picture = it.key().endsWith(u".png") || it.key().endsWith(u".jpg");
                QVERIFY2(it.value() == (picture ? u"stor" : u"defX"), qPrintable(it.key() + u' ' + it.value()));
            }
        }
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
        // So many screens: the table of contents opens chapter by chapter.
        QVERIFY(testing::fileBytes(site + QStringLiteral("/index.html"))
                    .contains("<li><details><summary>Kapitola 49</summary>\n<ul>\n<li><a href=\"k49.html\">Kapitola "
                              "49</a></li>\n"));
    }

    // Exporting into an earlier export's folder leaves none of its pages behind (listed
    // or, from an export without a list, recognised by the site's script), and keeps
    // the owner's own files.
    void exportAgain()
    {
        QTemporaryDir dir;
        const QString site = dir.filePath(QStringLiteral("web"));
        QCOMPARE(exportCourse({QStringLiteral("--web"), casesFolder + QStringLiteral("/edges/input"), site}).status, 1);
        QVERIFY(QFileInfo::exists(site + QStringLiteral("/kap-2.html")));
        writeFile(site + QStringLiteral("/moje.txt"), "moje");
        writeFile(site + QStringLiteral("/moja.html"), "<p>moja stránka</p>");
        QCOMPARE(exportCourse({QStringLiteral("--web"), casesFolder + QStringLiteral("/lesson/input"), site}).status,
                 0);
        QStringList expected =
            QString::fromUtf8(testing::fileBytes(casesFolder + QStringLiteral("/lesson/expected/files.txt")))
                .split(u'\n', Qt::SkipEmptyParts);
        expected << QStringLiteral("moje.txt") << QStringLiteral("moja.html");
        expected.sort();
        QCOMPARE(filesBelow(site), expected);
        // An export made before the list was kept: its pages are found by their script.
        QVERIFY(QFile::remove(site + QStringLiteral("/.lumora-files")));
        writeFile(site + QStringLiteral("/stara.html"), "<html><script src=\"lumora.js\"></script></html>");
        QCOMPARE(exportCourse({QStringLiteral("--web"), casesFolder + QStringLiteral("/lesson/input"), site}).status,
                 0);
        QVERIFY(!QFileInfo::exists(site + QStringLiteral("/stara.html")));
        QVERIFY(QFileInfo::exists(site + QStringLiteral("/moja.html")));
    }

    // Which folders a site may go into. A folder left by an export stopped before it
    // wrote its list (pages loading the site's script, no list) is an earlier export and
    // the rerun replaces it; the site's scripts alone are not, so the owner's page beside
    // them is never replaced.
    void folderForSite_data()
    {
        QTest::addColumn<QStringList>("files"); // "name=content" relative to the folder
        QTest::addColumn<bool>("accepted");
        const QString page = QStringLiteral("<html><main></main><script src=\"lumora.js\"></script></html>");
        QTest::newRow("absent") << QStringList{} << true;
        QTest::newRow("empty") << QStringList{QStringLiteral("/")} << true;
        QTest::newRow("finished export") << QStringList{QStringLiteral(".lumora-files=index.html\n"),
                                                        QStringLiteral("index.html=") + page}
                                         << true;
        QTest::newRow("stopped after its pages")
            << QStringList{QStringLiteral("kap-1.html=") + page, QStringLiteral("kap-2.html=") + page,
                           QStringLiteral("obrazky/a.png=png")}
            << true;
        QTest::newRow("scripts only") << QStringList{QStringLiteral("lumora.js=js"),
                                                     QStringLiteral("search-index.js=js")}
                                      << false;
        QTest::newRow("scripts and the owner's page")
            << QStringList{QStringLiteral("lumora.js=js"), QStringLiteral("search-index.js=js"),
                           QStringLiteral("index.html=<p>moja stránka</p>")}
            << false;
        QTest::newRow("the script's name in a subfolder's page")
            << QStringList{QStringLiteral("stare/kap-1.html=") + page} << false;
    }

    void folderForSite()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        const QString site = dir.filePath(QStringLiteral("web"));
        for (const QString &file : files) {
            if (file == u'/') {
                QVERIFY(QDir().mkpath(site));
                continue;
            }
            const qsizetype eq = file.indexOf(u'=');
            writeFile(site + u'/' + file.left(eq), file.mid(eq + 1).toUtf8());
        }
        const QStringList before = filesBelow(site);
        const auto ownPage = [&site] {
            QFile page(site + QStringLiteral("/index.html"));
            return page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
        };
        const QByteArray pageBefore = ownPage();
        QCOMPARE(exporting::folderAcceptsSite(site), accepted);
        QString out, err;
        QTextStream o(&out), e(&err);
        const int status =
            exporting::runExport({QStringLiteral("--web"), casesFolder + QStringLiteral("/lesson/input"), site}, o, e);
        if (accepted) {
            QVERIFY2(status == 0, qPrintable(err));
            // The new site, the earlier pages it does not write gone, other files kept.
            QStringList expected =
                QString::fromUtf8(testing::fileBytes(casesFolder + QStringLiteral("/lesson/expected/files.txt")))
                    .split(u'\n', Qt::SkipEmptyParts);
            for (const QString &name : before) {
                if (!name.endsWith(QStringLiteral(".html")) && !expected.contains(name))
                    expected.append(name);
            }
            expected.sort();
            QCOMPARE(filesBelow(site), expected);
        } else {
            QCOMPARE(status, 2);
            QVERIFY2(err.contains(QStringLiteral("lumora-export: ")), qPrintable(err));
            QCOMPARE(filesBelow(site), before);
            QCOMPARE(ownPage(), pageBefore);
        }
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
