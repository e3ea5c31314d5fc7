#pragma once
// Saving and reloading a screen's lesson text. The text is stored twice beside each
// other: as the text block of the content file (plain, the fallback) and as the
// formatted text file (what the pane shows whenever it exists).
#include "platform/replacefiles.h"

#include <QString>
#include <QStringList>

class QTextDocument;

namespace lumora {

class FileLock;

namespace memo {

// The formatted text file of a content file, in the content file's folder: the content
// file's name up to and including its first "." followed by "rtf".
QString formattedTextPath(const QString &contentPath);

// The pane's paragraphs as the text block holds them: one line per paragraph (a line
// break inside a paragraph starts a new one); none for an empty pane.
QStringList paneParagraphs(const QTextDocument &pane);

} // namespace memo

// Saves the pane's text: the text block of the content file becomes the pane's
// paragraphs (see memo::replaceTextBlock; an empty pane removes the block) and the
// formatted text file beside it gets the pane's rich text, characters outside the
// code page included (the block has "?" for them).
//
// A formatted file that is not rich text (empty, plain text) is moved aside to its
// ".old" name (formattedfile::asideName), replacing an older one.
//
// Both files are written completely before either is replaced, and each is replaced by
// renaming over it, so a failure at any point leaves the old content file and the old
// formatted file in place. The content file is locked against other copies of the
// program while the save runs: pass the lock taken by memo::writeCheck when editing
// began, or nullptr to have the save take its own.
//
// Throws IoError when the content file cannot be read (2 when it is missing) or when
// another copy of the program holds it (32), FileCreateError or IoError when writing
// fails. steps is for tests that simulate failures.
void UlozMemo(const QTextDocument &pane, const QString &contentPath, const FileLock *held = nullptr,
              const fileops::ReplaceSteps &steps = {});

// Refills the pane: from the formatted text file when it exists and is rich text,
// otherwise with the paragraphs of the content file's text blocks, exactly as the
// screen shows them. The pane is cleared first. The reload is not recorded in the
// pane's undo history. Throws IoError when neither file can be read.
void ObnovMemo(QTextDocument &pane, const QString &contentPath);

} // namespace lumora
