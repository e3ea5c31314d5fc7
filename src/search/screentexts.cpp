#include "search/screentexts.h"

#include "platform/errors.h"
#include "platform/textfile.h"
#include "course/workfiles.h"
#include "platform/textfold.h"
#include "rtf/rtfplainlines.h"
#include "rtf/rtfreader.h"

#include <QFileInfo>
#include <QMutexLocker>
#include <QTextDocument>

namespace lumora::search {

namespace {

// The lines of a learner's file; what cannot be read (a file too large for the notes
// window, a folder, a file that vanished) counts as no lines.
QStringList readLinesOrNone(const QString &path)
{
    if (path.isEmpty())
        return {};
    try {
        return course::readWorkFile(path);
    } catch (const Error &) {
        return {};
    }
}

} // namespace

QString formattedPlainText(QByteArrayView bytes)
{
    if (!rtf::isRichText(bytes))
        return QString();
    QTextDocument doc;
    rtf::read(bytes, doc);
    return rtf::plainLines(doc).join(u'\n');
}

FormattedTextCache::Text FormattedTextCache::text(const QString &path)
{
    const QString found = path;
    const QFileInfo info(found);
    if (!info.isFile())
        return {};
    const QDateTime modified = info.lastModified();
    const qint64 bytes = info.size();
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_entries.constFind(found);
        if (it != m_entries.cend() && it->modified == modified && it->bytes == bytes)
            return it->text;
    }
    Text text;
    try {
        text.plain = formattedPlainText(textfile::readBytes(found));
    } catch (const Error &) {
        return {}; // unreadable now; tried again next time
    }
    text.folded = textfold::fold(text.plain);
    QMutexLocker lock(&m_mutex);
    m_entries.insert(found, {modified, bytes, text});
    return text;
}

int FormattedTextCache::size() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_entries.size());
}

ScreenText readScreen(const ScreenSource &source, FormattedTextCache &cache)
{
    ScreenText screen;
    for (const Place &place : source.places)
        screen.places.append(place);
    screen.reference = source.reference;

    const auto add = [&screen](const QString &text, const QString &folded) { appendField(screen, text, folded); };
    const QString block = source.paragraphs.join(u'\n');
    const QString foldedBlock = textfold::fold(block);
    const FormattedTextCache::Text formatted =
        source.formattedPath.isEmpty() ? FormattedTextCache::Text{} : cache.text(source.formattedPath);
    // The formatted file is the rich copy of the block: the same text is searched once.
    if (foldedBlock != formatted.folded)
        add(block, foldedBlock);
    add(formatted.plain, formatted.folded);
    const QString note = readLinesOrNone(source.notesPath).join(u'\n');
    add(note, textfold::fold(note));
    QStringList links = readLinesOrNone(source.linksPath);
    links.removeAll(QString());
    const QString linkText = links.join(u'\n');
    add(linkText, textfold::fold(linkText));
    return screen;
}

} // namespace lumora::search
