// Runs lumora-check on every golden folder (a case: input/, the program or course
// folder, and args.txt, the options) and compares its output and exit status with the
// expectations beside it (expected.txt, exit.txt); then its command line and its exit
// status for bad usage.
#include "golden.h"
#include "programfolders.h"
#include "programrun.h"
#include "specialfiles.h"
#include "check/authorcheck.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

using namespace lumora;

namespace {
const QString casesFolder = QStringLiteral(LUMORA_TEST_DATA "/golden");

testing::ProgramRun runProgram(const QStringList &arguments)
{
    return testing::runProgram(QStringLiteral(LUMORA_CHECK), arguments);
}
} // namespace

class TestCheckGolden : public QObject {
    Q_OBJECT

private slots:
    void golden_data() { testing::addCaseRows(casesFolder); }

    void golden()
    {
        QFETCH(QString, folder);
        QStringList arguments = QString::fromUtf8(testing::fileBytes(folder + QStringLiteral("/args.txt")))
                                    .split(u'\n', Qt::SkipEmptyParts);
        QString input = folder + QStringLiteral("/input");
        // Pipes, huge sparse files and links are made in a copy of the input.
        QTemporaryDir copy;
        if (testing::hasSpecialFiles(folder)) {
            input = copy.filePath(QStringLiteral("input"));
            QVERIFY(testing::copyFolder(folder + QStringLiteral("/input"), input));
            QVERIFY(testing::makeSpecialFiles(folder, input));
        }
        // "FOLDER/K/" names a folder inside the input, written as a user would.
        const auto given = std::find_if(arguments.begin(), arguments.end(),
                                        [](const QString &a) { return a.startsWith(QStringLiteral("FOLDER")); });
        if (given != arguments.end())
            given->replace(0, 6, input);
        else
            arguments.append(input);
        // A check that hangs on a pipe is killed and fails the case.
        const testing::ProgramRun run = testing::runProgram(QStringLiteral(LUMORA_CHECK), arguments, 30000);
        QCOMPARE(run.err, QString());
        COMPARE_GOLDEN(QString(run.out).replace(input, QStringLiteral("FOLDER")).toUtf8(),
                       folder + QStringLiteral("/expected.txt"));
        COMPARE_GOLDEN(QByteArray::number(run.status) + '\n', folder + QStringLiteral("/exit.txt"));
    }

    void commandLine()
    {
        const testing::ProgramRun help = runProgram({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith(QStringLiteral("Usage: lumora-check [--json] FOLDER")));

        QTemporaryDir dir;
        const QString missing = dir.path() + QStringLiteral("/nie");
        const QList<QStringList> usageErrors{
            {}, {dir.path(), dir.path()}, {QStringLiteral("--xml"), dir.path()}, {missing}, {QStringLiteral("--json")}};
        for (const QStringList &arguments : usageErrors) {
            QString out, err;
            QTextStream o(&out), e(&err);
            QCOMPARE(check::runCheck(arguments, o, e), 2);
            QVERIFY(out.isEmpty());
            QVERIFY(err.startsWith(QStringLiteral("lumora-check: ")));
        }
        // A folder with neither a course nor a course folder is a usage error.
        const testing::ProgramRun empty = runProgram({dir.path() + QStringLiteral("/")});
        QCOMPARE(empty.status, 2);
        QVERIFY(empty.err.contains(QStringLiteral("holds neither a course nor any course folder")));
        QCOMPARE(runProgram({missing}).status, 2);
    }
};

QTEST_GUILESS_MAIN(TestCheckGolden)
#include "tst_checkgolden.moc"
