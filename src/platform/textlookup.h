#pragma once
// What the message boxes need from the text table, handed down to them: a text looked up
// by key with its default, and the switch that lookup left telling whether the message
// is shown (a "0" flag on the entry silences it).
#include <QString>

namespace lumora {

// One entry of the text table (the entries are in config/keys.h): the key, what the
// text is used for, and the Slovak default in UTF-8 (null: empty, or computed by the caller).
struct TextKey {
    enum class Kind {
        Caption,  // a window, menu, button or label text
        Message,  // a message box's text, or part of one
        Question, // a confirmation's text
        Setting,  // a number, folder, file name or address the program reads
    };
    const char *key;
    Kind kind;
    const char *defaultText;

    QString name() const { return QString::fromLatin1(key); }
    QString defaultValue() const { return QString::fromUtf8(defaultText); }
};

// An entry whose key or default is made while the program runs (the key names a file,
// the default is a folder): made by the functions beside the table in config/keys.h,
// and by the text table's own tests.
struct BuiltTextKey {
    QString key;
    QString defaultText;
};

class TextLookup {
public:
    // The lookup of a table entry with its own default.
    QString ConfigText(const TextKey &entry) { return lookupText(entry.name(), entry.defaultValue()); }
    QString ConfigText(const BuiltTextKey &entry) { return lookupText(entry.key, entry.defaultText); }
    // The switch of the last lookup.
    virtual bool showPrompt() const = 0;

protected:
    ~TextLookup() = default;
    // The lookup itself, by the key's text; only through an entry above, so every key
    // the program reads is listed in config/keys.h.
    virtual QString lookupText(const QString &key, const QString &defaultText) = 0;
};

} // namespace lumora
