#pragma once
// Pictures in rich text ("{\pict ...}" groups). A picture is kept as the bytes of its
// whole group, so that writing it back gives the file's picture unchanged; PNG and JPEG
// pictures are shown at their size, every other kind (metafiles, device-independent
// bitmaps, ...) as a grey placeholder of its size.
#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QTextImageFormat>

class QTextDocument;

namespace lumora::rtf {

// The property of an image format that holds the picture's group as the file had it.
inline constexpr int PictureGroupProperty = QTextFormat::UserProperty + 0x52;

// Hidden text (\v) stands in the document as an object of this type, which no layout
// draws and which takes no room; the text is its HiddenTextProperty.
inline constexpr int HiddenTextObject = QTextFormat::UserObject + 0x52;
inline constexpr int HiddenTextProperty = QTextFormat::UserProperty + 0x53;

struct PictureData {
    enum class Kind { Png, Jpeg, Other };
    Kind kind = Kind::Other;
    QByteArray data;   // the picture's bytes, from hex digits or \bin data
    int goalWidth = 0; // twips (\picwgoal); 0 when not given
    int goalHeight = 0;
    int scaleX = 100; // percent (\picscalex)
    int scaleY = 100;
    QByteArray kindWord; // the control word naming the kind ("pngblip", "wmetafile8")
};

// Reads a "{\pict ...}" group (from its opening brace to its closing one).
PictureData parsePicture(QByteArrayView group);

// The image format that shows the picture in doc (its image added to doc's resources)
// and carries the group for writing back. A group that is not whole (left unclosed by
// the input, or holding more than the picture) is carried as a group made from what
// the picture held (kind, sizes, data).
QTextImageFormat pictureFormat(QByteArrayView group, bool whole, QTextDocument &doc);

// An image shown at width x height pixels, added to doc's resources.
QTextImageFormat imageFormat(const QImage &image, double width, double height, QTextDocument &doc);
// A grey placeholder of that size (kept within the sizes shown).
QTextImageFormat placeholderFormat(double width, double height, QTextDocument &doc);

// The group a picture without one (pasted, made by the program) is written as: a PNG
// of image, shown at width x height pixels.
QByteArray pngPictureGroup(const QImage &image, double width, double height);

} // namespace lumora::rtf
