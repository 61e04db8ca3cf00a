#include "claim/claim_file.h"

#include <array>
#include <cmath>
#include <limits>

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/version.h"

namespace ferdix {

namespace {

constexpr char kEndOfText = '\xA4';
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kInvalid = "ugyldig";
constexpr auto kUnlimited = std::numeric_limits<std::streamsize>::max();

// The C locale's white space, whatever locale the program runs in.
bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// ---- Writing

// A line break inside a single-line value would shift every line after it.
std::string SingleLine(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return s;
}

// CR dropped, LF written as CR LF.
std::string WithCrLf(std::string_view text) {
    std::string s;
    s.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '\n') {
            s += kLineEnd;
        } else if (c != '\r') {
            s.push_back(c);
        }
    }
    return s;
}

// The reader ends a multi-line text at the first line whose last byte is 0xA4. A blank after
// such a byte keeps the rest of the text, and every field after it, in place.
std::string ProtectEndMarks(std::string text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != kEndOfText) {
            continue;
        }
        std::size_t j = i + 1;
        while (j < text.size() && text[j] == '\r') {
            ++j;
        }
        if (j < text.size() && text[j] == '\n') {
            text.insert(i + 1, 1, ' ');
        }
    }
    return text;
}

// A record date or time shorter than a real one is written as a word the parsers reject.
std::string OrInvalid(std::string text, std::size_t minLength) {
    return text.size() >= minLength ? text : std::string(kInvalid);
}

// ---- Reading

void CutAtNul(std::string& s) {
    auto nul = s.find('\0');
    if (nul != std::string::npos) {
        s.resize(nul);
    }
}

// One whole line, without its line end. A NUL ends the text as it ends a C string, so the byte
// after a saved file's last line never shows in a value. False when no line was left.
bool ReadLine(std::istream& in, std::string& line) {
    line.clear();
    if (!std::getline(in, line)) {
        return false;
    }
    CutAtNul(line);
    StripLineEnd(line);
    return true;
}

std::string ReadLine(std::istream& in) {
    std::string line;
    ReadLine(in, line);
    return line;
}

// Through the next ":" and the blank after it. A line end right after the colon stays, so a
// key whose blank an editor has trimmed does not swallow the next line.
void SkipKey(std::istream& in) {
    in.ignore(kUnlimited, ':');
    int c = in.peek();
    if (c != std::char_traits<char>::eof() && c != '\n') {
        in.get();
    }
}

void SkipBlanks(std::istream& in) {
    int c = in.peek();
    while (c != std::char_traits<char>::eof() && IsBlank(static_cast<char>(c))) {
        in.get();
        c = in.peek();
    }
}

std::string ReadWord(std::istream& in) {
    SkipBlanks(in);
    std::string word;
    int c = in.peek();
    while (c != std::char_traits<char>::eof() && !IsBlank(static_cast<char>(c))) {
        word.push_back(static_cast<char>(in.get()));
        c = in.peek();
    }
    return word;
}

// A number of a record; out of the float range reads as 0, as amounts do.
float ToFloat(double v) {
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max()) {
        return 0.0f;
    }
    return static_cast<float>(v);
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
    line.SetDate(piece);
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
    line.SetDate(piece);
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

// ---- The field table

template <std::string CTraveller::*Member>
std::string TravellerText(const CFerdixDoc& d) {
    return SingleLine(d.m_traveller.*Member);
}
template <std::string CTraveller::*Member>
void StoreTravellerText(CFerdixDoc& d, std::string v) {
    d.m_traveller.*Member = std::move(v);
}
template <std::string CFerdixDoc::*Member>
std::string DocText(const CFerdixDoc& d) {
    return SingleLine(d.*Member);
}
template <std::string CFerdixDoc::*Member>
void StoreDocText(CFerdixDoc& d, std::string v) {
    d.*Member = std::move(v);
}
template <std::string CFerdixDoc::*Member>
std::string DocLinesText(const CFerdixDoc& d) {
    return ProtectEndMarks(WithCrLf(d.*Member));
}

template <std::string CTraveller::*Member>
constexpr ClaimField TravellerField(std::string_view key) {
    return {key,   ClaimLineKind::Keyed,  true,
            false, TravellerText<Member>, StoreTravellerText<Member>};
}
template <std::string CFerdixDoc::*Member>
constexpr ClaimField DocField(std::string_view key) {
    return {key, ClaimLineKind::Keyed, true, false, DocText<Member>, StoreDocText<Member>};
}

