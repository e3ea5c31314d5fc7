// The export window: an export run from it ends with its files and a message; cancelling
// while it runs stops the worker, keeps the window open until then, and says so.
#include "export/exportwindow.h"
#include "platform/messages.h"
#include "platform/textlookup.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace lumora;

namespace {
struct Defaults : TextLookup {
    QString lookupText(const QString &, const QString &defaultText) override { return defaultText; }
    bool showPrompt() const override { return true; }
};

void writeCourse(const QString &folder, int screens)
{
    QDir().mkpath(folder);
    QByteArray top = "Kurz\r\n";
    for (int i = 0; i < screens; ++i) {
        top += "[Obrazovka " + QByteArray::number(i) + "]o" + QByteArray::number(i) + ".txt\r\n";
        QFile screen(folder + QStringLiteral("/o%1.txt").arg(i));
        QVERIFY(screen.open(QIODevice::WriteOnly));
        screen.write("<Text obrazovky>\r\n");
    }
    QFile file(folder + QStringLiteral("/Obsah.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(top);
}
} // namespace

class TestExportWindow : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        messages::hook::reset();
        messages::hook::setAutoAnswer(true);
    }

    void exportsAndCancels()
    {
        QTemporaryDir dir;
        const QString course = dir.filePath(QStringLiteral("kurz"));
        writeCourse(course, 400);
        Defaults texts;
        // The player hands the course folder over with a separator at its end.
        exporting::ExportWindow window(texts, course + u'/');
        window.show();
        // The proposed target lies beside the course, named after it.
        QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("target"))->text(),
                 QDir::toNativeSeparators(course + QStringLiteral("-web")));
        QSignalSpy finished(&window, &exporting::ExportWindow::finished);

        // The SCORM 2004 choice: the target becomes a zip file, the package a 2004 one.
        window.findChild<QRadioButton *>(QStringLiteral("scorm2004"))->click();
        QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("target"))->text(),
                 QDir::toNativeSeparators(course + QStringLiteral("-web.zip")));
        const QString zip = dir.filePath(QStringLiteral("kurz.zip"));
        window.setTarget(zip, exporting::Format::Scorm2004);
        QVERIFY(window.start());
        QVERIFY(finished.wait(120000));
        QCOMPARE(window.result().status, exporting::ExportResult::Status::Done);
        QCOMPARE(window.result().pages, 401);
        QVERIFY(window.result().written.contains(QStringLiteral("imscp_v1p1.xsd")));
        QVERIFY(QFile::exists(zip));
        QCOMPARE(messages::hook::shown().last().title, messages::title(messages::Kind::Information));

        // Cancelled at once: the window stays while the worker stops, nothing is written.
        const QString site = dir.filePath(QStringLiteral("web"));
        window.setTarget(site + QStringLiteral(".zip"), exporting::Format::Scorm);
        QVERIFY(window.start());
        window.reject();
        QVERIFY(window.isVisible());
        QVERIFY(finished.wait(120000));
        QCOMPARE(window.result().status, exporting::ExportResult::Status::Cancelled);
        QVERIFY(!QFile::exists(site + QStringLiteral(".zip")));
        QCOMPARE(messages::hook::shown().last().text, QStringLiteral("Export bol zrušený."));
        window.reject();
        QVERIFY(!window.isVisible());

        // A target inside the course is refused before anything runs.
        window.setTarget(course + QStringLiteral("/web"), exporting::Format::Web);
        QVERIFY(!window.start());
        QVERIFY(!QFileInfo::exists(course + QStringLiteral("/web")));
        QCOMPARE(messages::hook::shown().last().text, QStringLiteral("Cieľ leží v priečinku kurzu; vyberte iný."));
    }
};

QTEST_MAIN(TestExportWindow)
#include "tst_exportwindow.moc"
