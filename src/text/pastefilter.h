#pragma once
// What the lesson pane takes from the clipboard: exactly what its formatted file can
// keep. Rich text is read as the file reader reads it; other formatted content (web
// pages, pictures) is put into a document, written as rich text and read back, so that
// anything the writer does not carry is gone before the author sees it.
#include <QByteArray>

class QMimeData;

namespace lumora::memo {

// The clipboard content as rich text, ready to be inserted; empty when it holds only
// plain text (or nothing the pane takes).
QByteArray pastedRichText(const QMimeData &data);

} // namespace lumora::memo
