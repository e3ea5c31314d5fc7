// Reading and writing a 1 MB formatted lesson text (with a numbered list, a table,
// sub- and superscripts, a PNG picture, an embedded object, a floating picture and a
// text box), each against its floor measured in
// the same run: reading against inserting the same runs with the same formats into an
// empty document through a cursor; writing against walking the document's blocks and
// fragments, taking each one's text and format. Prints both ratios; fails above 1.5.
// Times are CPU times, so other work on a busy machine tilts them less, and each
// figure is the median of several rounds that alternate the measured operation and
// its floor.
#include "rtf/rtfobjects.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include "benchclock.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QTextBlock>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace lumora;

namespace {

constexpr int Rounds = 15;
constexpr double Target = 1.5;
constexpr qsizetype LessonBytes = 1024 * 1024;

struct Run {
    QString text;
    int format;
};

struct Paragraph {
    int format;
    std::vector<Run> runs;
    bool listItem = false;
};

// Where the table, the picture and the kept groups stand, by paragraph.
constexpr int TableAt = 50;
constexpr int PictureAt = 10;
constexpr int ObjectsAt = 30;

// An embedded object with its result picture, a floating picture and a text box, as a
// word processor writes them; their formats are made once, as the reader makes them.
const std::vector<QTextCharFormat> &keptFormats()
{
    static QTextDocument scratch;
    static const std::vector<QTextCharFormat> formats = [] {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(QColor(200, 120, 40));
        QByteArray pict = "{\\pict\\pngblip\\picwgoal960\\pichgoal720 ";
        QByteArray png;
        {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        }
        pict += png.toHex() + "}";
        QByteArray object = "{\\object\\objemb{\\*\\objclass Equation.3}\\objw960\\objh720{\\*\\objdata ";
        object += QByteArray(4096, 'a') + "}{\\result" + pict + "}}";
        const QByteArray floating =
            "{\\shp{\\*\\shpinst\\shpleft0\\shptop0\\shpright960\\shpbottom720{\\sp{\\sn shapeType}{\\sv 75}}"
            "{\\sp{\\sn pib}{\\sv "
            + pict + "}}}}";
        const QByteArray box =
            "{\\shp{\\*\\shpinst\\shpleft0\\shptop0\\shpright3000\\shpbottom900{\\sp{\\sn shapeType}{\\sv 202}}"
            "{\\shptxt \\pard Text v r\\'e1m\\'e8eku\\par}}}";
        const rtf::TextBoxReader reader = [](QByteArrayView) { return QStringLiteral("Text v rámčeku"); };
        return std::vector<QTextCharFormat>{rtf::keptGroupFormat(rtf::KeptKind::Object, object, scratch, reader),
                                            rtf::keptGroupFormat(rtf::KeptKind::Shape, floating, scratch, reader),
                                            rtf::keptGroupFormat(rtf::KeptKind::Shape, box, scratch, reader)};
    }();
    return formats;
}

// The formats a lesson text uses: a few faces and sizes, emphasis and colours. They
// are made as the reader makes them (only what differs from plain is set).
std::vector<QTextCharFormat> characterFormats()
{
    std::vector<QTextCharFormat> formats;
    const QStringList faces = {QStringLiteral("Arial"), QStringLiteral("Times New Roman"),
                               QStringLiteral("Courier New")};
    const QList<QColor> colors = {QColor(), QColor(255, 0, 0), QColor(0, 0, 160)};
    for (int i = 0; i < 24; ++i) {
        QTextCharFormat f;
        f.setFontFamilies({faces[i % faces.size()]});
        f.setFontPointSize(i % 5 == 0 ? 14 : 11);
        if (i % 2)
            f.setFontWeight(QFont::Bold);
        if (i % 3 == 1)
            f.setFontItalic(true);
        if (i % 7 == 3)
            f.setFontUnderline(true);
        if (i % 11 == 5)
            f.setFontStrikeOut(true);
        if (colors[i % colors.size()].isValid())
            f.setForeground(colors[i % colors.size()]);
        formats.push_back(f);
    }
    QTextCharFormat sub, super;
    sub.setFontFamilies({faces[0]});
    sub.setFontPointSize(11);
    super = sub;
    sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    super.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    formats.push_back(sub);
    formats.push_back(super);
    return formats;
}

std::vector<QTextBlockFormat> blockFormats()
{
    QTextBlockFormat left, centre, indented;
    centre.setAlignment(Qt::AlignHCenter);
    indented.setLeftMargin(48);
    indented.setTextIndent(-24);
    indented.setTabPositions({QTextOption::Tab(96, QTextOption::LeftTab)});
    return {left, centre, indented};
}

// A Slovak lesson text of paragraphs with a format change every few words.
std::vector<Paragraph> lessonText(int paragraphs)
{
    const QStringList words =
        QStringLiteral("Kapitola úsečka kružnica nakreslite obdĺžnik pomocou nástroja ťahaním myši "
                       "potvrďte kláves Enter výsledok uložte súbor ďalšie príklady nájdete v lekcii "
                       "čiara štvorec žltá farba ľavé tlačidlo „úvodzovky“ – pomlčka € tab\tstop")
            .split(u' ');
    quint32 seed = 12345;
    const auto next = [&seed](quint32 n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % n;
    };
    std::vector<Paragraph> text;
    for (int p = 0; p < paragraphs; ++p) {
        Paragraph para{int(next(3)), {}, p % 5 == 1};
        const int runs = 2 + int(next(8));
        for (int r = 0; r < runs; ++r) {
            Run run{QString(), int(next(26))};
            const int count = 1 + int(next(6));
            for (int w = 0; w < count; ++w)
                run.text += words[next(quint32(words.size()))] + u' ';
            para.runs.push_back(run);
        }
        text.push_back(para);
    }
    return text;
}

// The floor of reading: the same runs and paragraphs typed in through a cursor.
void insertLesson(QTextDocument &doc, const std::vector<Paragraph> &text, const std::vector<QTextCharFormat> &chars,
                  const std::vector<QTextBlockFormat> &blocks)
{
    doc.setUndoRedoEnabled(false);
    static const QImage image = [] {
        QImage i(64, 48, QImage::Format_RGB32);
        i.fill(QColor(40, 120, 200));
        return i;
    }();
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("lesson-picture")), image);
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    bool first = true;
    QTextList *list = nullptr;
    int index = 0;
    for (const Paragraph &para : text) {
        if (index == TableAt) {
            QTextTable *table = cursor.insertTable(4, 3);
            for (int cell = 0; cell < 12; ++cell)
                table->cellAt(cell / 3, cell % 3)
                    .firstCursorPosition()
                    .insertText(para.runs.front().text, chars[size_t(cell)]);
            cursor = table->lastCursorPosition();
            cursor.movePosition(QTextCursor::NextBlock);
            cursor.setBlockFormat(blocks[size_t(para.format)]);
        } else if (first) {
            cursor.setBlockFormat(blocks[size_t(para.format)]);
        } else {
            cursor.insertBlock(blocks[size_t(para.format)], chars[size_t(para.runs.front().format)]);
        }
        first = false;
        if (para.listItem) {
            if (list)
                list->add(cursor.block());
            else
                list = cursor.createList(QTextListFormat::ListDecimal);
        }
        for (const Run &run : para.runs)
            cursor.insertText(run.text, chars[size_t(run.format)]);
        if (index == ObjectsAt) {
            for (const QTextCharFormat &kept : keptFormats())
                cursor.insertText(QString(QChar::ObjectReplacementCharacter), kept);
        }
        if (index == PictureAt) {
            QTextImageFormat picture;
            picture.setName(QStringLiteral("lesson-picture"));
            picture.setWidth(64);
            picture.setHeight(48);
            cursor.insertImage(picture);
        }
        ++index;
    }
    cursor.endEditBlock();
    doc.setUndoRedoEnabled(true);
}

