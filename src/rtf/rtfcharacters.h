#pragma once
// Characters that rich text never carries in either direction: control characters
// other than the tab, and the marks a text document uses for its own structure
// (paragraph separator, frame marks, object placeholder). Keeping them out of the
// document on reading and out of the file on writing keeps the two in step.
#include <QtGlobal>

namespace lumora::rtf {

inline bool isDroppedCharacter(char16_t c)
{
    // Ordered so that ordinary text needs two comparisons.
    if (c < 0x20)
        return c != u'\t';
    return c >= 0x2029 && (c == 0x2029 || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC);
}

} // namespace lumora::rtf
