// "Export poznámok a odkazov" on a small course: the document written, compared with
// the expected one, and when the entry is available.
#include "app/tform1.h"
#include "golden.h"
#include "personal/exportfile.h"
#include "personal/studyexport.h"
#include "platform/messages.h"
#include "runningprogram.h"
#include "state/session.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTest>

#include <memory>

using namespace lumora;
namespace hook = lumora::messages::hook;

namespace {
const QString Golden = QStringLiteral(LUMORA_TEST_DATA "/golden/export");
} // namespace

class TestStudyExport : public QObject {
    Q_OBJECT

private slots:
    void exportOfACourse()
    {
        testing::RunningProgram p;
        QVERIFY(testing::copyFolder(Golden + QStringLiteral("/program"), p.program()));
        QVERIFY(testing::copyFolder(Golden + QStringLiteral("/work"), p.work()));
        p.start();

        // On the program's first screen there is no course to export.
        emit ui(p.main()).Vlastn1->aboutToShow();
        QVERIFY(!ui(p.main()).Export1->isEnabled());

        const QString target = p.root() + QStringLiteral("/vystup/export.html");
        QDir().mkpath(p.root() + QStringLiteral("/vystup"));
        QString offered;
        exportFileChooser = [&](QWidget *, const QString &path) {
            offered = path;
            return target;
        };
        p.inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            emit ui(w).Vlastn1->aboutToShow();
            QVERIFY(ui(w).Export1->isEnabled());
            QCOMPARE(ui(w).Export1->text(), QStringLiteral("&Export poznámok a odkazov"));
            hook::queue(messages::Answer::No); // not opened in a browser here
            ui(w).Export1->trigger();
        });
        exportFileChooser = nullptr;

        QCOMPARE(offered, QDir::homePath() + QStringLiteral("/Kurz-poznamky.html"));
        QVERIFY(hook::shown().last().text.contains(target));
        COMPARE_GOLDEN(testing::fileBytes(target), Golden + QStringLiteral("/expected.html"));

        // The same export to a name ending in ".pdf" is a PDF file of the same text.
        const QString pdf = p.root() + QStringLiteral("/vystup/export.pdf");
        exportFileChooser = [&](QWidget *, const QString &) { return pdf; };
        p.inCourse(QStringLiteral("Kurz"), [&](TForm1 *w) {
            emit ui(w).Vlastn1->aboutToShow();
            hook::queue(messages::Answer::No);
            ui(w).Export1->trigger();
        });
        exportFileChooser = nullptr;
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString read = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(read.contains(QStringLiteral("Poznámky a odkazy: Kurz")), qPrintable(read));
        QVERIFY2(read.contains(QStringLiteral("vnorená poznámka")), qPrintable(read));
    }

    void linkAddresses()
    {
        using personal::linkAddress;
        QCOMPARE(linkAddress(QStringLiteral("https://a.sk/b c")), QStringLiteral("https://a.sk/b%20c"));
        QCOMPARE(linkAddress(QStringLiteral("www.a.sk")), QStringLiteral("http://www.a.sk"));
        QCOMPARE(linkAddress(QStringLiteral("/home/ja/skripta.pdf")), QStringLiteral("file:///home/ja/skripta.pdf"));
        QCOMPARE(linkAddress(QStringLiteral("JavaScript:alert(1)")), QString());
        QCOMPARE(linkAddress(QStringLiteral("data:text/html,x")), QString());
    }
};

QTEST_MAIN(TestStudyExport)
#include "tst_studyexport.moc"