std::string_view LodgingKindWord(int kind) {
    switch (kind) {
        case 0:
            return "Hotell";
        case 1:
            return "Pensjonat";
        case 3:
            return "Ingen";
        default:
            return "Annet";
    }
}

int LodgingKindFromWord(std::string_view word) {
    if (StartsWithNoCase(word, "hote")) {
        return 0;
    }
    if (StartsWithNoCase(word, "pens")) {
        return 1;
    }
    if (StartsWithNoCase(word, "anne")) {
        return 2;
    }
    return 3;
}

// clang-format off
const std::array<ClaimField, 23> kHeaderFields = {{
    {"Fødselsnummer"_cp, ClaimLineKind::Alone, true, false,
     TravellerText<&CTraveller::m_strPersonId>, StoreTravellerText<&CTraveller::m_strPersonId>},
    TravellerField<&CTraveller::m_strName>("Navn"),
    TravellerField<&CTraveller::m_strStreetAddress>("Gateadresse"),
    {"Postnummer", ClaimLineKind::Keyed, true, false,
     [](const CFerdixDoc& d) { return SingleLine(d.m_traveller.Postcode()); },
     [](CFerdixDoc& d, std::string v) { d.m_traveller.SetPostcode(v); }},
    TravellerField<&CTraveller::m_strPostTown>("Poststed"),
    TravellerField<&CTraveller::m_strPosition>("Stilling"),
    {"Km hittil i år"_cp, ClaimLineKind::Keyed, true, true,
     [](const CFerdixDoc& d) { return UIntToText(static_cast<int>(d.m_traveller.m_nKmSoFar)); },
     [](CFerdixDoc& d, std::string v) {
         d.m_traveller.m_nKmSoFar = static_cast<std::uint32_t>(TextToInt(v));
     }},
    TravellerField<&CTraveller::m_strAccountToCharge>("Konteres"),
    TravellerField<&CTraveller::m_strAccountNumber>("Konto"),
    TravellerField<&CTraveller::m_strAgency>("Etat"),
    TravellerField<&CTraveller::m_strDepartment>("Avdeling"),
    {"Ansattnummer", ClaimLineKind::Keyed, true, true,
     [](const CFerdixDoc& d) { return IntToText(d.m_traveller.m_nEmployeeNumber); },
     [](CFerdixDoc& d, std::string v) { d.m_traveller.m_nEmployeeNumber = TextToInt(v); }},
    TravellerField<&CTraveller::m_strTaxMunicipality>("Skattekommune"),
    {"Kommunenummer", ClaimLineKind::Keyed, true, true,
     [](const CFerdixDoc& d) { return UIntToText(d.m_traveller.m_nMunicipalityNumber); },
     [](CFerdixDoc& d, std::string v) { d.m_traveller.m_nMunicipalityNumber = TextToInt(v); }},
    {"Tjenestestedsnummer", ClaimLineKind::Keyed, false, true,
     [](const CFerdixDoc& d) { return UIntToText(d.m_traveller.m_nDutyStationNumber); },
     [](CFerdixDoc& d, std::string v) { d.m_traveller.m_nDutyStationNumber = TextToInt(v); }},
    {"Trekkprosent", ClaimLineKind::Keyed, true, true,
     [](const CFerdixDoc& d) {
         return FormatShortG(static_cast<double>(d.m_traveller.m_fTaxPercent));
     },
     [](CFerdixDoc& d, std::string v) { d.m_traveller.m_fTaxPercent = ToFloat(ParseDecimal(v)); }},
    {"Gjelder", ClaimLineKind::Keyed, true, false,
     [](const CFerdixDoc& d) { return d.TripKindText(); },
     [](CFerdixDoc& d, std::string v) { d.SetTripKindFromText(v); }},
    // Written as stored: the layout gives this text no line-end conversion.
    {"Regningen gjelder", ClaimLineKind::MultiLine, true, false,
     [](const CFerdixDoc& d) { return ProtectEndMarks(d.m_strConcerns); },
     StoreDocText<&CFerdixDoc::m_strConcerns>},
    {"Reisested og formål"_cp, ClaimLineKind::MultiLine, true, false,
     DocLinesText<&CFerdixDoc::m_strPurpose>, StoreDocText<&CFerdixDoc::m_strPurpose>},
    {"Utreisedato", ClaimLineKind::Keyed, true, false,
     [](const CFerdixDoc& d) { return d.DepartureDateText(); },
     [](CFerdixDoc& d, std::string v) { d.SetDepartureDate(v); }},
    {"Utreisetidspunkt", ClaimLineKind::Keyed, true, false,
     [](const CFerdixDoc& d) { return d.DepartureTimeText(); },
     [](CFerdixDoc& d, std::string v) { d.SetDepartureTime(v); }},
    {"Innreisedato", ClaimLineKind::Keyed, true, false,
     [](const CFerdixDoc& d) { return d.ReturnDateText(); },
     [](CFerdixDoc& d, std::string v) { d.SetReturnDate(v); }},
    {"Innreisetidspunkt", ClaimLineKind::Keyed, true, false,
     [](const CFerdixDoc& d) { return d.ReturnTimeText(); },
     [](CFerdixDoc& d, std::string v) { d.SetReturnTime(v); }},
}};

