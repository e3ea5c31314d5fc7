// The button column arithmetic at normal and large fonts, and the root screen's folder list.
#include "course/folderlist.h"
#include "screens/layout.h"

#include <QDir>
#include <QRect>
#include <QSize>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

using namespace lumora;
using namespace lumora::screens;

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void quantities_data()
    {
        QTest::addColumn<int>("u");
        QTest::addColumn<QList<int>>("expected"); // lesson w, course w, height, first top, step, growth
        QTest::newRow("96 dpi") << 10 << QList<int>{180, 150, 40, 55, 45, 10};
        QTest::newRow("120 dpi") << 8 << QList<int>{192, 160, 32, 50, 36, 10}; // round(2.5) = 2
    }

    void quantities()
    {
        QFETCH(int, u);
        QFETCH(QList<int>, expected);
        const QList<int> actual{lessonButtonWidth(u),         courseButtonWidth(u), buttonHeight(u),
                                buttonTop(FirstLayoutTop, u), buttonStep(u),        growth(u)};
        QCOMPARE(actual, expected);
    }

    void buttonColumn_data()
    {
        QTest::addColumn<int>("u");
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<int>("windowHeight");
        for (const int u : {8, 10})
            for (const QSize size : {QSize(480, 400), QSize(700, 640), QSize(1024, 768)})
                QTest::addRow("U %d, %dx%d", u, size.width(), size.height()) << u << size.width() << size.height();
    }

    // Where the column's buttons land: inside the window, one below the other without
    // overlapping, lesson buttons (and the notes button, as wide) and course buttons
    // right-aligned in one column, clear of the scroll bar that a long column shows.
    void buttonColumn()
    {
        QFETCH(int, u);
        QFETCH(int, windowWidth);
        QFETCH(int, windowHeight);
        const int scrollBarWidth = 17;
        const int count = windowHeight / buttonStep(u) + 5; // more than the window holds
        const ScrollBarPlan bar = scrollBarPlan(count, u, windowWidth, windowHeight, scrollBarWidth);
        QVERIFY(bar.visible);
        QVERIFY(bar.left + scrollBarWidth <= windowWidth);
        QList<QRect> column;
        for (const int width : {lessonButtonWidth(u), courseButtonWidth(u)}) {
            for (int i = 0; i < count; ++i)
                column.append(QRect(buttonLeft(windowWidth, width, u), buttonTop(FirstLayoutTop, u) + i * buttonStep(u),
                                    width, buttonHeight(u)));
        }
        const QRect window(0, 0, windowWidth, INT_MAX);
        for (qsizetype i = 0; i < column.size(); ++i) {
            const QRect &button = column.at(i);
            QVERIFY2(window.contains(button), qPrintable(QStringLiteral("button %1 leaves the window").arg(i)));
            QVERIFY(button.top() > FirstLayoutTop);
            QCOMPARE(button.right(), column.first().right());
            QVERIFY2(button.right() < bar.left, qPrintable(QStringLiteral("button %1 meets the scroll bar").arg(i)));
            QVERIFY(button.width() > 0 && button.height() > 0);
            if (i % count > 0)
                QVERIFY2(!button.intersects(column.at(i - 1)) && button.top() > column.at(i - 1).top(),
                         qPrintable(QStringLiteral("button %1 overlaps the one above").arg(i)));
        }
    }

    void windowGrowthAndFonts()
    {
        // At U = 10 in a 640-pixel window: a button reaching within 40 pixels of the bottom
        // grows the window while its top is still inside it.
        QVERIFY(!windowMustGrow(550, 40, 640, 10));
        QVERIFY(windowMustGrow(560, 40, 640, 10));
        QVERIFY(windowMustGrow(600, 40, 640, 10));
        QVERIFY(!windowMustGrow(601, 40, 640, 10));

        QCOMPARE(courseButtonFontSize(20, 11, 10), 11);
        QCOMPARE(courseButtonFontSize(21, 11, 10), 9);
        QCOMPARE(courseButtonFontSize(15, 11, 8), 11);
        QCOMPARE(courseButtonFontSize(16, 11, 8), 7);
        QCOMPARE(trimLimit(10, 19, 16), 19);
        QCOMPARE(trimLimit(8, 19, 16), 16);
    }

    void scrollBar()
    {
        // The overflow is shared out evenly and wholly reached at the maximum.
        QCOMPARE(scrollOffset(0, 35, 700), 0);
        QCOMPARE(scrollOffset(1, 35, 700), 20);
        QCOMPARE(scrollOffset(35, 35, 700), 700);
        QCOMPARE(scrollOffset(500, 1001, 22000), 10989);
        QCOMPARE(scrollOffset(3, 29, 0), 0);
        QCOMPARE(buttonsHeight(6, 10), 300);

        QVERIFY(!scrollBarPlan(5, 10, 700, 640, 17).visible);
        const ScrollBarPlan plan = scrollBarPlan(13, 10, 700, 640, 17); // 650 + 40 > 640
        QVERIFY(plan.visible);
        QCOMPARE(plan.left, 700 - 17 - 5);
        QCOMPARE(plan.top, 55);
        QCOMPARE(plan.height, 640 - 213);
        QCOMPARE(plan.maximum, 27);
        QCOMPARE(scrollBarPlan(20, 8, 700, 640, 17).left, 700 - 17);
    }

    void folderListOrder()
    {
        QTemporaryDir dir;
        for (const char *name : {"zemepis", "Biológia", "álgebra", "Čítanie", "cvičenia", ".skryty"})
            QVERIFY(QDir(dir.path()).mkdir(QString::fromUtf8(name)));
        QFile(dir.path() + QStringLiteral("/subor.txt")).open(QIODevice::WriteOnly);
        const course::FolderList list = course::folderList(dir.path() + QLatin1Char('/'));
        QCOMPARE(list.courses(),
                 (QStringList{QStringLiteral("álgebra"), QStringLiteral("Biológia"), QStringLiteral("cvičenia"),
                              QStringLiteral("Čítanie"), QStringLiteral("zemepis")}));
        // The root and every folder on the way come first.
        const QStringList parts = QDir::cleanPath(dir.path()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QCOMPARE(list.firstCourseEntry, int(parts.size()) + 2);
        QCOMPARE(list.entries.first(), QStringLiteral("/"));
        QCOMPARE(list.entries.at(list.firstCourseEntry - 2), parts.last());

        // With a content file name only folders that hold a content file are courses: the
        // top file in any letter case, its backup or another screen; a folder of the top
        // file's name does not count.
        const auto make = [&](const QString &path, bool folder) {
            const QString full = dir.path() + QLatin1Char('/') + path;
            QVERIFY(folder ? QDir().mkpath(full) : QFile(full).open(QIODevice::WriteOnly));
        };
        make(QStringLiteral("zemepis/Obsah.txt"), false);
        make(QStringLiteral("Biológia/OBSAH.TXT"), false);
        make(QStringLiteral("álgebra/Obsah.bak"), false);
        make(QStringLiteral("cvičenia/kap1.TXT"), false);
        make(QStringLiteral("Čítanie/Obsah.txt"), true);
        make(QStringLiteral("Čítanie/obrazok.bmp"), false);
        QCOMPARE(course::folderList(dir.path(), QStringLiteral("Obsah.txt")).courses(),
                 (QStringList{QStringLiteral("álgebra"), QStringLiteral("Biológia"), QStringLiteral("cvičenia"),
                              QStringLiteral("zemepis")}));
    }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
