#include "platform/messages.h"

#include "platform/errors.h"
#include "platform/keyboard.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <deque>

namespace lumora::messages {

namespace {

struct HookState {
    std::deque<Answer> answers;
    bool autoAnswer = false;
    QList<Record> shown;
};

HookState &hookState()
{
    static HookState state;
    return state;
}

TextLookup *&errorTexts()
{
    static TextLookup *texts = nullptr;
    return texts;
}

QMessageBox::Icon iconFor(Kind kind)
{
    switch (kind) {
    case Kind::Warning: return QMessageBox::Warning;
    case Kind::Error: return QMessageBox::Critical;
    case Kind::Information: return QMessageBox::Information;
    case Kind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

Answer showBox(const QString &boxTitle, QMessageBox::Icon icon, Buttons buttons, const QString &text, QWidget *parent,
               bool defaultNo = false)
{
    HookState &hooks = hookState();
    // Boxes are recorded only while the test hook answers them, so a long session does
    // not keep every message it showed.
    if (hooks.autoAnswer || !hooks.answers.empty())
        hooks.shown.append({boxTitle, text, buttons, defaultNo});
    if (!hooks.answers.empty()) {
        const Answer answer = hooks.answers.front();
        hooks.answers.pop_front();
        return answer;
    }
    if (hooks.autoAnswer)
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;

    QMessageBox box(icon, boxTitle, text, QMessageBox::NoButton, parent);
    if (buttons == Buttons::Ok) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return Answer::Ok;
    }
    QPushButton *yes = box.addButton(QStringLiteral("&Áno"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole);
    QPushButton *cancel = nullptr;
    QPushButton *yesAll = nullptr;
    QPushButton *noAll = nullptr;
    if (buttons == Buttons::YesNoAll) {
        yesAll = box.addButton(QStringLiteral("Áno &všetkým"), QMessageBox::YesRole);
        noAll = box.addButton(QStringLiteral("Nie v&šetkým"), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
    } else if (buttons == Buttons::YesNoCancel) {
        cancel = box.addButton(QStringLiteral("&Zrušiť"), QMessageBox::RejectRole);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
    } else {
        box.setDefaultButton(defaultNo ? no : yes);
        box.setEscapeButton(no);
    }
    keyboard::addAnswerKeys(&box, yes);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (yesAll && box.clickedButton() == yesAll)
        return Answer::YesToAll;
    if (noAll && box.clickedButton() == noAll)
        return Answer::NoToAll;
    return cancel && box.clickedButton() != no ? Answer::Cancel : Answer::No;
}

} // namespace

QString title(Kind kind)
{
    switch (kind) {
    case Kind::Warning: return QStringLiteral("Upozornenie");
    case Kind::Error: return QStringLiteral("Chyba");
    case Kind::Information: return QStringLiteral("Informácia");
    case Kind::Confirmation: return QStringLiteral("Potvrď");
    }
    return QString();
}

Answer show(Kind kind, Buttons buttons, const QString &text, QWidget *parent)
{
    return showBox(title(kind), iconFor(kind), buttons, text, parent);
}

Answer askDefaultNo(Kind kind, const QString &text, QWidget *parent)
{
    return showBox(title(kind), iconFor(kind), Buttons::YesNo, text, parent, true);
}

Answer askOrCancel(const QString &text, QWidget *parent)
{
    return showBox(title(Kind::Confirmation), iconFor(Kind::Confirmation), Buttons::YesNoCancel, text, parent, true);
}

Answer askReplace(const QString &text, QWidget *parent)
{
    return showBox(title(Kind::Confirmation), iconFor(Kind::Confirmation), Buttons::YesNoAll, text, parent, true);
}

// The text was just looked up: shown only when that lookup left ShowPrompt set.
void notifyLooked(TextLookup &texts, Kind kind, const QString &text, const QString &suffix, QWidget *parent)
{
    if (texts.showPrompt())
        show(kind, Buttons::Ok, text + suffix, parent);
}

void notify(TextLookup &texts, Kind kind, const TextKey &entry, const QString &suffix, QWidget *parent)
{
    notifyLooked(texts, kind, texts.ConfigText(entry), suffix, parent);
}

void notify(TextLookup &texts, Kind kind, const BuiltTextKey &entry, const QString &suffix, QWidget *parent)
{
    notifyLooked(texts, kind, texts.ConfigText(entry), suffix, parent);
}

bool confirm(TextLookup &texts, const TextKey &entry, QWidget *parent)
{
    const QString text = texts.ConfigText(entry);
    if (!texts.showPrompt())
        return true;
    return show(Kind::Confirmation, Buttons::YesNo, text, parent) == Answer::Yes;
}

bool confirmDefaultNo(TextLookup &texts, const TextKey &entry, QWidget *parent)
{
    const QString text = texts.ConfigText(entry);
    if (!texts.showPrompt())
        return true;
    return askDefaultNo(Kind::Confirmation, text, parent) == Answer::Yes;
}

void showError(const QString &message, QWidget *parent)
{
    showBox(QString::fromLatin1(ApplicationTitle), QMessageBox::Critical, Buttons::Ok, message, parent);
}

void showError(const Error &error, QWidget *parent)
{
    TextLookup *texts = errorTexts();
    if (!error.textKey() || !texts) {
        showError(error.message(), parent);
        return;
    }
    QString text = error.message();
    try {
        text = texts->ConfigText(*error.textKey()) + QLatin1Char(' ') + error.detail();
    } catch (const Error &) {
        // An unreadable text table leaves the built-in wording.
    }
    showError(text, parent);
}

void useTexts(TextLookup *texts)
{
    errorTexts() = texts;
}

namespace hook {
void queue(Answer answer)
{
    hookState().answers.push_back(answer);
}
void setAutoAnswer(bool on)
{
    hookState().autoAnswer = on;
}
QList<Record> &shown()
{
    return hookState().shown;
}
void reset()
{
    hookState() = HookState();
}
} // namespace hook

} // namespace lumora::messages
