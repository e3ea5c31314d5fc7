#include "search/coursereading.h"

#include "course/workfiles.h"
#include "platform/paths.h"
#include "course/contentfile.h"
#include "platform/textfold.h"
#include "state/session.h"
#include "text/lessontext.h"
#include "course/coursefiles.h"
#include "course/coursewalk.h"

#include <QHash>

namespace lumora::search {

namespace {

bool cancelled(const ReadingSink &sink)
{
    return sink.cancelled && sink.cancelled();
}

} // namespace

bool readScreens(const QList<ScreenSource> &sources, FormattedTextCache &cache, const ReadingSink &sink)
{
    const int total = int(sources.size());
    std::vector<ScreenText> batch;
    const auto flush = [&] {
        if (!batch.empty() && sink.batch)
            sink.batch(std::move(batch));
        batch.clear();
    };
    if (sink.progress)
        sink.progress(0, total);
    for (int i = 0; i < total; ++i) {
        if (cancelled(sink))
            return false;
        batch.push_back(readScreen(sources[i], cache));
        if (int(batch.size()) >= std::max(sink.batchSize, 1) || i + 1 == total) {
            flush();
            if (sink.progress)
                sink.progress(i + 1, total);
        }
    }
    flush();
    return !cancelled(sink);
}

} // namespace lumora::search

namespace lumora::search {

CourseRequest courseRequest(const Session &session)
{
    const CourseState &c = session.course;
    const int level = CourseState::validLevel(c.CurrentLevel) ? c.CurrentLevel : 1;
    const QString folder = c.LevelFolder[size_t(level)];
    return {session.levelFolderPath(level), folder, c.ContentFileName, session.values.TempDir};
}

bool readCourse(const CourseRequest &request, FormattedTextCache &cache, const ReadingSink &sink)
{
    // The walk reads every content file once; the text blocks are taken from that read.
    QHash<QString, QStringList> blocks;
    course::WalkOptions options;
    options.onFileRead = [&blocks](const course::ContentFileVisit &visit, QByteArrayView,
                                   const course::ContentFile &file) { blocks.insert(visit.path, file.paragraphs); };
    const course::CourseTree tree =
        course::walkCourse(request.courseFolder, request.courseName, request.topContentFile, options);
    if (cancelled(sink))
        return false;

    QList<ScreenSource> sources;
    QHash<int, qsizetype> sourceOfVisit;
    course::CourseFiles files;
    for (int i = 0; i < tree.size(); ++i) {
        const course::CourseNode &node = tree.node(i);
        if (node.state != course::NodeState::Expanded || node.visit < 0)
            continue;
        const auto known = sourceOfVisit.constFind(node.visit);
        if (known != sourceOfVisit.cend()) {
            QList<Place> &places = sources[*known].places;
            if (places.size() < MaxPlaces)
                places.append({i, tree.captionPath(i), node.caption, textfold::fold(node.caption)});
            continue;
        }
        sourceOfVisit.insert(node.visit, sources.size());
        const QString path = tree.visits().at(node.visit).path;
        // The learner's files are named as the notes and links windows name them on the
        // screen: the course's top screen is level 2, each level below one deeper.
        // Files are found without regard to case from one listing per folder, so that
        // the thousands of names a course asks for cost one query each.
        course::ScreenRef screen;
        screen.level = node.depth + 2;
        screen.screenFile = node.reference;
        screen.levelFolder = request.courseName;
        const auto workFile = [&](course::FileKind kind) {
            const course::WorkFile file = course::workFileName(screen, kind);
            if (!file.ok())
                return QString();
            // The course's own file, else the one earlier versions kept flat.
            const QString own = files.existingFile(paths::join(request.workFolder, file.name));
            return own.isEmpty() && !file.earlier.isEmpty()
                ? files.existingFile(paths::join(request.workFolder, file.earlier))
                : own;
        };
        sources.append({{{i, tree.captionPath(i), node.caption, textfold::fold(node.caption)}},
                        node.reference,
                        path,
                        blocks.value(path),
                        files.existingFile(memo::formattedTextPath(path)),
                        workFile(course::FileKind::Notes),
                        workFile(course::FileKind::Links)});
    }
    blocks.clear();
    return readScreens(sources, cache, sink);
}

} // namespace lumora::search
