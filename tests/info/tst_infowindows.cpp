// The information windows: the about text and its ";" rule, the scrambled address, the
// three windows opened from the menu with their texts, and the clickable labels.
#include "info/clicklabel.h"
#include "info/infotexts.h"
#include "info/toknoabout.h"
#include "info/toknooprg.h"
#include "info/toknoreklama.h"
#include "runningprogram.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrl>

using namespace lumora;
using lumora::testing::RunningProgram;

// Receives what the windows hand to the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

namespace {

QStringList lines(const QTextEdit *box)
{
    QStringList out;
    for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next())
        out << b.text();
    return out;
}

void click(QWidget *label)
{
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
}

bool looksClickable(const ClickLabel *label)
{
    return label->font().bold() && label->cursor().shape() == Qt::PointingHandCursor
        && label->palette().color(QPalette::WindowText) == QColor(Qt::blue);
}

} // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT

    UrlRecorder m_desktop;

    // Opens a window through its menu entry and runs step on it.
    template <typename W>
    static void fromMenu(QAction *entry, std::function<void(W *)> step)
    {
        RunningProgram::onWindow<W>([entry] { entry->trigger(); },
                                    [&step](W *window) {
                                        QVERIFY(window->isModal());
                                        step(window);
                                    });
    }

private slots:
    void initTestCase()
    {
        for (const char *scheme : {"mailto", "http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &m_desktop, "open");
    }

    void init() { m_desktop.urls.clear(); }

    void cleanupTestCase()
    {
        for (const char *scheme : {"mailto", "http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    void semicolonRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("lines") << "a;b;c" << QStringList{"a", "b", "c"};
        QTest::newRow("two give an empty line") << "a;;b" << QStringList{"a", "", "b"};
        QTest::newRow("no empty line at the end") << "a;b;" << QStringList{"a", "b"};
        QTest::newRow("ends in two") << "a;;" << QStringList{"a", ""};
        QTest::newRow("only the separator") << ";" << QStringList{""};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("no separator") << "LUMORA" << QStringList{"LUMORA"};
    }
    void semicolonRule()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(info::splitLines(text), expected);
    }

    void scrambledAddressRoundTrip()
    {
        const QString longText(10000, QChar(u'ž'));
        for (const QString &plain :
             {QStringLiteral("autori@lumora.sk"), QStringLiteral("meno s medzerou@škola.sk"), longText, QString()}) {
            const QString stored = info::scramble(plain);
            QCOMPARE(stored.size(), plain.size());
            QCOMPARE(info::unscramble(stored), plain);
            if (!plain.isEmpty())
                QVERIFY(!stored.contains(plain.left(3)));
        }
        // The program keeps only the scrambled form and shows the plain address.
        QCOMPARE(info::authorsAddress(), QStringLiteral("autori@lumora.sk"));
    }

    void aboutWindow()
    {
        RunningProgram p;
        p.start();
        fromMenu<TOknoAbout>(ui(p.main()).Oprograme1, [&](TOknoAbout *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("O aplikácii"));
            QCOMPARE(w->focusWidget(), w->c); // Enter closes the window
            const QStringList shown = lines(w->Memo1);
            QCOMPARE(shown, info::splitLines(info::aboutText()));
            QCOMPARE(shown.first(), QStringLiteral("LUMORA ") + info::version());
            QCOMPARE(shown.last(), QStringLiteral("Bližšie informácie:"));
            // Read-only, yet enabled and read by caret from its start.
            QVERIFY(w->Memo1->isReadOnly() && w->Memo1->isEnabled());
            QCOMPARE(w->Memo1->textCursor().position(), 0);
            QVERIFY(w->Label1->y() > w->Memo1->y());
            QCOMPARE(w->Label1->text(), QStringLiteral("autori@lumora.sk"));
            QVERIFY(looksClickable(w->Label1));
            click(w->Label1);
            QCOMPARE(m_desktop.urls, QList<QUrl>{QUrl(QStringLiteral("mailto:autori@lumora.sk"))});
            QCOMPARE(w->c->text(), QStringLiteral("OK"));
            w->c->click();
            QVERIFY(!w->isVisible());
        });
    }

    void feedbackWindow()
    {
        RunningProgram p;
        p.write(QStringLiteral("CONFIG.TXT"), {QStringLiteral("1*MENU WRITE US*Napíšte nám")});
        p.start();
        fromMenu<TOknoOPrg>(ui(p.main()).Ohlasyautorom1, [&](TOknoOPrg *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Napíšte nám"));
            QCOMPARE(lines(w->Memo1).first(), QStringLiteral("LUMORA"));
            QCOMPARE(lines(w->Memo1).last(),
                     QStringLiteral("Pripomienky, odkazy, návrhy, ohlasy posielajte prosím na mailovú adresu:"));
            QCOMPARE(lines(w->Memo2), QStringList{QStringLiteral("Prípadne na adresu:")});
            QCOMPARE(lines(w->Memo3).last(), QStringLiteral("Ď A K U J E M E ..."));
            QVERIFY(looksClickable(w->Label1));
            QTest::keyClick(w->Label1, Qt::Key_Return); // reached by Tab, opened by Enter
            QCOMPARE(m_desktop.urls, QList<QUrl>{QUrl(QStringLiteral("mailto:autori@lumora.sk"))});
            w->Button1->click();
            QVERIFY(!w->isVisible());
        });
    }

    void creditsWindowDefaults()
    {
        RunningProgram p;
        p.start();
        fromMenu<TOknoReklama>(ui(p.main()).Reklama1, [&](TOknoReklama *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Ochranné známky"));
            QCOMPARE(w->descriptions[0]->objectName(), QStringLiteral("Label1"));
            QVERIFY(w->descriptions[0]->text().contains(QLatin1String("Qt")));
            QCOMPARE(w->addresses[0]->objectName(), QStringLiteral("Label2"));
            QCOMPARE(w->addresses[0]->text(), QStringLiteral("https://www.qt.io"));
            for (size_t i = 1; i < 5; ++i) {
                QVERIFY(w->descriptions[i]->text().isEmpty());
                QVERIFY(w->addresses[i]->text().isEmpty());
            }
            for (QLabel *extra : w->extras)
                QVERIFY(extra->text().isEmpty());
            QCOMPARE(w->extras[2]->objectName(), QStringLiteral("Label15"));
            QCOMPARE(lines(w->Memo1).size(), 6);
            QCOMPARE(lines(w->Memo1).last(),
                     QStringLiteral("Autori ich používajú s plným vedomím a rešpektovaním ich vlastníctva."));
            for (ClickLabel *address : w->addresses) {
                QVERIFY(looksClickable(address));
                click(address); // an empty address reacts too: the desktop gets nothing to open
            }
            QCOMPARE(m_desktop.urls, QList<QUrl>{QUrl(QStringLiteral("https://www.qt.io"))});
        });
    }

    void creditsWindowConfiguredAndOddTexts()
    {
        RunningProgram p;
        const QString huge(10000, QLatin1Char('x'));
        p.write(QStringLiteral("CONFIG.TXT"),
                {QStringLiteral("1*COPYRIGHT1 LABEL*Vlastný popis"), QStringLiteral("1*COPYRIGHT1 WWW*www.priklad.sk"),
                 QStringLiteral("1*COPYRIGHT2 LABEL*") + huge,
                 QStringLiteral("1*COPYRIGHT3 WWW*adresa s medzerami a ľščťž"),
                 QStringLiteral("1*COPYRIGHT ANOTHER2 LABEL*Ďalšie poďakovanie <b>nie tučne</b>")});
        p.start();
        fromMenu<TOknoReklama>(ui(p.main()).Reklama1, [&](TOknoReklama *w) {
            QCOMPARE(w->descriptions[0]->text(), QStringLiteral("Vlastný popis"));
            QCOMPARE(w->descriptions[1]->text(), huge);
            QCOMPARE(w->extras[1]->text(), QStringLiteral("Ďalšie poďakovanie <b>nie tučne</b>"));
            QCOMPARE(w->extras[1]->textFormat(), Qt::PlainText);
            QCOMPARE(w->size(), QSize(600, 420)); // a long text does not stretch the window
            click(w->addresses[0]);
            click(w->addresses[2]); // whatever the desktop makes of it, nothing breaks
            QVERIFY(!m_desktop.urls.isEmpty());
            QCOMPARE(m_desktop.urls.first(), QUrl(QStringLiteral("http://www.priklad.sk")));
            w->Button1->click();
            QVERIFY(!w->isVisible());
        });
    }
};

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
