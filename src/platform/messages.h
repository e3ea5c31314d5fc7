#pragma once
// Message boxes: the four kinds of the program and the three ways the text table is used
// for them. A test hook answers boxes without showing them and records what was asked.
#include "platform/textlookup.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace lumora {
class Error;
}

namespace lumora::messages {

// The application title, which also titles the standard error box.
inline constexpr char ApplicationTitle[] = "Lumora";

enum class Kind { Warning, Error, Information, Confirmation };
enum class Buttons { Ok, YesNo, YesNoCancel, YesNoAll };
enum class Answer { Ok, Yes, No, Cancel, YesToAll, NoToAll };

// The box titles: "Upozornenie", "Chyba", "Informácia", "Potvrď".
QString title(Kind kind);

// Shows a box and waits for the answer.
Answer show(Kind kind, Buttons buttons, const QString &text, QWidget *parent = nullptr);

// A Yes/No question whose default button (the one Enter presses) is No: for questions
// that would write files.
Answer askDefaultNo(Kind kind, const QString &text, QWidget *parent = nullptr);

// A question with Yes, No and "Zrušiť", whose default button (and Escape) is "Zrušiť":
// for closing a window with unsaved typing, where Yes writes a file and No drops the
// typing, so that neither happens by a stray Enter.
Answer askOrCancel(const QString &text, QWidget *parent = nullptr);
// Whether to replace a file, one of several: "&Áno", "&Nie" (the default, also for
// Escape), "Áno &všetkým", "Nie v&šetkým".
Answer askReplace(const QString &text, QWidget *parent = nullptr);
// Warning, error or information from the text table: shown only when the lookup left
// ShowPrompt set. The suffix (for example a file name) follows the looked-up text.
void notify(TextLookup &texts, Kind kind, const TextKey &entry, const QString &suffix = QString(),
            QWidget *parent = nullptr);
void notify(TextLookup &texts, Kind kind, const BuiltTextKey &entry, const QString &suffix = QString(),
            QWidget *parent = nullptr);

// Confirmation from the text table: asked only when ShowPrompt is set, else Yes.
bool confirm(TextLookup &texts, const TextKey &entry, QWidget *parent = nullptr);

// The same, with No as the default button: for confirmations whose Yes deletes or
// replaces a file.
bool confirmDefaultNo(TextLookup &texts, const TextKey &entry, QWidget *parent = nullptr);
// The standard error box for an error the handler could not finish after; titled with
// the application title ("Lumora").
void showError(const QString &message, QWidget *parent = nullptr);
// The same for one of the program's errors: an error whose text is a text-table entry
// is shown in the table's wording, once the program has named its table.
void showError(const Error &error, QWidget *parent = nullptr);
// The text table the errors are worded from (the program's session); null forgets it.
void useTexts(TextLookup *texts);

// Test hook. While answers are queued, each box takes the next one instead of being
// shown; with autoAnswer on, unqueued boxes answer OK/Yes. Every box the hook answers
// is recorded.
struct Record {
    QString title;
    QString text;
    Buttons buttons;
    bool defaultNo = false;
};
namespace hook {
void queue(Answer answer);
void setAutoAnswer(bool on);
QList<Record> &shown();
void reset();
} // namespace hook

} // namespace lumora::messages
