#pragma once
// A lesson's formatted text as clean HTML, written from the document the lesson pane
// shows (the project's rich-text reader fills it): paragraphs and headings with their
// alignment, bold, italic, underline, strike-out, sub- and superscript, text and
// highlight colours, line breaks, lists with their numbering, tables with their spans,
// links and pictures. Fonts, sizes and margins are left to the site's style sheet.
//
// Only web and mail addresses become links (http, https, ftp, mailto); any other
// target (a local file, a script) stays plain text. Pictures are handed to the caller,
// which stores them as files and says under what name the page reaches them.
#include <QByteArray>
#include <QString>

#include <functional>

class QTextDocument;

namespace lumora::exporting {

// Escapes text for HTML element content and attribute values.
QString escapeHtml(QStringView text);

// The address as a link target when it is a web or mail address ("www." gets
// "http://"), percent-encoded, else an empty string.
QString safeLinkTarget(const QString &address);

struct LessonPicture {
    QByteArray bytes;  // PNG or JPEG
    QString extension; // "png" or "jpg"
};

// Stores a picture; returns its address relative to the page, or "" to leave it out.
using PictureSink = std::function<QString(const LessonPicture &picture)>;

// pictureText: the text alternative of the lesson's pictures.
QString lessonHtml(const QTextDocument &doc, const PictureSink &pictures, const QString &pictureText);

} // namespace lumora::exporting
