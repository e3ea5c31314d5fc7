// The formats beyond plain character and paragraph looks: sub- and superscript,
// spacing, highlight, caps, lists, links, tables and pictures.
//
// Each sample "golden/formats/<name>.rtf" has beside it the document it reads to
// ("<name>.dump.txt", see dump()) and the writer's output ("<name>.written.rtf"); see
// tests/README.md for rewriting them.
#include "golden.h"
#include "rtf/rtflists.h"
#include "rtf/rtfobjects.h"
#include "rtf/rtfpicture.h"
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
#include <QTextFragment>
#include <QTextList>
#include <QTextTable>

using namespace lumora;

namespace {

const QString formatsFolder = QStringLiteral(LUMORA_TEST_DATA "/golden/formats");

// Everything the document holds of the formats, one line per paragraph and run.
QStringList dump(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat b = block.blockFormat();
        QString para = QStringLiteral("P align=%1 left=%2 first=%3 top=%4 bottom=%5 line=%6:%7")
                           .arg(int(b.alignment() & Qt::AlignHorizontal_Mask))
                           .arg(b.leftMargin())
                           .arg(b.textIndent())
                           .arg(b.topMargin())
                           .arg(b.bottomMargin())
                           .arg(b.lineHeightType())
                           .arg(b.lineHeight());
        if (const QTextList *list = block.textList())
            para += QStringLiteral(" list=%1/%2 item=%3 '%4'")
                        .arg(int(list->format().style()))
                        .arg(list->format().indent())
                        .arg(list->itemNumber(block))
                        .arg(rtf::listItemLabel(*list, block));
        if (const QTextTable *table = QTextCursor(block).currentTable()) {
            const QTextTableCell cell = table->cellAt(block.position());
            para += QStringLiteral(" table=%1x%2 cell=%3,%4 border=%5 padding=%6")
                        .arg(table->rows())
                        .arg(table->columns())
                        .arg(cell.row())
                        .arg(cell.column())
                        .arg(table->format().border())
                        .arg(table->format().cellPadding());
            QStringList widths;
            for (const QTextLength &w : table->format().columnWidthConstraints())
                widths.append(QString::number(w.rawValue()));
            para += QStringLiteral(" widths=") + widths.join(u',');
        }
        out += para;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat c = f.charFormat();
            if (c.hasProperty(rtf::KeptGroupProperty)) {
                QString shown = QStringLiteral("nothing");
                if (c.isImageFormat())
                    shown =
                        QStringLiteral("picture %1x%2").arg(c.toImageFormat().width()).arg(c.toImageFormat().height());
                else if (c.objectType() == rtf::TextBoxObject)
                    shown = QStringLiteral("text box %1 wide '%2'")
                                .arg(c.doubleProperty(rtf::TextBoxWidthProperty))
                                .arg(c.stringProperty(rtf::TextBoxTextProperty).replace(u'\n', u'|'));
                out += QStringLiteral("  kept group %1 bytes, shown as %2%3")
                           .arg(c.property(rtf::KeptGroupProperty).toByteArray().size())
                           .arg(shown)
                           .arg(c.toolTip().isEmpty() ? QString() : QStringLiteral(", tooltip '%1'").arg(c.toolTip()));
                continue;
            }
            if (c.objectType() == rtf::HiddenTextObject) {
                out += QStringLiteral("  hidden '%1' %2pt%3")
                           .arg(c.stringProperty(rtf::HiddenTextProperty))
                           .arg(c.fontPointSize())
                           .arg(c.fontWeight() >= QFont::Bold ? " b" : "");
                continue;
            }
            if (c.isImageFormat()) {
                const QTextImageFormat image = c.toImageFormat();
                const QImage shown = doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
                out += QStringLiteral("  picture %1x%2 shown %3x%4 group %5 bytes")
                           .arg(image.width())
                           .arg(image.height())
                           .arg(shown.width())
                           .arg(shown.height())
                           .arg(image.property(rtf::PictureGroupProperty).toByteArray().size());
                continue;
            }
            out += QStringLiteral("  '%1' %2pt%3%4%5 fg=%6 bg=%7 valign=%8%9%10")
                       .arg(f.text())
                       .arg(c.fontPointSize())
                       .arg(c.fontWeight() >= QFont::Bold ? " b" : "", c.fontUnderline() ? " u" : "",
                            c.fontCapitalization() == QFont::AllUppercase ? " caps" : "",
                            c.hasProperty(QTextFormat::ForegroundBrush) ? c.foreground().color().name()
                                                                        : QStringLiteral("auto"),
                            c.hasProperty(QTextFormat::BackgroundBrush) ? c.background().color().name()
                                                                        : QStringLiteral("none"))
                       .arg(int(c.verticalAlignment()))
                       .arg(c.isAnchor() ? QStringLiteral(" link=") + c.anchorHref() : QString(), QString());
        }
    }
    return out;
}

} // namespace

