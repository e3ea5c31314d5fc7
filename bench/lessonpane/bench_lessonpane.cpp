// A 5 MB and a 50 MB formatted lesson opened on a screen offscreen (the formatted file
// read, shown in the pane, laid out as far as showing it needs) against its floor
// measured in the same run: a bare window whose bare QTextEdit is given the same
// paragraphs and formats through a cursor and shown. Targets: at most 2 times the floor
// for each, and at most 12 times from 5 MB to 50 MB. The screen must also stay
// responsive: after it is shown, the longest single pass of the event loop (the pane
// lays long texts out in steps) is reported and must stay under a tenth of the floor.
#include "app/formtemplate.h"
#include "app/tform1.h"
#include "screens/levelscreen.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "state/session.h"

#include "benchclock.h"
#include "benchsettings.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace lumora;

namespace {

constexpr double Target = 2.0;
constexpr double GrowthTarget = 12.0;
constexpr qsizetype MB = 1024 * 1024;

// Paragraphs of a lesson: every third one bold, one in seven a superscript.
QStringList paragraphs(qsizetype lessonBytes)
{
    QStringList list;
    qsizetype size = 0;
    for (int i = 0; size < lessonBytes; ++i) {
        list.append(QStringLiteral("Odsek %1: Počítač spracúva údaje podľa programu, ktorý mu zadá človek, "
                                   "a výsledok ukáže na obrazovke alebo uloží do súboru.")
                        .arg(i + 1));
        // Rich text writes each letter with a diacritic as four bytes.
        size += list.last().size() * 6 / 5 + 10;
    }
    return list;
}

QByteArray lessonRtf(const QStringList &text)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\pard\\f0\\fs22 ";
    rtf.reserve(text.size() * 200);
    int n = 0;
    for (const QString &paragraph : text) {
        QByteArray escaped;
        for (const char c : textfile::encode(paragraph)) {
            if (uchar(c) >= 0x80)
                escaped += "\\'" + QByteArray::number(uchar(c), 16);
            else
                escaped += c;
        }
        ++n;
        if (n % 3 == 0)
            rtf += "\\b " + escaped + "\\b0\\par\r\n";
        else if (n % 7 == 0)
            rtf += "x{\\super 2} " + escaped + "\\par\r\n";
        else
            rtf += escaped + "\\par\r\n";
    }
    return rtf + "}";
}

void fill(QTextEdit &edit, const QStringList &text)
{
    QTextCursor cursor(edit.document());
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("Arial")});
    plain.setFontPointSize(11);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat super = plain;
    super.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.beginEditBlock();
    int n = 0;
    for (const QString &paragraph : text) {
        if (n > 0)
            cursor.insertBlock();
        ++n;
        if (n % 7 == 0 && n % 3 != 0) {
            cursor.insertText(QStringLiteral("x"), plain);
            cursor.insertText(QStringLiteral("2"), super);
            cursor.insertText(QStringLiteral(" ") + paragraph, plain);
        } else {
            cursor.insertText(paragraph, n % 3 == 0 ? bold : plain);
        }
    }
    cursor.endEditBlock();
}

// The longest pass of the event loop over the next half second of the shown window.
qint64 longestPass()
{
    QElapsedTimer total;
    total.start();
    qint64 longest = 0;
    while (total.elapsed() < 500) {
        QElapsedTimer pass;
        pass.start();
        QCoreApplication::processEvents();
        longest = qMax(longest, pass.nsecsElapsed());
    }
    return longest;
}

struct Measured {
    double screen = 0, floor = 0; // median CPU times until shown
    qint64 screenPass = 0, floorPass = 0;
    qsizetype paragraphs = 0, rtfBytes = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bench::RunSettings settings;
    messages::hook::setAutoAnswer(true);

