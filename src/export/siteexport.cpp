#include "export/siteexport.h"

#include "config/keys.h"
#include "config/texttable.h"
#include "export/lessonhtml.h"
#include "export/scormmanifest.h"
#include "export/siteoutput.h"
#include "export/sitenames.h"
#include "platform/accesskeys.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "rtf/rtfreader.h"
#include "course/contentfile.h"
#include "course/contentfileitems.h"
#include "course/contentfilenames.h"
#include "course/folderlist.h"
#include "platform/textfold.h"
#include "course/coursefiles.h"
#include "course/coursewalk.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextDocument>
#include <QUrl>

#include <memory>

namespace lumora::exporting {

namespace {

using course::NodeState;

// Courses with more screens than this get a table of contents that opens chapter by chapter.
constexpr int ChapterTocAbove = 300;

// Files a browser shows as they are; other pictures Qt can read are converted to PNG.
bool browserPicture(const QString &extension)
{
    static const QStringList kinds{QStringLiteral("png"), QStringLiteral("jpg"),  QStringLiteral("jpeg"),
                                   QStringLiteral("gif"), QStringLiteral("webp"), QStringLiteral("svg")};
    return kinds.contains(extension);
}

bool convertiblePicture(const QString &extension)
{
    static const QStringList kinds{QStringLiteral("bmp"),  QStringLiteral("dib"), QStringLiteral("tif"),
                                   QStringLiteral("tiff"), QStringLiteral("pbm"), QStringLiteral("pgm"),
                                   QStringLiteral("ppm"),  QStringLiteral("xbm"), QStringLiteral("xpm"),
                                   QStringLiteral("tga"),  QStringLiteral("ico"), QStringLiteral("cur")};
    return kinds.contains(extension);
}

// Files that run rather than show: they need the desktop player's machine.
bool programFile(const QFileInfo &file)
{
    static const QStringList kinds{QStringLiteral("exe"), QStringLiteral("com"), QStringLiteral("bat"),
                                   QStringLiteral("cmd"), QStringLiteral("msi"), QStringLiteral("scr"),
                                   QStringLiteral("pif"), QStringLiteral("run"), QStringLiteral("sh"),
                                   QStringLiteral("bin"), QStringLiteral("jar"), QStringLiteral("vbs"),
                                   QStringLiteral("ps1"), QStringLiteral("lnk"), QStringLiteral("appimage"),
                                   QStringLiteral("dll"), QStringLiteral("app")};
    const QString extension = file.suffix().toLower();
    if (kinds.contains(extension))
        return true;
    return extension.isEmpty() && file.isExecutable();
}

bool isAddress(const QString &target)
{
    return !safeLinkTarget(target).isEmpty();
}

// The site's own captions, from the course's text table.
struct Texts {
    QString back, previous, next, contents, links, missing, outside, needsPlayer, search, searchButton, noResults,
        needsScript, start, results;
    QString titleColour; // "#rrggbb", or empty
};

Texts readTexts(const QString &courseFolder, const QString &programFolder)
{
    bool show = true;
    const auto text = [&](const TextKey &entry) {
        return accesskeys::withoutAccessKey(
            config::lookup(courseFolder, programFolder, entry.name(), entry.defaultValue(), show));
    };
    Texts t;
    t.back = text(keys::BackButtonCaption);
    t.links = text(keys::Http);
    t.previous = text(keys::ExportPrevious);
    t.next = text(keys::ExportNext);
    t.contents = text(keys::ExportContents);
    t.start = text(keys::ExportStart);
    t.missing = text(keys::ExportMissing);
    t.outside = text(keys::ExportOutside);
    t.needsPlayer = text(keys::ExportNeedsPlayer);
    t.search = text(keys::ExportSearch);
    t.searchButton = text(keys::ExportSearchButton);
    t.noResults = text(keys::ExportSearchNone);
    t.results = text(keys::ExportSearchResults);
    t.needsScript = text(keys::ExportSearchScript);
    bool ok = false;
    const int colour =
        config::lookup(courseFolder, programFolder, keys::ColorTitle.name(), keys::ColorTitle.defaultValue(), show)
            .trimmed()
            .toInt(&ok);
    if (ok) {
        // A Windows colour value 0x00BBGGRR.
        const auto v = quint32(colour);
        t.titleColour = QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)).name();
    }
    return t;
}

