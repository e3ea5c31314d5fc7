// Reading rich text: the sample files of real programs, code pages, Unicode, special
// characters, skipped destinations, paragraph formats, and damaged input.
#include "golden.h"
#include "rtf/rtfplainlines.h"
#include "rtf/rtfreader.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace lumora;

namespace {

const QString goldenFolder = QStringLiteral(LUMORA_TEST_DATA "/golden");

// Reads a golden sample into doc.
void readFile(const QString &path, QTextDocument &doc)
{
    rtf::read(testing::fileBytes(path), doc);
}

QStringList readLines(const QByteArray &rtf)
{
    QTextDocument doc;
    rtf::read(rtf, doc);
    return rtf::plainLines(doc);
}

QString readText(const QByteArray &rtf)
{
    return readLines(rtf).join(u'\n');
}

// The format of the first character of the first occurrence of needle, after checking
// that every character of it has that format; a needle that is missing or changes
// format fails the running test.
QTextCharFormat formatOf(const QTextDocument &doc, const QString &needle)
{
    const QTextCursor found = doc.find(needle);
    if (found.isNull()) {
        QTest::qFail(qPrintable(u'\'' + needle + QStringLiteral("' not in the document")), __FILE__, __LINE__);
        return {};
    }
    QTextCursor c(const_cast<QTextDocument *>(&doc));
    c.setPosition(found.selectionStart() + 1);
    const QTextCharFormat first = c.charFormat();
    for (int pos = found.selectionStart() + 2; pos <= found.selectionEnd(); ++pos) {
        c.setPosition(pos);
        if (c.charFormat() != first) {
            QTest::qFail(qPrintable(QStringLiteral("'%1' changes format at %2").arg(needle).arg(pos)), __FILE__,
                         __LINE__);
            break;
        }
    }
    return first;
}

// The format of the paragraph holding needle; a missing needle fails the running test
// (rather than giving the default format a check may expect).
QTextBlockFormat blockOf(const QTextDocument &doc, const QString &needle)
{
    const QTextCursor found = doc.find(needle);
    if (found.isNull())
        QTest::qFail(qPrintable(u'\'' + needle + QStringLiteral("' not in the document")), __FILE__, __LINE__);
    return found.block().blockFormat();
}

struct Look {
    bool bold, italic, underline, strike;
    double points;
    QColor color; // invalid: no colour set
};

void compareLook(const QTextCharFormat &f, const Look &want)
{
    QCOMPARE(f.fontWeight() >= QFont::Bold, want.bold);
    QCOMPARE(f.fontItalic(), want.italic);
    QCOMPARE(f.fontUnderline(), want.underline);
    QCOMPARE(f.fontStrikeOut(), want.strike);
    QCOMPARE(f.fontPointSize(), want.points);
    QCOMPARE(f.hasProperty(QTextFormat::ForegroundBrush), want.color.isValid());
    if (want.color.isValid())
        QCOMPARE(f.foreground().color(), want.color);
}

QByteArray repeated(const char *piece, int times)
{
    return QByteArray(piece).repeated(times);
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void samplesGivePlainText_data()
    {
        QTest::addColumn<QString>("name");
        const QStringList files = QDir(goldenFolder).entryList({QStringLiteral("*.txt")});
        QVERIFY(!files.isEmpty());
        for (const QString &txt : files) {
            const QString name = txt.chopped(4);
            QTest::newRow(qPrintable(name)) << name;
            if (QFile::exists(goldenFolder + u'/' + name + QStringLiteral(".written.rtf")))
                QTest::newRow(qPrintable(name + QStringLiteral(".written"))) << name + QStringLiteral(".written");
        }
    }

    // Every sample reads to the plain text written beside it (UTF-8, one line per
    // paragraph), and so does what the writer made of it.
    void samplesGivePlainText()
    {
        QFETCH(QString, name);
        if (testing::updatingGolden() && name.endsWith(QStringLiteral(".written")))
            QSKIP("the plain text is written from the sample itself");
        QTextDocument doc;
        readFile(goldenFolder + u'/' + name + QStringLiteral(".rtf"), doc);
        COMPARE_GOLDEN(rtf::plainLines(doc), goldenFolder + u'/' + name.section(u'.', 0, 0) + QStringLiteral(".txt"));
    }

    void richEditFormatting()
    {
        QTextDocument doc;
        readFile(goldenFolder + QStringLiteral("/richedit-cp1250.rtf"), doc);
        const QColor red(255, 0, 0), blue(0, 0, 255);
        compareLook(formatOf(doc, QStringLiteral("Kapitola 1: ")), {false, false, false, false, 10, {}});
        compareLook(formatOf(doc, QStringLiteral("Kreslenie úsečky")), {true, false, false, false, 10, {}});
        compareLook(formatOf(doc, QStringLiteral("kurzíve")), {false, true, false, false, 10, {}});
        compareLook(formatOf(doc, QStringLiteral("podčiarknutý")), {false, false, true, false, 10, {}});
        compareLook(formatOf(doc, QStringLiteral("Šťľžč Ř")), {false, false, false, false, 10, red});
        compareLook(formatOf(doc, QStringLiteral("modrá")), {false, false, false, false, 10, blue});
        compareLook(formatOf(doc, QStringLiteral("Stred")), {false, false, false, false, 14, {}});
        QCOMPARE(formatOf(doc, QStringLiteral("Stred")).fontFamilies().toStringList(),
                 QStringList{QStringLiteral("Arial CE")});
        QCOMPARE(blockOf(doc, QStringLiteral("Stred")).alignment(), Qt::AlignHCenter);
        QCOMPARE(blockOf(doc, QStringLiteral("Koniec")).alignment(), Qt::AlignLeft);
        compareLook(formatOf(doc, QStringLiteral("Koniec")), {false, false, false, false, 10, {}});
    }

    void wordProcessorFormatting()
    {
        QTextDocument doc;
        readFile(goldenFolder + QStringLiteral("/libreoffice-lekcia.rtf"), doc);
        compareLook(formatOf(doc, QStringLiteral("Úvod do kreslenia")), {true, false, false, false, 12, {}});
        compareLook(formatOf(doc, QStringLiteral("úsečku")), {false, true, false, false, 12, {}});
        compareLook(formatOf(doc, QStringLiteral("kružnicu")), {false, false, true, false, 12, {}});
        compareLook(formatOf(doc, QStringLiteral("Pozor:")), {false, false, false, false, 12, QColor(255, 0, 0)});
        compareLook(formatOf(doc, QStringLiteral("Enter")), {true, true, false, false, 12, {}});
        compareLook(formatOf(doc, QStringLiteral("Prečiarknutý text")), {false, false, false, true, 12, {}});
        compareLook(formatOf(doc, QStringLiteral("väčšie písmo")), {false, false, false, false, 18, {}});
        QCOMPARE(formatOf(doc, QStringLiteral("Enter")).fontFamilies().toStringList(),
                 QStringList{QStringLiteral("DejaVu Serif")});
    }

    void codePages_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        const auto font = [](const char *header, const char *fontControls, const char *body) {
            return QByteArray("{\\rtf1") + header + "{\\fonttbl{\\f0" + fontControls + " X;}}\\f0 " + body + "}";
        };
        QTest::newRow("charset 238") << font("\\ansi\\ansicpg1252", "\\fcharset238", "\\'e8\\'9d")
                                     << QStringLiteral("čť");
        QTest::newRow("charset 0") << font("\\ansi\\ansicpg1250", "\\fcharset0", "\\'e8\\'9d")
                                   << QStringLiteral("è\u009d");
        QTest::newRow("charset 204") << font("\\ansi", "\\fcharset204", "\\'e8") << QStringLiteral("и");
        QTest::newRow("charset 161") << font("\\ansi", "\\fcharset161", "\\'e8") << QStringLiteral("θ");
        QTest::newRow("charset 162") << font("\\ansi", "\\fcharset162", "\\'fe") << QStringLiteral("ş");
        QTest::newRow("charset 186") << font("\\ansi", "\\fcharset186", "\\'e8") << QStringLiteral("č");
        QTest::newRow("charset 2 bullet") << font("\\ansi", "\\fcharset2", "\\'b7 a") << QStringLiteral("• α");
        QTest::newRow("charset 128 two bytes") << font("\\ansi", "\\fcharset128", "\\'82\\'a0") << QStringLiteral("あ");
        QTest::newRow("default charset uses header")
            << font("\\ansi\\ansicpg1251", "\\fcharset1", "\\'e8") << QStringLiteral("и");
        QTest::newRow("no charset uses header") << font("\\ansi\\ansicpg1250", "", "\\'e8") << QStringLiteral("č");
        QTest::newRow("plain ansi is 1252") << font("\\ansi", "", "\\'e8") << QStringLiteral("è");
        QTest::newRow("font code page wins")
            << font("\\ansi", "\\fcharset238\\cpg1251", "\\'e8") << QStringLiteral("и");
        QTest::newRow("unknown charset uses header")
            << font("\\ansi\\ansicpg1250", "\\fcharset99", "\\'e8") << QStringLiteral("č");
        QTest::newRow("unknown font uses header")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1250\\f7 \\'e8}") << QStringLiteral("č");
        QTest::newRow("raw 8-bit text") << font("\\ansi", "\\fcharset238", "\xe8") << QStringLiteral("č");
    }