class TestRtfFormats : public QObject {
    Q_OBJECT

private slots:
    void samples_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &file : QDir(formatsFolder).entryList({QStringLiteral("*.rtf")})) {
            if (!file.endsWith(QStringLiteral(".written.rtf")))
                QTest::newRow(qPrintable(file)) << file.chopped(4);
        }
    }

    // Each sample reads to its dump and writes to its written file; the written file
    // reads to the same dump and writes to itself.
    void samples()
    {
        QFETCH(QString, name);
        const QString base = formatsFolder + u'/' + name;
        QTextDocument doc;
        rtf::read(testing::fileBytes(base + QStringLiteral(".rtf")), doc);
        const QStringList got = dump(doc);
        const QByteArray written = rtf::write(doc);
        COMPARE_GOLDEN(got, base + QStringLiteral(".dump.txt"));
        COMPARE_GOLDEN(written, base + QStringLiteral(".written.rtf"));

        QTextDocument again;
        rtf::read(written, again);
        QCOMPARE(dump(again), got);
        QCOMPARE(rtf::write(again), written);
    }

    // All formats in one document, made with the document's own calls as the pane makes
    // them, survive writing and reading back.
    void everyFormatRoundTrips()
    {
        QTextDocument doc;
        QTextCursor c(&doc);
        QTextCharFormat plain;
        plain.setFontPointSize(12);
        c.insertText(QStringLiteral("H"), plain);
        QTextCharFormat sub = plain;
        sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        c.insertText(QStringLiteral("2"), sub);
        QTextCharFormat sup = plain;
        sup.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        sup.setBackground(QColor(255, 255, 0));
        c.insertText(QStringLiteral("x"), sup);
        QTextCharFormat caps = plain;
        caps.setFontCapitalization(QFont::AllUppercase);
        caps.setAnchor(true);
        caps.setAnchorHref(QStringLiteral("https://www.example.sk/a b"));
        c.insertText(QStringLiteral("odkaz"), caps);
        QTextBlockFormat spaced;
        spaced.setTopMargin(8);
        spaced.setBottomMargin(4);
        spaced.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
        c.insertBlock(spaced, plain);
        c.insertText(QStringLiteral("riadkovanie"));
        c.insertBlock(QTextBlockFormat(), plain);
        QTextListFormat roman;
        roman.setStyle(QTextListFormat::ListUpperRoman);
        roman.setIndent(2);
        c.createList(roman);
        c.insertText(QStringLiteral("prvá"));
        c.insertBlock();
        c.insertText(QStringLiteral("druhá"));
        c.insertBlock(QTextBlockFormat(), plain);
        QTextTableFormat tf;
        tf.setColumnWidthConstraints(
            {QTextLength(QTextLength::FixedLength, 100), QTextLength(QTextLength::FixedLength, 60)});
        QTextTable *table = c.insertTable(2, 2, tf);
        table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("a"), plain);
        table->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("d"), sup);
        c = table->lastCursorPosition();
        c.movePosition(QTextCursor::NextBlock);
        QImage image(5, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pasted")), image);
        QTextImageFormat picture;
        picture.setName(QStringLiteral("pasted"));
        picture.setWidth(10);
        picture.setHeight(8);
        c.insertImage(picture);

        const QByteArray written = rtf::write(doc);
        QTextDocument copy;
        rtf::read(written, copy);
        QStringList want = dump(doc), got = dump(copy);
        // The picture read back carries its group, which the pane's own image had not.
        QCOMPARE(got.size(), want.size());
        QVERIFY(got.last().startsWith(QStringLiteral("  picture 10x8 shown 5x4 group")));
        want.removeLast();
        got.removeLast();
        QCOMPARE(got, want);
        QCOMPARE(rtf::write(copy), written);
        // Hidden text takes no room in the pane.
        QTextDocument hidden, bare;
        rtf::read("{\\rtf1 ab{\\v skryt\\'e9}cd}", hidden);
        rtf::read("{\\rtf1 abcd}", bare);
        QVERIFY(qAbs(hidden.idealWidth() - bare.idealWidth()) < 2);
        QCOMPARE(rtf::plainLines(copy),
                 (QStringList{"H2xodkaz", "riadkovanie", "prvá", "druhá", "", "a", "", "", "d", ""}));
    }

    // Damaged and hostile input keeps the text, stays within bounds and ends.
    void badInput_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QByteArray deep = "\\pard";
        for (int level = 0; level < 12; ++level)
            deep += "\\ls1\\ilvl" + QByteArray::number(level) + " L" + QByteArray::number(level) + "\\par";
        QTest::newRow("lists nested deep") << "{\\*\\listtable{\\list{\\listlevel\\levelnfc0}\\listid1}}"
                                              "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}"
                + deep << QStringLiteral("L0L1L2L3L4L5L6L7L8L9L10L11");
        QTest::newRow("missing lists") << QByteArray(
            "{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}}\\ls1 a\\par\\ls2 b\\par")
                                       << QStringLiteral("ab");
        QTest::newRow("row of no cells") << QByteArray("\\trowd\\row\\trowd\\intbl\\row x\\par") << QStringLiteral("x");
        QByteArray wide = "\\trowd";
        for (int i = 1; i <= 1000; ++i)
            wide += "\\cellx" + QByteArray::number(i * 10);
        wide += "\\pard\\intbl ";
        for (int i = 0; i < 1000; ++i)
            wide += "c\\cell ";
        wide += "\\row";
        QTest::newRow("1000 columns") << wide << QString(1000, u'c');
        QTest::newRow("cells in cells") << QByteArray("\\trowd\\cellx500\\pard\\intbl\\itap2 a\\nestcell "
                                                      "b\\nestcell{\\*\\nesttableprops\\nestrow}\\itap1\\cell\\row")
                                        << QStringLiteral("a\tb\t");
        QTest::newRow("text past a row without its end")
            << QByteArray("\\trowd\\cellx500\\pard\\intbl a\\cell b\\par\\par") << QStringLiteral("ab");
        QTest::newRow("odd hex digits") << QByteArray("a{\\pict\\pngblip 89504e4}b") << QStringLiteral("ab");
        QTest::newRow("empty list item in a cell")
            << QByteArray("\\trowd\\cellx500\\cellx900\\pard\\intbl a\\cell\\pard\\intbl\\ls1\\cell\\row")
            << QStringLiteral("a");
        QTest::newRow("text before the picture word") << QByteArray("x{a\\pict\\pngblip 89}y") << QStringLiteral("xay");
        QTest::newRow("binary picture") << QByteArray("a{\\pict\\pngblip\\bin6 {}\\\\}{}b") << QStringLiteral("ab");
        QTest::newRow("picture word after a picture group")
            << QByteArray("a{\\*\\shppict{\\pict\\jpegblip ffd8}x\\pict\\dibitmap0 2800}b") << QStringLiteral("ab");
        QTest::newRow("object cut short after a backslash")
            << QByteArray("a{\\object{\\result{\\pict\\pngblip 89}}} b{\\object\\objw9 po\\") << QStringLiteral("a b");
        QTest::newRow("shape cut short in binary data") << QByteArray("a{\\shp{\\bin99 xyz") << QStringLiteral("a");
        QTest::newRow("picture past the end") << QByteArray("a{\\pict\\jpegblip\\bin99999 xyz") << QStringLiteral("a");
        QByteArray big = "a{\\pict\\pngblip\\picwgoal99999999\\pichgoal-5 ";
        big += QByteArray(20 * 1024 * 1024, '7');
        big += "}b";
        QTest::newRow("20 MB picture") << big << QStringLiteral("ab");
        QTest::newRow("unclosed field") << QByteArray("{\\field{\\*\\fldinst HYPERLINK \"x") << QString();
        QTest::newRow("odd link target") << QByteArray(
            "{\\field{\\*\\fldinst HYPERLINK \"thtp :s//a%20b%\"}{\\fldrslt t}}")
                                         << QStringLiteral("t");
        QTest::newRow("list label of Unicode and control characters")
            << QByteArray("{\\*\\pn\\pnlvlbody\\pnucrm{\\pntxtb \\u8756?\\'07\\'01}{\\pntxta \\u946?)}}a\\par")
            << QStringLiteral("a");
        QTest::newRow("list level text of Unicode and control characters") << QByteArray(
            "{\\*\\listtable{\\list{\\listlevel\\levelnfc0{\\leveltext\\'05\\u8756?\\'0b\\'00\\'1f);}}\\listid1}}"
            "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}\\pard\\ls1 a\\par")
                                                                           << QStringLiteral("a");
        QTest::newRow("link without result")
            << QByteArray("{\\field{\\*\\fldinst HYPERLINK \"x\"}}t") << QStringLiteral("t");
    }
    void badInput()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QTextDocument doc;
        rtf::read("{\\rtf1 " + rtf + "}", doc);
        QCOMPARE(rtf::plainLines(doc).join(QString()), text);
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
            if (const QTextList *list = block.textList())
                QVERIFY(list->format().indent() <= 9);
            if (const QTextTable *table = QTextCursor(block).currentTable())
                QVERIFY(table->columns() <= 64);
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
                QVERIFY(image.width() <= 4000 && image.height() <= 4000);
            }
        }
        // What was read writes and reads back to the same text and the same bytes.
        const QByteArray written = rtf::write(doc);
        QTextDocument copy;
        rtf::read(written, copy);
        QCOMPARE(rtf::plainLines(copy), rtf::plainLines(doc));
        QCOMPARE(rtf::write(copy), written);
    }
};

QTEST_MAIN(TestRtfFormats)
#include "tst_rtfformats.moc"