const std::array<ClaimField, 17> kClosingFields = {{
    DocField<&CFerdixDoc::m_strAbroadDayCountry>("Kost uten overnatting utland"),
    DocField<&CFerdixDoc::m_strAbroadNightCountry1>("Nattillegg utland 1"),
    DocField<&CFerdixDoc::m_strAbroadNightCountry2>("Nattillegg utland 2"),
    DocField<&CFerdixDoc::m_strUnverifiedNightCountry1>("Ulegitimert nattillegg 1"),
    DocField<&CFerdixDoc::m_strUnverifiedNightCountry2>("Ulegitimert nattillegg 2"),
    DocField<&CFerdixDoc::m_strUnverifiedNightCountry3>("Ulegitimert nattillegg 3"),
    DocField<&CFerdixDoc::m_strSpare>("??"),
    DocField<&CFerdixDoc::m_strOtherTransport>("Annet skyssmiddel"),
    DocField<&CFerdixDoc::m_strOtherAdditions>("Andre tillegg"),
    DocField<&CFerdixDoc::m_strOtherDeductions>("Andre trekk"),
    DocField<&CFerdixDoc::m_strAdvancePlace>("Reiseforskudd utbetalingssted"),
    DocField<&CFerdixDoc::m_strTripNumber>("ReiseNr."),
    {"OvernattingType", ClaimLineKind::Keyed, true, false,
     [](const CFerdixDoc& d) { return std::string(LodgingKindWord(d.m_nLodgingKind)); },
     [](CFerdixDoc& d, std::string v) { d.m_nLodgingKind = LodgingKindFromWord(v); }},
    DocField<&CFerdixDoc::m_strLodging>("Overnatting"),
    {"Merknader", ClaimLineKind::MultiLine, true, false,
     DocLinesText<&CFerdixDoc::m_strRemarks>, StoreDocText<&CFerdixDoc::m_strRemarks>},
    {"Interimskonto", ClaimLineKind::Keyed, true, false,
     DocText<&CFerdixDoc::m_strInterimAccount>,
     [](CFerdixDoc& d, std::string v) { d.SetInterimAccount(v); }},
    {"Trekk TT-kode", ClaimLineKind::Keyed, true, false,
     DocText<&CFerdixDoc::m_strTTCode>,
     [](CFerdixDoc& d, std::string v) { d.SetTTCode(v); }},
}};
// clang-format on

void WriteFields(const CFerdixDoc& doc, std::span<const ClaimField> fields, std::ostream& out) {
    for (const ClaimField& f : fields) {
        if (f.kind != ClaimLineKind::Alone) {
            out << f.key << ": ";
        }
        out << f.fileText(doc);
        if (f.kind == ClaimLineKind::MultiLine) {
            out << kEndOfText;
        }
        out << kLineEnd;
    }
}

void ReadFields(CFerdixDoc& doc, std::span<const ClaimField> fields, bool legacy,
                std::istream& in) {
    for (const ClaimField& f : fields) {
        if (legacy && !f.inLegacyLayout) {
            continue;
        }
        switch (f.kind) {
            case ClaimLineKind::Alone:
                f.store(doc, ReadLine(in));
                break;
            case ClaimLineKind::Keyed:
                f.store(doc, ReadKeyedLine(in));
                break;
            case ClaimLineKind::MultiLine:
                f.store(doc, ReadMultiLineText(in));
                break;
        }
    }
}

// ---- The allowance block

