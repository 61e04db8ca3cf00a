#include "print/pdf_text_map.h"

#include <cctype>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ferdix {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The objects the file names as ToUnicode maps ("/ToUnicode N 0 R").
std::set<long> ToUnicodeObjects(std::string_view pdf) {
    std::set<long> objects;
    constexpr std::string_view kKey = "/ToUnicode";
    for (std::size_t at = pdf.find(kKey); at != std::string_view::npos;
         at = pdf.find(kKey, at + kKey.size())) {
        std::size_t i = at + kKey.size();
        while (i < pdf.size() && IsBlank(pdf[i])) {
            ++i;
        }
        std::size_t digits = i;
        long number = 0;
        while (i < pdf.size() && IsDigit(pdf[i]) && i - digits < 10) {
            number = number * 10 + (pdf[i] - '0');
            ++i;
        }
        if (i > digits && pdf.substr(i, 4) == " 0 R") {
            objects.insert(number);
        }
    }
    return objects;
}

struct Stream {
    std::size_t begin = 0;
    std::size_t length = 0;
};

// The data of object n when it is a stream with a direct length and no filter.
bool FindPlainStream(std::string_view pdf, long n, Stream& out) {
    std::string head = std::to_string(n) + " 0 obj";
    for (std::size_t at = pdf.find(head); at != std::string_view::npos;
         at = pdf.find(head, at + 1)) {
        if (at > 0 && !IsBlank(pdf[at - 1])) {
            continue;
        }
        std::size_t open = pdf.find("<<", at + head.size());
        std::size_t stream = pdf.find("stream", at + head.size());
        if (open == std::string_view::npos || stream == std::string_view::npos || open > stream) {
            return false;
        }
        std::string_view dict = pdf.substr(open, stream - open);
        if (dict.find("/Filter") != std::string_view::npos) {
            return false;
        }
        std::size_t key = dict.find("/Length");
        if (key == std::string_view::npos) {
            return false;
        }
        std::size_t i = key + 7;
        while (i < dict.size() && IsBlank(dict[i])) {
            ++i;
        }
        std::size_t digits = i;
        std::size_t length = 0;
        while (i < dict.size() && IsDigit(dict[i]) && i - digits < 12) {
            length = length * 10 + static_cast<std::size_t>(dict[i] - '0');
            ++i;
        }
        // An indirect length ("/Length 12 0 R") is not read here.
        std::size_t after = i;
        while (after < dict.size() && IsBlank(dict[after])) {
            ++after;
        }
        if (i == digits || (after < dict.size() && IsDigit(dict[after]))) {
            return false;
        }
        std::size_t data = stream + 6;
        if (pdf.substr(data, 2) == "\r\n") {
            data += 2;
        } else if (data < pdf.size() && pdf[data] == '\n') {
            data += 1;
        } else {
            return false;
        }
        if (data + length > pdf.size()) {
            return false;
        }
        out = Stream{data, length};
        return true;
    }
    return false;
}

// A token of a CMap: a hex string, a bracket, or a word, with where it starts.
struct Token {
    std::string_view text;
    std::size_t at = 0;
};

std::vector<Token> Tokens(std::string_view cmap) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < cmap.size()) {
        char c = cmap[i];
        if (IsBlank(c)) {
            ++i;
            continue;
        }
        std::size_t start = i;
        if (c == '<' && i + 1 < cmap.size() && cmap[i + 1] == '<') {
            i += 2;
        } else if (c == '>' && i + 1 < cmap.size() && cmap[i + 1] == '>') {
            i += 2;
        } else if (c == '<') {
            std::size_t close = cmap.find('>', i);
            i = close == std::string_view::npos ? cmap.size() : close + 1;
        } else if (c == '[' || c == ']') {
            ++i;
        } else if (c == '(') {
            std::size_t close = cmap.find(')', i);
            i = close == std::string_view::npos ? cmap.size() : close + 1;
        } else {
            ++i;
            while (i < cmap.size() && !IsBlank(cmap[i]) &&
                   std::string_view("<>[]()/").find(cmap[i]) == std::string_view::npos) {
                ++i;
            }
        }
        tokens.push_back(Token{cmap.substr(start, i - start), start});
    }
    return tokens;
}

bool IsHex(std::string_view token) {
    return token.size() >= 3 && token.front() == '<' && token.back() == '>' && token[1] != '<';
}

// The code point of a one-unit hex string, or -1.
long CodeOf(std::string_view token) {
    if (!IsHex(token) || token.size() != 6) {
        return -1;
    }
    long value = 0;
    for (char c : token.substr(1, 4)) {
        int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                                                            : -1;
        if (d < 0) {
            return -1;
        }
        value = value * 16 + d;
    }
    return value;
}

// Where the map gives single glyphs U+0009, and whether it gives any glyph U+0020.
struct Targets {
    std::vector<std::size_t> tabs;
    bool space = false;
};

Targets FindTargets(std::string_view cmap) {
    Targets found;
    std::vector<Token> tokens = Tokens(cmap);
    auto target = [&found](const Token& t, bool single) {
        long code = CodeOf(t.text);
        if (code == 0x20) {
            found.space = true;
        } else if (code == 0x09 && single) {
            found.tabs.push_back(t.at);
        }
    };
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].text == "beginbfchar") {
            for (++i; i + 1 < tokens.size() && tokens[i].text != "endbfchar"; i += 2) {
                target(tokens[i + 1], true);
            }
        } else if (tokens[i].text == "beginbfrange") {
            for (++i; i + 2 < tokens.size() && tokens[i].text != "endbfrange";) {
                if (tokens[i + 2].text == "[") {
                    std::size_t k = i + 3;
                    for (; k < tokens.size() && tokens[k].text != "]"; ++k) {
                        target(tokens[k], true);
                    }
                    i = k + 1;
                } else {
                    // A run from one code: only a run of one glyph gives that code alone.
                    target(tokens[i + 2], tokens[i].text == tokens[i + 1].text);
                    i += 3;
                }
            }
        }
    }
    return found;
}

}  // namespace

std::size_t MapTabGlyphsToSpaces(std::span<char> bytes) {
    std::string_view pdf(bytes.data(), bytes.size());
    std::size_t changed = 0;
    for (long object : ToUnicodeObjects(pdf)) {
        Stream stream;
        if (!FindPlainStream(pdf, object, stream)) {
            continue;
        }
        Targets targets = FindTargets(pdf.substr(stream.begin, stream.length));
        if (targets.space || targets.tabs.empty()) {
            continue;
        }
        for (std::size_t at : targets.tabs) {
            // "<0009>" becomes "<0020>".
            bytes[stream.begin + at + 3] = '2';
            bytes[stream.begin + at + 4] = '0';
        }
        ++changed;
    }
    return changed;
}

}  // namespace ferdix