QByteArray resourceBytes(const QString &name)
{
    QFile file(QStringLiteral(":/export/site/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the site file %s is not built in", qPrintable(name));
    return file.readAll();
}

struct Page {
    int course = 0;
    int visit = 0;
    int node = 0; // the first node that opens the screen
    QString name; // "kap1.html"
    QString captionPath;
    QStringList assets; // files the page uses
};

struct Course {
    QString folder;    // absolute
    QString canonical; // its real path, for the inside test
    QString name;      // the folder's name
    QString programFolder;
    QString pagePrefix;  // "" for a lone course, else the course's safe name and "-"
    QString filesFolder; // "files/" or "files/<course>/"
    course::CourseTree tree;
    QList<course::ContentFile> files; // by visit
    QList<int> pageOfVisit;           // -1: no page
    QList<QList<int>> children;       // by node
    QList<int> pages;                 // indices into the site's pages, in course order
    Texts texts;
    course::CourseFiles found;
    QString launcher; // the course's SCO in a package ("scorm.html")
};

// The course's top content file; its backup when only the backup exists, as the
// player restores it on opening the course.
QString topContentFile(const QString &courseFolder, const QString &programFolder)
{
    bool show = false;
    const QString top = config::lookup(courseFolder, programFolder, keys::DefaultContent.name(),
                                       keys::DefaultContent.defaultValue(), show);
    if (paths::fileExists(paths::join(courseFolder, top)))
        return top;
    const QString backup = course::backupName(top);
    return paths::fileExists(paths::join(courseFolder, backup)) ? backup : top;
}

// A caption as the player shows it.
QString shown(const QString &caption)
{
    return accesskeys::withoutAccessKey(caption);
}

// A site file name as a link address: letters outside ASCII and characters with a
// meaning in addresses percent-encoded, "/" kept between folders.
QString address(const QString &name)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(name, "/-._~"));
}

class Exporter {
public:
    Exporter(const ExportRequest &request) : m_request(request) {}

    ExportResult run()
    {
        if (!collectCourses())
            return m_result;
        m_names.reserve(QStringLiteral("index.html"));
        m_names.reserve(QStringLiteral("search.html"));
        m_names.reserve(QStringLiteral("search-index.js"));
        m_names.reserve(QStringLiteral("style.css"));
        m_names.reserve(QStringLiteral("lumora.js"));
        m_names.reserve(QStringLiteral("scorm.html"));
        m_names.reserve(QStringLiteral("imsmanifest.xml"));
        m_names.reserve(QStringLiteral("favicon.svg"));
        for (const ScormEdition edition : {ScormEdition::Scorm12, ScormEdition::Scorm2004}) {
            for (const auto &schema : scormSchemas(edition))
                m_names.reserve(schema.first);
        }
        for (auto &course : m_courses)
            course->launcher = m_courses.size() == 1
                ? QStringLiteral("scorm.html")
                : m_names.unique(QString(), course->pagePrefix + QStringLiteral("scorm"), QStringLiteral("html"));
        for (int c = 0; c < int(m_courses.size()); ++c)
            walk(c);
        if (m_pages.isEmpty())
            return fail(QStringLiteral("no screen of the course could be read"));

        m_output = m_request.format == Format::Web ? folderOutput(m_request.target) : zipOutput(m_request.target);
        if (!m_output->error().isEmpty())
            return fail(m_output->error());
        for (int p = 0; p < m_pages.size(); ++p) {
            if (m_request.cancelled && m_request.cancelled()) {
                m_result.status = ExportResult::Status::Cancelled;
                return m_result;
            }
            if (!writePage(p))
                return m_result;
            ++m_result.pages;
            if (m_request.progress)
                m_request.progress(p + 1, int(m_pages.size()));
        }
        if (!writeCommon())
            return m_result;
        if (m_request.format != Format::Web && !writeScorm())
            return m_result;
        if (!m_output->finish())
            return fail(m_output->error());
        if (!m_result.problems.isEmpty())
            m_result.status = ExportResult::Status::Problems;
        return m_result;
    }

private:
    ExportResult fail(const QString &why)
    {
        m_result.status = ExportResult::Status::Failed;
        m_result.error = why;
        return m_result;
    }

    bool collectCourses()
    {
        const QFileInfo info(m_request.source);
        if (!info.isDir())
            return fail(QStringLiteral("%1 is not a folder").arg(m_request.source)), false;
        const QString source = info.absoluteFilePath();
        const QString parent = info.absolutePath();
        const auto add = [this](const QString &folder, const QString &programFolder, bool alone) {
            auto course = std::make_unique<Course>();
            course->folder = QDir(folder).absolutePath();
            course->canonical = QFileInfo(course->folder).canonicalFilePath();
            course->name = QFileInfo(course->folder).fileName();
            course->programFolder = programFolder;
            if (!alone) {
                const QString safe = m_names.unique(QString(), safePart(course->name), QString());
                course->pagePrefix = safe + u'-';
                course->filesFolder = QStringLiteral("files/") + safe + u'/';
            } else {
                course->filesFolder = QStringLiteral("files/");
            }
            course->texts = readTexts(course->folder, programFolder);
            m_courses.push_back(std::move(course));
        };
        if (paths::fileExists(paths::join(source, topContentFile(source, parent)))) {
            add(source, parent, true);
        } else {
            m_programMode = true;
            for (const QString &name : course::folderList(source).courses())
                add(paths::join(source, name), source, false);
            m_programTitle = config::trimmed([&] {
                bool show = true;
                return config::lookup(source, source, keys::Name.name(), info.fileName(), show);
            }());
        }
        if (m_courses.empty())
            return fail(QStringLiteral("%1 holds no course").arg(m_request.source)), false;
        return true;
    }

