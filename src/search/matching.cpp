#include "search/matching.h"

#include "platform/textfold.h"

#include <algorithm>

namespace lumora::search {

namespace {

// A range [begin, end) of a folded text.
struct Span {
    qsizetype begin = 0;
    qsizetype end = 0;
};

// Where the terms occur in folded, between from and to, merged where they touch.
QList<Span> termSpans(const Query &query, const QString &folded, qsizetype from, qsizetype to)
{
    QList<Span> spans;
    for (const Term &term : query.terms) {
        for (qsizetype at = folded.indexOf(term.text, from); at >= 0 && at < to;
             at = folded.indexOf(term.text, at + term.text.size()))
            spans.append({at, std::min(at + term.text.size(), to)});
    }
    std::sort(spans.begin(), spans.end(), [](const Span &a, const Span &b) { return a.begin < b.begin; });
    QList<Span> merged;
    for (const Span &s : spans) {
        if (!merged.isEmpty() && s.begin <= merged.last().end)
            merged.last().end = std::max(merged.last().end, s.end);
        else
            merged.append(s);
    }
    return merged;
}

void appendEscaped(QString &out, QChar ch)
{
    switch (ch.unicode()) {
    case u'<': out.append(QStringLiteral("&lt;")); break;
    case u'>': out.append(QStringLiteral("&gt;")); break;
    case u'&': out.append(QStringLiteral("&amp;")); break;
    default: out.append(ch);
    }
}

// The part of text that the folded range [from, to) came from, escaped, white space
// shown as single blanks, and the places where terms occur in bold. origins maps the
// folded characters back to text (see textfold::fold()).
QString markup(const Query &query, QStringView text, const QString &folded, const std::vector<qsizetype> &origins,
               qsizetype from, qsizetype to)
{
    const auto original = [&](qsizetype at) {
        return at < qsizetype(origins.size()) ? origins[size_t(at)] : text.size();
    };
    QList<Span> bold = termSpans(query, folded, from, to);
    for (Span &span : bold)
        span = {original(span.begin), original(span.end)};
    QString out;
    bool blank = false;
    bool inBold = false;
    qsizetype next = 0;
    const qsizetype end = original(to);
    for (qsizetype i = original(from); i < end; ++i) {
        if (inBold && i >= bold[next].end) {
            out.append(QStringLiteral("</b>"));
            inBold = false;
            ++next;
        }
        const QChar ch = text[i];
        if (ch.isSpace() || ch.unicode() < 0x20) {
            blank = true;
            continue;
        }
        if (blank && !out.isEmpty())
            out.append(QLatin1Char(' '));
        blank = false;
        if (!inBold && next < bold.size() && i >= bold[next].begin) {
            out.append(QStringLiteral("<b>"));
            inBold = true;
        }
        appendEscaped(out, ch);
    }
    if (inBold)
        out.append(QStringLiteral("</b>"));
    return out;
}

} // namespace

void appendField(ScreenText &screen, const QString &text, const QString &folded)
{
    if (folded.isEmpty())
        return;
    screen.fields.append(text);
    screen.foldedBody.append(QChar(FieldBreak));
    screen.fieldStarts.push_back(screen.foldedBody.size());
    screen.foldedBody.append(folded);
}

void addPlace(ScreenText &screen, int node, const QString &captionPath, const QString &caption)
{
    screen.places.append({node, captionPath, caption, textfold::fold(caption)});
}

void prepare(ScreenText &screen)
{
    const QStringList fields = screen.fields;
    screen.fields.clear();
    screen.foldedBody.clear();
    screen.fieldStarts.clear();
    for (const QString &field : fields)
        appendField(screen, field, textfold::fold(field));
}

bool matches(const Query &query, const ScreenText &screen, Hit &hit)
{
    if (query.isEmpty() || screen.places.isEmpty())
        return false;
    // Every term in the first place's caption, or each in a caption or the texts.
    bool inCaption = true;
    bool inText = true;
    const QString &caption = screen.places.first().foldedCaption;
    for (const Term &term : query.terms) {
        if (caption.contains(term.text))
            continue;
        inCaption = false;
        if (screen.foldedBody.contains(term.text))
            continue;
        if (!std::any_of(screen.places.begin() + 1, screen.places.end(),
                         [&term](const Place &place) { return place.foldedCaption.contains(term.text); })) {
            inText = false;
            break;
        }
    }
    hit.place = 0;
    hit.inCaption = inCaption;
    if (inCaption)
        return true;
    // The captions of the other places.
    for (qsizetype p = 1; p < screen.places.size(); ++p) {
        const QString &other = screen.places[p].foldedCaption;
        if (std::all_of(query.terms.begin(), query.terms.end(),
                        [&other](const Term &term) { return other.contains(term.text); })) {
            hit.place = int(p);
            hit.inCaption = true;
            return true;
        }
    }
    return inText;
}

QList<Hit> findScreens(const Query &query, const std::vector<ScreenText> &screens, int first)
{
    QList<Hit> captionHits, textHits;
    for (size_t i = 0; i < screens.size(); ++i) {
        Hit hit{first + int(i)};
        if (matches(query, screens[i], hit))
            (hit.inCaption ? captionHits : textHits).append(hit);
    }
    return captionHits + textHits;
}

QString highlighted(const Query &query, QStringView text)
{
    std::vector<qsizetype> origins;
    const QString folded = textfold::fold(text, origins);
    return markup(query, text, folded, origins, 0, folded.size());
}

QString snippet(const Query &query, const ScreenText &screen, int width)
{
    if (screen.fields.isEmpty())
        return QString();
    // The first place in the folded texts where a term occurs.
    qsizetype best = -1;
    for (const Term &term : query.terms) {
        const qsizetype at = screen.foldedBody.indexOf(term.text);
        if (at >= 0 && (best < 0 || at < best))
            best = at;
    }
    size_t field = 0;
    if (best >= 0) {
        while (field + 1 < screen.fieldStarts.size() && screen.fieldStarts[field + 1] <= best)
            ++field;
    }
    const QString &text = screen.fields[qsizetype(field)];
    std::vector<qsizetype> origins;
    const QString folded = textfold::fold(text, origins);
    const qsizetype at = best >= 0 ? best - screen.fieldStarts[field] : 0;

    // A window of about width characters, a third of it before the match, widened to
    // the blanks around it.
    const qsizetype lead = best >= 0 ? width / 3 : 0;
    qsizetype from = std::max<qsizetype>(0, at - lead);
    qsizetype to = std::min<qsizetype>(folded.size(), from + width);
    from = std::max<qsizetype>(0, std::min(from, to - width));
    if (from > 0) {
        const qsizetype blank = folded.indexOf(QLatin1Char(' '), from);
        if (blank >= 0 && blank < at)
            from = blank + 1;
    }
    if (to < folded.size()) {
        const qsizetype blank = folded.lastIndexOf(QLatin1Char(' '), to);
        if (blank > at)
            to = blank;
    }
    QString line = markup(query, text, folded, origins, from, to);
    if (from > 0)
        line.prepend(QStringLiteral("… "));
    if (to < folded.size())
        line.append(QStringLiteral(" …"));
    return line;
}

} // namespace lumora::search
