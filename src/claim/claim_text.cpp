// The claim file's lines as text: the reader of its pieces and the travel and outlay records.
#include <algorithm>

#include "base/text_convert.h"
#include "claim/claim_file.h"
#include "claim/claim_text.h"

namespace ferdix {

namespace {

constexpr std::string_view kInvalid = "ugyldig";

// A record date or time shorter than a real one is written as a word the parsers reject.
std::string OrInvalid(std::string text, std::size_t minLength) {
    return text.size() >= minLength ? text : std::string(kInvalid);
}

// Walks a travel record's fields.
class RecordCursor {
  public:
    explicit RecordCursor(std::string_view text) : m_s(text) {}

    // Blanks skipped, then a run of non-blanks; empty when the line has ended.
    std::string_view Word() {
        while (m_i < m_s.size() && IsBlank(m_s[m_i])) {
            ++m_i;
        }
        return NonBlanks();
    }
    // A run of non-blanks from here, empty when a blank follows at once.
    std::string_view NonBlanks() {
        std::size_t start = m_i;
        while (m_i < m_s.size() && !IsBlank(m_s[m_i])) {
            ++m_i;
        }
        return m_s.substr(start, m_i - start);
    }
    // The separator after a field.
    bool Skip() {
        if (m_i >= m_s.size()) {
            return false;
        }
        ++m_i;
        return true;
    }
    // The text up to the next "@", which is passed.
    bool UpToAt(std::string_view& piece) {
        auto at = m_s.find('@', m_i);
        if (at == std::string_view::npos) {
            return false;
        }
        piece = m_s.substr(m_i, at - m_i);
        m_i = at + 1;
        return true;
    }
    bool Number(float& value) {
        std::size_t used = 0;
        double v = ParseDecimal(m_s.substr(m_i), &used);
        if (used == 0) {
            return false;
        }
        m_i += used;
        value = ToFloat(v);
        return true;
    }