    // The real path of an existing file: its folder's real path (found once per folder)
    // and its name, or the link's target when the file itself is a symbolic link.
    QString realFile(const QString &path)
    {
        const QFileInfo info(path);
        if (info.isSymLink())
            return info.canonicalFilePath();
        const QString folder = info.path();
        auto known = m_realFolders.constFind(folder);
        if (known == m_realFolders.constEnd())
            known = m_realFolders.insert(folder, QFileInfo(folder).canonicalFilePath());
        return known.value().isEmpty() || !info.exists() ? QString() : known.value() + u'/' + info.fileName();
    }

    bool insideCourse(const Course &course, const QString &path)
    {
        const QString real = realFile(path);
        return !real.isEmpty() && !course.canonical.isEmpty()
            && (real == course.canonical || real.startsWith(course.canonical + u'/'));
    }

    void problem(const Course &course, int node, const QString &what)
    {
        // The captions leading to the item, then its target.
        QString place = course.tree.checkPath(node);
        place.chop(3);
        m_result.problems.append(
            QStringLiteral("%1: %2 (%3): %4").arg(course.name, place, course.tree.node(node).reference, what));
    }

    void walk(int c)
    {
        Course &course = *m_courses[c];
        course::WalkOptions options;
        course::ContentFile pending;
        options.findFile = [&course](const QString &path) { return course.found.existingFile(path); };
        options.onFileRead = [&pending](const course::ContentFileVisit &, QByteArrayView,
                                        const course::ContentFile &file) { pending = file; };
        options.onItemsRead = [&](int visit, const QList<course::ButtonLine> &) {
            if (course.files.size() <= visit)
                course.files.resize(visit + 1);
            course.files[visit] = std::move(pending);
        };
        course.tree = course::walkCourse(course.folder, course.name,
                                         topContentFile(course.folder, course.programFolder), options);
        const course::CourseTree &t = course.tree;
        course.files.resize(t.visits().size());
        course.pageOfVisit.fill(-1, t.visits().size());
        course.children.resize(t.size());
        for (int i = 0; i < t.size(); ++i) {
            const course::CourseNode &node = t.node(i);
            if (node.parent >= 0)
                course.children[node.parent].append(i);
            if (node.state != NodeState::Expanded || node.visit < 0 || course.pageOfVisit[node.visit] >= 0)
                continue;
            const course::ContentFileVisit &visit = t.visits().at(node.visit);
            if (!insideCourse(course, visit.path)) {
                continue; // a link out of the course: reported where it is named
            }
            Page page;
            page.course = c;
            page.visit = node.visit;
            page.node = i;
            page.captionPath = shown(t.captionPath(i));
            page.name = m_names.unique(QString(), course.pagePrefix + QFileInfo(visit.path).completeBaseName(),
                                       QStringLiteral("html"));
            course.pageOfVisit[node.visit] = int(m_pages.size());
            course.pages.append(int(m_pages.size()));
            m_pages.append(page);
            m_pageByPath.insert(visit.path, int(m_pages.size()) - 1);
        }
        if (t.truncated())
            m_result.problems.append(QStringLiteral("%1: the tree stops at %2 nodes").arg(course.name).arg(t.size()));
        // Problems of screens, reported once per place.
        for (int i = 1; i < t.size(); ++i) {
            const course::CourseNode &node = t.node(i);
            if (node.state == NodeState::Missing)
                problem(course, i, QStringLiteral("missing"));
            else if (node.state == NodeState::Unreadable)
                problem(course, i, QStringLiteral("cannot be read"));
            else if (node.state == NodeState::Outside || (node.state == NodeState::Expanded && pageOf(course, i) < 0))
                problem(course, i, QStringLiteral("leaves the course folder: not exported"));
        }
        if (t.node(0).state != NodeState::Expanded)
            m_result.problems.append(
                QStringLiteral("%1: the top content file %2 cannot be read").arg(course.name, t.node(0).reference));
    }

    int pageOf(const Course &course, int node) const
    {
        const course::CourseNode &n = course.tree.node(node);
        if (n.visit >= 0)
            return course.pageOfVisit.value(n.visit, -1);
        if (n.state == NodeState::Cycle)
            return m_pageByPath.value(course.tree.filePath(node), -1);
        return -1;
    }

    bool put(const QString &name, const QByteArray &bytes, bool compressible)
    {
        if (!m_output->write(name, bytes, compressible)) {
            fail(m_output->error());
            return false;
        }
        ++m_result.files;
        m_result.bytes += bytes.size();
        m_result.written.append(name);
        return true;
    }