// Allowance-table rows of the 28 stored lines; a 29th line holds zeros for no row.
constexpr std::array<int, 28> kStoredRows = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                             10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                             20, 21, 22, 23, 24, 25, 27, 28};
constexpr int kAllowanceWords = 87;

constexpr int kDroppedWithWarning = -1;
constexpr int kDroppedSilently = -2;
constexpr int W = kDroppedWithWarning;
constexpr int S = kDroppedSilently;
// Current row of each row of the older table.
constexpr std::array<int, 29> kLegacyRows = {0,  W,  W,  W,  5,  6,  W,  9,  10, 11,
                                             13, 14, W,  15, 16, 17, 18, 19, 20, 21,
                                             22, 23, 24, 25, S,  27, S,  S,  S};

// The table's own setter recomputes count x rate as SetLineValue does. The net amount and the
// modified mark follow once, when the whole claim is read: 87 refreshes of the net amount would
// each sum every line of the claim.
void StoreAllowance(CFerdixDoc& doc, int row, int column, float value) {
    doc.m_allowance.Set(row, column, value);
}

void WriteAllowances(const CFerdixDoc& doc, std::ostream& out) {
    for (int row : kStoredRows) {
        for (int column = 0; column < 3; ++column) {
            std::string text = FormatAmount(doc.LineValue(row, column), column != kCountColumn);
            out << (text == "0" ? "0,00" : text) << ' ';
        }
        out << kLineEnd;
    }
    out << "0,00 0,00 0,00 " << kLineEnd;
}

void ReadAllowances(CFerdixDoc& doc, std::istream& in) {
    for (int k = 0; k < kAllowanceWords; ++k) {
        std::string word = ReadWord(in);
        if (word.empty()) {
            return;
        }
        std::size_t place = static_cast<std::size_t>(k / 3);
        if (place < kStoredRows.size()) {
            StoreAllowance(doc, kStoredRows[place], k % 3, ParseAmount(word));
        }
    }
}

void ReadLegacyAllowances(CFerdixDoc& doc, std::istream& in) {
    bool warned = false;
    for (int k = 0; k < kAllowanceWords; ++k) {
        std::string word = ReadWord(in);
        if (word.empty()) {
            return;
        }
        float value = ParseAmount(word);
        int row = kLegacyRows[static_cast<std::size_t>(k / 3)];
        if (row >= 0) {
            StoreAllowance(doc, row, k % 3, value);
        } else if (row == kDroppedWithWarning && value > 0.1f && !warned) {
            warned = true;
            if (IClaimHost* host = doc.Host()) {
                MessageRequest m;
                m.caption = "Advarsel";
                m.text = std::string(
                    "Det har blitt gjort endringer i den offiselle utgaven\r\n"
                    "av Ferdix som gjør at ikke alle felt kunne leses.\r\n"
                    "Noe informasjon er tapt."_cp);
                m.buttons = MsgButtons::OkCancel;
                host->ShowMessage(m);
            }
        }
    }
}

// ---- Layout

template <typename Line, typename Read>
void ReadRecords(std::istream& in, std::vector<std::unique_ptr<Line>>& lines, Read parse) {
    int count = TextToInt(ReadKeyedLine(in));
    SkipBlanks(in);
    std::string text;
    // Bounded by the lines the stream holds, whatever count the file claims.
    for (int i = 0; i < count && ReadLine(in, text); ++i) {
        auto line = std::make_unique<Line>();
        parse(text, *line);
        lines.push_back(std::move(line));
    }
}

void ReadBody(CFerdixDoc& doc, std::istream& in, bool legacy) {
    ReadLine(in);  // when it was saved
    ReadFields(doc, kHeaderFields, legacy, in);
    ReadRecords(in, doc.m_travelLines, ParseTravelRecord);
    ReadRecords(in, doc.m_outlayLines, ParseOutlayRecord);
    if (legacy) {
        ReadLegacyAllowances(doc, in);
    } else {
        ReadAllowances(doc, in);
    }
    in.ignore(kUnlimited, '@');
    ReadFields(doc, kClosingFields, legacy, in);
}

}  // namespace

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

std::span<const ClaimField> ClaimHeaderFields() {
    return kHeaderFields;
}

std::span<const ClaimField> ClaimClosingFields() {
    return kClosingFields;
}

std::string ReadKeyedLine(std::istream& in) {
    SkipKey(in);
    return ReadLine(in);
}

