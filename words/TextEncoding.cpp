#include "words/TextEncoding.h"

#include "base/Cp932.h"
#include "base/Iconv.h"

namespace qor {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool startsWithBytes(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// Length of the well-formed UTF-8 sequence at pos, 0 when it is not one.
std::size_t utf8Length(std::string_view s, std::size_t pos) {
    auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char c = at(pos);
    if (c < 0x80) return 1;
    std::size_t n;
    unsigned char lo = 0x80, hi = 0xBF;  // range of the second byte
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c == 0xE0) { n = 3; lo = 0xA0; }
    else if (c == 0xED) { n = 3; hi = 0x9F; }  // no surrogates
    else if (c >= 0xE1 && c <= 0xEF) n = 3;
    else if (c == 0xF0) { n = 4; lo = 0x90; }
    else if (c >= 0xF1 && c <= 0xF3) n = 4;
    else if (c == 0xF4) { n = 4; hi = 0x8F; }
    else return 0;
    if (pos + n > s.size()) return 0;
    if (at(pos + 1) < lo || at(pos + 1) > hi) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (at(pos + i) < 0x80 || at(pos + i) > 0xBF) return 0;
    return n;
}

// UTF-16 without a mark, as some programs save "Unicode text": the NUL bytes (the high
// bytes of the ASCII characters, line breaks included) stand at odd positions
// (little-endian) or at even ones (big-endian), nearly all of them. In a binary file they
// stand at both.
std::optional<TextEncoding> unmarkedUtf16(std::string_view bytes) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::size_t even = 0, odd = 0;
    std::string_view sample = bytes.substr(0, 64 * 1024);
    for (std::size_t i = 0; i < sample.size(); ++i) {
        if (sample[i] != '\0') continue;
        if (i % 2) ++odd;
        else ++even;
    }
    // Some CJK characters have a NUL low byte (U+3000, U+4E00 ...): a few at the other side.
    if (odd > 0 && even * 8 < odd) return TextEncoding::Utf16Le;
    if (even > 0 && odd * 8 < even) return TextEncoding::Utf16Be;
    return std::nullopt;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t n = utf8Length(bytes, pos);
        if (n == 0) return false;
        pos += n;
    }
    return true;
}

TextEncoding detectEncoding(std::string_view bytes) {
    if (startsWithBytes(bytes, kUtf8Bom)) return TextEncoding::Utf8Bom;
    if (startsWithBytes(bytes, "\xFF\xFE")) return TextEncoding::Utf16Le;
    if (startsWithBytes(bytes, "\xFE\xFF")) return TextEncoding::Utf16Be;
    if (bytes.find('\0') != std::string_view::npos) {
        if (auto utf16 = unmarkedUtf16(bytes)) return *utf16;
    }
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) return TextEncoding::Ascii;
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

bool isUnicode(TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8Bom ||
           encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
}

std::string decodeToUtf8(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Ascii:
        return std::string(bytes);
    case TextEncoding::Utf8Bom:
    case TextEncoding::Utf8: {
        if (startsWithBytes(bytes, kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
        if (isValidUtf8(bytes)) return std::string(bytes);
        std::string out;
        out.reserve(bytes.size());
        for (std::size_t pos = 0; pos < bytes.size();) {
            std::size_t n = utf8Length(bytes, pos);
            if (n == 0) {
                out.append(kReplacement);
                ++pos;
            } else {
                out.append(bytes.substr(pos, n));
                pos += n;
            }
        }
        return out;
    }
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        if (startsWithBytes(bytes, "\xFF\xFE") || startsWithBytes(bytes, "\xFE\xFF"))
            bytes.remove_prefix(2);
        return *iconvConvert("UTF-8", encoding == TextEncoding::Utf16Le ? "UTF-16LE" : "UTF-16BE",
                             bytes, IconvBadInput::replace(kReplacement, 2));
    case TextEncoding::Cp932:
        return toUtf8(bytes);
    }
    return std::string(bytes);
}

std::string_view utf8View(std::string_view bytes, TextEncoding encoding, std::string& storage) {
    if (encoding == TextEncoding::Ascii) return bytes;
    if (encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8Bom) {
        std::string_view text = bytes;
        if (startsWithBytes(text, kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
        if (isValidUtf8(text)) return text;
    }
    storage = decodeToUtf8(bytes, encoding);
    return storage;
}

std::optional<std::string> firstUnholdable(std::string_view utf8) {
    if (toCp932(utf8)) return std::nullopt;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t n = utf8Length(utf8, pos);
        if (n == 0) return std::string(kReplacement);
        std::string_view ch = utf8.substr(pos, n);
        if (!toCp932(ch)) return std::string(ch);
        pos += n;
    }
    return std::nullopt;
}

} // namespace qor