    // A file of the course copied into the site (pictures browsers cannot show
    // converted to PNG); its site name, or "" when it cannot be read.
    QString asset(Course &course, const QString &path, const QString &reference, Page &page)
    {
        const QString key = realFile(path);
        auto known = m_assets.constFind(key);
        if (known == m_assets.constEnd()) {
            QString name;
            QFile file(path);
            const QString extension = QFileInfo(path).suffix().toLower();
            QString stem = paths::fromCourse(reference);
            const qsizetype dot = stem.lastIndexOf(u'.');
            if (dot > stem.lastIndexOf(u'/'))
                stem.truncate(dot);
            // Judged before it is opened: a pipe or a device would hold the export in
            // its open, and a file past the limit is never read whole.
            const QFileInfo info(path);
            if (!paths::isSpecial(info) && info.size() <= textfile::MaxReadBytes && file.open(QIODevice::ReadOnly)) {
                QByteArray bytes = file.read(textfile::MaxReadBytes);
                QString siteExtension = extension.isEmpty() ? QString() : safePart(extension);
                bool compressible = !browserPicture(extension);
                bool ok = file.error() == QFileDevice::NoError;
                if (ok && convertiblePicture(extension)) {
                    QImage image;
                    ok = image.loadFromData(bytes);
                    bytes.clear();
                    QBuffer buffer(&bytes);
                    buffer.open(QIODevice::WriteOnly);
                    ok = ok && image.save(&buffer, "PNG");
                    siteExtension = QStringLiteral("png");
                    compressible = false;
                }
                if (ok) {
                    name = m_names.unique(course.filesFolder, stem, siteExtension);
                    if (!put(name, bytes, compressible))
                        return QString();
                }
            }
            known = m_assets.insert(key, name);
        }
        if (!known.value().isEmpty() && !page.assets.contains(known.value()))
            page.assets.append(known.value());
        return known.value();
    }

    QString missingText(const Course &course, const QString &caption, const QString &why)
    {
        Q_UNUSED(course);
        return QStringLiteral("<span class=\"missing\">%1 – %2</span>").arg(escapeHtml(caption), escapeHtml(why));
    }

    // One button of a screen as the page shows it.
    QString itemHtml(Course &course, int node, Page &page)
    {
        const course::CourseNode &n = course.tree.node(node);
        const Texts &t = course.texts;
        const QString caption = shown(n.caption);
        if (n.state != NodeState::Item) {
            const int target = pageOf(course, node);
            if (target >= 0)
                return QStringLiteral("<a href=\"%1\">%2</a>")
                    .arg(escapeHtml(address(m_pages.at(target).name)), escapeHtml(caption));
            if (n.state == NodeState::Outside || n.state == NodeState::Expanded)
                return missingText(course, caption, t.outside);
            return missingText(course, caption, t.missing);
        }
        const course::ItemKind kind = course::itemKind(n.reference);
        const QString fileName =
            kind == course::ItemKind::Picture ? n.reference : course::splitTarget(n.reference).fileName;
        if (kind == course::ItemKind::Shell && isAddress(fileName))
            return QStringLiteral("<a href=\"%1\" class=\"external\" target=\"_blank\" rel=\"noopener\">%2</a>")
                .arg(escapeHtml(safeLinkTarget(fileName)), escapeHtml(caption));
        if (!course::staysInsideCourse(fileName)) {
            problem(course, node, QStringLiteral("leaves the course folder: not exported"));
            return missingText(course, caption, t.outside);
        }
        const QString path = course.found.existingFile(paths::join(course.folder, paths::fromCourse(fileName)));
        if (path.isEmpty()) {
            problem(course, node, QStringLiteral("missing"));
            return missingText(course, caption, t.missing);
        }
        if (!insideCourse(course, path)) {
            problem(course, node, QStringLiteral("leaves the course folder: not exported"));
            return missingText(course, caption, t.outside);
        }
        if (kind == course::ItemKind::Demonstration || programFile(QFileInfo(path)))
            return QStringLiteral("<span class=\"desktop\">%1 – %2</span>")
                .arg(escapeHtml(caption), escapeHtml(t.needsPlayer));
        const QString name = asset(course, path, fileName, page);
        if (name.isEmpty()) {
            if (!m_result.error.isEmpty())
                return QString();
            problem(course, node, QStringLiteral("cannot be read"));
            return missingText(course, caption, t.missing);
        }
        return QStringLiteral("<a href=\"%1\">%2</a>").arg(escapeHtml(address(name)), escapeHtml(caption));
    }

    QString head(const QString &title, const QString &extraStyle) const
    {
        QString out = QStringLiteral("<!DOCTYPE html>\n<html lang=\"sk\">\n<head>\n<meta charset=\"utf-8\">\n"
                                     "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                                     "<title>%1</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n"
                                     "<link rel=\"icon\" href=\"favicon.svg\" type=\"image/svg+xml\">\n")
                          .arg(escapeHtml(title));
        if (!extraStyle.isEmpty())
            out += QStringLiteral("<style>%1</style>\n").arg(extraStyle);
        return out + QStringLiteral("</head>\n");
    }

