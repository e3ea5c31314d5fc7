// The main window started offscreen on prepared program folders: captions, geometry,
// the window template, the screen checks and the ways the program ends.
#include "app/formtemplate.h"
#include "app/screenfit.h"
#include "app/tform1.h"
#include "app/translations.h"
#include "screens/levelscreen.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "formcontrols.h"
#include "programfolders.h"
#include "state/session.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QPrintDialog>
#include <QPrinter>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTextEdit>
#include <QToolButton>

using namespace lumora;
namespace hook = lumora::messages::hook;

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::ProgramFolders> m_folders;
    QString program() const { return m_folders->program(); }
    QString work() const { return m_folders->work(); }

    // Writes the program folder's CONFIG.TXT; the address box at start is silenced
    // unless a test is about it.
    void config(QStringList lines, bool silenceAddress = true)
    {
        if (silenceAddress)
            lines << QStringLiteral("0*IP*x") << QStringLiteral("0*IP NONE*x");
        textfile::writeLines(program() + QStringLiteral("/CONFIG.TXT"), lines);
    }

    StartEnvironment start(const QStringList &args = {}, QString address = QStringLiteral("10.0.0.7"))
    {
        StartEnvironment s;
        s.currentFolder = program();
        s.arguments = args;
        s.screenWidth = 1024;
        s.screenHeight = 768;
        s.dotsPerInch = 96;
        // The home folder is never the work folder; the program's data location is.
        const QString home = program();
        s.environment = [home](const QString &name) { return name == QLatin1String("HOME") ? home : QString(); };
        s.dataLocation = work();
        s.localAddress = [address] { return address; };
        return s;
    }

    // Runs the set-up as the program does: through the handler guard.
    static void create(TForm1 &form, const StartEnvironment &env)
    {
        guarded([&] { form.FormCreate(env); });
    }

    // Whether the application was asked to end: its event loop, run now, returns at
    // once with 0. A loop nobody ends is stopped after a long wait with another code.
    static bool applicationEnds()
    {
        QTimer stop;
        stop.setSingleShot(true);
        connect(&stop, &QTimer::timeout, qApp, [] { QCoreApplication::exit(3); });
        stop.start(20000);
        return QCoreApplication::exec() == 0;
    }

    QStringList boxTexts() const
    {
        QStringList texts;
        for (const auto &r : hook::shown())
            texts << r.text;
        return texts;
    }

