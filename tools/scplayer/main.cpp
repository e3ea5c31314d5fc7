// A stand-in for the demonstration player, shipped with the sample program folder as
// SCPLAYER.EXE. It shows the demonstration's file name in a small window; it cannot play
// recorded demonstrations. When LUMORA_PLAYER_LOG names a file, it appends the arguments
// it received (one line, separated by tabs), so tests can check what the player was
// given; with LUMORA_PLAYER_EXIT set it ends right after that.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);

    const QString log = qEnvironmentVariable("LUMORA_PLAYER_LOG");
    if (!log.isEmpty()) {
        QFile file(log);
        if (file.open(QIODevice::Append | QIODevice::Text))
            file.write(args.join(QLatin1Char('\t')).toUtf8() + '\n');
    }
    if (qEnvironmentVariableIsSet("LUMORA_PLAYER_EXIT"))
        return 0;

    const QString demonstration = args.isEmpty() ? QString() : QFileInfo(args.first()).fileName();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Prehrávač ukážok"));
    auto *layout = new QVBoxLayout(&window);
    auto *name = new QLabel(demonstration.isEmpty() ? QStringLiteral("Nebola zadaná žiadna ukážka.")
                                                    : QStringLiteral("Ukážka: %1").arg(demonstration));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    layout->addWidget(name);
    layout->addWidget(new QLabel(QStringLiteral("Tento náhradný prehrávač zobrazí iba názov ukážky;\n"
                                                "nahratú ukážku prehrať nevie.")));
    auto *close = new QPushButton(QStringLiteral("Zavrieť"));
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    window.show();
    return QApplication::exec();
}
