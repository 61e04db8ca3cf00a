// Which characters a text field of the claim can take. The claim and its files hold Windows-1252
// text, and a single-line value is one line of the claim file: a character the claim cannot
// store is refused as it is typed or pasted, so that what a field shows is what the file gets.
#pragma once

#include <string>
#include <string_view>

namespace ferdix {

// Whether the claim can hold the character: it has a Windows-1252 byte.
bool ClaimHolds(char32_t c);

struct RefusedText {
    std::u32string characters;  // without a Windows-1252 byte, each once, in order
    bool lineBreak = false;     // a CR or LF in a single-line field
    bool Any() const { return lineBreak || !characters.empty(); }
};

// What of a typed or pasted text (UTF-8) a field cannot store.
RefusedText RefusedIn(std::string_view utf8, bool multiLine);

// The note that tells the user, in the given written standard: "%1" stands for the refused
// characters, each in guillemets and separated by ", ", when there are any.
std::string RefusalNote(int standard, const RefusedText& refused);

}  // namespace ferdix