    QString searchForm(const Texts &t) const
    {
        return QStringLiteral("<form class=\"search\" action=\"search.html\" method=\"get\" role=\"search\">"
                              "<input type=\"search\" name=\"q\" aria-label=\"%1\" placeholder=\"%1\">"
                              "<button type=\"submit\">%2</button></form>\n")
            .arg(escapeHtml(t.search), escapeHtml(t.searchButton));
    }

    QString siteTitle() const { return m_programMode ? m_programTitle : m_courses.front()->name; }

    QString style(Course &course, const course::ContentFile &file, Page &page)
    {
        QString out;
        if (!course.texts.titleColour.isEmpty() && course.texts.titleColour != QLatin1String("#000000"))
            out += QStringLiteral("h1{color:%1}").arg(course.texts.titleColour);
        // The background the screen names, else the course's "POZADIE.BMP".
        QString picture;
        const QString named = file.backgroundName.trimmed();
        if (!named.isEmpty() && course::staysInsideCourse(named))
            picture = course.found.existingFile(paths::join(course.folder, paths::fromCourse(named)));
        QString reference = named;
        if (picture.isEmpty()) {
            reference = QStringLiteral("POZADIE.BMP");
            picture = course.found.existingFile(paths::join(course.folder, reference));
        }
        if (!picture.isEmpty() && insideCourse(course, picture)) {
            const QString name = asset(course, picture, reference, page);
            if (!name.isEmpty())
                out += QStringLiteral("body{background-image:url(\"%1\")}").arg(address(name));
        }
        return out;
    }

    // The lesson text: the formatted text when it is rich text, else the text block.
    QString lesson(Course &course, const QString &contentPath, const course::ContentFile &file, Page &page,
                   QString &plain)
    {
        const QString formatted = course.found.existingFile(
            paths::join(QFileInfo(contentPath).path(), course::formattedTextName(QFileInfo(contentPath).fileName())));
        if (!formatted.isEmpty() && !insideCourse(course, formatted)) {
            // A formatted text linked from outside the course: neither shown nor indexed,
            // reported once however many screens it belongs to.
            if (!m_outsideTexts.contains(formatted))
                m_result.problems.append(
                    QStringLiteral("%1: %2: the formatted text leaves the course folder: not exported")
                        .arg(course.name, QDir(course.folder).relativeFilePath(formatted)));
            m_outsideTexts.insert(formatted);
        } else if (!formatted.isEmpty()) {
            // Read as the player reads it: a pipe, a device or a file past the limit gives
            // no text rather than holding the export.
            QByteArray bytes;
            try {
                bytes = textfile::readBytesAt(formatted);
            } catch (const Error &) {}
            if (rtf::isRichText(bytes)) {
                QTextDocument doc;
                rtf::read(bytes, doc);
                bytes.clear();
                plain = doc.toPlainText();
                int pictures = 0;
                const QString stem = QFileInfo(page.name).completeBaseName();
                // The pictures' text alternative: the screen's caption, else the lesson file's name.
                QString pictureText = shown(course.tree.node(page.node).caption).trimmed();
                if (pictureText.isEmpty())
                    pictureText = QFileInfo(formatted).fileName();
                return lessonHtml(
                    doc,
                    [&](const LessonPicture &picture) {
                        const QString name =
                            m_names.unique(course.filesFolder + QStringLiteral("lekcie/"),
                                           stem + u'-' + QString::number(++pictures), picture.extension);
                        if (!put(name, picture.bytes, false))
                            return QString();
                        page.assets.append(name);
                        return name;
                    },
                    pictureText);
            }
        }
        plain = file.paragraphs.join(u'\n');
        QString out;
        for (const QString &paragraph : file.paragraphs)
            out += paragraph.isEmpty() ? QStringLiteral("<p><br></p>\n")
                                       : QStringLiteral("<p>%1</p>\n").arg(escapeHtml(paragraph));
        return out;
    }