  private:
    std::string_view m_s;
    std::size_t m_i = 0;
};

}  // namespace

// Fields in record order; a field that is missing ends the record, and the fields after it
// keep the new line's values.
void ParseTravelRecord(std::string_view text, CTravelLine& line) {
    RecordCursor c(text);
    std::string_view piece;
    float value = 0.0f;

    piece = c.Word();
    if (piece.empty()) {
        return;
    }
    line.SetDate(piece, kFileDateOrder);
    if (!c.Skip() || (piece = c.Word()).empty()) {
        return;
    }
    line.SetStartTime(piece);
    if (!c.Skip() || !c.UpToAt(piece)) {
        return;
    }
    line.SetText(std::string(piece));
    if (!c.UpToAt(piece)) {
        return;
    }
    line.SetTo(std::string(piece));
    if ((piece = c.Word()).empty()) {
        return;
    }
    line.SetArrivalTime(piece);
    if (!c.Skip() || !c.UpToAt(piece)) {
        return;
    }
    line.SetTransport(std::string(piece));
    if ((piece = c.Word()).empty()) {
        return;
    }
    line.SetKmFromText(piece);
    if (!c.Skip()) {
        return;
    }
    // Not a word after blanks: the writer puts exactly one blank before the code, so an empty
    // code reads as empty instead of taking the foreign amount's place.
    line.SetCurrency(std::string(c.NonBlanks()));
    if (!c.Skip() || !c.Number(value)) {
        return;
    }
    line.SetForeignAmount(value);
    if (!c.Skip() || !c.Number(value)) {
        return;
    }
    line.SetRate(value);
    if (!c.Skip() || !c.Number(value)) {
        return;
    }
    line.SetAmount(value);
}

void ParseOutlayRecord(std::string_view rest, CExpenseLine& line) {
    std::string_view piece;
    auto next = [&] {
        auto at = rest.find('@');
        if (at == std::string_view::npos) {
            return false;
        }
        piece = rest.substr(0, at);
        rest.remove_prefix(at + 1);
        return true;
    };
    if (!next()) {
        return;
    }
    line.SetDate(piece, kFileDateOrder);
    if (!next()) {
        return;
    }
    line.SetText(std::string(piece));
    if (!next()) {
        return;
    }
    line.SetCurrency(std::string(piece));
    if (!next()) {
        return;
    }
    line.SetForeignAmount(ParseAmount(piece));
    if (!next()) {
        return;
    }
    line.SetRate(ParseAmount(piece));
    line.SetAmount(ParseAmount(rest));
}

std::string RecordText(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c == '@' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return s;
}

std::string RecordCurrency(std::string_view code) {
    std::string s(code);
    for (char& c : s) {
        if (IsBlank(c)) {
            c = '_';
        }
    }
    return s;
}

std::string ClaimTextReader::Line() {
    std::size_t end = m_s.find('\n', m_i);
    if (end == std::string_view::npos) {
        // A line without its line end: the file was cut in it, or before it.
        m_ended = true;
        end = m_s.size();
    }
    std::string_view line = m_s.substr(m_i, end - m_i);
    m_i = end < m_s.size() ? end + 1 : m_s.size();
    // A NUL ends the text as it ends a C string, so the byte after a saved file's last line
    // never shows in a value.
    line = line.substr(0, line.find('\0'));
    std::string text(line);
    StripLineEnd(text);
    return text;
}

// Through the next ":" and the blank after it. A line end right after the colon stays, so a
// key whose blank an editor has trimmed does not swallow the next line.
void ClaimTextReader::SkipKey() {
    SkipThrough(':');
    if (m_i < m_s.size() && m_s[m_i] != '\n') {
        ++m_i;
    }
}

void ClaimTextReader::SkipThrough(char c) {
    std::size_t at = m_s.find(c, m_i);
    if (at == std::string_view::npos) {
        m_ended = true;
        m_i = m_s.size();
        return;
    }
    m_i = at + 1;
}

void ClaimTextReader::SkipBlanks() {
    while (m_i < m_s.size() && IsBlank(m_s[m_i])) {
        ++m_i;
    }
}

std::string ClaimTextReader::Word() {
    SkipBlanks();
    std::size_t start = m_i;
    while (m_i < m_s.size() && !IsBlank(m_s[m_i])) {
        ++m_i;
    }
    // A word that runs into the end of the file may have been cut.
    if (m_i >= m_s.size()) {
        m_ended = true;
    }
    return std::string(m_s.substr(start, m_i - start));
}

bool ClaimTextReader::LineHolds(char c) const {
    std::size_t end = std::min(m_s.find('\n', m_i), m_s.size());
    return m_s.substr(m_i, end - m_i).find(c) != std::string_view::npos;
}

std::string ClaimTextReader::KeyedLine() {
    SkipKey();
    return Line();
}

std::string ClaimTextReader::MultiLineText() {
    SkipKey();
    std::string text;
    bool collected = false;
    while (!AtEnd()) {
        std::string line = Line();
        if (line.empty()) {
            if (collected) {
                text += kLineEnd;
            }
            continue;
        }
        bool last = line.back() == kEndOfText;
        if (last) {
            line.pop_back();
        }
        if (collected) {
            text += kLineEnd;
        }
        text += line;
        collected = true;
        if (last) {
            StripLineEnd(text);
            return text;
        }
    }
    // The end mark never came.
    m_ended = true;
    StripLineEnd(text);
    return text;
}

std::unique_ptr<CTravelLine> ClaimTextReader::TravelRecord() {
    auto line = std::make_unique<CTravelLine>();
    ParseTravelRecord(Line(), *line);
    return line;
}

std::unique_ptr<CExpenseLine> ClaimTextReader::OutlayRecord() {
    auto line = std::make_unique<CExpenseLine>();
    ParseOutlayRecord(Line(), *line);
    return line;
}

void WriteTravelRecord(const CTravelLine& line, DateOrder order, std::ostream& out) {
    out << OrInvalid(line.DateText(order), 8) << ' ' << OrInvalid(line.StartTimeText(), 5) << ' '
        << RecordText(line.Text()) << '@' << RecordText(line.To()) << '@'
        << OrInvalid(line.ArrivalTimeText(), 5) << ' ' << RecordText(line.Transport()) << '@'
        << IntToText(line.Km()) << ' ' << RecordCurrency(line.Currency()) << ' '
        << FormatFloatExact(line.ForeignAmount()) << ' ' << FormatFloatExact(line.Rate()) << ' '
        << FormatFloatExact(line.Amount()) << ' ' << kLineEnd;
}

void WriteOutlayRecord(const CExpenseLine& line, DateOrder order, std::ostream& out) {
    out << line.DateText(order) << '@' << RecordText(line.Text()) << '@'
        << RecordText(line.Currency()) << '@' << FormatAmount(line.ForeignAmount(), true) << '@'
        << FormatAmount(line.Rate(), true) << '@' << FormatAmount(line.Amount(), true) << kLineEnd;
}

}  // namespace ferdix
