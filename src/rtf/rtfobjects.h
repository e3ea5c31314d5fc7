#pragma once
// Groups the reader keeps whole and writes back as they came: embedded objects
// ("{\object ...}"), shapes ("{\shp ...}": floating pictures, text boxes, drawings) and
// the two forms Word gives a picture ("{\*\shppict ...}" and "{\nonshppict ...}").
// Each stands in the document as one object character whose format carries the group;
// what the pane shows of it is the object's result picture (or a placeholder of its
// size, with the object's class as tooltip), the shape's picture, a text box's text in
// a frame, or nothing (a drawing or the second form of a picture).
#include <QByteArray>
#include <QByteArrayView>
#include <QTextCharFormat>

#include <functional>

class QTextDocument;

namespace lumora::rtf {

// The property of an object's format that holds the group as the file had it.
inline constexpr int KeptGroupProperty = QTextFormat::UserProperty + 0x54;

// A text box: an object drawn as its text in a frame. The text (paragraphs separated
// by line feeds) is its TextBoxTextProperty, its width in pixels TextBoxWidthProperty.
inline constexpr int TextBoxObject = QTextFormat::UserObject + 0x53;
inline constexpr int TextBoxTextProperty = QTextFormat::UserProperty + 0x55;
inline constexpr int TextBoxWidthProperty = QTextFormat::UserProperty + 0x56;

// Kept groups shown as nothing are objects of this type, which no layout draws.
inline constexpr int KeptHiddenObject = QTextFormat::UserObject + 0x54;

// The kinds of group kept.
// Unshown: the second form of a picture, an older drawing object ("{\*\do ...}").
enum class KeptKind { Object, Shape, ShapePicture, Unshown };

// Reads the rich text of a text box into plain paragraphs; given the box's
// "{\shptxt ...}" group, it decodes it with the document's tables.
using TextBoxReader = std::function<QString(QByteArrayView group)>;

// The format a kept group of this kind stands in the document with (pictures it shows
// are added to doc's resources). The group runs from its opening brace to its closing
// one.
QTextCharFormat keptGroupFormat(KeptKind kind, QByteArrayView group, QTextDocument &doc,
                                const TextBoxReader &readTextBox);

// Lets doc's layout draw text boxes; done once per layout. The reader does it for
// documents that have a layout (a shown one); onlyIfLaidOut leaves others alone.
void drawTextBoxes(QTextDocument &doc, bool onlyIfLaidOut = false);

} // namespace lumora::rtf
