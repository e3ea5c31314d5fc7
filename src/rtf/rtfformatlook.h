#pragma once
// The part of a document's formats that rich text carries: for characters the font
// face, size, bold, italic, underline, strike-out and colour as they show (properties a
// format leaves unset come from the document's default font); for paragraphs the
// alignment, indents and tab stops in twips.
#include "rtf/rtfstate.h"

#include <QFont>
#include <QRgb>
#include <QString>
#include <QTextFormat>

namespace lumora::rtf {

struct CharLook {
    QString family;
    int halfPoints = DefaultHalfPoints;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hasColor = false;
    QRgb color = 0;
    bool caps = false;
    VerticalPlace vertical = VerticalPlace::Normal;
    bool hasBackground = false;
    QRgb background = 0;
    QString href; // a link's target; empty outside links
};

CharLook charLook(const QTextCharFormat &format, const QFont &defaults);

// indentWidth: the document's width of one indent level, in pixels.
ParaState paraLook(const QTextBlockFormat &format, qreal indentWidth);

} // namespace lumora::rtf
