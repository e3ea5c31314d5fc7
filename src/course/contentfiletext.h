#pragma once
// Character rules shared by the content-file code. Names and extensions are compared
// on upper-case copies where only the ASCII letters change case, so a letter with a
// diacritic matches only itself and no character turns into two.
#include <QString>

namespace lumora::course {

// The text with a to z turned into A to Z and every other character kept.
QString asciiUpper(QStringView text);

// Whether the two texts are equal after asciiUpper.
bool sameIgnoringCase(QStringView a, QStringView b);

// Whether asciiUpper(text) contains asciiUpper(part).
bool containsIgnoringCase(QStringView text, QStringView part);

// The text without leading and trailing blanks and control characters (code < 32),
// so a stray tab or carriage return at a line's end never becomes part of a name.
QString trimBlanks(QStringView text);

// The name up to and including its first "." followed by extension; a name without
// a "." becomes just the extension.
QString replaceAfterFirstDot(QStringView name, QStringView extension);

} // namespace lumora::course