std::string ReadMultiLineText(std::istream& in) {
    SkipKey(in);
    std::string text;
    std::string line;
    bool collected = false;
    while (ReadLine(in, line)) {
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
            break;
        }
    }
    StripLineEnd(text);
    return text;
}

void WriteTravelRecord(const CTravelLine& line, std::ostream& out) {
    out << OrInvalid(line.DateText(), 8) << ' ' << OrInvalid(line.StartTimeText(), 5) << ' '
        << RecordText(line.Text()) << '@' << RecordText(line.To()) << '@'
        << OrInvalid(line.ArrivalTimeText(), 5) << ' ' << RecordText(line.Transport()) << '@'
        << IntToText(line.Km()) << ' ' << RecordCurrency(line.Currency()) << ' '
        << FormatShortG(static_cast<double>(line.ForeignAmount())) << ' '
        << FormatShortG(static_cast<double>(line.Rate())) << ' '
        << FormatShortG(static_cast<double>(line.Amount())) << ' ' << kLineEnd;
}

void WriteOutlayRecord(const CExpenseLine& line, std::ostream& out) {
    out << line.DateText() << '@' << RecordText(line.Text()) << '@' << RecordText(line.Currency())
        << '@' << FormatAmount(line.ForeignAmount(), true) << '@' << FormatAmount(line.Rate(), true)
        << '@' << FormatAmount(line.Amount(), true) << kLineEnd;
}

std::unique_ptr<CTravelLine> ReadTravelRecord(std::istream& in) {
    auto line = std::make_unique<CTravelLine>();
    ParseTravelRecord(ReadLine(in), *line);
    return line;
}

std::unique_ptr<CExpenseLine> ReadOutlayRecord(std::istream& in) {
    auto line = std::make_unique<CExpenseLine>();
    ParseOutlayRecord(ReadLine(in), *line);
    return line;
}

void WriteClaimText(const CFerdixDoc& doc, std::ostream& out) {
    out << "Versjon " << kVersionMajor << '.' << kVersionMinor << '.' << kVersionBuild << kLineEnd;
    out << "Lagret: " << FormatDateDayFirst(doc.Clock().Now()) << kLineEnd;
    WriteFields(doc, kHeaderFields, out);
    out << "Antall reisespesifikasjoner: " << IntToText(static_cast<int>(doc.m_travelLines.size()))
        << kLineEnd;
    for (const auto& line : doc.m_travelLines) {
        WriteTravelRecord(*line, out);
    }
    out << "Antall hotellutlegg: " << IntToText(static_cast<int>(doc.m_outlayLines.size()))
        << kLineEnd;
    for (const auto& line : doc.m_outlayLines) {
        WriteOutlayRecord(*line, out);
    }
    WriteAllowances(doc, out);
    out << '@' << kLineEnd;
    WriteFields(doc, kClosingFields, out);
}

void WriteClaim(CFerdixDoc& doc, std::ostream& out) {
    WriteClaimText(doc, out);
    doc.WriteProfile();
    doc.SetModified(false);
}

void ReadClaim(CFerdixDoc& doc, std::istream& in) {
    doc.m_bOpenedByFramework = false;
    std::string version = ReadLine(in);

    doc.m_tDeparture = kNoDate;
    doc.m_tReturn = kNoDate;
    doc.m_allowance.Clear();
    doc.m_strRemarks.clear();
    doc.m_strOtherTransport.clear();
    doc.m_strOtherAdditions.clear();
    doc.m_strOtherDeductions.clear();
    doc.DestroyAllLines();
    // The older layout has no duty-station line; the number of the claim open before must
    // not stay.
    doc.m_traveller.m_nDutyStationNumber = 0;

    IClaimView* view = doc.View();
    if (view) {
        view->SetLoading(true);
    }
    auto at = [&](std::size_t i) {
        return i < version.size() ? static_cast<unsigned char>(version[i]) : 0u;
    };
    unsigned major = at(8);
    unsigned minor = at(10);
    if (major < '2' || (major == '2' && minor < '3')) {
        ReadLegacyClaim(doc, in);
    } else {
        ReadBody(doc, in, false);
    }
    if (view) {
        view->RefreshForm();
        view->SetLoading(false);
    }
    doc.RefreshStatusSum();
    doc.SetModified(false);
}

void ReadLegacyClaim(CFerdixDoc& doc, std::istream& in) {
    ReadBody(doc, in, true);
}

}  // namespace ferdix
