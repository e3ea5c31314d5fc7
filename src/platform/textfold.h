#pragma once
// The folded form of a text, in which searching ignores letter case and diacritics:
// each character is canonically decomposed, its combining marks are removed and the
// rest is case folded, so "Číslo", "ČÍSLO" and "cislo" all read "cislo" and "ľudské"
// reads "ludske". Every run of white space and control characters becomes one blank,
// and the folded text neither begins nor ends with one, so a phrase matches however
// its words were broken across lines.
//
// The character rules come from Qt's Unicode data (decomposition, mark categories,
// case folding); they are worked out once per character and kept in a table.
#include <QString>
#include <QStringView>

#include <vector>

namespace lumora::textfold {

QString fold(QStringView text);

// The same, and for each character of the result the index in text of the character
// it came from (the first of several characters collapsed into one blank).
QString fold(QStringView text, std::vector<qsizetype> &origins);

} // namespace lumora::textfold
