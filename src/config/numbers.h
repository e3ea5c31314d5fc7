#pragma once
// Strict decimal integer conversion of settings: an optional sign and digits only.
#include <QString>

namespace lumora::config {

// Throws ConvertError ("'%s' is not a valid integer value") for anything else,
// and for values outside the 32-bit range.
int toInteger(const QString &text);

// Whether text is non-empty and made of decimal digits only.
bool allDigits(const QString &text);

} // namespace lumora::config
