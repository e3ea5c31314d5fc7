// The lesson pane's zoom and the font dialog's formatting of the selection.
#include "platform/errors.h"
#include "text/memoformat.h"
#include "text/memozoom.h"

#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace lumora;

namespace {

QTextCharFormat sized(double points)
{
    QTextCharFormat f;
    f.setFontPointSize(points);
    return f;
}

// The size of every character run, paragraph by paragraph ("|" between paragraphs).
QList<double> sizes(const QTextDocument &doc)
{
    QList<double> out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin())
            out.append(-1);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            out.append(f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : 0);
        }
    }
    return out;
}

// One run of the given size in a pane whose own size is 10 points.
void singleRun(QTextDocument &doc, double points)
{
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    QTextCursor(&doc).insertText(QStringLiteral("text"), sized(points));
}

double onlySize(const QTextDocument &doc)
{
    const QList<double> all = sizes(doc);
    return all.size() == 1 ? all.first() : -100;
}

} // namespace

class TestMemoZoom : public QObject {
    Q_OBJECT

private slots:
    void rounding_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<QList<int>>("percents");
        QTest::addColumn<double>("expected");
        QTest::newRow("16.5 to the even 16") << 11.0 << QList<int>{150} << 16.0;
        QTest::newRow("13.5 to the even 14") << 9.0 << QList<int>{150} << 14.0;
        QTest::newRow("5.5 to the even 6") << 11.0 << QList<int>{50} << 6.0;
        QTest::newRow("6.5 to the even 6") << 13.0 << QList<int>{50} << 6.0;
        QTest::newRow("not a tie") << 11.0 << QList<int>{133} << 15.0;
        QTest::newRow("100 changes nothing") << 11.5 << QList<int>{100} << 11.5;
        QTest::newRow("relative: 50 then 200") << 11.0 << QList<int>{50, 200} << 12.0;
        QTest::newRow("relative: 200 twice") << 11.0 << QList<int>{200, 200} << 44.0;
        QTest::newRow("never below 1 point") << 4.0 << QList<int>{10} << 1.0;
        QTest::newRow("0 acts as 10") << 40.0 << QList<int>{0} << 4.0;
    }

    void rounding()
    {
        QFETCH(double, points);
        QFETCH(QList<int>, percents);
        QFETCH(double, expected);
        QTextDocument doc;
        singleRun(doc, points);
        for (int percent : percents)
            ZoomMemo(doc, percent);
        QCOMPARE(onlySize(doc), expected);
    }

    // Each run scales from its own size; a run without a size of its own from the pane's;
    // an empty paragraph's mark scales too; everything but the size stays; one undo
    // step takes the whole zoom back.
    void mixedText()
    {
        QTextDocument doc;
        doc.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
        QTextCursor cursor(&doc);
        cursor.insertText(QStringLiteral("plain "));
        QTextCharFormat bold = sized(9);
        bold.setFontWeight(QFont::Bold);
        bold.setFontFamilies({QStringLiteral("Courier New")});
        bold.setForeground(QColor(200, 0, 0));
        cursor.insertText(QStringLiteral("bold "), bold);
        cursor.insertText(QStringLiteral("big"), sized(24));
        cursor.insertBlock(QTextBlockFormat(), sized(12));
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        cursor.insertText(QStringLiteral("last"), sized(11));
        const QString text = doc.toPlainText();

        ZoomMemo(doc, 150);

        QCOMPARE(sizes(doc), (QList<double>{15, 14, 36, -1, -1, 16}));
        QCOMPARE(doc.findBlockByNumber(1).charFormat().fontPointSize(), 18.0);
        QCOMPARE(doc.toPlainText(), text);
        const QTextCharFormat zoomedBold = QTextCursor(doc.find(QStringLiteral("bold"))).charFormat();
        QCOMPARE(zoomedBold.fontWeight(), int(QFont::Bold));
        QCOMPARE(zoomedBold.fontFamilies().toStringList(), QStringList{QStringLiteral("Courier New")});
        QCOMPARE(zoomedBold.foreground().color(), QColor(200, 0, 0));

        doc.undo();
        QCOMPARE(sizes(doc), (QList<double>{0, 9, 24, -1, -1, 11}));
    }

    void emptyPane()
    {
        QTextDocument doc;
        ZoomMemo(doc, 150);
        QVERIFY(doc.isEmpty());
    }

    void percentField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("percent");
        QTest::newRow("typed") << QStringLiteral("150") << 150;
        QTest::newRow("blanks of the mask") << QStringLiteral(" 75 ") << 75;
        QTest::newRow("0 to the least") << QStringLiteral("0") << 10;
        QTest::newRow("999 to the most") << QStringLiteral("999") << 200;
    }

    void percentField()
    {
        QFETCH(QString, field);
        QFETCH(int, percent);
        QCOMPARE(memo::zoomPercent(field), percent);
    }

    void percentFieldWithoutNumber()
    {
        QVERIFY_THROWS_EXCEPTION(ConvertError, memo::zoomPercent(QStringLiteral("   ")));
        QVERIFY_THROWS_EXCEPTION(ConvertError, memo::zoomPercent(QStringLiteral("1x")));
    }

    // Size, every style flag (set or cleared) and colour go to the selection; the face
    // and the text around the selection stay.
    void dialogFormatOnSelection()
    {
        QTextDocument doc;
        QTextCursor cursor(&doc);
        QTextCharFormat before = sized(11);
        before.setFontFamilies({QStringLiteral("Arial")});
        before.setFontItalic(true);
        before.setFontWeight(QFont::Bold);
        cursor.insertText(QStringLiteral("abcdef"), before);

        QFont chosen(QStringLiteral("Courier New"), 14);
        chosen.setUnderline(true);
        chosen.setStrikeOut(true);
        cursor.setPosition(2);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(memo::dialogFormat(chosen, QColor(0, 0, 255)));

        QTextCursor at(&doc);
        at.setPosition(3);
        const QTextCharFormat changed = at.charFormat();
        QCOMPARE(changed.fontPointSize(), 14.0);
        QCOMPARE(changed.fontWeight(), int(QFont::Normal));
        QVERIFY(!changed.fontItalic());
        QVERIFY(changed.fontUnderline());
        QVERIFY(changed.fontStrikeOut());
        QCOMPARE(changed.foreground().color(), QColor(0, 0, 255));
        QCOMPARE(changed.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});

        at.setPosition(5);
        QCOMPARE(at.charFormat().fontPointSize(), 11.0);
        QVERIFY(at.charFormat().fontItalic());
        QVERIFY(!at.charFormat().fontUnderline());
    }
};

QTEST_MAIN(TestMemoZoom)
#include "tst_memozoom.moc"
