// The claim file (.tur): a fixed sequence of Windows-1252 lines, read by position. The writer
// produces the current layout; the reader takes it and the older layout (versions below 2.3).
#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "claim/expense_line.h"
#include "claim/ferdix_doc.h"

namespace ferdix {

// Writes the whole claim (without the NUL byte the own Save appends), then the traveller's
// profile, and marks the claim unmodified.
void WriteClaim(CFerdixDoc& doc, std::ostream& out);
// The same bytes without touching the profile or the modified mark.
void WriteClaimText(const CFerdixDoc& doc, std::ostream& out);

// Reads a claim of any supported version into the document. Never validates and never fails:
// a damaged or foreign file is read by position for whatever it yields.
void ReadClaim(CFerdixDoc& doc, std::istream& in);
// The older layout, after the version line.
void ReadLegacyClaim(CFerdixDoc& doc, std::istream& in);

// The value of a "Key: value" line: everything after the next ":" and one more character.
std::string ReadKeyedLine(std::istream& in);
// A text of one or more lines closed by 0xA4, after the next ":" and one more character.
std::string ReadMultiLineText(std::istream& in);

// One record line each, CR LF included.
void WriteTravelRecord(const CTravelLine& line, std::ostream& out);
void WriteOutlayRecord(const CExpenseLine& line, std::ostream& out);
// One line from the stream into a new line object; never null.
std::unique_ptr<CTravelLine> ReadTravelRecord(std::istream& in);
std::unique_ptr<CExpenseLine> ReadOutlayRecord(std::istream& in);

// The fields of the traveller block and trip header (lines 3 to 25) and of the closing block
// (lines 32 to 48), in file order. One table serves the writer, the reader and the JSON output.
enum class ClaimLineKind {
    Alone,      // the value alone on its line (the identity number)
    Keyed,      // "Key: value"
    MultiLine,  // "Key: " and lines of text up to the closing 0xA4
};

struct ClaimField {
    std::string_view key;  // Windows-1252, without the colon
    ClaimLineKind kind;
    bool inLegacyLayout;
    bool isNumber;  // its text is a decimal number
    // The value text as written (for a multi-line text without its closing 0xA4).
    std::string (*fileText)(const CFerdixDoc&);
    // The reader's action on the value read.
    void (*store)(CFerdixDoc&, std::string value);
};

std::span<const ClaimField> ClaimHeaderFields();
std::span<const ClaimField> ClaimClosingFields();

// The forms a line's fields take in its record, also shown in the JSON output.
std::string RecordText(std::string_view text);      // no "@", CR or LF
std::string RecordCurrency(std::string_view code);  // one word without blanks

}  // namespace ferdix
