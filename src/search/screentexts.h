#pragma once
// Reading what the search looks through on one screen: its text block, the plain text
// of its formatted lesson file, the learner's note and own links. A file that is
// missing, unreadable or broken leaves out what could not be read; nothing else is
// lost and nothing is made up.
//
// The plain texts of the formatted files are kept while the program runs (they are the
// costly part to read) and read again only when a file's size or time changes. Notes
// and links are always read afresh. The cache may be used from several threads.
#include "search/matching.h"

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>

namespace lumora::search {

// What is known of a screen before its texts are read.
struct ScreenSource {
    QList<Place> places;    // where the course names it, first place first
    QString reference;      // the content file as the course names it
    QString contentPath;    // the content file found on disk
    QStringList paragraphs; // its text block, as the screen shows it
    QString formattedPath;  // its formatted text file; empty when there is none
    QString notesPath;      // the learner's files in the work folder; empty when there
    QString linksPath;      // is none or the name was refused
};

// The plain text of formatted lesson files, folded and as read.
class FormattedTextCache {
public:
    struct Text {
        QString plain;
        QString folded;
    };
    // The text of the formatted file at path (an existing file's name): from the cache
    // while the file's size and time are unchanged, else read (and kept). A missing
    // file or one that is not rich text gives an empty text.
    Text text(const QString &path);
    int size() const;

private:
    struct Entry {
        QDateTime modified;
        qint64 bytes = 0;
        Text text;
    };
    mutable QMutex m_mutex;
    QHash<QString, Entry> m_entries;
};

// The plain text of formatted-text bytes, paragraphs on lines of their own; empty when
// the bytes are not rich text.
QString formattedPlainText(QByteArrayView bytes);

// Reads the screen's texts and prepares it for matching.
ScreenText readScreen(const ScreenSource &source, FormattedTextCache &cache);

} // namespace lumora::search
