#pragma once
// What the message boxes need from the text table, handed down to them: a text looked up
// by key with its default, and the switch that lookup left telling whether the message
// is shown (a "0" flag on the entry silences it).
#include <QString>

namespace lumora {

class TextLookup {
public:
    virtual QString ConfigText(const QString &key, const QString &defaultText = QString()) = 0;
    // The switch of the last lookup.
    virtual bool showPrompt() const = 0;

protected:
    ~TextLookup() = default;
};

} // namespace lumora
