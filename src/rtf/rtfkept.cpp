#include "rtf/rtfkept.h"

#include <string_view>
#include <unordered_set>

namespace lumora::rtf {

namespace {

bool inSet(const std::unordered_set<std::string_view> &set, QByteArrayView name)
{
    return set.count(std::string_view(name.data(), size_t(name.size()))) != 0;
}

} // namespace

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
    return inSet(words, name);
}

bool isParagraphBorderSide(QByteArrayView name)
{
    static const std::unordered_set<std::string_view> words = {"brdrt", "brdrb",   "brdrl",  "brdrr",
                                                               "box",   "brdrbtw", "brdrbar"};
    return inSet(words, name);
}

bool isParagraphKeptWord(QByteArrayView name)
{
    static const std::unordered_set<std::string_view> words = {
        "cbpat",     "cfpat",     "shading",    "bghoriz",   "bgvert",   "bgfdiag",
        "bgbdiag",   "bgcross",   "bgdcross",   "bgdkhoriz", "bgdkvert", "bgdkfdiag",
        "bgdkbdiag", "bgdkcross", "bgdkdcross", "keep",      "keepn",    "outlinelevel"};
    return isParagraphBorderSide(name) || inSet(words, name);
}

bool isBorderDetailWord(QByteArrayView name)
{
    static const std::unordered_set<std::string_view> words = {
        "brdrs",      "brdrth",         "brdrsh",     "brdrdb",      "brdrdot",    "brdrdash",     "brdrhair",
        "brdrtriple", "brdrinset",      "brdroutset", "brdrnone",    "brdrw",      "brdrcf",       "brsp",
        "brdrdashsm", "brdrdashd",      "brdrdashdd", "brdrtnthsg",  "brdrthtnsg", "brdrtnthtnsg", "brdrwavy",
        "brdrwavydb", "brdrdashdotstr", "brdremboss", "brdrengrave", "brdrframe",  "brdrshadow"};
    return inSet(words, name);
}

} // namespace lumora::rtf