// The floor of writing: every block and fragment visited, with its text and format.
qint64 walkFragments(const QTextDocument &doc)
{
    qint64 sum = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        sum += int(block.blockFormat().alignment());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString text = fragment.text();
            const QTextCharFormat format = fragment.charFormat();
            sum += text.size() + text.back().unicode() + format.fontWeight();
        }
    }
    return sum;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::vector<QTextCharFormat> chars = characterFormats();
    const std::vector<QTextBlockFormat> blocks = blockFormats();

    // Grow the lesson until its rich text reaches 1 MB.
    std::vector<Paragraph> text;
    QByteArray rtf;
    for (int paragraphs = 1000; rtf.size() < LessonBytes; paragraphs += paragraphs / 10) {
        text = lessonText(paragraphs);
        QTextDocument doc;
        insertLesson(doc, text, chars, blocks);
        rtf = rtf::write(doc);
    }

    QTextDocument lesson;
    insertLesson(lesson, text, chars, blocks);
    // Reading and its floor alternate in rounds of their own, and so do writing and its
    // floor: the documents the first pair makes and drops would otherwise leave the
    // writer fresh memory to fault in some rounds and not in others.
    std::vector<qint64> insertFloor, reading, walkFloor, writing;
    for (int i = 0; i < Rounds; ++i) {
        {
            QTextDocument doc;
            insertFloor.push_back(bench::cpuNs([&] { insertLesson(doc, text, chars, blocks); }));
        }
        QTextDocument doc;
        reading.push_back(bench::cpuNs([&] { rtf::read(rtf, doc); }));
        if (doc.characterCount() != lesson.characterCount()) {
            std::fprintf(stderr, "the lesson read back has %d characters, not %d\n", doc.characterCount(),
                         lesson.characterCount());
            return 2;
        }
    }
    qint64 sink = 0;
    for (int i = 0; i < Rounds; ++i) {
        walkFloor.push_back(bench::cpuNs([&] { sink += walkFragments(lesson); }));
        QByteArray written;
        writing.push_back(bench::cpuNs([&] { written = rtf::write(lesson); }));
        if (written != rtf) {
            std::fprintf(stderr, "writing the lesson gave different bytes\n");
            return 2;
        }
    }

    const double readRatio = bench::median(reading) / bench::median(insertFloor);
    const double writeRatio = bench::median(writing) / bench::median(walkFloor);
    std::printf("lesson: %.2f MB of rich text, %d paragraphs, %d characters (checksum %lld)\n", rtf.size() / 1048576.0,
                lesson.blockCount(), lesson.characterCount(), sink);
    std::printf("read:  %.2f ms, floor (cursor insertion) %.2f ms, ratio %.2f (target <= %.1f)\n",
                bench::median(reading) / 1e6, bench::median(insertFloor) / 1e6, readRatio, Target);
    std::printf("write: %.2f ms, floor (fragment walk) %.2f ms, ratio %.2f (target <= %.1f)\n",
                bench::median(writing) / 1e6, bench::median(walkFloor) / 1e6, writeRatio, Target);
    return readRatio <= Target && writeRatio <= Target ? 0 : 1;
}
