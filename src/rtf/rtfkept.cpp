#include "rtf/rtfkept.h"

#include <string_view>
#include <unordered_set>

namespace lumora::rtf {

bool isSetUpWord(QByteArrayView name)
{
    // Page, margins, columns, sections, page numbers, footnote placement, default tab
    // and languages: words a lesson pane has no use for and other programs lay out by.
    static const std::unordered_set<std::string_view> words = {
        "paperw",     "paperh",     "psz",        "margl",     "margr",        "margt",       "margb",
        "gutter",     "gutterprl",  "margmirror", "landscape", "deftab",       "facingp",     "titlepg",
        "widowctrl",  "ftnbj",      "ftntj",      "ftnstart",  "ftnrestart",   "ftnrstpg",    "ftnrstcont",
        "aenddoc",    "aendnotes",  "enddoc",     "endnotes",  "ftnnar",       "ftnnalc",     "ftnnauc",
        "ftnnrlc",    "ftnnruc",    "ftnnchi",    "deflang",   "deflangfe",    "adeflang",    "hyphauto",
        "hyphhotz",   "hyphconsec", "hyphcaps",   "formshade", "sectd",        "sbknone",     "sbkcol",
        "sbkpage",    "sbkeven",    "sbkodd",     "cols",      "colsx",        "colno",       "colsr",
        "colw",       "linebetcol", "linemod",    "linex",     "linestarts",   "linerestart", "lineppage",
        "linecont",   "pgwsxn",     "pghsxn",     "marglsxn",  "margrsxn",     "margtsxn",    "margbsxn",
        "guttersxn",  "margmirsxn", "lndscpsxn",  "headery",   "footery",      "pgnstarts",   "pgncont",
        "pgnrestart", "pgndec",     "pgnucrm",    "pgnlcrm",   "pgnucltr",     "pgnlcltr",    "pgnx",
        "pgny",       "vertalt",    "vertalc",    "vertalb",   "vertalj",      "endnhere",    "sectdefaultcl",
        "ltrsect",    "rtlsect",    "binfsxn",    "binsxn",    "sectunlocked", "pgnhn",       "pgnhnsh",
    };
    return words.count(std::string_view(name.data(), size_t(name.size()))) != 0;
}

} // namespace lumora::rtf
