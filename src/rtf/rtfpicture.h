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

struct PictureData {
    enum class Kind { Png, Jpeg, Other };
    Kind kind = Kind::Other;
    QByteArray data;   // the picture's bytes, from hex digits or \bin data
    int goalWidth = 0; // twips (\picwgoal); 0 when not given
    int goalHeight = 0;
    int scaleX = 100;  // percent (\picscalex)
    int scaleY = 100;
};

// Reads a "{\pict ...}" group (from its opening brace to its closing one).
PictureData parsePicture(QByteArrayView group);

// The image format that shows the picture in doc (its image added to doc's resources)
// and carries the group for writing back.
QTextImageFormat pictureFormat(QByteArrayView group, QTextDocument &doc);

// The group a picture without one (pasted, made by the program) is written as: a PNG
// of image, shown at width x height pixels.
QByteArray pngPictureGroup(const QImage &image, double width, double height);

} // namespace lumora::rtf
