// The claim file (.tur): a fixed sequence of Windows-1252 lines, read by position. The writer
// produces the current layout; the reader takes it and the older layout (versions below 2.3).
#pragma once

#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "claim/claim_damage.h"
#include "claim/claim_data.h"
#include "claim/expense_line.h"
#include "claim/messages.h"

namespace ferdix {

// Writes the whole claim (without the NUL byte the own Save appends), its dates in the given
// order; savedOn is the day of its "Lagret" line.
void WriteClaim(const ClaimData& claim, DateOrder order, const CivilTime& savedOn,
                std::ostream& out);

// What a read found besides the values: the messages that storing them raised, in file order
// (a date or time that reads as none, values the older layout had no place for), and what the
// file lacked.
struct ClaimRead {
    ClaimWarnings warnings;
    ClaimDamage damage;
};

// Reads a claim of any supported version into claim: by position, for whatever it yields,
// and never fails. It touches nothing but claim. A piece the file does not reach keeps what
// claim held, as it did when the reader wrote into the open claim.
ClaimRead ReadClaim(ClaimData& claim, std::istream& in);
ClaimRead ReadClaim(ClaimData& claim, std::string_view bytes);
// As a program of the given version would read it.
ClaimRead ReadClaim(ClaimData& claim, std::string_view bytes, const ClaimVersion& program);

// The message about a damaged claim read from path, in the given written standard.
MessageRequest DamagedClaimMessage(int standard, const std::string& path,
                                   const ClaimDamage& damage);

// The pieces of the layout, read from the bytes of a file. Each piece that had to stop at the
// end of the bytes (a line without its line end, a key, word or end mark that never came)
// marks the reader as ended.
class ClaimTextReader {
  public:
    explicit ClaimTextReader(std::string_view bytes) : m_s(bytes) {}

    // One whole line, without its line end; a NUL ends the text as it ends a C string.
    std::string Line();
    // The value of a "Key: value" line: everything after the next ":" and one more character.
    std::string KeyedLine();
    // A text of one or more lines closed by 0xA4, after the next ":" and one more character.
    std::string MultiLineText();
    // One record line into a new line object; never null.
    std::unique_ptr<CTravelLine> TravelRecord();
    std::unique_ptr<CExpenseLine> OutlayRecord();
    // White space skipped, then a run of other characters.
    std::string Word();
    void SkipBlanks();
    // Through the next occurrence of c.
    void SkipThrough(char c);
    // Whether the line from here holds c.
    bool LineHolds(char c) const;
    bool AtEnd() const { return m_i >= m_s.size(); }
    bool Ended() const { return m_ended; }

  private:
    void SkipKey();

    std::string_view m_s;
    std::size_t m_i = 0;
    bool m_ended = false;
};

// One record line each, CR LF included.
void WriteTravelRecord(const CTravelLine& line, DateOrder order, std::ostream& out);
void WriteOutlayRecord(const CExpenseLine& line, DateOrder order, std::ostream& out);

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
    std::string (*fileText)(const ClaimData&, DateOrder);
    // The reader's action on the value read; what it finds wrong goes into the warnings.
    void (*store)(ClaimData&, std::string value, ClaimWarnings& warnings);
};

std::span<const ClaimField> ClaimHeaderFields();
std::span<const ClaimField> ClaimClosingFields();

// The forms a line's fields take in its record, also shown in the JSON output.
std::string RecordText(std::string_view text);      // no "@", CR or LF
std::string RecordCurrency(std::string_view code);  // one word without blanks

}  // namespace ferdix
