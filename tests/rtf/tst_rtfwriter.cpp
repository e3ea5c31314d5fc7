// Writing rich text: the files written from the samples, round trips over formatting
// combinations and characters, and saving.
//
// Each golden sample "<name>.rtf" has the writer's expected output beside it as
// "<name>.written.rtf" (see tests/README.md for rewriting them).
#include "golden.h"
#include "rtf/rtfplainlines.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

using namespace lumora;

namespace {

const QString goldenFolder = QStringLiteral(LUMORA_TEST_DATA "/golden");

using testing::fileBytes;

// Everything rich text carries of a document, one line per paragraph and run.
QStringList describe(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat b = block.blockFormat();
        QString para = QStringLiteral("P align=%1 left=%2 right=%3 first=%4 tabs=")
                           .arg(int(b.alignment() & Qt::AlignHorizontal_Mask))
                           .arg(b.leftMargin())
                           .arg(b.rightMargin())
                           .arg(b.textIndent());
        for (const QTextOption::Tab &tab : b.tabPositions())
            para += QStringLiteral("%1:%2,").arg(tab.position).arg(int(tab.type));
        out += para;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat c = f.charFormat();
            out += QStringLiteral("  '%1' %2 %3pt%4%5%6%7 %8")
                       .arg(f.text(), c.fontFamilies().toStringList().join(u','))
                       .arg(c.fontPointSize())
                       .arg(c.fontWeight() >= QFont::Bold ? " b" : "", c.fontItalic() ? " i" : "",
                            c.fontUnderline() ? " u" : "", c.fontStrikeOut() ? " s" : "",
                            c.hasProperty(QTextFormat::ForegroundBrush) ? c.foreground().color().name()
                                                                        : QStringLiteral("auto"));
        }
    }
    return out;
}

// Writes doc, reads the result back, and checks that the copy carries the same and
// that writing the copy gives the same bytes.
void checkRoundTrip(const QTextDocument &doc)
{
    const QByteArray written = rtf::write(doc);
    QTextDocument copy;
    rtf::read(written, copy);
    QCOMPARE(describe(copy), describe(doc));
    QCOMPARE(rtf::write(copy), written);
}

QTextCharFormat charFormat(const QString &family, double points)
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    return f;
}

} // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT

private slots:
    void writtenSamples_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &file : QDir(goldenFolder).entryList({QStringLiteral("*.rtf")})) {
            if (!file.endsWith(QStringLiteral(".written.rtf")))
                QTest::newRow(qPrintable(file)) << file.chopped(4);
        }
    }

    // Each sample written out gives the file beside it, and that file reads and writes
    // back to itself.
    void writtenSamples()
    {
        QFETCH(QString, name);
        QTextDocument doc;
        rtf::read(fileBytes(goldenFolder + u'/' + name + QStringLiteral(".rtf")), doc);
        const QByteArray written = rtf::write(doc);
        COMPARE_GOLDEN(written, goldenFolder + u'/' + name + QStringLiteral(".written.rtf"));

        QTextDocument again;
        rtf::read(written, again);
        QCOMPARE(rtf::plainLines(again), rtf::plainLines(doc));
        QCOMPARE(rtf::write(again), written);
    }

    void characterFormatCombinations()
    {
        QTextDocument doc;
        QTextCursor cursor(&doc);
        const QStringList families = {QStringLiteral("Arial"), QStringLiteral("Times New Roman"),
                                      QStringLiteral("Font; with {odd} \\ name čЖ")};
        const QList<double> sizes = {8, 11.5, 36};
        const QList<QColor> colors = {QColor(), QColor(255, 0, 0), QColor(0, 0, 0), QColor(1, 2, 3)};
        int n = 0;
        for (const QString &family : families) {
            for (double size : sizes) {
                for (int flags = 0; flags < 16; ++flags) {
                    QTextCharFormat f = charFormat(family, size);
                    if (flags & 1)
                        f.setFontWeight(QFont::Bold);
                    f.setFontItalic(flags & 2);
                    f.setFontUnderline(flags & 4);
                    f.setFontStrikeOut(flags & 8);
                    const QColor color = colors[n % colors.size()];
                    if (color.isValid())
                        f.setForeground(color);
                    cursor.insertText(QStringLiteral("run%1 ").arg(n++), f);
                }
                cursor.insertBlock();
            }
        }
        checkRoundTrip(doc);
    }

    void paragraphFormatCombinations()
    {
        QTextDocument doc;
        QTextCursor cursor(&doc);
        const Qt::Alignment aligns[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
        const QList<QList<QTextOption::Tab>> tabSets = {
            {},
            {QTextOption::Tab(48, QTextOption::LeftTab)},
            {QTextOption::Tab(24, QTextOption::RightTab), QTextOption::Tab(96, QTextOption::CenterTab),
             QTextOption::Tab(192, QTextOption::DelimiterTab, u'.')},
        };
        bool first = true;
        for (const Qt::Alignment align : aligns) {
            for (const double indent : {0.0, 48.0, -12.0}) {
                for (const auto &tabs : tabSets) {
                    QTextBlockFormat b;
                    b.setAlignment(align);
                    b.setLeftMargin(indent < 0 ? 24 : indent);
                    b.setRightMargin(indent / 2);
                    b.setTextIndent(indent);
                    b.setTabPositions(tabs);
                    if (first)
                        cursor.setBlockFormat(b);
                    else
                        cursor.insertBlock(b);
                    first = false;
                    cursor.insertText(QStringLiteral("a\tb\tc"), charFormat(QStringLiteral("Arial"), 11));
                }
            }
        }
        checkRoundTrip(doc);
    }

    void emptyParagraphsKeepTheirSize()
    {
        QTextDocument doc;
        QTextCursor cursor(&doc);
        cursor.setBlockCharFormat(charFormat(QStringLiteral("Arial"), 30));
        cursor.insertBlock(QTextBlockFormat(), charFormat(QStringLiteral("Arial"), 9));
        cursor.insertText(QStringLiteral("x"), charFormat(QStringLiteral("Arial"), 9));
        cursor.insertBlock(QTextBlockFormat(), charFormat(QStringLiteral("Courier"), 20));
        const QByteArray written = rtf::write(doc);
        QTextDocument copy;
        rtf::read(written, copy);
        QCOMPARE(rtf::plainLines(copy), (QStringList{"", "x", ""}));
        QCOMPARE(copy.findBlockByNumber(0).charFormat().fontPointSize(), 30.0);
        QCOMPARE(copy.findBlockByNumber(2).charFormat().fontPointSize(), 20.0);
        QCOMPARE(copy.findBlockByNumber(2).charFormat().fontFamilies().toStringList(),
                 QStringList{QStringLiteral("Courier")});
        QCOMPARE(rtf::write(copy), written);
    }

    void characters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("escaped");
        QTest::newRow("ascii") << QStringLiteral("Hello, world 1+1=2") << QByteArray(" Hello, world 1+1=2");
        QTest::newRow("syntax") << QStringLiteral("{a}\\") << QByteArray("\\{a\\}\\\\");
        QTest::newRow("slovak") << QStringLiteral("čšťž") << QByteArray("\\'e8\\'9a\\'9d\\'9e");
        QTest::newRow("quotes and dashes") << QStringLiteral("„a“–—€") << QByteArray("\\'84a\\'93\\'96\\'97\\'80");
        QTest::newRow("cyrillic") << QStringLiteral("жЖ") << QByteArray("\\u1078?\\u1046?");
        QTest::newRow("upper plane") << QStringLiteral("😀") << QByteArray("\\u-10179?\\u-8704?");
        QTest::newRow("private use") << QStringLiteral("\uF0B7") << QByteArray("\\u-3913?");
        QTest::newRow("tab and line break") << QStringLiteral("a\tb\u2028c") << QByteArray(" a\\tab b\\line c");
        QTest::newRow("special spaces and hyphens")
            << QStringLiteral("a\u00A0b\u00ADc\u2011d") << QByteArray(" a\\~b\\-c\\_d");
        // A longer line: escapes, syntax characters and a control word between plain runs.
        QTest::newRow("long mixed line")
            << QStringLiteral("Úsečka {AB} má dĺžku 5\tcm – ťahajte ju\\ľavým tlačidlom myši, potom Enter.")
            << QByteArray("\\'dase\\'e8ka \\{AB\\} m\\'e1 d\\'e5\\'9eku 5\\tab cm \\'96 \\'9dahajte "
                          "ju\\\\\\'beav\\'fdm tla\\'e8idlom my\\'9ai, potom Enter.");
        QTest::newRow("control characters dropped") << QStringLiteral("a\u0001b\uFFFCc") << QByteArray(" abc");
    }

    // Characters are written as the header's code page allows, else as Unicode with a
    // fallback, and read back unchanged (dropped ones aside).
    void characters()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, escaped);
        QTextDocument doc;
        QTextCursor(&doc).insertText(text, charFormat(QStringLiteral("Arial"), 12));
        const QByteArray written = rtf::write(doc);
        QVERIFY2(written.contains("\\fs24" + escaped + "\\par"), written.constData());

        QTextDocument copy;
        rtf::read(written, copy);
        QString kept = text;
        kept.remove(QChar(0x0001)).remove(QChar(0xFFFC));
        QCOMPARE(copy.toRawText(), kept);
    }

    void headerAndTables()
    {
        QTextDocument doc;
        QTextCursor cursor(&doc);
        QTextCharFormat red = charFormat(QStringLiteral("Arial"), 10);
        red.setForeground(QColor(255, 0, 0));
        cursor.insertText(QStringLiteral("a"), red);
        cursor.insertText(QStringLiteral("b"), charFormat(QStringLiteral("Tahoma"), 10));
        cursor.insertText(QStringLiteral("c"), red);
        const QByteArray written = rtf::write(doc);
        QVERIFY(written.startsWith("{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl"
                                   "{\\f0\\fnil\\fcharset238 Arial;}{\\f1\\fnil\\fcharset238 Tahoma;}}\r\n"
                                   "{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\uc1"));
        QVERIFY(written.contains("\\f0\\fs20\\cf1 a\\f1\\cf0 b\\f0\\cf1 c\\par"));
        QVERIFY(written.endsWith("}\r\n"));
    }

    // What a format leaves unset is written as the document's default font shows it.
    void unsetPropertiesComeFromTheDefaultFont()
    {
        QTextDocument doc;
        QFont font(QStringLiteral("Verdana"));
        font.setPointSizeF(13.5);
        font.setItalic(true);
        doc.setDefaultFont(font);
        QTextCursor(&doc).insertText(QStringLiteral("x"));
        const QByteArray written = rtf::write(doc);
        QVERIFY(written.contains("{\\f0\\fnil\\fcharset238 Verdana;}"));
        QVERIFY(written.contains("\\f0\\fs27\\i x\\par"));
    }

    // What the file kept is written as it came only while the author left it alone: an
    // edit to a kept row, face or paragraph is written from the document instead, and
    // what the author types takes the file's default font.
    void keptPartsAfterEdits_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<int>("edit");
        QTest::addColumn<QByteArrayList>("present");
        QTest::addColumn<QByteArrayList>("absent");
        QTest::newRow("untouched table rows keep their definitions")
            << QStringLiteral("tables") << 0 << QByteArrayList{"\\trqc\\trrh500", "\\clmgf\\cellx2000"}
            << QByteArrayList{};
        QTest::newRow("a column added: the rows are written from the table")
            << QStringLiteral("tables") << 1 << QByteArrayList{"\\cellx"} << QByteArrayList{"\\trqc", "\\clmgf"};
        QTest::newRow("text typed into a cell past the file's cells")
            << QStringLiteral("tables") << 2 << QByteArrayList{"\\clmgf", "novy\\cell\\row"}
            << QByteArrayList{"\\trqc"};
        QTest::newRow("typed text takes the default font, not the interface's")
            << QStringLiteral("fonts-styles") << 3 << QByteArrayList{"\\deff1", " novy\\par"}
            << QByteArrayList{"Sans Serif", "\\f3"};
        QTest::newRow("another face gets an entry of its own")
            << QStringLiteral("fonts-styles") << 4
            << QByteArrayList{"{\\f3\\fnil\\fcharset238 Tahoma;}", "{\\f2\\fswiss\\fcharset238\\fprq2 Arial;}"}
            << QByteArrayList{};
    }

    void keptPartsAfterEdits()
    {
        QFETCH(QString, sample);
        QFETCH(int, edit);
        QFETCH(QByteArrayList, present);
        QFETCH(QByteArrayList, absent);
        QTextDocument doc;
        rtf::read(fileBytes(goldenFolder + u'/' + sample + QStringLiteral(".rtf")), doc);
        QTextCursor cursor(&doc);
        QTextTable *table = cursor.movePosition(QTextCursor::NextBlock) ? cursor.currentTable() : nullptr;
        switch (edit) {
        case 1:
            QVERIFY(table);
            table->appendColumns(1);
            break;
        case 2:
            QVERIFY(table);
            // The first row has two cells in the file; the table has three columns.
            table->cellAt(0, 2).firstCursorPosition().insertText(QStringLiteral("novy"));
            break;
        case 3: {
            QTextCursor end(&doc);
            end.movePosition(QTextCursor::End);
            end.insertBlock(QTextBlockFormat(), QTextCharFormat());
            end.insertText(QStringLiteral("novy"), QTextCharFormat());
            break;
        }
        case 4: {
            QTextCursor first(&doc);
            first.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QTextCharFormat face;
            face.setFontFamilies({QStringLiteral("Tahoma")});
            first.mergeCharFormat(face);
            break;
        }
        default: break;
        }
        const QByteArray written = rtf::write(doc);
        for (const QByteArray &bytes : present)
            QVERIFY2(written.contains(bytes), (bytes + " not in " + written).constData());
        for (const QByteArray &bytes : absent)
            QVERIFY2(!written.contains(bytes), (bytes + " in " + written).constData());
        QTextDocument again;
        rtf::read(written, again);
        QCOMPARE(rtf::write(again), written);
    }
};

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
