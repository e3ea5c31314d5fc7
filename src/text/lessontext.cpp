#include "text/lessontext.h"

#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "course/contentfile.h"
#include "course/contentfileitems.h"
#include "course/contentfilenames.h"
#include "text/lessonblock.h"
#include "text/formattedfile.h"
#include "rtf/rtfplainlines.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>

#include <optional>

namespace lumora {

namespace memo {

QString formattedTextPath(const QString &contentPath)
{
    // The folder as it exists on disk, the name as the program spells it.
    const QString folder = QFileInfo(paths::resolve(contentPath)).path();
    return paths::join(folder, course::formattedTextName(paths::fileName(contentPath)));
}

QStringList paneParagraphs(const QTextDocument &pane)
{
    return pane.isEmpty() ? QStringList() : rtf::plainLines(pane);
}

} // namespace memo

namespace {

// Sharing violation in the classic numbering: another copy of the program has the file.
constexpr int FileInUse = 32;

void fillPlain(QTextDocument &pane, const QStringList &paragraphs)
{
    const bool undo = pane.isUndoRedoEnabled();
    pane.setUndoRedoEnabled(false);
    QTextCursor cursor(&pane);
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertText(paragraphs.at(i));
    }
    pane.setUndoRedoEnabled(undo);
}

} // namespace

void UlozMemo(const QTextDocument &pane, const QString &contentPath, const FileLock *held,
              const fileops::ReplaceSteps &steps)
{
    std::optional<FileLock> own;
    if (!held || !held->locked()) {
        own.emplace(contentPath);
        if (!own->locked())
            throw IoError(paths::fileExists(contentPath) ? FileInUse : 2);
    }

    // The content file is written back in the encoding it came in.
    textfile::Encoding encoding;
    const QStringList lines = textfile::readLines(contentPath, encoding);
    const QStringList saved = memo::replaceTextBlock(lines, memo::paneParagraphs(pane));
    const QString formatted = memo::formattedTextPath(contentPath);
    // The formatted file is put in place first: a kill between the two renames leaves
    // the new formatted text, which the player shows and the next save writes back into
    // the content file's block, never a new block beside an old formatted text.
    QList<fileops::NewFile> files{{formatted, rtf::write(pane)}, {contentPath, textfile::encodeLines(saved, encoding)}};
    // A formatted file that is not rich text is kept aside under its ".old" name, in the
    // same change, so nothing the author had is deleted.
    if (paths::fileExists(formatted)) {
        const QByteArray old = textfile::readBytes(formatted);
        if (!rtf::isRichText(old))
            files.prepend({formattedfile::asideName(paths::resolve(formatted)), old});
    }
    fileops::replaceFiles(files, steps);
}

void ObnovMemo(QTextDocument &pane, const QString &contentPath)
{
    pane.clear();
    if (formattedfile::loadIfRich(memo::formattedTextPath(contentPath), pane) == formattedfile::Found::Rich)
        return;
    fillPlain(pane, course::readContentFile(contentPath).paragraphs);
}

} // namespace lumora
