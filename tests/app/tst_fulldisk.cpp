// Every writer of the program on a full disk: the old file stays byte for byte, no
// temporary is left behind, and the failure says the disk is full. One small tmpfs is
// mounted per row, given its old files while there is room, and then filled.
#include "app/templatefile.h"
#include "export/siteoutput.h"
#include "personal/copyjob.h"
#include "course/workfiles.h"
#include "platform/errors.h"
#include "platform/fileops.h"
#include "platform/pdfpages.h"
#include "platform/textfile.h"
#include "smalldisk.h"
#include "state/usersettings.h"
#include "text/lessoneditor.h"
#include "text/lessontext.h"

#include <QDirIterator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <functional>

using namespace lumora;

namespace {

using Step = std::function<void(const QString &dir)>;
// The write under test; returns the failure's text, empty when it reported success.
using Write = std::function<QString(const QString &dir)>;

QString failureOf(const std::function<void()> &write)
{
    try {
        write();
    } catch (const Error &e) {
        return e.message();
    }
    return QString();
}

// Every file below dir with its bytes, the filler left out.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QStringLiteral("/.filler")))
            continue;
        QFile file(path);
        files.insert(path.mid(dir.size() + 1), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?"));
    }
    return files;
}

QByteArray big(int size)
{
    QByteArray bytes(size, 'a');
    for (int i = 0; i < size; i += 64)
        bytes[i] = '\n';
    return bytes;
}

const QByteArray OldContent = "[A]a.txt\r\n<Star\xfd text>\r\n";

void oldLesson(const QString &dir)
{
    QDir().mkpath(dir + QStringLiteral("/Kurz"));
    textfile::writeBytes(dir + QStringLiteral("/Kurz/Obsah.txt"), OldContent);
    textfile::writeBytes(dir + QStringLiteral("/Kurz/Obsah.rtf"), "{\\rtf1 Star\\'fd text}");
}

} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Write)