    bool writePage(int p)
    {
        Page &page = m_pages[p];
        Course &course = *m_courses[page.course];
        const course::CourseTree &t = course.tree;
        const Texts &texts = course.texts;
        const course::ContentFile &file = course.files.at(page.visit);
        const QString contentPath = t.visits().at(page.visit).path;

        QString plain;
        const QString lessonText = lesson(course, contentPath, file, page, plain);
        if (!m_result.error.isEmpty())
            return false;
        QString buttons;
        for (const int child : course.children.at(page.node)) {
            if (t.node(child).caption.isEmpty())
                continue; // an invisible button
            buttons += QStringLiteral("<li>") + itemHtml(course, child, page) + QStringLiteral("</li>\n");
            if (!m_result.error.isEmpty())
                return false;
        }
        QString links;
        for (const QString &link : course::walkStoredLines(file.storedLines).links) {
            const QString target = safeLinkTarget(link);
            links += target.isEmpty()
                ? QStringLiteral("<li>%1</li>\n").arg(escapeHtml(link))
                : QStringLiteral(
                      "<li><a href=\"%1\" class=\"external\" target=\"_blank\" rel=\"noopener\">%2</a></li>\n")
                      .arg(escapeHtml(target), escapeHtml(link));
        }

        // Neighbours in course order and the screen above.
        const int at = int(course.pages.indexOf(p));
        const int previous = at > 0 ? course.pages.at(at - 1) : -1;
        const int next = at + 1 < course.pages.size() ? course.pages.at(at + 1) : -1;
        int up = -1;
        for (int n = t.node(page.node).parent; n >= 0 && up < 0; n = t.node(n).parent)
            up = pageOf(course, n);

        QString html = head(page.captionPath, style(course, file, page));
        if (!m_result.error.isEmpty())
            return false;
        html += QStringLiteral("<body data-page=\"%1\">\n<header>\n<a class=\"course\" href=\"index.html\">%2</a>\n")
                    .arg(escapeHtml(page.name), escapeHtml(m_programMode ? siteTitle() : course.name));
        html += searchForm(texts) + QStringLiteral("</header>\n<nav class=\"steps\">\n");
        html += up >= 0 ? QStringLiteral("<a rel=\"up\" href=\"%1\">%2</a>\n")
                              .arg(escapeHtml(address(m_pages.at(up).name)), escapeHtml(texts.back))
                        : QStringLiteral("<a rel=\"up\" href=\"index.html\">%1</a>\n").arg(escapeHtml(texts.back));
        if (previous >= 0)
            html += QStringLiteral("<a rel=\"prev\" href=\"%1\">« %2</a>\n")
                        .arg(escapeHtml(address(m_pages.at(previous).name)), escapeHtml(texts.previous));
        if (next >= 0)
            html += QStringLiteral("<a rel=\"next\" href=\"%1\">%2 »</a>\n")
                        .arg(escapeHtml(address(m_pages.at(next).name)), escapeHtml(texts.next));
        html += QStringLiteral("</nav>\n<main>\n<h1>%1</h1>\n").arg(escapeHtml(page.captionPath));
        if (!lessonText.isEmpty())
            html += QStringLiteral("<div class=\"lesson\">\n") + lessonText + QStringLiteral("</div>\n");
        if (!buttons.isEmpty())
            html += QStringLiteral("<ul class=\"buttons\">\n") + buttons + QStringLiteral("</ul>\n");
        if (!links.isEmpty())
            html += QStringLiteral("<h2>%1</h2>\n<ul class=\"links\">\n").arg(escapeHtml(texts.links)) + links
                + QStringLiteral("</ul>\n");
        html += QStringLiteral("</main>\n<script src=\"lumora.js\"></script>\n</body>\n</html>\n");
        if (!put(page.name, html.toUtf8(), true))
            return false;

        // The search index entry: the caption and the texts, folded.
        QJsonObject entry;
        entry.insert(QStringLiteral("u"), address(page.name));
        entry.insert(QStringLiteral("t"), page.captionPath);
        entry.insert(QStringLiteral("c"), textfold::fold(shown(t.node(page.node).caption)));
        entry.insert(QStringLiteral("b"), textfold::fold(plain));
        entry.insert(QStringLiteral("x"), plain.simplified()); // for the text around a match
        m_index.append(entry);
        return true;
    }

    // The table of contents of one course below its top screen: its tree, screens and
    // items as the pages link them. A course of more than a few hundred screens opens
    // chapter by chapter (each screen with listed items below it folds them away).
    QString contents(Course &course)
    {
        Page scratch; // items listed here are on their pages already
        const bool chapters = course.pages.size() > ChapterTocAbove;
        const QString below = contentsBelow(course, 0, chapters, scratch);
        return below.isEmpty() ? QString() : QStringLiteral("\n<ul>\n") + below + QStringLiteral("</ul>\n");
    }

    QString contentsBelow(Course &course, int node, bool chapters, Page &scratch)
    {
        QString out;
        for (const int child : course.children.at(node)) {
            const course::CourseNode &n = course.tree.node(child);
            if (n.caption.isEmpty())
                continue; // an invisible button: its subtree is not listed either
            const QString item = tocItem(course, child, scratch);
            if (!m_result.error.isEmpty())
                return QString();
            const QString below = contentsBelow(course, child, chapters, scratch);
            if (below.isEmpty())
                out += QStringLiteral("<li>") + item + QStringLiteral("</li>\n");
            else if (chapters)
                out +=
                    QStringLiteral("<li><details><summary>%1</summary>\n<ul>\n<li>").arg(escapeHtml(shown(n.caption)))
                    + item + QStringLiteral("</li>\n") + below + QStringLiteral("</ul>\n</details></li>\n");
            else
                out += QStringLiteral("<li>") + item + QStringLiteral("\n<ul>\n") + below
                    + QStringLiteral("</ul>\n</li>\n");
        }
        return out;
    }

