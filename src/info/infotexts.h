#pragma once
// The texts of the information windows: the about text and its ";" rule, the authors'
// address (kept scrambled in the program), the fixed feedback texts and the credit rows.
#include "platform/textlookup.h"

#include <QString>
#include <QStringList>

#include <array>

namespace lumora::info {

// The program's version, as "LUMORA" shows it and "--version" prints it.
QString version();

// Cuts a text at each ";" into lines: ";;" gives an empty line, the rest after the
// last ";" is the last line, and a text ending in ";" adds no empty line at the end.
QStringList splitLines(const QString &text);

// The fixed about text, ";"-separated: the product name with its version, the authors'
// notices, and last "Bližšie informácie:".
QString aboutText();

// Scrambling of the stored address: each character is mixed with a key that depends on
// its position, so the plain address appears nowhere in the program file.
QString scramble(const QString &plain);
QString unscramble(const QString &scrambled);

// The authors' e-mail address, unscrambled from its stored form.
QString authorsAddress();

// The feedback window's fixed texts.
QString feedbackText();    // product, authors and the request for mail
QString feedbackOther();   // "Prípadne na adresu:"
QString feedbackAddress(); // the other address, then the thanks

// One row of the credits window: a description and an address, each from its key.
struct CreditRow {
    const TextKey *label;
    const TextKey *address;
};
std::array<CreditRow, 5> creditRows();
// Keys of the three further description labels (empty unless configured).
std::array<const TextKey *, 3> extraCreditKeys();
// The fixed trademark notice, one line each.
QStringList trademarkNotice();

} // namespace lumora::info