class TestFullDisk : public QObject {
    Q_OBJECT
private slots:
    void writerKeepsOldFile_data()
    {
        QTest::addColumn<Step>("prepare");
        QTest::addColumn<Write>("write");

        QTest::newRow("text file") << Step([](const QString &d) {
            textfile::writeBytes(d + QStringLiteral("/a.txt"), "old\r\n");
        }) << Write([](const QString &d) {
            return failureOf([&] { textfile::writeBytes(d + QStringLiteral("/a.txt"), big(300)); });
        });
        QTest::newRow("note") << Step([](const QString &d) {
            QDir().mkpath(d + QStringLiteral("/Kurz"));
            textfile::writeBytes(d + QStringLiteral("/Kurz/Obsah.txt"), "Moja stará poznámka\r\n");
        }) << Write([](const QString &d) {
            course::WorkFile note;
            note.name = QStringLiteral("Kurz/Obsah.txt");
            return failureOf([&] { course::writeWorkFile(d, note, {QStringLiteral("Nová poznámka")}); });
        });
        QTest::newRow("lesson saved in place") << Step(oldLesson) << Write([](const QString &d) {
            QTextDocument pane;
            pane.setPlainText(QStringLiteral("Nový text"));
            return failureOf([&] { UlozMemo(pane, d + QStringLiteral("/Kurz/Obsah.txt")); });
        });
        QTest::newRow("lesson editor") << Step([](const QString &d) {
            oldLesson(d);
            textfile::writeBytes(d + QStringLiteral("/Kurz/Obsah.bak"), "stará záloha\r\n");
        }) << Write([](const QString &d) {
            return failureOf([&] {
                const auto files =
                    lessoneditor::filesFor(d + u'/', QStringLiteral("Kurz"), QStringLiteral("Obsah.txt"));
                lessoneditor::Opened opened;
                opened.contentBytes = textfile::readBytes(files.content);
                opened.formattedBytes = textfile::readBytes(files.formatted);
                QTextDocument buffer;
                lessoneditor::save(files, opened, {QStringLiteral("[B]b.txt"), QStringLiteral("<Nový>")}, buffer);
            });
        });
        QTest::newRow("window template") << Step([](const QString &d) {
            windowtemplate::save(d + QStringLiteral("/Temp.dfm"),
                                 {{QStringLiteral("Form1"), QStringLiteral("Left"), QStringLiteral("1")}});
        }) << Write([](const QString &d) {
            return failureOf([&] {
                windowtemplate::save(d + QStringLiteral("/Temp.dfm"),
                                     {{QStringLiteral("Form1"), QStringLiteral("Left"), QStringLiteral("2")}});
            });
        });
        QTest::newRow("PDF") << Step([](const QString &d) {
            textfile::writeBytes(d + QStringLiteral("/lekcia.pdf"), "%PDF old");
        }) << Write([](const QString &d) {
            QTextDocument doc;
            doc.setPlainText(QStringLiteral("Lekcia"));
            return failureOf([&] { pages::writePdf(doc, QStringLiteral("Kurz"), d + QStringLiteral("/lekcia.pdf")); });
        });
        QTest::newRow("copy of a file") << Step([](const QString &d) {
            textfile::writeBytes(d + QStringLiteral("/kopia.txt"), "old");
        }) << Write([](const QString &d) {
            QTemporaryDir from;
            textfile::writeBytes(from.filePath(QStringLiteral("a.txt")), big(20000));
            return failureOf(
                [&] { fileops::CopyFile(from.filePath(QStringLiteral("a.txt")), d + QStringLiteral("/kopia.txt")); });
        });
        QTest::newRow("copy window") << Step([](const QString &d) {
            textfile::writeBytes(d + QStringLiteral("/b.txt"), "old");
        }) << Write([](const QString &d) {
            QTemporaryDir from;
            textfile::writeBytes(from.filePath(QStringLiteral("b.txt")), big(20000));
            personal::CopyCallbacks callbacks;
            callbacks.replace = [](const QString &) { return personal::ReplaceAnswer::Replace; };
            return failureOf([&] {
                personal::copyFiles({{from.filePath(QStringLiteral("b.txt")), QStringLiteral("b.txt")}}, d, callbacks);
            });
        });
        QTest::newRow("web export") << Step([](const QString &d) {
            QDir().mkpath(d + QStringLiteral("/site"));
            textfile::writeBytes(d + QStringLiteral("/site/index.html"), "<p>old</p>");
        }) << Write([](const QString &d) {
            const auto out = exporting::folderOutput(d + QStringLiteral("/site"));
            return out->write(QStringLiteral("index.html"), big(5000), true) ? QString() : out->error();
        });
        QTest::newRow("SCORM package") << Step([](const QString &d) {
            textfile::writeBytes(d + QStringLiteral("/kurz.zip"), "PK old");
        }) << Write([](const QString &d) {
            const auto out = exporting::zipOutput(d + QStringLiteral("/kurz.zip"));
            if (!out->write(QStringLiteral("index.html"), big(50000), false) || !out->finish())
                return out->error();
            return QString();
        });
        QTest::newRow("settings") << Step([](const QString &d) {
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, d);
            UserSettings().addRecentFolder(QStringLiteral("/stary"));
        }) << Write([](const QString &d) {
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, d);
            UserSettings settings;
            settings.addRecentFolder(QStringLiteral("/novy"));
            // This copy of the program goes on with what it meant to keep.
            if (settings.recentFolders().value(0) != QLatin1String("/novy"))
                return QStringLiteral("the change was lost");
            return settings.writeError();
        });
    }

    void writerKeepsOldFile()
    {
        QFETCH(Step, prepare);
        QFETCH(Write, write);
        testing::SmallDisk disk;
        if (!disk.mounted())
            QSKIP(qPrintable(disk.why()));
        prepare(disk.path());
        const QMap<QString, QByteArray> before = snapshot(disk.path());
        QVERIFY(!before.isEmpty());
        QVERIFY(disk.fill());

        const QString failure = write(disk.path());
        QVERIFY2(failure.contains(QString::fromUtf8(errortext::DiskFull.defaultText)), qPrintable(failure));
        QCOMPARE(snapshot(disk.path()), before);

        // With room again the same write goes through.
        disk.empty();
        QCOMPARE(write(disk.path()), QString());
        QVERIFY(snapshot(disk.path()) != before);
    }
};

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
