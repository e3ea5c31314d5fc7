#include "search/coursereading.h"

namespace lumora::search {

namespace {

bool cancelled(const ReadingSink &sink)
{
    return sink.cancelled && sink.cancelled();
}

} // namespace

bool readScreens(const QList<ScreenSource> &sources, FormattedTextCache &cache, const ReadingSink &sink)
{
    const int total = int(sources.size());
    std::vector<ScreenText> batch;
    const auto flush = [&] {
        if (!batch.empty() && sink.batch)
            sink.batch(std::move(batch));
        batch.clear();
    };
    if (sink.progress)
        sink.progress(0, total);
    for (int i = 0; i < total; ++i) {
        if (cancelled(sink))
            return false;
        batch.push_back(readScreen(sources[i], cache));
        if (int(batch.size()) >= std::max(sink.batchSize, 1) || i + 1 == total) {
            flush();
            if (sink.progress)
                sink.progress(i + 1, total);
        }
    }
    flush();
    return !cancelled(sink);
}

} // namespace lumora::search
