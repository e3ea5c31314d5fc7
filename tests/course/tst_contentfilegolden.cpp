// Reads every golden content file and compares what the reader stores and what the
// screen shows from it with the expectations written beside the file. Each case folder
// holds input.txt, the content file as an author saves it, and beside it, one entry a
// line with control characters as their pictures: lines.txt (the stored lines),
// buttons.txt (the lesson buttons), links.txt, paragraphs.txt (the lesson text),
// background.txt and summary.txt (what was left out past the 20th stored line).
#include "golden.h"
#include "course/contentfile.h"
#include "course/contentfileitems.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

using namespace lumora;
using namespace lumora::course;

namespace {

const QString casesFolder = QStringLiteral(LUMORA_TEST_DATA "/golden/contentfile");

// Control characters as their pictures, as the expectation files write them.
QString pictures(const QString &text)
{
    QString out = text;
    for (QChar &ch : out) {
        if (ch.unicode() < 0x20)
            ch = QChar(char16_t(0x2400 + ch.unicode()));
        else if (ch.unicode() == 0x7F)
            ch = QChar(char16_t(0x2421));
    }
    return out;
}

QStringList pictures(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        out.append(pictures(line));
    return out;
}

QString kindName(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Screen: return QStringLiteral("Screen");
    case ItemKind::Demonstration: return QStringLiteral("Demonstration");
    case ItemKind::Picture: return QStringLiteral("Picture");
    case ItemKind::Shell: return QStringLiteral("Shell");
    }
    return QString();
}

QStringList describe(const QList<ScreenButton> &buttons)
{
    QStringList out;
    for (const ScreenButton &b : buttons) {
        const TargetParts parts = splitTarget(b.target);
        out.append(
            pictures(QStringLiteral("%1 tag=%2 caption=\"%3\" target=\"%4\" kind=%5/%6 "
                                    "file=\"%7\" params=\"%8\" %9")
                         .arg(b.number)
                         .arg(b.tag)
                         .arg(b.caption, b.target, kindCode(b.target), kindName(itemKind(b.target)), parts.fileName,
                              parts.parameters, b.visible ? QStringLiteral("visible") : QStringLiteral("hidden"))));
    }
    return out;
}

} // namespace

class TestContentFileGolden : public QObject {
    Q_OBJECT

private slots:
    void everyCaseIsComplete()
    {
        if (testing::updatingGolden())
            QSKIP("the expected files are being written");
        const QStringList cases = QDir(casesFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY2(cases.size() >= 20, qPrintable(casesFolder));
        for (const QString &name : cases) {
            for (const char *file : {"input.txt", "lines.txt", "buttons.txt", "links.txt", "paragraphs.txt",
                                     "background.txt", "summary.txt"})
                QVERIFY2(QFile::exists(casesFolder + u'/' + name + u'/' + QLatin1String(file)),
                         qPrintable(name + u'/' + QLatin1String(file)));
        }
    }

    void golden_data() { testing::addCaseRows(casesFolder); }

    void golden()
    {
        QFETCH(QString, folder);
        const ContentFile file = readContentFile(folder + QStringLiteral("/input.txt"));
        const auto expected = [&](const char *name) { return folder + u'/' + QLatin1String(name); };

        COMPARE_GOLDEN(pictures(file.storedLines), expected("lines.txt"));
        COMPARE_GOLDEN(file.backgroundName.isEmpty() ? QStringList() : QStringList{pictures(file.backgroundName)},
                       expected("background.txt"));
        const QStringList summary{file.hasItems ? QStringLiteral("hasItems=yes") : QStringLiteral("hasItems=no"),
                                  QStringLiteral("droppedLines=%1").arg(file.droppedLines),
                                  QStringLiteral("droppedButtons=%1").arg(file.droppedButtons)};
        COMPARE_GOLDEN(summary, expected("summary.txt"));
        QCOMPARE(file.truncated(), file.droppedLines > 0);
        QVERIFY(file.storedLines.size() <= MaxLines);

        const ScreenItems items = walkStoredLines(file.storedLines);
        COMPARE_GOLDEN(describe(items.buttons), expected("buttons.txt"));
        COMPARE_GOLDEN(pictures(items.links), expected("links.txt"));
        COMPARE_GOLDEN(pictures(file.paragraphs), expected("paragraphs.txt"));

        // The level's row holds exactly the stored lines, whatever it held before.
        auto state = std::make_unique<CourseState>();
        for (QString &slot : state->ScreenLines[4])
            slot = QStringLiteral("from the screen before");
        state->BackgroundName = QStringLiteral("stare.bmp");
        QVERIFY(storeScreenLines(*state, 4, file));
        QStringList lines = file.storedLines;
        QStringList stored;
        for (int i = 1; i <= MaxLines; ++i)
            stored.append(state->ScreenLines[4][size_t(i)]);
        while (lines.size() < MaxLines)
            lines.append(QString());
        QCOMPARE(stored, lines);
        QCOMPARE(state->BackgroundName, file.backgroundName);
    }
};

QTEST_GUILESS_MAIN(TestContentFileGolden)
#include "tst_contentfilegolden.moc"