    QTemporaryDir dir;
    const QString program = dir.path() + QStringLiteral("/program");
    const QString work = dir.path() + QStringLiteral("/work");
    QDir().mkpath(program + QStringLiteral("/Kurz"));
    QDir().mkpath(work);
    textfile::writeLines(program + QStringLiteral("/CONFIG.TXT"), {QStringLiteral("0*IP*x")});
    textfile::writeLines(program + QStringLiteral("/Kurz/Obsah.txt"),
                         {QStringLiteral("[Lekcia]lekcia.txt"), QStringLiteral("<Text lekcie>")});

    StartEnvironment env;
    env.currentFolder = program;
    env.environment = [work](const QString &n) { return n == QLatin1String("HOME") ? work : QString(); };
    env.localAddress = [] { return QStringLiteral("10.0.0.1"); };
    Session session;
    TForm1 main(session);
    main.FormCreate(env);
    const auto templ = windowtemplate::load(session.templatePath());
    session.course.LevelFolder[1] = session.course.LevelFolder[2] = QStringLiteral("Kurz");
    session.course.ScreenFile[2] = session.course.ContentFileName = QStringLiteral("Obsah.txt");

    // Each round measures the CPU time until the window is shown with its text laid
    // out as far as showing it needs, then watches the event loop for a while.
    const auto measure = [&](qsizetype lessonBytes, int rounds) -> Measured {
        const QStringList text = paragraphs(lessonBytes);
        const QByteArray rtf = lessonRtf(text);
        textfile::writeBytes(program + QStringLiteral("/Kurz/Obsah.rtf"), rtf);
        Measured m;
        m.paragraphs = text.size();
        m.rtfBytes = rtf.size();
        std::vector<qint64> screens, floors;
        for (int i = 0; i < rounds; ++i) {
            {
                session.course.CurrentLevel = 2;
                session.course.LevelBuilt[2] = 0;
                TForm1 window(session);
                applyTemplate(window, templ);
                screens.push_back(bench::cpuNs([&] {
                    window.show();
                    window.levelScreen().FormActivate();
                    QCoreApplication::processEvents();
                }));
                if (window.findChild<QTextEdit *>(QStringLiteral("Memo1"))->document()->blockCount() < text.size()) {
                    std::fprintf(stderr, "the pane shows %d paragraphs, not %lld\n",
                                 window.findChild<QTextEdit *>(QStringLiteral("Memo1"))->document()->blockCount(),
                                 qint64(text.size()));
                    std::exit(2);
                }
                m.screenPass = qMax(m.screenPass, longestPass());
            }
            {
                QMainWindow window;
                auto *edit = new QTextEdit(&window);
                window.setCentralWidget(edit);
                window.resize(700, 480);
                floors.push_back(bench::cpuNs([&] {
                    fill(*edit, text);
                    window.show();
                    QCoreApplication::processEvents();
                }));
                m.floorPass = qMax(m.floorPass, longestPass());
            }
        }
        m.screen = bench::median(screens);
        m.floor = bench::median(floors);
        return m;
    };

    bool ok = true;
    const auto report = [&ok](const char *name, const Measured &m) {
        const double ratio = m.screen / m.floor;
        std::printf("%s lesson on a screen: %.2f MB of rich text, %lld paragraphs\n", name, m.rtfBytes / 1048576.0,
                    qint64(m.paragraphs));
        std::printf("  screen: %.0f ms, floor (bare text edit) %.0f ms, ratio %.2f (target <= %.1f)\n", m.screen / 1e6,
                    m.floor / 1e6, ratio, Target);
        std::printf(
            "  longest event-loop pass after showing: screen %.1f ms, bare text edit %.1f ms (target <= %.1f)\n",
            m.screenPass / 1e6, m.floorPass / 1e6, m.floor / 10 / 1e6);
        ok = ok && ratio <= Target && m.screenPass <= m.floor / 10;
    };
    const Measured small = measure(5 * MB, 5);
    report("5 MB", small);
    const Measured large = measure(50 * MB, 3);
    report("50 MB", large);
    const double growth = large.screen / small.screen;
    std::printf("growth from 5 MB to 50 MB: %.2f times (target <= %.0f)\n", growth, GrowthTarget);
    return ok && growth <= GrowthTarget ? 0 : 1;
}
