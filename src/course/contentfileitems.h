#pragma once
// What the lines of a content file mean on the screen: the kind of a line, button
// lines split into caption and target, the kind of item a target names, link texts,
// the lesson text of the text blocks, and the caption a button shows.
#include <QList>
#include <QString>
#include <QStringList>

namespace lumora::course {

// The kind of a line, from its first characters only.
enum class LineKind { Button, Link, TextBlock, Free };
LineKind lineKind(QStringView line);

// What pressing a button with a target does.
enum class ItemKind {
    Screen,        // "TXT": the content file of the next level
    Demonstration, // "SCM": played by the demonstration player
    Picture,       // "BMP": shown in the picture window
    Shell          // anything else: handed to the shell
};

// The three characters after the first "." of a target or file name (its first three
// characters when it has no "."; fewer when the name is shorter), in ASCII upper case.
// Lesson-button pictures are named after it ("SCM.BMP").
QString kindCode(QStringView name);
ItemKind itemKind(QStringView name);

// A button line "[caption]target": the caption lies between the "[" in column 1 and
// the last "]" of the line, so it may itself hold "]"; the target is the rest with
// leading and trailing blanks removed. Without any "]" the caption and the target are
// empty. A button with an empty caption stays invisible and takes no room.
struct ButtonLine {
    QString caption;
    QString target;
    bool visible() const { return !caption.isEmpty(); }
};
ButtonLine splitButtonLine(QStringView line);

// A target as the item runner uses it. Demonstrations and shell items separate the file
// name (before the first blank) from its parameters (that blank and everything after
// it); for screens and pictures the whole target is the file name.
struct TargetParts {
    QString fileName;
    QString parameters;
};
TargetParts splitTarget(QStringView target);

// The text after the "//" of a link line.
QString linkText(QStringView line);

// One lesson button of a screen.
struct ScreenButton {
    int number = 0; // 1 for the first button line, counting invisible buttons too
    int tag = 0;    // 1-based index of its line among the stored lines
    QString caption;
    QString target;
    bool visible = false;
};

// Everything a screen shows from its stored lines, in file order.
struct ScreenItems {
    QList<ScreenButton> buttons;
    QStringList links; // the entries of the web-links list
};

// Walks the stored lines (buttons and links; the lesson text is kept apart, see
// ContentFile::paragraphs) as the screen shows them.
ScreenItems walkStoredLines(const QStringList &storedLines);

// The caption a button shows when captions are trimmed to limit characters: a caption
// longer than limit, except one exactly one character longer, is cut to its first
// limit characters followed by "." and needs its full text as a tooltip. A negative
// limit counts as 0.
struct ShownCaption {
    QString text;
    bool tooltip = false;
};
ShownCaption shortenCaption(const QString &caption, int limit);

} // namespace lumora::course
