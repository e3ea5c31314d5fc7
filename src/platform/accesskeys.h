#pragma once
// Access keys of menu captions: each entry has a fixed letter, marked with "&" in its
// built-in caption. A caption that carries its own "&" keeps it.
#include <QString>

namespace lumora::accesskeys {

// The caption with "&" before the letter that builtIn marks: at the first word that
// begins with it, else at its first occurrence (either case). A caption that already
// holds "&", or lacks the letter, is returned unchanged.
QString withAccessKey(const QString &caption, const QString &builtIn);

// The caption as it is shown: each access-key marker "&" removed, "&&" as one "&".
QString withoutAccessKey(const QString &caption);

} // namespace lumora::accesskeys
