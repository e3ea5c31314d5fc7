#include "text/lessoneditor.h"

#include "platform/filelock.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/safefile.h"
#include "platform/textfile.h"
#include "rtf/rtfplainlines.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "course/contentfilenames.h"
#include "state/coursepaths.h"
#include "text/formattedfile.h"
#include "text/lessoneditorblocks.h"

#include <QTextCursor>
#include <QTextDocument>

#include <optional>

namespace lumora::lessoneditor {

namespace {

// The formatted text's bytes, or none when there is no such file.
QByteArray formattedBytes(const QString &path)
{
    return paths::fileExists(path) ? textfile::readBytes(path) : QByteArray();
}

} // namespace

Files filesFor(const QString &programDir, const QString &folder, const QString &contentName)
{
    const QString dir = paths::resolve(state::levelFolderPath(programDir, folder));
    const auto beside = [&dir](const QString &name) { return paths::resolve(paths::join(dir, name)); };
    return {beside(contentName), beside(course::formattedTextName(contentName)),
            beside(course::backupName(contentName))};
}

Opened open(const Files &files, QTextDocument &preview)
{
    Opened opened;
    if (!paths::fileExists(files.content)) {
        opened.contentExisted = false;
        textfile::writeBytes(files.content, QByteArray());
    }
    opened.contentBytes = textfile::readBytes(files.content);
    opened.lines = textfile::decodeLines(opened.contentBytes, textfile::detect(opened.contentBytes));
    opened.formattedBytes = formattedBytes(files.formatted);
    preview.clear();
    opened.formatted = formattedfile::loadIfRich(files.formatted, preview);
    if (opened.formatted == Formatted::Rich)
        opened.lines = linesOutsideBlocks(opened.lines);
    return opened;
}

QStringList plainCopy(const QTextDocument &doc)
{
    return doc.isEmpty() ? QStringList() : rtf::plainLines(doc);
}

void appendParagraphs(QTextDocument &doc, const QStringList &text)
{
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    bool intoEmpty = doc.isEmpty();
    for (const QString &line : text) {
        if (!intoEmpty)
            cursor.insertBlock();
        intoEmpty = false;
        cursor.insertText(line);
    }
}

SaveResult save(const Files &files, const Opened &opened, const QStringList &editorLines, QTextDocument &buffer,
                bool overwrite)
{
    const bool contentExisted = opened.contentExisted;
    // The content file is moved aside only when no other copy of the program holds it
    // and it is still there; otherwise nothing is touched.
    const bool present = paths::fileExists(files.content);
    if (contentExisted && !present)
        return SaveResult::Busy;
    const FileLock lock(files.content);
    if (present && !lock.locked())
        return SaveResult::Busy;

    // No file of the three is written when one of them is a link out of the course
    // folder: the backup would otherwise be written before the refusal.
    for (const QString &path : {files.backup, files.formatted, files.content}) {
        if (fileops::writableTarget(path).isEmpty())
            throw LinkOutsideError(path);
    }

    // Everything is read and built before the first file is written.
    QByteArray previous;
    if (present)
        previous = textfile::readBytes(files.content);
    if (!overwrite && (previous != opened.contentBytes || formattedBytes(files.formatted) != opened.formattedBytes))
        return SaveResult::Changed;
    buffer.clear();
    const Formatted formatted = formattedfile::loadIfRich(files.formatted, buffer);
    std::optional<QStringList> plain;
    if (formatted == Formatted::Rich) {
        // The editor opened without the old block, so every block in it is new text.
        appendParagraphs(buffer, blockTexts(editorLines));
        plain = plainCopy(buffer);
    }
    const QStringList lines = contentLines(editorLines, plain);

    if (contentExisted)
        textfile::writeBytes(files.backup, previous);
    if (formatted == Formatted::Rich)
        formattedfile::save(files.formatted, buffer);
    // A file that came as UTF-8 is written back as UTF-8; a new one is Windows-1250.
    textfile::writeLines(files.content, lines,
                         contentExisted ? textfile::detect(previous) : textfile::Encoding::Windows1250);
    return SaveResult::Saved;
}

} // namespace lumora::lessoneditor
