#include "base/cp1252.h"

namespace ferdix {

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = cp1252_detail::DecodeUtf8(utf8.data(), utf8.size(), i);
        int b = cp1252_detail::CodePointToByte(cp);
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

namespace {

// The length of a well-formed UTF-8 sequence of two or more bytes at s[i], else 0.
std::size_t Utf8SequenceAt(std::string_view s, std::size_t i) {
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char lead = b(i);
    std::size_t len = (lead >= 0xC2 && lead <= 0xDF)   ? 2
                      : (lead >= 0xE0 && lead <= 0xEF) ? 3
                      : (lead >= 0xF0 && lead <= 0xF4) ? 4
                                                       : 0;
    if (len == 0 || i + len > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < len; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // No overlong forms or surrogates.
    if ((lead == 0xE0 && b(i + 1) < 0xA0) || (lead == 0xED && b(i + 1) > 0x9F) ||
        (lead == 0xF0 && b(i + 1) < 0x90) || (lead == 0xF4 && b(i + 1) > 0x8F)) {
        return 0;
    }
    return len;
}

}  // namespace

std::string MixedToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t len = static_cast<unsigned char>(text[i]) >= 0x80 ? Utf8SequenceAt(text, i) : 0;
        if (len > 0) {
            out.append(text.substr(i, len));
            i += len;
        } else {
            out += Cp1252ToUtf8(text.substr(i, 1));
            ++i;
        }
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 4);
    for (char c : cp1252) {
        char32_t cp = cp1252_detail::ByteToCodePoint(static_cast<unsigned char>(c));
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace ferdix
