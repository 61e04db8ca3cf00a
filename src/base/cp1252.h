// Windows-1252 text: every text of the claim and of the configuration files is held as
// Windows-1252 bytes in std::string. This header is the one place that converts to and from
// UTF-8 (the Qt layer, JSON output and the source files' own literals).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ferdix {

namespace cp1252_detail {

// Unicode code points of the bytes 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves
// undefined (they map to the C1 control of the same value, as the platform does).
inline constexpr char32_t kHighTable[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t ByteToCodePoint(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        char32_t cp = kHighTable[b - 0x80];
        return cp != 0 ? cp : b;
    }
    return b;
}

// -1 when the code point has no Windows-1252 byte.
constexpr int CodePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    for (int i = 0; i < 32; ++i) {
        char32_t mapped = kHighTable[i] != 0 ? kHighTable[i] : static_cast<char32_t>(0x80 + i);
        if (mapped == cp) {
            return 0x80 + i;
        }
    }
    return -1;
}

// Decodes one UTF-8 sequence at s[i]; advances i. Returns U+FFFD for malformed input.
constexpr char32_t DecodeUtf8(const char* s, std::size_t n, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int len = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(len) > n) {
        i = n;
        return 0xFFFD;
    }
    for (int k = 1; k < len; ++k) {
        unsigned char b = byte(i + static_cast<std::size_t>(k));
        if ((b & 0xC0) != 0x80) {
            i += static_cast<std::size_t>(k);
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += static_cast<std::size_t>(len);
    return cp;
}

template <std::size_t N>
struct Literal {
    char data[N]{};
    std::size_t size = 0;

    consteval Literal(const char (&utf8)[N]) {
        std::size_t i = 0;
        std::size_t n = N - 1;  // without the terminator
        while (i < n) {
            char32_t cp = DecodeUtf8(utf8, n, i);
            int b = CodePointToByte(cp);
            if (b < 0) {
                throw "character outside Windows-1252 in a text literal";
            }
            data[size++] = static_cast<char>(b);
        }
    }
};

}  // namespace cp1252_detail

// Converts UTF-8 to Windows-1252; characters without a Windows-1252 byte, and malformed
// sequences, become "?".
std::string Utf8ToCp1252(std::string_view utf8);

// Converts Windows-1252 to UTF-8. Every byte has a mapping, so nothing is lost.
std::string Cp1252ToUtf8(std::string_view cp1252);

// A message that names a file holds the path as the file system has it inside its
// Windows-1252 text: to UTF-8 with each well-formed UTF-8 sequence kept as the path's, every
// other byte read as Windows-1252.
std::string MixedToUtf8(std::string_view text);

inline namespace literals {

// "Beløp: "_cp is the Windows-1252 form of a UTF-8 source literal, converted at compile time;
// a character outside Windows-1252 is a compile error.
template <cp1252_detail::Literal L>
constexpr std::string_view operator""_cp() {
    return std::string_view(L.data, L.size);
}

}  // namespace literals

}  // namespace ferdix