    QString tocItem(Course &course, int node, Page &scratch)
    {
        const course::CourseNode &n = course.tree.node(node);
        if (n.state == NodeState::Item) {
            // Reported on the screen's page already.
            const QStringList before = m_result.problems;
            const QString html = itemHtml(course, node, scratch);
            m_result.problems = before;
            return html;
        }
        const int target = pageOf(course, node);
        if (target >= 0)
            return QStringLiteral("<a href=\"%1\">%2</a>")
                .arg(escapeHtml(address(m_pages.at(target).name)), escapeHtml(shown(n.caption)));
        return missingText(course, shown(n.caption),
                           n.state == NodeState::Outside || n.state == NodeState::Expanded ? course.texts.outside
                                                                                           : course.texts.missing);
    }

    // The course's list of screens: its top screen, then its contents.
    QString courseList(Course &course)
    {
        const int top = course.pages.isEmpty() ? -1 : course.pages.first();
        QString out = QStringLiteral("<ul>\n<li>");
        out += top >= 0 ? QStringLiteral("<a href=\"%1\">%2</a>")
                              .arg(escapeHtml(address(m_pages.at(top).name)), escapeHtml(course.name))
                        : escapeHtml(course.name);
        out += contents(course);
        return out + QStringLiteral("</li>\n</ul>\n");
    }

    // The label of a course's table of contents: "Obsah", and the course's name when
    // several courses are listed on one page.
    QString contentsLabel(const Course &course) const
    {
        return m_programMode ? course.texts.contents + QStringLiteral(": ") + course.name : course.texts.contents;
    }

    bool writeCommon()
    {
        const Texts &texts = m_courses.front()->texts;
        QString body;
        for (auto &course : m_courses) {
            const int top = course->pages.isEmpty() ? -1 : course->pages.first();
            if (m_programMode)
                body += QStringLiteral("<section class=\"course\">\n<h2>%1</h2>\n").arg(escapeHtml(course->name));
            if (top >= 0)
                body += QStringLiteral("<p class=\"start\"><a href=\"%1\">%2</a></p>\n")
                            .arg(escapeHtml(address(m_pages.at(top).name)), escapeHtml(course->texts.start));
            body +=
                QStringLiteral("<nav class=\"contents\" aria-label=\"%1\">\n").arg(escapeHtml(contentsLabel(*course)));
            body += courseList(*course);
            if (!m_result.error.isEmpty())
                return false;
            body += QStringLiteral("</nav>\n");
            if (m_programMode)
                body += QStringLiteral("</section>\n");
        }
        QString index = head(siteTitle(), QString());
        index += QStringLiteral("<body data-page=\"index.html\">\n<header>\n") + searchForm(texts)
            + QStringLiteral("</header>\n<main>\n<h1>%1</h1>\n").arg(escapeHtml(siteTitle()));
        index += body + QStringLiteral("</main>\n<script src=\"lumora.js\"></script>\n</body>\n</html>\n");
        if (!put(QStringLiteral("index.html"), index.toUtf8(), true))
            return false;

        QString search = head(texts.search + QStringLiteral(" – ") + siteTitle(), QString());
        search += QStringLiteral(
                      "<body data-page=\"search.html\">\n<header>\n<a class=\"course\" href=\"index.html\">%1</a>\n")
                      .arg(escapeHtml(siteTitle()))
            + searchForm(texts) + QStringLiteral("</header>\n<main>\n<h1>%1</h1>\n").arg(escapeHtml(texts.search));
        search += QStringLiteral("<noscript><p>%1</p></noscript>\n").arg(escapeHtml(texts.needsScript));
        search +=
            QStringLiteral("<p id=\"summary\" data-none=\"%1\" data-found=\"%2\"></p>\n<ol id=\"results\"></ol>\n")
                .arg(escapeHtml(texts.noResults), escapeHtml(texts.results));
        search += QStringLiteral("</main>\n<script src=\"search-index.js\"></script>\n<script "
                                 "src=\"lumora.js\"></script>\n</body>\n</html>\n");
        if (!put(QStringLiteral("search.html"), search.toUtf8(), true))
            return false;

        const QByteArray json = QJsonDocument(m_index).toJson(QJsonDocument::Compact);
        if (!put(QStringLiteral("search-index.js"), QByteArray("window.lumoraIndex = ") + json + ";\n", true))
            return false;
        return put(QStringLiteral("style.css"), resourceBytes(QStringLiteral("style.css")), true)
            && put(QStringLiteral("lumora.js"), resourceBytes(QStringLiteral("lumora.js")), true)
            && put(QStringLiteral("favicon.svg"), resourceBytes(QStringLiteral("favicon.svg")), true);
    }

