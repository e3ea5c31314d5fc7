#include "personal/studyexport.h"

#include "course/workfiles.h"
#include "platform/errors.h"
#include "course/contentfiletext.h"
#include "course/coursewalk.h"

#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace lumora::personal {

namespace {

bool isScreen(const course::CourseNode &node)
{
    return node.state != course::NodeState::Item && node.state != course::NodeState::Outside;
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// Lines grouped into paragraphs at empty lines.
QList<QStringList> paragraphs(const QStringList &lines)
{
    QList<QStringList> out;
    QStringList current;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty()) {
            if (!current.isEmpty())
                out << current;
            current.clear();
        } else {
            current << line;
        }
    }
    if (!current.isEmpty())
        out << current;
    return out;
}

} // namespace

QList<StudyScreen> collectStudy(const course::CourseTree &tree, const QString &courseFolderName, const QString &tempDir,
                                const QString &courseDir)
{
    QList<StudyScreen> screens;
    QSet<QString> taken;
    for (int i = 0; i < tree.size(); ++i) {
        const course::CourseNode &node = tree.node(i);
        if (!isScreen(node))
            continue;
        // A course's screens open from level 2 down; the root is the course's top screen.
        course::ScreenRef screen;
        screen.level = node.depth + 2;
        screen.screenFile = node.reference;
        screen.levelFolder = courseFolderName;
        screen.courseDir = courseDir;
        const course::WorkFile notes = course::workFileName(screen, course::FileKind::Notes);
        const course::WorkFile links = course::workFileName(screen, course::FileKind::Links);
        if (!notes.ok() || !links.ok())
            continue;
        const QString key = notes.name;
        if (taken.contains(key))
            continue;
        taken.insert(key);

        StudyScreen study;
        study.heading = tree.captionPath(i);
        try {
            study.note = course::readWorkFile(course::readablePath(tempDir, notes));
        } catch (const Error &e) {
            study.problem = e.message();
        }
        try {
            for (const QString &line : course::readWorkFile(course::readablePath(tempDir, links))) {
                if (!line.isEmpty())
                    study.links << line;
            }
        } catch (const Error &e) {
            study.problem += (study.problem.isEmpty() ? QString() : QStringLiteral(" ")) + e.message();
        }
        if (paragraphs(study.note).isEmpty())
            study.note.clear();
        if (!study.note.isEmpty() || !study.links.isEmpty() || !study.problem.isEmpty())
            screens << study;
    }
    return screens;
}

QString linkAddress(const QString &link)
{
    const QString text = link.trimmed();
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):"));
    const QRegularExpressionMatch match = scheme.match(text);
    if (match.hasMatch() && match.captured(1).size() > 1) {
        const QString name = match.captured(1).toLower();
        if (name == QLatin1String("javascript") || name == QLatin1String("vbscript") || name == QLatin1String("data"))
            return QString();
        return QString::fromUtf8(QUrl::fromUserInput(text).toEncoded());
    }
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QString::fromUtf8(QUrl(QStringLiteral("http://") + text).toEncoded());
    if (text.startsWith(QLatin1Char('/')) || text.startsWith(QLatin1Char('\\'))
        || (text.size() > 2 && text.at(1) == QLatin1Char(':')))
        return QString::fromUtf8(QUrl::fromLocalFile(text).toEncoded());
    return QString::fromUtf8(QUrl(text).toEncoded());
}

QByteArray studyHtml(const QString &title, const QList<StudyScreen> &screens)
{
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"sk\">\n<head>\n<meta charset=\"utf-8\">\n<title>")
        + escaped(title) + QStringLiteral("</title>\n</head>\n<body>\n<h1>") + escaped(title)
        + QStringLiteral("</h1>\n");
    for (const StudyScreen &screen : screens) {
        html += QStringLiteral("<section>\n<h2>") + escaped(screen.heading) + QStringLiteral("</h2>\n");
        for (const QStringList &paragraph : paragraphs(screen.note)) {
            QStringList lines;
            for (const QString &line : paragraph)
                lines << escaped(line);
            html += QStringLiteral("<p>") + lines.join(QStringLiteral("<br>\n")) + QStringLiteral("</p>\n");
        }
        if (!screen.links.isEmpty()) {
            html += QStringLiteral("<ul>\n");
            for (const QString &link : screen.links) {
                const QString address = linkAddress(link);
                html += address.isEmpty() ? QStringLiteral("<li>") + escaped(link) + QStringLiteral("</li>\n")
                                          : QStringLiteral("<li><a href=\"") + escaped(address) + QStringLiteral("\">")
                        + escaped(link) + QStringLiteral("</a></li>\n");
            }
            html += QStringLiteral("</ul>\n");
        }
        if (!screen.problem.isEmpty())
            html += QStringLiteral("<p><em>") + escaped(screen.problem) + QStringLiteral("</em></p>\n");
        html += QStringLiteral("</section>\n");
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

} // namespace lumora::personal