    void codePages()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(readText(rtf), text);
    }

    void fontNamesDecodeByTheirCharset()
    {
        QTextDocument doc;
        rtf::read("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset238{\\*\\panose 00}\\'8aK\\'e8 CE;}{\\f1 O\\'01ld\\tab;}"
                  "{\\f2\\fcharset2 Symbol;}{\\f3 \\u1046?\\'3b\\'e8;}}\\f0 x\\f1 y\\f2 7\\f3 w}",
                  doc);
        const auto family = [&doc](const char *text) {
            return formatOf(doc, QString::fromLatin1(text)).fontFamilies().toStringList().join(u',');
        };
        QCOMPARE(family("x"), QStringLiteral("ŠKč CE"));
        QCOMPARE(family("y"), QStringLiteral("Old"));
        QCOMPARE(family("7"), QStringLiteral("Symbol"));
        QCOMPARE(family("w"), QStringLiteral("Ж;è"));
    }

    void unicode_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("default skips one") << QByteArray("\\u269?x") << QStringLiteral("čx");
        QTest::newRow("escape fallback") << QByteArray("\\u269\\'e8x") << QStringLiteral("čx");
        QTest::newRow("uc2") << QByteArray("\\uc2\\u269\\'e8\\'e8x") << QStringLiteral("čx");
        QTest::newRow("uc0") << QByteArray("\\uc0\\u269 x") << QStringLiteral("čx");
        QTest::newRow("negative") << QByteArray("\\u-3?") << QStringLiteral("\uFFFD");
        QTest::newRow("surrogate pair") << QByteArray("\\u-10179?\\u-8704?") << QStringLiteral("😀");
        QTest::newRow("fallback ends at group") << QByteArray("{\\uc3\\u269 a}b") << QStringLiteral("čb");
        QTest::newRow("uc is scoped") << QByteArray("{\\uc0 }\\u269??") << QStringLiteral("č?");
        QTest::newRow("out of range ignored") << QByteArray("\\u99999 x") << QStringLiteral("x");
    }

    void unicode()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        QCOMPARE(readText("{\\rtf1\\ansi " + body + "}"), text);
    }

    void specialCharacters_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("non-breaking space") << QByteArray("a\\~b") << QStringLiteral("a\u00A0b");
        QTest::newRow("soft hyphen") << QByteArray("a\\-b") << QStringLiteral("a\u00ADb");
        QTest::newRow("non-breaking hyphen") << QByteArray("a\\_b") << QStringLiteral("a\u2011b");
        QTest::newRow("dashes") << QByteArray("\\emdash\\endash") << QStringLiteral("—–");
        QTest::newRow("quotes") << QByteArray("\\lquote\\rquote\\ldblquote\\rdblquote") << QStringLiteral("‘’“”");
        QTest::newRow("bullet") << QByteArray("\\bullet x") << QStringLiteral("•x");
        QTest::newRow("escaped syntax") << QByteArray("\\{a\\}\\\\") << QStringLiteral("{a}\\");
        QTest::newRow("tabs") << QByteArray("a\\tab b\tc") << QStringLiteral("a\tb\tc");
        QTest::newRow("line break") << QByteArray("a\\line b") << QStringLiteral("a\nb");
        QTest::newRow("line ends are no text") << QByteArray("a\r\nb\nc") << QStringLiteral("abc");
        QTest::newRow("space ends a word") << QByteArray("\\b  two") << QStringLiteral(" two");
        QTest::newRow("backslash line end") << QByteArray("a\\\nb") << QStringLiteral("a\nb");
    }

    void specialCharacters()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        QCOMPARE(readText("{\\rtf1\\ansi\\ansicpg1250 " + body + "}"), text);
    }

    void skippedParts_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("picture") << QByteArray("a{\\pict\\pngblip 89504e47{x}}b") << QStringLiteral("ab");
        QTest::newRow("binary picture") << QByteArray("a{\\pict\\bin4 }}{{}b") << QStringLiteral("ab");
        QTest::newRow("ignorable destination") << QByteArray("a{\\*\\unknown text {nested}}b") << QStringLiteral("ab");
        QTest::newRow("document info") << QByteArray("{\\info{\\title T}{\\author A}}ab") << QStringLiteral("ab");
        QTest::newRow("style sheet") << QByteArray("{\\stylesheet{\\s0 Normal;}}ab") << QStringLiteral("ab");
        QTest::newRow("field keeps result")
            << QByteArray("a{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt {\\ul link}}}b")
            << QStringLiteral("alinkb");
        QTest::newRow("field instruction without star")
            << QByteArray("{\\field{\\fldinst PAGE}{\\fldrslt 3}}") << QStringLiteral("3");
        QTest::newRow("footnote") << QByteArray("a{\\super\\chftn}{\\footnote\\pard note\\par}b")
                                  << QStringLiteral("ab");
        QTest::newRow("object") << QByteArray("a{\\object\\objemb{\\*\\objdata 0102}{\\result{\\pict 00}}}b")
                                << QStringLiteral("ab");
        QTest::newRow("header and footer") << QByteArray("{\\header h}{\\footerr f}ab") << QStringLiteral("ab");
        QTest::newRow("hidden text") << QByteArray("a{\\v hidden}b\\v x\\v0 c") << QStringLiteral("abc");
        // The number or bullet of a list item comes from its list, not from the text.
        QTest::newRow("list text") << QByteArray("{\\pntext\\'95\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb x}}a")
                                   << QStringLiteral("a");
        QTest::newRow("page and section controls")
            << QByteArray("\\paperw11906\\margl1134\\sectd\\sbknone\\pgndec a") << QStringLiteral("a");
    }

    void skippedParts()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        QCOMPARE(readText("{\\rtf1\\ansi\\ansicpg1250 " + body + "}"), text);
    }

    void paragraphFormats()
    {
        QTextDocument doc;
        rtf::read("{\\rtf1 \\pard\\qr\\li720\\ri360\\fi-360\\tx1440\\tqc\\tx2880\\tqr\\tx720 right\\par"
                  "{\\qc centre\\par}"
                  "still right\\par"
                  "\\pard\\qj justified\\par"
                  "\\pard plain\\par}",
                  doc);
        const QTextBlockFormat right = blockOf(doc, QStringLiteral("right"));
        QCOMPARE(right.alignment(), Qt::AlignRight);
        QCOMPARE(right.leftMargin(), 48.0);
        QCOMPARE(right.rightMargin(), 24.0);
        QCOMPARE(right.textIndent(), -24.0);
        const QList<QTextOption::Tab> tabs = right.tabPositions();
        QCOMPARE(tabs.size(), 3);
        QCOMPARE(tabs[0].position, 48.0);
        QCOMPARE(tabs[0].type, QTextOption::RightTab);
        QCOMPARE(tabs[1].position, 96.0);
        QCOMPARE(tabs[1].type, QTextOption::LeftTab);
        QCOMPARE(tabs[2].type, QTextOption::CenterTab);
        QCOMPARE(blockOf(doc, QStringLiteral("centre")).alignment(), Qt::AlignHCenter);
        QCOMPARE(blockOf(doc, QStringLiteral("still right")), right);
        QCOMPARE(blockOf(doc, QStringLiteral("justified")).alignment(), Qt::AlignJustify);
        QCOMPARE(blockOf(doc, QStringLiteral("plain")), QTextBlockFormat());

        // A paragraph takes the formatting in force at its end, and passes it on.
        rtf::read("{\\rtf1 first\\qc\\li360\\par second\\par\\pard third}", doc);
        QCOMPARE(blockOf(doc, QStringLiteral("first")).alignment(), Qt::AlignHCenter);
        QCOMPARE(blockOf(doc, QStringLiteral("first")).leftMargin(), 24.0);
        QCOMPARE(blockOf(doc, QStringLiteral("second")), blockOf(doc, QStringLiteral("first")));
        QCOMPARE(blockOf(doc, QStringLiteral("third")), QTextBlockFormat());
    }

    void characterStateFollowsGroups()
    {
        QTextDocument doc;
        rtf::read("{\\rtf1{\\colortbl;\\red0\\green128\\blue0;}\\fs30 a{\\b\\i\\cf1\\fs20 b}c\\ul d\\ul0 e"
                  "\\strike f\\strike0\\plain g}",
                  doc);
        compareLook(formatOf(doc, QStringLiteral("a")), {false, false, false, false, 15, {}});
        compareLook(formatOf(doc, QStringLiteral("b")), {true, true, false, false, 10, QColor(0, 128, 0)});
        compareLook(formatOf(doc, QStringLiteral("c")), {false, false, false, false, 15, {}});
        compareLook(formatOf(doc, QStringLiteral("d")), {false, false, true, false, 15, {}});
        compareLook(formatOf(doc, QStringLiteral("e")), {false, false, false, false, 15, {}});
        compareLook(formatOf(doc, QStringLiteral("f")), {false, false, false, true, 15, {}});
        compareLook(formatOf(doc, QStringLiteral("g")), {false, false, false, false, 12, {}});
    }

    void paragraphEnds_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("final mark adds nothing") << QByteArray("a\\par b\\par") << QStringList{"a", "b"};
        QTest::newRow("text after last mark") << QByteArray("a\\par b") << QStringList{"a", "b"};
        QTest::newRow("empty paragraphs kept")
            << QByteArray("a\\par\\par\\par b\\par") << QStringList{"a", "", "", "b"};
        QTest::newRow("empty document") << QByteArray("") << QStringList{""};
        QTest::newRow("one empty paragraph") << QByteArray("\\par") << QStringList{""};
        QTest::newRow("section end after paragraph")
            << QByteArray("a\\par\\sect b\\page c\\par") << QStringList{"a", "b", "c"};
        QTest::newRow("table cells and rows")
            << QByteArray("\\trowd a\\cell b\\cell\\row c") << QStringList{"a\tb\t", "c"};
    }

    void paragraphEnds()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, lines);
        QCOMPARE(readLines("{\\rtf1 " + body + "}"), lines);
    }

    void emptyParagraphKeepsItsSize()
    {
        QTextDocument doc;
        rtf::read("{\\rtf1 a\\par\\fs40\\par\\fs20 b\\par}", doc);
        QCOMPARE(doc.blockCount(), 3);
        QCOMPARE(doc.findBlockByNumber(1).charFormat().fontPointSize(), 20.0);
    }

    // Damaged input of every kind: the reader ends, keeps the text it could read, and
    // refuses only input that is not rich text at all.
    void damagedInput_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        const QByteArray deepOpen = repeated("{", 100000);
        const QByteArray deepClose = repeated("}", 100000);
        const QByteArray digits = repeated("9", 400);
        QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 a{\\b b{\\i c") << "abc" << false;
        // The document ends at its group's closing brace.
        QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 a}}} b}") << "a" << false;
        QTest::newRow("truncated in escape") << QByteArray("{\\rtf1 a\\'e") << "a" << false;
        QTest::newRow("truncated after backslash") << QByteArray("{\\rtf1 a\\") << "a" << false;
        QTest::newRow("truncated in font table")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset238 Ari") << "" << false;
        QTest::newRow("no tables") << QByteArray("{\\rtf hello}") << "hello" << false;
        QTest::newRow("hundreds of digits") << "{\\rtf1\\fs" + digits + " a\\li-" + digits + " b\\u" + digits + " c\\f"
                + digits + " d\\cf" + digits + " e}"
                                            << "abcde" << false;
        QTest::newRow("deep nesting") << "{\\rtf1 " + deepOpen + "x" + deepClose + "y}"
                                      << "xy" << false;
        QTest::newRow("deep nesting left open") << "{\\rtf1 " + repeated("{\\b ", 50000) + "x"
                                                << "x" << false;
        QTest::newRow("skip beyond depth limit")
            << "{\\rtf1 " + repeated("{", 2000) + "{\\*\\x hidden}x" + repeated("}", 2000) + "y}"
            << "xy" << false;
        QTest::newRow("huge binary length") << QByteArray("{\\rtf1 a\\bin99999999999999 bc}") << "a" << false;
        QTest::newRow("negative binary length") << QByteArray("{\\rtf1 a\\bin-5 b}") << "ab" << false;
        QTest::newRow("invalid hex escapes") << QByteArray("{\\rtf1 a\\'zzb\\'4") << "azzb" << false;
        QTest::newRow("escaped control bytes") << QByteArray("{\\rtf1 a\\'00\\'0a\\'0db}") << "ab" << false;
        QTest::newRow("raw control bytes") << QByteArray("{\\rtf1 a\0\x01\x1f"
                                                         "b}",
                                                         13)
                                           << "ab" << false;
        QTest::newRow("structural unicode") << QByteArray("{\\rtf1 a\\u8233?\\u-560?\\u-4?\\u10?b}") << "ab" << false;
        QTest::newRow("huge unicode skip") << QByteArray("{\\rtf1\\uc999999\\u269 abcdefghijklmnopqrstuvwxyz}")
                                           << QStringLiteral("čqrstuvwxyz") << false;
        QTest::newRow("colour out of range") << QByteArray("{\\rtf1{\\colortbl;\\red255;}\\cf99 x}") << "x" << false;
        QTest::newRow("star at the top") << QByteArray("{\\rtf1\\*\\x a}") << "a" << false;
        QTest::newRow("long control word") << "{\\rtf1 \\" + repeated("b", 5000) + " x}"
                                           << "x" << false;
        QByteArray fonts;
        for (int i = 0; i < 3000; ++i)
            fonts += "{\\f" + QByteArray::number(i) + "\\fcharset238 F;}";
        QTest::newRow("many fonts") << "{\\rtf1{\\fonttbl" + fonts + "}\\f2999 x\\f5 y}"
                                    << "xy" << false;
        QTest::newRow("leading white space") << QByteArray(" \r\n\t{\\rtf1 x}") << "x" << false;
        QTest::newRow("plain text") << QByteArray("Kapitola 1") << "" << true;
        QTest::newRow("empty file") << QByteArray() << "" << true;
        QTest::newRow("other brace file") << QByteArray("{\\pict 00}") << "" << true;
        QTest::newRow("binary file") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "" << true;
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf{\\rtf1 x}") << "" << true;
    }

    void damagedInput()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QCOMPARE(rtf::isRichText(rtf), !refused);
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("before"));
        try {
            rtf::read(rtf, doc);
            QVERIFY(!refused);
            QCOMPARE(rtf::plainLines(doc).join(QString()), text);
        } catch (const rtf::NotRichText &) {
            QVERIFY(refused);
            QCOMPARE(doc.toPlainText(), QStringLiteral("before"));
        }
    }

    void sizesAndIndentsStayBounded()
    {
        QTextDocument doc;
        rtf::read("{\\rtf1\\pard\\li99999999\\fi-99999999\\fs99999999 x}", doc);
        QCOMPARE(formatOf(doc, QStringLiteral("x")).fontPointSize(), 1638.0);
        QCOMPARE(doc.begin().blockFormat().leftMargin(), 2112.0);
        QCOMPARE(doc.begin().blockFormat().textIndent(), -2112.0);
    }

    void loadLeavesNoUndoStep()
    {
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("old"));
        rtf::read("{\\rtf1 new}", doc);
        QVERIFY(doc.isUndoRedoEnabled());
        QVERIFY(!doc.isUndoAvailable());
    }

    void insertAtCursor()
    {
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("one XX two"));
        QTextCursor cursor = doc.find(QStringLiteral("XX"));
        rtf::insert("{\\rtf1 {\\b bold}\\par next\\par}", cursor);
        QCOMPARE(rtf::plainLines(doc), (QStringList{"one bold", "next", " two"}));
        QVERIFY(formatOf(doc, QStringLiteral("bold")).fontWeight() >= QFont::Bold);
        QVERIFY(doc.isUndoAvailable());
    }
};

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
