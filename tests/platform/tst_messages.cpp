// Message boxes through the text table, and starting and waiting for processes.
#include "platform/messages.h"
#include "platform/process.h"
#include "platform/textfile.h"
#include "state/session.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lumora;
using namespace lumora::messages;

class TestMessages : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Session session()
    {
        Session s;
        s.values.ProgramDir = m_dir.path() + QLatin1Char('/');
        return s;
    }

private slots:
    void init()
    {
        hook::reset();
        hook::setAutoAnswer(true);
        textfile::writeLines(m_dir.path() + QStringLiteral("/CONFIG.TXT"),
                             {QStringLiteral("0*QUIET*tichá"), QStringLiteral("1*LOUD*hlasná"),
                              QStringLiteral("0*END*Koniec?"), QStringLiteral("1*ASK*Naozaj?")});
    }

    void notificationsAreGated()
    {
        Session s = session();
        notify(s, Kind::Warning, BuiltTextKey{QStringLiteral("QUIET"), QStringLiteral("x")});
        QVERIFY(hook::shown().isEmpty());
        notify(s, Kind::Error, BuiltTextKey{QStringLiteral("LOUD"), QStringLiteral("x")}, QStringLiteral(" súbor.txt"));
        QCOMPARE(hook::shown().size(), 1);
        QCOMPARE(hook::shown().at(0).title, QStringLiteral("Chyba"));
        QCOMPARE(hook::shown().at(0).text, QStringLiteral("hlasná súbor.txt"));
        // A key the file lacks sets the gate: the default is shown.
        notify(s, Kind::Information, BuiltTextKey{QStringLiteral("OTHER"), QStringLiteral("predvolená")});
        QCOMPARE(hook::shown().size(), 2);
        QCOMPARE(hook::shown().at(1).title, QStringLiteral("Informácia"));
        QCOMPARE(hook::shown().at(1).text, QStringLiteral("predvolená"));
    }

    void confirmationsAnswerYesWhenSilenced()
    {
        Session s = session();
        QVERIFY(confirm(s, TextKey{"END", TextKey::Kind::Question, "x"}));
        QVERIFY(hook::shown().isEmpty());

        hook::queue(Answer::No);
        QVERIFY(!confirm(s, TextKey{"ASK", TextKey::Kind::Question, "x"}));
        hook::queue(Answer::Yes);
        QVERIFY(confirm(s, TextKey{"ASK", TextKey::Kind::Question, "x"}));
        QCOMPARE(hook::shown().size(), 2);
        QCOMPARE(hook::shown().at(0).title, QStringLiteral("Potvrď"));
        QCOMPARE(hook::shown().at(0).buttons, Buttons::YesNo);

        // With no CONFIG.TXT anywhere the built-in question is asked, and No is No.
        Session none;
        QTemporaryDir empty;
        none.values.ProgramDir = empty.path() + QLatin1Char('/');
        hook::queue(Answer::No);
        QVERIFY(!confirm(none, TextKey{"END", TextKey::Kind::Question, "Chcete ukončiť program ?"}));
        QCOMPARE(hook::shown().size(), 3);
        QCOMPARE(hook::shown().at(2).text, QStringLiteral("Chcete ukončiť program ?"));
    }

    void boxTitles()
    {
        QCOMPARE(title(Kind::Warning), QStringLiteral("Upozornenie"));
        QCOMPARE(title(Kind::Confirmation), QStringLiteral("Potvrď"));
        showError(QStringLiteral("I/O error 5"));
        QCOMPARE(hook::shown().last().title, QStringLiteral("Lumora"));
    }

    void commandLines()
    {
        QCOMPARE(process::commandLine(QStringLiteral("prog"), QStringLiteral("par")), QStringLiteral("prog  par"));
        QCOMPARE(process::commandLine(QString(), QStringLiteral("par")), QStringLiteral("par"));
        QCOMPARE(process::commandLine(QStringLiteral("prog"), QString()), QStringLiteral("prog "));
    }

    void runAndWait()
    {
        // The child's exit code comes back; the folder given is its working folder.
        const QString script = m_dir.path() + QStringLiteral("/child.sh");
        textfile::writeBytes(script, "#!/bin/sh\npwd > \"$1\"\nexit 3\n");
        QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QString out = m_dir.path() + QStringLiteral("/out.txt");
        QCOMPARE(process::RunAndWait(script, QStringLiteral("/tmp"), out), 3);
        QCOMPARE(textfile::readBytes(out).trimmed(), QByteArray("/tmp"));
        QVERIFY(hook::shown().isEmpty());

        const QString missing = m_dir.path() + QStringLiteral("/nie-je.exe");
        QCOMPARE(process::RunAndWait(missing, QString(), QString()), -1);
        QCOMPARE(hook::shown().size(), 1);
        QCOMPARE(hook::shown().at(0).text,
                 QStringLiteral("The program ") + missing + QStringLiteral(" was not executed"));
    }

    void executeFileStartsWithoutWaiting()
    {
        const QString script = m_dir.path() + QStringLiteral("/player.sh");
        const QString log = m_dir.path() + QStringLiteral("/player.log");
        textfile::writeBytes(script, "#!/bin/sh\necho \"$@\" > \"" + log.toUtf8() + "\"\n");
        QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(process::ExecuteFile(script, QStringLiteral(" /kurz/ukazka.scm /s/c"), m_dir.path()));
        QTRY_VERIFY(QFile::exists(log));
        QTRY_COMPARE(textfile::readBytes(log).trimmed(), QByteArray("/kurz/ukazka.scm /s/c"));
        QVERIFY(!process::ExecuteFile(QString(), QString(), QString()));
    }
};

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
