#pragma once
// Code pages of rich text: which code page a font's charset or the document header names,
// and decoders that turn the bytes of "\'xx" escapes and plain text into characters.
#include <QString>

#include <memory>

namespace lumora::rtf {

// Turns bytes of one code page into text. Single-byte code pages go through a table;
// multi-byte ones (East Asian) through the platform converter, a whole run at a time.
class ByteDecoder {
public:
    virtual ~ByteDecoder() = default;
    // Appends the characters of bytes to out.
    virtual void decode(QByteArrayView bytes, QString &out) const = 0;
};

// The Windows code page a font charset (\fcharsetN) stands for; 0 for the "default"
// charset (1) and for unknown numbers, which mean the document's code page.
int codePageForCharset(int charset);

// The code page number used for fonts with the symbol charset (2).
inline constexpr int SymbolCodePage = 42;

// The decoder for a code page (\ansicpgN, \cpgN, or codePageForCharset). Code pages the
// platform cannot convert fall back to Windows-1252. Decoders live as long as the program.
const ByteDecoder &decoderFor(int codePage);

} // namespace lumora::rtf