private slots:
    void windowsFitTheScreen_data()
    {
        QTest::addColumn<QRect>("inner");
        QTest::addColumn<QRect>("expected");
        // A 1280 x 1024 screen at 200 %: 640 x 512 with a 10-pixel panel at the top; the
        // frame adds 2 at the sides and 20 above.
        QTest::newRow("fits already") << QRect(30, 50, 300, 200) << QRect(30, 50, 300, 200);
        QTest::newRow("too large") << QRect(0, 0, 760, 640) << QRect(2, 30, 636, 480);
        QTest::newRow("off to the left") << QRect(-80, 100, 400, 300) << QRect(2, 100, 400, 300);
        QTest::newRow("off to the right and below") << QRect(500, 400, 400, 300) << QRect(238, 210, 400, 300);
    }
    void windowsFitTheScreen()
    {
        QFETCH(QRect, inner);
        QFETCH(QRect, expected);
        QCOMPARE(screenfit::fitted(inner, QMargins(2, 20, 2, 2), QRect(0, 10, 640, 502)), expected);
    }

    void levelWindowLargerThanTheScreenIsFitted()
    {
        // A level window's design is fixed in size; the screen wins over it.
        Session session;
        TForm1 window(session);
        window.placeWindow(-80, 0, 1520, 1280);
        screenfit::fit(&window);
        const QRect available = window.screen()->availableGeometry();
        const QMargins frame = screenfit::frameOf(&window);
        QVERIFY(available.contains(window.geometry().marginsAdded(frame)));
        QVERIFY(window.width() > available.width() / 2);
    }

    void init() { m_folders = std::make_unique<testing::ProgramFolders>(); }

    void defaultsWithoutConfiguration()
    {
        Session s;
        TForm1 form(s);
        create(form, start());
        // No text table: its built-in texts are shown, and no address box, which only a
        // table that has the entry asks for.
        QCOMPARE(hook::shown().size(), 0);

        QCOMPARE(form.windowTitle(), QStringLiteral("Lumora"));
        QCOMPARE(ui(form).SpeedButton2->text(), QStringLiteral("Koniec"));
        QCOMPARE(ui(form).SpeedButton2->width(), 75);
        QCOMPARE(ui(form).SpeedButton1->text(), QStringLiteral("Späť"));
        QCOMPARE(ui(form).Label1->text(), QStringLiteral("Lumora - program pre samoštúdium"));
        QCOMPARE(ui(form).Label6->text(), QStringLiteral("Výukový program"));
        QCOMPARE(ui(form).Button1->text(), QStringLiteral("Poznámky"));
        QCOMPARE(ui(form).Label2->text(), QStringLiteral("Odkazy:"));
        QCOMPARE(ui(form).Label4->text(), QStringLiteral("Vlastné odkazy:"));
        QCOMPARE(ui(form).Vlastn1->title(), QStringLiteral("&Vlastné"));
        QCOMPARE(ui(form).Editcialekci1->text(), QStringLiteral("Editácia &lekcie"));
        QCOMPARE(ui(form).Reklama1->text(), QStringLiteral("Ochranné &známky"));
        QCOMPARE(ui(form).Koniec1->text(), QStringLiteral("&Koniec"));
        QCOMPARE(ui(form).Koniec1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
        QVERIFY(ui(form).Memo1->property("hint").toString().startsWith(QStringLiteral("Vyznačte text")));
        QVERIFY(ui(form).Memo1->toolTip().isEmpty()); // shown only while editing
        QCOMPARE(ui(form).Help1->text(), QStringLiteral("&Help"));

        QVERIFY(ui(form).SpeedButton1->isHidden());
        QVERIFY(ui(form).Label2->isHidden());
        QVERIFY(ui(form).ComboBox1->isHidden());
        QVERIFY(ui(form).Panel1->isHidden());
        QVERIFY(!ui(form).Koprovanie1->isEnabled());
        QVERIFY(!ui(form).Ignorovazmeny1->isVisible());

        const ProgramValues &v = s.values;
        QCOMPARE(v.ProgramDir, program() + QLatin1Char('/'));
        QCOMPARE(v.TempDir, work() + QLatin1Char('/'));
        QCOMPARE(v.LotusDir, program());
        QCOMPARE(v.ScaleTenths, quint16(10));
        QCOMPARE(v.TrimLarge, quint8(16));
        QCOMPARE(v.TrimSmall, quint8(19));
        QCOMPARE(v.ButtonFontSize, quint8(11));
        QCOMPARE(form.font().pointSize(), 11);
        QCOMPARE(form.geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(form.size(), QSize(700, 640));
        // Titles and link lists moved down 10 pixels, the title 150 pixels taller.
        QCOMPARE(ui(form).Label1->geometry(), QRect(16, 38, 441, 233));
        QCOMPARE(ui(form).Label6->y(), 18);
        QCOMPARE(ui(form).ComboBox2->y(), 380);
        QVERIFY(!form.levelScreen().ContentMissing);
    }

    void templateRecordsTheWindowBeforeTheBackButtonIsHidden()
    {
        config(
            {QStringLiteral("1*NAME*Môj program"), QStringLiteral("1*WIDTH*650"), QStringLiteral("1*COLOR TITLE*255")});
        Session s;
        TForm1 form(s);
        create(form, start());
        QVERIFY(QFile::exists(work() + QStringLiteral("/Temp.dfm")));

        Session other;
        TForm1 copy(other);
        applyTemplate(copy, windowtemplate::load(work() + QStringLiteral("/Temp.dfm")));
        QVERIFY(!ui(copy).SpeedButton1->isHidden());
        QVERIFY(ui(copy).Label2->isHidden());
        QVERIFY(!ui(copy).Koprovanie1->isEnabled());
        QCOMPARE(ui(copy).Label1->text(), QStringLiteral("Môj program"));
        QCOMPARE(ui(copy).Label1->geometry(), ui(form).Label1->geometry());
        QCOMPARE(ui(copy).Label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(copy.size(), QSize(650, 640));
        QCOMPARE(copy.font().pointSize(), 11);
        QCOMPARE(ui(copy).Editciatextu1->title(), QStringLiteral("&Editácia"));
        QCOMPARE(ui(copy).Reklama1->text(), ui(form).Reklama1->text());
    }

    void configuredCaptionsAndAddressBox()
    {
        config({QStringLiteral("1*END BUTTON CAPTION*Skončiť"), QStringLiteral("1*WINDOW CAPTION*Kurzy"),
                QStringLiteral("1*MENU END*Zavrieť"), QStringLiteral("1*IP*Adresa:"),
                QStringLiteral("1*LEFT CORNER*30"), QStringLiteral("1*TOP CORNER*40"),
                QStringLiteral("1*PATH LOTUS*") + m_folders->root() + QStringLiteral("/hrac/")},
               false);
        Session s;
        TForm1 form(s);
        create(form, start());
        QCOMPARE(ui(form).SpeedButton2->text(), QStringLiteral("Skončiť"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Kurzy"));
        QCOMPARE(ui(form).Koniec1->text(), QStringLiteral("Zavrieť"));
        QCOMPARE(form.pos(), QPoint(30, 40));
        QCOMPARE(s.values.LotusDir, m_folders->root() + QStringLiteral("/hrac"));
        QCOMPARE(boxTexts(), QStringList{QStringLiteral("Adresa: 10.0.0.7")});
        QCOMPARE(hook::shown().at(0).title, QStringLiteral("Informácia"));

        hook::shown().clear();
        Session offline;
        TForm1 second(offline);
        create(second, start({}, QString()));
        QCOMPARE(boxTexts(), QStringList{QStringLiteral("Počítač nie je zapojený v sieti")});
        QCOMPARE(hook::shown().at(0).title, QStringLiteral("Upozornenie"));
    }

    void searchWindowInstance()
    {
        Session s;
        TForm1 form(s);
        create(
            form,
            start({program() + QStringLiteral("/kurz/kap1.txt"), QStringLiteral("Kurz"), QStringLiteral("Kapitola")}));
        QCOMPARE(ui(form).SpeedButton2->text(), QStringLiteral("Koniec vyhľadávania"));
        QCOMPARE(ui(form).SpeedButton2->width(), 200);
        QCOMPARE(form.windowTitle(), QStringLiteral("Vyhľadávacie okno"));
        QVERIFY(QFile::exists(work() + QStringLiteral("/TempP.dfm")));
        QVERIFY(!QFile::exists(work() + QStringLiteral("/Temp.dfm")));
        QCOMPARE(s.values.ExtraParams, QStringLiteral(" Kurz Kapitola"));
        QCOMPARE(s.course.LevelWindow[1].data(), &form);
    }

    void settingErrorsStopTheSetUp_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a number") << QStringList{QStringLiteral("1*WIDTH*abc")}
                                      << QStringLiteral("'abc' is not a valid integer value");
        QTest::newRow("colour") << QStringList{QStringLiteral("1*COLOR TITLE*modrá")}
                                << QStringLiteral("'modrá' is not a valid integer value");
        QTest::newRow("too narrow") << QStringList{QStringLiteral("1*WIDTH*111")}
                                    << QStringLiteral("Rozmery okna v CONFIG.TXT sú príliš malé!");
    }

    void settingErrorsStopTheSetUp()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        config(lines);
        Session s;
        TForm1 form(s);
        create(form, start());
        QVERIFY(boxTexts().contains(message));
        QVERIFY(!QFile::exists(work() + QStringLiteral("/Temp.dfm")));
        // The program can still be ended.
        form.Koniec1Click();
        QVERIFY(s.terminateRequested);
    }

    void screenChecks_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expectedWidth");
        QTest::addColumn<bool>("ends");
        QTest::newRow("fits") << 0 << 112 << 112 << false;
        QTest::newRow("reduced to the screen") << 100 << 1000 << 924 << false;
        QTest::newRow("at the edge") << 1024 << 700 << 0 << false;
        QTest::newRow("beyond the edge") << 1025 << 700 << -1 << true;
    }

    void screenChecks()
    {
        QFETCH(int, left);
        QFETCH(int, width);
        QFETCH(int, expectedWidth);
        QFETCH(bool, ends);
        config({QStringLiteral("1*LEFT CORNER*%1").arg(left), QStringLiteral("1*WIDTH*%1").arg(width)});
        Session s;
        TForm1 form(s);
        create(form, start());
        QCOMPARE(s.terminateRequested, ends);
        if (ends) {
            QCOMPARE(boxTexts(),
                     QStringList{QStringLiteral("Súradnice laveho horneho rohu presiahli rozmer obrazovky !")});
        } else {
            QVERIFY(hook::shown().isEmpty());
            QCOMPARE(int(s.values.WindowWidth), expectedWidth);
            QCOMPARE(form.width(), expectedWidth);
        }
    }

    void largeFontsAndFontSizeRule()
    {
        config({QStringLiteral("1*FONTSIZE BUTTON*1x")});
        Session s;
        TForm1 form(s);
        StartEnvironment env = start();
        env.dotsPerInch = 120;
        env.screenWidth = 800;
        env.screenHeight = 600;
        create(form, env);
        QCOMPARE(s.values.ScaleTenths, quint16(8));
        // Scaled by 96/120 first, then 12 pixels down and 188 taller.
        QCOMPARE(ui(form).Label1->y(), qRound(28 * 0.8) + 12);
        QCOMPARE(ui(form).Label1->height(), qRound(83 * 0.8) + 188);
        QCOMPARE(s.values.ButtonFontSize, quint8(12));
        QCOMPARE(form.font().pointSize(), 12);
        QCOMPARE(form.size(), QSize(700, 600)); // reduced to the screen height
    }

    void endButtonAndMenu()
    {
        config({QStringLiteral("1*END*Chcete ukončiť program ?")});
        Session s;
        TForm1 form(s);
        create(form, start());
        hook::queue(messages::Answer::No);
        ui(form).SpeedButton2->click();
        QVERIFY(!s.terminateRequested);
        QVERIFY(QFile::exists(work() + QStringLiteral("/Temp.dfm")));
        QCOMPARE(hook::shown().last().text, QStringLiteral("Chcete ukončiť program ?"));

        hook::queue(messages::Answer::Yes);
        ui(form).Koniec1->trigger();
        QVERIFY(s.terminateRequested);
        QVERIFY(!QFile::exists(work() + QStringLiteral("/Temp.dfm")));
    }

    void silencedEndQuestion()
    {
        config({QStringLiteral("0*END*Chcete ukončiť program ?")});
        Session s;
        TForm1 form(s);
        create(form, start());
        form.SpeedButton2Click();
        QVERIFY(hook::shown().isEmpty());
        QVERIFY(s.terminateRequested);
    }

    void searchInstanceAsksItsOwnQuestion()
    {
        config({QStringLiteral("1*BLOCKED TREE2*Zavrieť?")});
        Session s;
        TForm1 form(s);
        create(form, start({program() + QStringLiteral("/kurz/a.txt")}));
        hook::queue(messages::Answer::Yes);
        form.SpeedButton2Click();
        QCOMPARE(hook::shown().last().text, QStringLiteral("Zavrieť?"));
        QVERIFY(!QFile::exists(work() + QStringLiteral("/TempP.dfm")));
        QVERIFY(s.terminateRequested);
    }

    void closeBoxEndsWithoutAsking()
    {
        config({QStringLiteral("1*END*?")});
        Session s;
        TForm1 form(s);
        create(form, start());
        s.course.LevelWindow[1] = &form;
        s.writeLevelFile();
        form.show();
        form.close();
        QVERIFY(hook::shown().isEmpty());
        QVERIFY(s.terminateRequested);
        QVERIFY(!QFile::exists(work() + QStringLiteral("/Temp.dfm")));
    }

    // Ending from a deep screen shows the windows below it again, removes the template
    // and asks the application to end: its event loop returns with 0.
    void endProgramUnwindsTheLevels()
    {
        Session s;
        TForm1 form(s);
        create(form, start());
        QWidget level2;
        s.course.LevelWindow[1] = &form;
        s.course.LevelWindow[2] = &level2;
        s.course.CurrentLevel = 3;
        QVERIFY(!level2.isVisible());
        QCoreApplication::processEvents(); // nothing left over from the tests before
        form.EndProgram();
        QCOMPARE(int(s.course.CurrentLevel), 1);
        QVERIFY(level2.isVisible());
        QVERIFY(form.isVisible());
        QVERIFY(!QFile::exists(work() + QStringLiteral("/Temp.dfm")));
        QVERIFY(applicationEnds());
    }

    void unusableWorkFolder()
    {
        // The work folder cannot be made, not even the fallback one: reported, and the end.
        const QByteArray savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QByteArray("/nonexistent-lumora/tmp"));
        config({QStringLiteral("1*PATH TEMP*") + m_folders->root() + QStringLiteral("/a/b/c")});
        Session s;
        TForm1 form(s);
        create(form, start());
        qputenv("TMPDIR", savedTmp);
        QCOMPARE(boxTexts(), QStringList{QStringLiteral("Neexistuje pracovný adresár /nonexistent-lumora/tmp/ !")});
        QVERIFY(s.terminateRequested);
        QVERIFY(ui(form).SpeedButton1->isHidden());

        // A work folder where the template cannot be written: it goes to the next
        // writable place and the program carries on without a message.
        hook::shown().clear();
        QDir().mkpath(work() + QStringLiteral("/Temp.dfm"));
        config({});
        Session t;
        TForm1 second(t);
        create(second, start());
        QCOMPARE(hook::shown().size(), 0);
        QVERIFY(!t.terminateRequested);
        QVERIFY(!t.templatePath().startsWith(work()));
        QVERIFY(QFileInfo(t.templatePath()).isFile());
    }

    // Qt's own dialogs in the interface's language: the print dialog's page choice and a
    // folder's type, which Qt's Slovak catalogue leaves in English, come in Slovak too.
    void qtDialogsSpeakSlovak()
    {
        translations::install(QLocale(QLocale::Slovak, QLocale::Slovakia));
        QPrinter printer;
        QPrintDialog dialog(&printer);
        QStringList texts;
        for (QWidget *widget : dialog.findChildren<QWidget *>()) {
            texts << widget->toolTip();
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                texts << button->text();
            if (auto *label = qobject_cast<QLabel *>(widget))
                texts << label->text();
            if (auto *box = qobject_cast<QComboBox *>(widget)) {
                for (int i = 0; i < box->count(); ++i)
                    texts << box->itemText(i);
            }
        }
        const QString folderType = QFileIconProvider().type(QFileInfo(QDir::tempPath()));
        translations::install(QLocale(QLocale::English));
        for (const QString &english : {QStringLiteral("Pages"), QStringLiteral("Page Set:"),
                                       QStringLiteral("All Pages"), QStringLiteral("Cancel")})
            QVERIFY2(!texts.contains(english), qPrintable(english));
        QVERIFY2(texts.contains(QStringLiteral("Všetky strany")), qPrintable(texts.join(u'|')));
        QVERIFY(std::none_of(texts.begin(), texts.end(),
                             [](const QString &text) { return text.startsWith(QLatin1String("Specify pages")); }));
        QCOMPARE(folderType, QStringLiteral("Priečinok"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
