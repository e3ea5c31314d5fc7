#pragma once
// The lesson text as a content file holds it: the text block, written and replaced.
//
// A block opens with a line beginning with "<" and ends as the content reader ends it:
// an opening "<" alone takes the next line with it; an opening line that ends with ">"
// is the whole block; otherwise the block runs to the first later line that begins or
// ends with ">" (a ">" alone included), or to the end of the file.
//
// The block is written as "<" alone, one line per paragraph and ">" alone, which the
// reader shows as exactly those paragraphs. A paragraph that the reader would take for
// a block end or a marker is written so that it reads back as the same text:
//   - a paragraph after the first that begins with "<" or ">" gets a "<" in front,
//     which the screen drops again (a ">" there would end the block early and turn the
//     paragraphs after it into buttons and links);
//   - a paragraph that ends with ">" gets a blank after it.
#include <QList>
#include <QStringList>

namespace lumora::memo {

// Lines first to end - 1 of a file.
struct LineSpan {
    qsizetype first = 0;
    qsizetype end = 0;
    bool operator==(const LineSpan &) const = default;
};

// A paragraph as a block line reads it back unchanged (the rules above); first tells
// whether it is the block's first paragraph.
QString blockLine(QString paragraph, bool first);

// Every text block of a content file's lines, in file order.
QList<LineSpan> textBlockSpans(const QStringList &lines);

// The texts after "//" of the link lines outside text blocks, in file order.
QStringList linkLines(const QStringList &fileLines);

// The block lines for the paragraphs, one line per paragraph however many there are
// (the block takes no room in the screen's table of buttons and links). No paragraphs
// give no block at all.
QStringList textBlockLines(const QStringList &paragraphs);

// The content file's lines with the lesson text replaced: the block of the paragraphs
// stands where the first block stood, or after the last line when there was none;
// further blocks are dropped; every other line stays as it is.
QStringList replaceTextBlock(const QStringList &fileLines, const QStringList &paragraphs);

} // namespace lumora::memo
