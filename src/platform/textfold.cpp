#include "platform/textfold.h"

#include <QHash>

#include <array>
#include <memory>

namespace lumora::textfold {

namespace {

bool isMark(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing: return true;
    default: return false;
    }
}

bool isBlank(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || QChar::isSpace(c);
}

// Decomposition, marks removed, case folded: the folded form of one character (which
// may be a surrogate pair). Folding can meet a character that decomposes again, so the
// steps run until nothing changes.
QString foldCharacter(const QString &character)
{
    QString current = character;
    for (int round = 0; round < 3; ++round) {
        const QString decomposed = current.normalized(QString::NormalizationForm_D);
        QString kept;
        for (char32_t c : decomposed.toUcs4()) {
            if (!isMark(c))
                kept.append(QString::fromUcs4(&c, 1));
        }
        kept = kept.toCaseFolded();
        if (kept == current)
            break;
        current = kept;
    }
    return current;
}

// What one UTF-16 unit of the basic plane becomes.
struct Entry {
    enum Kind : quint8 { Same, One, Drop, Blank, Many, Surrogate };
    Kind kind = Same;
    char16_t ch = 0;  // for One
    quint16 many = 0; // for Many: index into the expansions
};

struct Table {
    std::array<Entry, 0x10000> entries;
    std::vector<QString> expansions;

    Table()
    {
        for (char32_t c = 0; c < 0x10000; ++c) {
            Entry &e = entries[c];
            if (QChar::isSurrogate(c)) {
                e.kind = Entry::Surrogate;
                continue;
            }
            if (isBlank(c)) {
                e.kind = Entry::Blank;
                continue;
            }
            const QString folded = foldCharacter(QString(QChar(char16_t(c))));
            if (folded.size() == 1 && folded[0].unicode() == c) {
                e.kind = Entry::Same;
            } else if (folded.isEmpty()) {
                e.kind = Entry::Drop;
            } else if (folded.size() == 1) {
                e.kind = Entry::One;
                e.ch = folded[0].unicode();
            } else {
                e.kind = Entry::Many;
                e.many = quint16(expansions.size());
                expansions.push_back(folded);
            }
        }
    }
};

const Table &table()
{
    static const auto instance = std::make_unique<Table>();
    return *instance;
}

template <typename Origin>
QString foldInto(QStringView text, Origin &&origin)
{
    const Table &t = table();
    QString out;
    out.reserve(text.size());
    bool pendingBlank = false;
    const auto put = [&](QChar ch, qsizetype from) {
        if (pendingBlank && !out.isEmpty()) {
            out.append(QLatin1Char(' '));
            origin(from);
        }
        pendingBlank = false;
        out.append(ch);
        origin(from);
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        const Entry &e = t.entries[u];
        switch (e.kind) {
        case Entry::Same: put(QChar(u), i); break;
        case Entry::One: put(QChar(e.ch), i); break;
        case Entry::Drop: break;
        case Entry::Blank: pendingBlank = true; break;
        case Entry::Many:
            for (QChar ch : t.expansions[e.many])
                put(ch, i);
            break;
        case Entry::Surrogate:
            if (QChar::isHighSurrogate(u) && i + 1 < n && text[i + 1].isLowSurrogate()) {
                const QString folded = foldCharacter(text.mid(i, 2).toString());
                for (QChar ch : folded)
                    put(ch, i);
                ++i;
            } else {
                put(QChar(u), i); // a lone half stays as it is
            }
            break;
        }
    }
    return out;
}

} // namespace

QString fold(QStringView text)
{
    return foldInto(text, [](qsizetype) {});
}

QString fold(QStringView text, std::vector<qsizetype> &origins)
{
    origins.clear();
    origins.reserve(size_t(text.size()));
    return foldInto(text, [&origins](qsizetype from) { origins.push_back(from); });
}

} // namespace lumora::textfold
