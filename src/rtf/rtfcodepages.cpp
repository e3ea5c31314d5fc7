#include "rtf/rtfcodepages.h"

#include <QMutex>
#include <QStringDecoder>

#include <array>
#include <map>

namespace lumora::rtf {

namespace {

using Table = std::array<char16_t, 256>;

class TableDecoder final : public ByteDecoder {
public:
    explicit TableDecoder(const Table &table) : m_table(table) {}

    void decode(QByteArrayView bytes, QString &out) const override
    {
        const qsizetype start = out.size();
        out.resize(start + bytes.size());
        QChar *dst = out.data() + start;
        for (const char b : bytes)
            *dst++ = QChar(m_table[uchar(b)]);
    }

private:
    Table m_table;
};

// East Asian code pages: a character may take two bytes, so a run is converted whole.
class ConverterDecoder final : public ByteDecoder {
public:
    explicit ConverterDecoder(const char *name) : m_name(name) {}

    void decode(QByteArrayView bytes, QString &out) const override
    {
        QStringDecoder decoder(m_name, QStringConverter::Flag::Stateless);
        out += decoder(bytes);
    }

private:
    const char *m_name;
};

Table tableFromConverter(const char *name)
{
    Table table{};
    QStringDecoder decoder(name, QStringConverter::Flag::Stateless);
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QString s = decoder(QByteArrayView(&byte, 1));
        table[size_t(b)] = s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
    }
    return table;
}

// The symbol charset: letters stand for Greek letters and the upper half holds
// mathematical signs, arrows and the bullet. Positions without a Unicode equivalent
// use the private range that symbol fonts map their glyphs to.
Table symbolTable()
{
    Table table{};
    for (int b = 0; b < 256; ++b)
        table[size_t(b)] = b < 0x80 ? char16_t(b) : char16_t(0xF000 + b);
    const char16_t upperGreek[26] = {0x391, 0x392, 0x3A7, 0x394, 0x395, 0x3A6, 0x393, 0x397, 0x399,
                                     0x3D1, 0x39A, 0x39B, 0x39C, 0x39D, 0x39F, 0x3A0, 0x398, 0x3A1,
                                     0x3A3, 0x3A4, 0x3A5, 0x3C2, 0x3A9, 0x39E, 0x3A8, 0x396};
    const char16_t lowerGreek[26] = {0x3B1, 0x3B2, 0x3C7, 0x3B4, 0x3B5, 0x3C6, 0x3B3, 0x3B7, 0x3B9,
                                     0x3D5, 0x3BA, 0x3BB, 0x3BC, 0x3BD, 0x3BF, 0x3C0, 0x3B8, 0x3C1,
                                     0x3C3, 0x3C4, 0x3C5, 0x3D6, 0x3C9, 0x3BE, 0x3C8, 0x3B6};
    for (int i = 0; i < 26; ++i) {
        table[size_t('A' + i)] = upperGreek[i];
        table[size_t('a' + i)] = lowerGreek[i];
    }
    const std::pair<uchar, char16_t> signs[] = {
        {0x22, 0x2200}, {0x24, 0x2203}, {0x27, 0x220B}, {0x2A, 0x2217}, {0x2D, 0x2212}, {0x40, 0x2245}, {0x5C, 0x2234},
        {0x5E, 0x22A5}, {0x7E, 0x223C}, {0xA1, 0x03D2}, {0xA2, 0x2032}, {0xA3, 0x2264}, {0xA4, 0x2044}, {0xA5, 0x221E},
        {0xA6, 0x0192}, {0xA7, 0x2663}, {0xA8, 0x2666}, {0xA9, 0x2665}, {0xAA, 0x2660}, {0xAB, 0x2194}, {0xAC, 0x2190},
        {0xAD, 0x2191}, {0xAE, 0x2192}, {0xAF, 0x2193}, {0xB0, 0x00B0}, {0xB1, 0x00B1}, {0xB2, 0x2033}, {0xB3, 0x2265},
        {0xB4, 0x00D7}, {0xB5, 0x221D}, {0xB6, 0x2202}, {0xB7, 0x2022}, {0xB8, 0x00F7}, {0xB9, 0x2260}, {0xBA, 0x2261},
        {0xBB, 0x2248}, {0xBC, 0x2026}, {0xBF, 0x21B5}, {0xC0, 0x2135}, {0xC1, 0x2111}, {0xC2, 0x211C}, {0xC3, 0x2118},
        {0xC4, 0x2297}, {0xC5, 0x2295}, {0xC6, 0x2205}, {0xC7, 0x2229}, {0xC8, 0x222A}, {0xC9, 0x2283}, {0xCA, 0x2287},
        {0xCB, 0x2284}, {0xCC, 0x2282}, {0xCD, 0x2286}, {0xCE, 0x2208}, {0xCF, 0x2209}, {0xD0, 0x2220}, {0xD1, 0x2207},
        {0xD2, 0x00AE}, {0xD3, 0x00A9}, {0xD4, 0x2122}, {0xD5, 0x220F}, {0xD6, 0x221A}, {0xD7, 0x22C5}, {0xD8, 0x00AC},
        {0xD9, 0x2227}, {0xDA, 0x2228}, {0xDB, 0x21D4}, {0xDC, 0x21D0}, {0xDD, 0x21D1}, {0xDE, 0x21D2}, {0xDF, 0x21D3},
        {0xE0, 0x25CA}, {0xE1, 0x2329}, {0xE2, 0x00AE}, {0xE3, 0x00A9}, {0xE4, 0x2122}, {0xE5, 0x2211}, {0xF1, 0x232A},
        {0xF2, 0x222B},
    };
    for (const auto &[byte, ch] : signs)
        table[byte] = ch;
    return table;
}

// The converter name of a code page the reader knows; nullptr for others.
const char *converterName(int codePage, bool &multiByte)
{
    multiByte = false;
    switch (codePage) {
    case 437: return "IBM437";
    case 737: return "IBM737";
    case 775: return "IBM775";
    case 850: return "IBM850";
    case 852: return "IBM852";
    case 855: return "IBM855";
    case 857: return "IBM857";
    case 862: return "IBM862";
    case 866: return "IBM866";
    case 874: return "windows-874";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1252: return "windows-1252";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    // The Mac code pages the converters know, and for the others the nearest one:
    // Icelandic, Romanian and Croatian differ from Mac Roman in a few signs, Ukrainian
    // from Mac Cyrillic in two; Mac Hebrew, Arabic and Thai keep their letters where the
    // Windows pages have them.
    case 10000:
    case 10010:
    case 10079:
    case 10082: return "macintosh";
    case 10004: return "windows-1256";
    case 10005: return "windows-1255";
    case 10006: return "x-mac-greek";
    case 10007:
    case 10017: return "x-mac-cyrillic";
    case 10021: return "windows-874";
    case 10029: return "x-mac-centraleurroman";
    case 10081: return "x-mac-turkish";
    default: break;
    }
    multiByte = true;
    switch (codePage) {
    case 932:
    case 10001: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950:
    case 10002: return "Big5";
    case 10003: return "EUC-KR";
    case 10008: return "GB2312";
    default: return nullptr;
    }
}

Table latin1Table()
{
    Table table{};
    for (int b = 0; b < 256; ++b)
        table[size_t(b)] = char16_t(b);
    return table;
}

std::unique_ptr<ByteDecoder> makeDecoder(int codePage)
{
    if (codePage == SymbolCodePage)
        return std::make_unique<TableDecoder>(symbolTable());
    bool multiByte = false;
    const char *name = converterName(codePage, multiByte);
    if (!name || !QStringDecoder(name).isValid())
        return nullptr;
    if (multiByte)
        return std::make_unique<ConverterDecoder>(name);
    return std::make_unique<TableDecoder>(tableFromConverter(name));
}

} // namespace

int codePageForCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 2: return SymbolCodePage;
    case 77: return 10000;
    case 78: return 10001;
    case 79: return 10003;
    case 80: return 10008;
    case 81: return 10002;
    case 82: return 1361; // Johab, which the converters do not know
    case 83: return 10005;
    case 84: return 10004;
    case 85: return 10006;
    case 86: return 10081;
    case 87: return 10021;
    case 88: return 10029;
    case 89: return 10007;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177:
    case 181: return 1255;
    case 178:
    case 179:
    case 180: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

const ByteDecoder &decoderFor(int codePage)
{
    // Only code pages the reader knows get an entry, so the cache stays small whatever
    // numbers a file names; the others share the Windows-1252 decoder.
    static QMutex mutex;
    static std::map<int, std::unique_ptr<ByteDecoder>> cache;
    const QMutexLocker lock(&mutex);
    const auto fallback = [&]() -> const ByteDecoder & {
        auto &slot = cache[1252];
        if (!slot)
            slot = makeDecoder(1252);
        if (!slot)
            slot = std::make_unique<TableDecoder>(latin1Table());
        return *slot;
    };
    bool multiByte = false;
    if (codePage != SymbolCodePage && !converterName(codePage, multiByte))
        return fallback();
    auto &slot = cache[codePage];
    if (!slot)
        slot = makeDecoder(codePage);
    return slot ? *slot : fallback();
}

} // namespace lumora::rtf
