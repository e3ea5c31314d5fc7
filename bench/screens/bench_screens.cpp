// Opening screens offscreen against bare windows with the same content, in one run:
//  - a level window made from the template, with 20 lesson buttons with pictures and a
//    20 KB formatted text, against a bare QMainWindow with 20 push buttons carrying the
//    same pictures and a text edit holding the same text (target: at most 3 times);
//  - the root screens of program folders with 200 and 2,000 course folders, against bare
//    windows with as many push buttons (target: at most 3 times);
//  - the root screen of 20,000 course folders, which makes only the buttons near the view,
//    against listing the same folder (QDir, sorted by name) and a bare window with a scroll
//    area as tall as the whole column holding as many buttons as the screen made (target:
//    at most 3 times), and its growth from 2,000 courses (target: at most 12 times).
#include "app/formtemplate.h"
#include "app/tform1.h"
#include "screens/levelscreen.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "state/session.h"

#include "benchclock.h"
#include "benchsettings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

using namespace lumora;

namespace {

constexpr int Rounds = 15;
constexpr double Target = 3.0;

QString lessonText()
{
    QString text;
    int i = 0;
    while (text.size() < 20000) {
        text += QStringLiteral("Odsek %1: Počítač spracúva údaje podľa programu, ktorý mu zadá človek. ").arg(i + 1)
            + (i % 3 == 2 ? QStringLiteral("\n") : QString());
        ++i;
    }
    return text;
}

// The same text as a formatted file: every third paragraph bold, sizes varying.
QByteArray lessonRtf(const QString &text)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\pard\\f0\\fs22 ";
    int n = 0;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        const QByteArray bytes = textfile::encode(paragraph);
        QByteArray escaped;
        for (const char c : bytes) {
            if (uchar(c) >= 0x80)
                escaped += "\\'" + QByteArray::number(uchar(c), 16);
            else
                escaped += c;
        }
        rtf += (++n % 3 == 0 ? "\\b " + escaped + "\\b0" : escaped) + "\\par\r\n";
    }
    return rtf + "}";
}

struct Program {
    QTemporaryDir dir;
    QString program() const { return dir.path() + QStringLiteral("/program"); }
    QString work() const { return dir.path() + QStringLiteral("/work"); }
    StartEnvironment start() const
    {
        StartEnvironment env;
        env.currentFolder = program();
        const QString home = work();
        env.environment = [](const QString &) { return QString(); };
        env.dataLocation = home;
        env.localAddress = [] { return QStringLiteral("10.0.0.1"); };
        return env;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bench::RunSettings settings;
    messages::hook::setAutoAnswer(true);

    // A course with a 20-button screen and its formatted text.
    Program p;
    QDir().mkpath(p.program() + QStringLiteral("/Kurz"));
    QDir().mkpath(p.work());
    textfile::writeLines(p.program() + QStringLiteral("/CONFIG.TXT"), {QStringLiteral("0*IP*x")});
    QImage icon(24, 24, QImage::Format_RGB32);
    icon.fill(Qt::darkGreen);
    icon.save(p.program() + QStringLiteral("/TXT.BMP"), "BMP");
    QStringList lines;
    for (int i = 1; i <= 19; ++i)
        lines << QStringLiteral("[Lekcia číslo %1]lekcia%1.txt").arg(i);
    lines << QStringLiteral("<Text lekcie>");
    textfile::writeLines(p.program() + QStringLiteral("/Kurz/Obsah.txt"), lines);
    const QString text = lessonText();
    textfile::writeBytes(p.program() + QStringLiteral("/Kurz/Obsah.rtf"), lessonRtf(text));

    Session session;
    TForm1 main(session);
    main.FormCreate(p.start());
    const auto templ = windowtemplate::load(session.templatePath());
    session.course.LevelFolder[1] = session.course.LevelFolder[2] = QStringLiteral("Kurz");
    session.course.ScreenFile[2] = session.course.ContentFileName = QStringLiteral("Obsah.txt");

    const double level = bench::medianNs(Rounds, [&] {
        session.course.CurrentLevel = 2;
        session.course.LevelBuilt[2] = 0;
        TForm1 window(session);
        applyTemplate(window, templ);
        window.show();
        window.levelScreen().FormActivate();
        QCoreApplication::processEvents();
    });
    const double levelFloor = bench::medianNs(Rounds, [&] {
        QMainWindow window;
        auto *client = new QWidget(&window);
        window.setCentralWidget(client);
        for (int i = 0; i < 19; ++i) {
            auto *b = new QPushButton(QStringLiteral("Lekcia číslo %1").arg(i + 1), client);
            b->setIcon(QIcon(QPixmap(p.program() + QStringLiteral("/TXT.BMP"))));
            b->setGeometry(500, 55 + 45 * i, 180, 40);
        }
        auto *edit = new QTextEdit(client);
        edit->setGeometry(16, 128, 420, 216);
        // The same paragraphs with the same formats, inserted directly.
        QTextCursor cursor(edit->document());
        QTextCharFormat plain;
        plain.setFontFamilies({QStringLiteral("Arial")});
        plain.setFontPointSize(11);
        QTextCharFormat bold = plain;
        bold.setFontWeight(QFont::Bold);
        int n = 0;
        for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
            if (n > 0)
                cursor.insertBlock();
            cursor.insertText(paragraph, ++n % 3 == 0 ? bold : plain);
        }
        window.resize(700, 640);
        window.show();
        QCoreApplication::processEvents();
    });

