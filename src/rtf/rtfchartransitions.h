#pragma once
// The control words that take the writer from one character state to another. Runs
// mostly alternate among a few states, so the words between two states are made once
// and then copied; a small open-addressed table keeps them by both states' slots.
#include "rtf/rtfstate.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace lumora::rtf {

class CharTransitions {
public:
    // Adds a state and gives its slot (0, 1, 2, ... in order of adding).
    int add(const CharState &state);

    // Words are followed by at least this many readable bytes, so that short ones can
    // be copied with a copy of fixed length.
    static constexpr qsizetype Slack = 32;

    // The words from the state in slot from (-1: none yet, so the first run writes its
    // font and size and whatever differs from the plain defaults) to the one in slot to.
    QByteArrayView words(int from, int to)
    {
        const quint64 key = quint64(quint32(from + 1)) << 32 | quint32(to);
        for (size_t i = slotOf(key);; i = (i + 1) & m_mask) {
            const Entry &entry = m_entries[i];
            if (entry.key == key)
                return QByteArrayView(m_words.constData() + entry.offset, entry.length);
            if (entry.key == NoKey)
                return make(key, from, to);
        }
    }

private:
    static constexpr quint64 NoKey = ~quint64(0);
    struct Entry {
        quint64 key = NoKey;
        qsizetype offset = 0;
        qsizetype length = 0;
    };

    size_t slotOf(quint64 key) const { return size_t((key * 0x9E3779B97F4A7C15ull) >> m_shift) & m_mask; }
    QByteArrayView make(quint64 key, int from, int to);
    void insert(const Entry &entry);

    std::vector<CharState> m_states;
    std::vector<Entry> m_entries = std::vector<Entry>(64);
    size_t m_mask = 63;
    int m_shift = 58;
    qsizetype m_count = 0;
    // The words of every entry, one after another, and Slack bytes after them.
    QByteArray m_words = QByteArray(Slack, '\0');
};

} // namespace lumora::rtf
