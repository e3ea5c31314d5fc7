#include "rtf/rtfchartransitions.h"

#include "rtf/rtfescape.h"

namespace lumora::rtf {

namespace {

// Only the differences are written; without a state before, the font and size are
// written and whatever differs from the plain defaults.
QByteArray transition(const CharState *from, const CharState &to)
{
    CharState plain;
    plain.color = 0;
    plain.background = 0;
    const CharState &was = from ? *from : plain;
    QByteArray bytes;
    TextEscaper out(bytes);
    if (!from || to.font != was.font)
        out.word("\\f", to.font);
    if (!from || to.halfPoints != was.halfPoints)
        out.word("\\fs", to.halfPoints);
    if (to.bold != was.bold)
        out.word(to.bold ? "\\b" : "\\b0");
    if (to.italic != was.italic)
        out.word(to.italic ? "\\i" : "\\i0");
    if (to.underline != was.underline)
        out.word(to.underline ? "\\ul" : "\\ulnone");
    if (to.strike != was.strike)
        out.word(to.strike ? "\\strike" : "\\strike0");
    if (to.color != was.color)
        out.word("\\cf", to.color);
    if (to.background != was.background)
        out.word("\\highlight", to.background);
    if (to.caps != was.caps)
        out.word(to.caps ? "\\caps" : "\\caps0");
    if (to.vertical != was.vertical) {
        switch (to.vertical) {
        case VerticalPlace::Normal: out.word("\\nosupersub"); break;
        case VerticalPlace::Super: out.word("\\super"); break;
        case VerticalPlace::Sub: out.word("\\sub"); break;
        }
    }
    out.finish();
    return bytes;
}

} // namespace

int CharTransitions::add(const CharState &state)
{
    m_states.push_back(state);
    return int(m_states.size() - 1);
}

QByteArrayView CharTransitions::make(quint64 key, int from, int to)
{
    const QByteArray bytes = transition(from < 0 ? nullptr : &m_states[size_t(from)], m_states[size_t(to)]);
    const Entry entry{key, m_words.size() - Slack, bytes.size()};
    m_words.insert(entry.offset, bytes);
    // The table stays at most half full, so a search ends soon at an empty entry.
    if (2 * (m_count + 1) > qsizetype(m_entries.size())) {
        std::vector<Entry> old(m_entries.size() * 2);
        old.swap(m_entries);
        m_mask = m_entries.size() - 1;
        --m_shift;
        for (const Entry &e : old) {
            if (e.key != NoKey)
                insert(e);
        }
    }
    insert(entry);
    ++m_count;
    return QByteArrayView(m_words.constData() + entry.offset, entry.length);
}

void CharTransitions::insert(const Entry &entry)
{
    size_t i = slotOf(entry.key);
    while (m_entries[i].key != NoKey)
        i = (i + 1) & m_mask;
    m_entries[i] = entry;
}

} // namespace lumora::rtf