    // Root screens with 200, 2,000 and 20,000 courses.
    double rootTime = 0;
    const auto rootRatio = [&](int courses) {
        Program big;
        QDir().mkpath(big.work());
        // A folder is a course when it holds a content file.
        for (int i = 0; i < courses; ++i) {
            const QString folder = big.program() + QStringLiteral("/Kurz %1").arg(i, 5, 10, QLatin1Char('0'));
            QDir().mkpath(folder);
            QFile(folder + QStringLiteral("/Obsah.txt")).open(QIODevice::WriteOnly);
            // Every course has been opened: its count is made while the screen is shown.
            const QString visited = big.work() + QStringLiteral("/Kurz %1").arg(i, 5, 10, QLatin1Char('0'));
            QDir().mkpath(visited);
            QFile progressFile(visited + QStringLiteral("/lumora-postup.lst"));
            if (progressFile.open(QIODevice::WriteOnly))
                progressFile.write("Obsah.txt\n");
        }
        textfile::writeLines(big.program() + QStringLiteral("/CONFIG.TXT"), {QStringLiteral("0*IP*x")});
        Session rootSession;
        TForm1 rootMain(rootSession);
        rootMain.FormCreate(big.start());
        const int rounds = courses > 500 ? Rounds / 3 : Rounds;
        qsizetype made = 0;
        const double root = bench::medianNs(rounds, [&] {
            Session s = rootSession;
            s.course = CourseState();
            TForm1 window(s);
            window.show();
            window.levelScreen().FormActivate();
            QCoreApplication::processEvents();
            made = window.centralWidget()
                       ->findChildren<QPushButton *>(QRegularExpression(QStringLiteral("^Buttonx")))
                       .size();
        });
        rootTime = root;
        const double floor = courses > 5000
            ? bench::medianNs(rounds,
                              [&] {
                                  const QStringList listed =
                                      QDir(big.program()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
                                  if (listed.size() < courses)
                                      std::printf("the folder lists only %d courses\n", int(listed.size()));
                                  QMainWindow window;
                                  auto *area = new QScrollArea(&window);
                                  window.setCentralWidget(area);
                                  auto *column = new QWidget;
                                  column->resize(680, 55 + 45 * courses);
                                  for (qsizetype i = 0; i < made; ++i) {
                                      auto *b = new QPushButton(QStringLiteral("Kurz %1").arg(i), column);
                                      b->setGeometry(520, 55 + 45 * int(i), 150, 40);
                                  }
                                  area->setWidget(column);
                                  window.resize(700, 640);
                                  window.show();
                                  QCoreApplication::processEvents();
                              })
            : bench::medianNs(rounds, [&] {
                  QMainWindow window;
                  auto *client = new QWidget(&window);
                  window.setCentralWidget(client);
                  for (int i = 0; i < courses; ++i) {
                      auto *b = new QPushButton(QStringLiteral("Kurz %1").arg(i), client);
                      b->setGeometry(520, 55 + 45 * i, 150, 40);
                  }
                  window.resize(700, 640);
                  window.show();
                  QCoreApplication::processEvents();
              });
        std::printf(
            "root screen with %d courses (%d buttons made): %.2f ms, floor %.2f ms, ratio %.2f (target <= %.1f)\n",
            courses, int(made), root / 1e6, floor / 1e6, root / floor, Target);
        return root / floor;
    };
    const double root200 = rootRatio(200);
    const double root2000 = rootRatio(2000);
    const double time2000 = rootTime;
    const double root20000 = rootRatio(20000);
    const double growth = rootTime / time2000;
    std::printf("root screen growth from 2,000 to 20,000 courses: %.2f (target <= 12)\n", growth);

    const double levelRatio = level / levelFloor;
    std::printf("level window: %.2f ms, floor %.2f ms, ratio %.2f (target <= %.1f)\n", level / 1e6, levelFloor / 1e6,
                levelRatio, Target);
    return levelRatio <= Target && root200 <= Target && root2000 <= Target && root20000 <= Target && growth <= 12 ? 0
                                                                                                                  : 1;
}