    // A course's launcher, the page an LMS launches for it: the course's table of
    // contents as a side list the learner opens, the screens in a frame, and the
    // course's page list for the script that talks to the LMS.
    bool writeLauncher(Course &course)
    {
        QJsonArray pages;
        for (const int p : course.pages)
            pages.append(address(m_pages.at(p).name));
        QJsonObject data;
        data.insert(QStringLiteral("version"),
                    m_request.format == Format::Scorm2004 ? QStringLiteral("2004") : QStringLiteral("1.2"));
        data.insert(QStringLiteral("pages"), pages);
        QString html = head(course.name, QString());
        // Links of the side list open in the frame.
        html.insert(html.lastIndexOf(QStringLiteral("</head>")), QStringLiteral("<base target=\"screen\">\n"));
        // Without scripts the course opens as a site.
        html += QStringLiteral("<body class=\"launcher\">\n<noscript><p><a href=\"index.html\" "
                               "target=\"_self\">%1</a></p></noscript>\n<div class=\"bar\"><button type=\"button\" "
                               "id=\"toc-toggle\" aria-expanded=\"false\" aria-controls=\"toc\">%2</button></div>\n"
                               "<div class=\"frames\">\n<nav id=\"toc\" aria-label=\"%3\" hidden>\n")
                    .arg(escapeHtml(course.name), escapeHtml(course.texts.contents),
                         escapeHtml(course.texts.contents + QStringLiteral(": ") + course.name));
        html += courseList(course);
        if (!m_result.error.isEmpty())
            return false;
        html += QStringLiteral("</nav>\n<iframe id=\"screen\" name=\"screen\" title=\"%1\"></iframe>\n</div>\n")
                    .arg(escapeHtml(course.name));
        html += QStringLiteral("<script>window.lumoraCourse = ")
            + QString::fromUtf8(QJsonDocument(data).toJson(QJsonDocument::Compact))
            + QStringLiteral(";</script>\n<script src=\"lumora.js\"></script>\n</body>\n</html>\n");
        return put(course.launcher, html.toUtf8(), true);
    }

    bool writeScorm()
    {
        const ScormEdition edition =
            m_request.format == Format::Scorm2004 ? ScormEdition::Scorm2004 : ScormEdition::Scorm12;
        const auto schemas = scormSchemas(edition);
        Manifest manifest;
        manifest.edition = edition;
        manifest.title = siteTitle();
        manifest.identifier =
            QStringLiteral("LUMORA-")
            + QString::fromLatin1(
                QCryptographicHash::hash(siteTitle().toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
        // One SCO a course: its launcher, its pages and the files they use; the files
        // every course shares form one asset resource.
        QSet<QString> ofCourses;
        for (int c = 0; c < int(m_courses.size()); ++c) {
            Course &course = *m_courses[c];
            if (course.pages.isEmpty())
                continue;
            if (!writeLauncher(course))
                return false;
            ManifestResource r;
            r.identifier = QStringLiteral("COURSE-%1").arg(c + 1);
            r.href = course.launcher;
            r.sco = true;
            r.files.append(course.launcher);
            for (const int p : course.pages) {
                r.files.append(m_pages.at(p).name);
                for (const QString &a : m_pages.at(p).assets) {
                    if (!r.files.contains(a))
                        r.files.append(a);
                }
            }
            for (const QString &file : std::as_const(r.files))
                ofCourses.insert(file);
            r.dependencies.append(QStringLiteral("SHARED"));
            manifest.items.append({course.name, r.identifier});
            manifest.resources.append(r);
        }
        ManifestResource shared;
        shared.identifier = QStringLiteral("SHARED");
        for (const QString &name : std::as_const(m_result.written)) {
            if (!ofCourses.contains(name))
                shared.files.append(name);
        }
        for (const auto &schema : schemas)
            shared.files.append(schema.first);
        manifest.resources.append(shared);
        if (!put(QStringLiteral("imsmanifest.xml"), manifestXml(manifest), true))
            return false;
        for (const auto &schema : schemas) {
            if (!put(schema.first, schema.second, true))
                return false;
        }
        return true;
    }
    const ExportRequest &m_request;
    ExportResult m_result;
    std::vector<std::unique_ptr<Course>> m_courses;
    QList<Page> m_pages;
    QHash<QString, int> m_pageByPath;
    QHash<QString, QString> m_assets;      // real path -> site name ("" when it cannot be read)
    QHash<QString, QString> m_realFolders; // folder -> its real path
    QSet<QString> m_outsideTexts;          // formatted texts found outside, reported
    SiteNames m_names;
    QJsonArray m_index;
    std::unique_ptr<SiteOutput> m_output;
    bool m_programMode = false;
    QString m_programTitle;
};

} // namespace

bool folderAcceptsSite(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return true;
    if (!info.isDir())
        return false;
    const QDir dir(folder);
    if (dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return true;
    return holdsEarlierSite(folder);
}

ExportResult exportSite(const ExportRequest &request)
{
    return Exporter(request).run();
}

} // namespace lumora::exporting
