// Formatted text files as the program reads and writes them: errors naming the file,
// names matched without regard to case, files replaced under their own spelling.
#include "golden.h"
#include "platform/errors.h"
#include "rtf/rtfplainlines.h"
#include "rtf/rtfwriter.h"
#include "text/formattedfile.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace lumora;

namespace {

const QString samples = QStringLiteral(LUMORA_SOURCE_DIR "/tests/rtf/golden");

using testing::fileBytes;

QTextCharFormat arial12()
{
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(12);
    return f;
}

} // namespace

class TestFormattedFile : public QObject {
    Q_OBJECT

private slots:
    void loadNamesTheFile()
    {
        const QString path = samples + QStringLiteral("/richedit-cp1250.txt");
        QTextDocument doc;
        try {
            formattedfile::load(path, doc);
            QFAIL("a text file loaded as rich text");
        } catch (const FileFormatError &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' is not a valid rich text file").arg(path));
        }
        QVERIFY_THROWS_EXCEPTION(IoError, formattedfile::load(samples + QStringLiteral("/missing.rtf"), doc));
        // Names are matched without regard to case.
        formattedfile::load(samples + QStringLiteral("/RICHEDIT-CP1250.RTF"), doc);
        QCOMPARE(rtf::plainLines(doc).last(), QStringLiteral("Koniec"));
    }

    void saveAndLoad()
    {
        QTemporaryDir dir;
        QTextDocument doc;
        QTextCursor(&doc).insertText(QStringLiteral("uložené"), arial12());
        const QString path = dir.filePath(QStringLiteral("Obsah.rtf"));
        formattedfile::save(path, doc);
        QCOMPARE(fileBytes(path), rtf::write(doc));
        // An existing file is replaced under its own spelling.
        formattedfile::save(dir.filePath(QStringLiteral("OBSAH.RTF")), doc);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Obsah.rtf")});
        QTextDocument loaded;
        formattedfile::load(dir.filePath(QStringLiteral("obsah.rtf")), loaded);
        QCOMPARE(rtf::write(loaded), rtf::write(doc));
        QVERIFY_THROWS_EXCEPTION(FileCreateError,
                                 formattedfile::save(dir.filePath(QStringLiteral("no/such.rtf")), doc));
    }
};

QTEST_MAIN(TestFormattedFile)
#include "tst_formattedfile.moc"
