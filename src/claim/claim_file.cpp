#include "claim/claim_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/version.h"
#include "base/written_standard.h"
#include "claim/claim_text.h"

namespace ferdix {

namespace {

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

// ---- Reading

// ---- The field table

}  // namespace

// The traveller's fields as the file holds them.
struct TravellerFileFields {
    static constexpr auto PersonId = &CTraveller::m_strPersonId;
    static constexpr auto Name = &CTraveller::m_strName;
    static constexpr auto StreetAddress = &CTraveller::m_strStreetAddress;
    static constexpr auto PostTown = &CTraveller::m_strPostTown;
    static constexpr auto Position = &CTraveller::m_strPosition;
    static constexpr auto KmSoFar = &CTraveller::m_nKmSoFar;
    static constexpr auto AccountToCharge = &CTraveller::m_strAccountToCharge;
    static constexpr auto AccountNumber = &CTraveller::m_strAccountNumber;
    static constexpr auto Agency = &CTraveller::m_strAgency;
    static constexpr auto Department = &CTraveller::m_strDepartment;
    static constexpr auto EmployeeNumber = &CTraveller::m_nEmployeeNumber;
    static constexpr auto TaxMunicipality = &CTraveller::m_strTaxMunicipality;
    static constexpr auto MunicipalityNumber = &CTraveller::m_nMunicipalityNumber;
    static constexpr auto DutyStationNumber = &CTraveller::m_nDutyStationNumber;
    static constexpr auto TaxPercent = &CTraveller::m_fTaxPercent;
};

namespace {

template <std::string CTraveller::*Member>
std::string TravellerText(const ClaimData& d, DateOrder) {
    return SingleLine(d.m_traveller.*Member);
}
template <std::string CTraveller::*Member>
void StoreTravellerText(ClaimData& d, std::string v, ClaimWarnings&) {
    d.m_traveller.*Member = std::move(v);
}
template <std::string ClaimData::*Member>
std::string DocText(const ClaimData& d, DateOrder) {
    return SingleLine(d.*Member);
}
template <std::string ClaimData::*Member>
void StoreDocText(ClaimData& d, std::string v, ClaimWarnings&) {
    d.*Member = std::move(v);
}
template <std::string ClaimData::*Member>
std::string DocLinesText(const ClaimData& d, DateOrder) {
    return ProtectEndMarks(WithCrLf(d.*Member));
}

template <std::string CTraveller::*Member>
constexpr ClaimField TravellerField(std::string_view key) {
    return {key,   ClaimLineKind::Keyed,  true,
            false, TravellerText<Member>, StoreTravellerText<Member>};
}
template <std::string ClaimData::*Member>
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
     TravellerText<TravellerFileFields::PersonId>, StoreTravellerText<TravellerFileFields::PersonId>},
    TravellerField<TravellerFileFields::Name>("Navn"),
    TravellerField<TravellerFileFields::StreetAddress>("Gateadresse"),
    {"Postnummer", ClaimLineKind::Keyed, true, false,
     [](const ClaimData& d, DateOrder) { return SingleLine(d.m_traveller.Postcode()); },
     [](ClaimData& d, std::string v, ClaimWarnings&) { d.m_traveller.SetPostcode(v); }},
    TravellerField<TravellerFileFields::PostTown>("Poststed"),
    TravellerField<TravellerFileFields::Position>("Stilling"),
    {"Km hittil i år"_cp, ClaimLineKind::Keyed, true, true,
     [](const ClaimData& d, DateOrder) { return UIntToText(static_cast<int>(d.m_traveller.*TravellerFileFields::KmSoFar)); },
     [](ClaimData& d, std::string v, ClaimWarnings&) {
         d.m_traveller.*TravellerFileFields::KmSoFar = static_cast<std::uint32_t>(TextToInt(v));
     }},
    TravellerField<TravellerFileFields::AccountToCharge>("Konteres"),
    TravellerField<TravellerFileFields::AccountNumber>("Konto"),
    TravellerField<TravellerFileFields::Agency>("Etat"),
    TravellerField<TravellerFileFields::Department>("Avdeling"),
    {"Ansattnummer", ClaimLineKind::Keyed, true, true,
     [](const ClaimData& d, DateOrder) { return IntToText(d.m_traveller.*TravellerFileFields::EmployeeNumber); },
     [](ClaimData& d, std::string v, ClaimWarnings&) { d.m_traveller.*TravellerFileFields::EmployeeNumber = TextToInt(v); }},
    TravellerField<TravellerFileFields::TaxMunicipality>("Skattekommune"),
    {"Kommunenummer", ClaimLineKind::Keyed, true, true,
     [](const ClaimData& d, DateOrder) { return UIntToText(d.m_traveller.*TravellerFileFields::MunicipalityNumber); },
     [](ClaimData& d, std::string v, ClaimWarnings&) { d.m_traveller.*TravellerFileFields::MunicipalityNumber = TextToInt(v); }},
    {"Tjenestestedsnummer", ClaimLineKind::Keyed, false, true,
     [](const ClaimData& d, DateOrder) { return UIntToText(d.m_traveller.*TravellerFileFields::DutyStationNumber); },
     [](ClaimData& d, std::string v, ClaimWarnings&) { d.m_traveller.*TravellerFileFields::DutyStationNumber = TextToInt(v); }},
    {"Trekkprosent", ClaimLineKind::Keyed, true, true,
     [](const ClaimData& d, DateOrder) {
         return FormatFloatExact(d.m_traveller.*TravellerFileFields::TaxPercent);
     },
     [](ClaimData& d, std::string v, ClaimWarnings&) { d.m_traveller.*TravellerFileFields::TaxPercent = ToFloat(ParseDecimal(v)); }},
    {"Gjelder", ClaimLineKind::Keyed, true, false,
     [](const ClaimData& d, DateOrder) { return d.TripKindText(); },
     [](ClaimData& d, std::string v, ClaimWarnings&) { d.SetTripKindFromText(v); }},
    // Written as stored: the layout gives this text no line-end conversion.
    {"Regningen gjelder", ClaimLineKind::MultiLine, true, false,
     [](const ClaimData& d, DateOrder) { return ProtectEndMarks(d.m_strConcerns); },
     StoreDocText<&ClaimData::m_strConcerns>},
    {"Reisested og formål"_cp, ClaimLineKind::MultiLine, true, false,
     DocLinesText<&ClaimData::m_strPurpose>, StoreDocText<&ClaimData::m_strPurpose>},
    {"Utreisedato", ClaimLineKind::Keyed, true, false,
     [](const ClaimData& d, DateOrder order) { return d.DepartureDateText(order); },
     [](ClaimData& d, std::string v, ClaimWarnings& w) { d.SetDepartureDate(v, kFileDateOrder, w); }},
    {"Utreisetidspunkt", ClaimLineKind::Keyed, true, false,
     [](const ClaimData& d, DateOrder) { return d.DepartureTimeText(); },
     [](ClaimData& d, std::string v, ClaimWarnings& w) { d.SetDepartureTime(v, w); }},
    {"Innreisedato", ClaimLineKind::Keyed, true, false,
     [](const ClaimData& d, DateOrder order) { return d.ReturnDateText(order); },
     [](ClaimData& d, std::string v, ClaimWarnings& w) { d.SetReturnDate(v, kFileDateOrder, w); }},
    {"Innreisetidspunkt", ClaimLineKind::Keyed, true, false,
     [](const ClaimData& d, DateOrder) { return d.ReturnTimeText(); },
     [](ClaimData& d, std::string v, ClaimWarnings& w) { d.SetReturnTime(v, w); }},
}};

const std::array<ClaimField, 17> kClosingFields = {{
    DocField<&ClaimData::m_strAbroadDayCountry>("Kost uten overnatting utland"),
    DocField<&ClaimData::m_strAbroadNightCountry1>("Nattillegg utland 1"),
    DocField<&ClaimData::m_strAbroadNightCountry2>("Nattillegg utland 2"),
    DocField<&ClaimData::m_strUnverifiedNightCountry1>("Ulegitimert nattillegg 1"),
    DocField<&ClaimData::m_strUnverifiedNightCountry2>("Ulegitimert nattillegg 2"),
    DocField<&ClaimData::m_strUnverifiedNightCountry3>("Ulegitimert nattillegg 3"),
    DocField<&ClaimData::m_strSpare>("??"),
    DocField<&ClaimData::m_strOtherTransport>("Annet skyssmiddel"),
    DocField<&ClaimData::m_strOtherAdditions>("Andre tillegg"),
    DocField<&ClaimData::m_strOtherDeductions>("Andre trekk"),
    DocField<&ClaimData::m_strAdvancePlace>("Reiseforskudd utbetalingssted"),
    DocField<&ClaimData::m_strTripNumber>("ReiseNr."),
    {"OvernattingType", ClaimLineKind::Keyed, true, false,
     [](const ClaimData& d, DateOrder) { return std::string(LodgingKindWord(d.m_nLodgingKind)); },
     [](ClaimData& d, std::string v, ClaimWarnings&) { d.m_nLodgingKind = LodgingKindFromWord(v); }},
    DocField<&ClaimData::m_strLodging>("Overnatting"),
    {"Merknader", ClaimLineKind::MultiLine, true, false,
     DocLinesText<&ClaimData::m_strRemarks>, StoreDocText<&ClaimData::m_strRemarks>},
    {"Interimskonto", ClaimLineKind::Keyed, true, false,
     DocText<&ClaimData::m_strInterimAccount>,
     [](ClaimData& d, std::string v, ClaimWarnings&) { d.SetText(d.m_strInterimAccount, v); }},
    {"Trekk TT-kode", ClaimLineKind::Keyed, true, false,
     DocText<&ClaimData::m_strTTCode>,
     [](ClaimData& d, std::string v, ClaimWarnings&) { d.SetText(d.m_strTTCode, v); }},
}};
// clang-format on

void WriteFields(const ClaimData& doc, DateOrder order, std::span<const ClaimField> fields,
                 std::ostream& out) {
    for (const ClaimField& f : fields) {
        if (f.kind != ClaimLineKind::Alone) {
            out << f.key << ": ";
        }
        out << f.fileText(doc, order);
        if (f.kind == ClaimLineKind::MultiLine) {
            out << kEndOfText;
        }
        out << kLineEnd;
    }
}

// Reads the layout's pieces in order and notes the first one the file ended in.
class LayoutReader {
  public:
    LayoutReader(std::string_view bytes, ClaimRead& read)
        : in(bytes), warnings(read.warnings), m_damage(read.damage) {}

    // After each piece.
    void Note(ClaimPart part) {
        if (in.Ended() && !m_damage.endedAt) {
            m_damage.endedAt = part;
        }
    }
    void NoteCount(bool travel, int said, int found) {
        if (said != found) {
            m_damage.counts.push_back({travel, said, found});
        }
    }

    ClaimTextReader in;
    // What storing the values raised, in file order.
    ClaimWarnings& warnings;

  private:
    ClaimDamage& m_damage;
};

ClaimPart FieldPart(const ClaimField& f) {
    return {ClaimPart::Field, f.key, 0};
}

void ReadFields(ClaimData& doc, std::span<const ClaimField> fields, bool legacy, LayoutReader& r) {
    for (const ClaimField& f : fields) {
        if (legacy && !f.inLegacyLayout) {
            continue;
        }
        switch (f.kind) {
            case ClaimLineKind::Alone:
                f.store(doc, r.in.Line(), r.warnings);
                break;
            case ClaimLineKind::Keyed:
                f.store(doc, r.in.KeyedLine(), r.warnings);
                break;
            case ClaimLineKind::MultiLine:
                f.store(doc, r.in.MultiLineText(), r.warnings);
                break;
        }
        r.Note(FieldPart(f));
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
void StoreAllowance(ClaimData& doc, int row, int column, float value) {
    doc.m_allowance.Set(row, column, value);
}

void WriteAllowances(const ClaimData& doc, std::ostream& out) {
    for (int row : kStoredRows) {
        for (int column = 0; column < 3; ++column) {
            std::string text = FormatAmount(doc.LineValue(row, column), column != kCountColumn);
            out << (text == "0" ? "0,00" : text) << ' ';
        }
        out << kLineEnd;
    }
    out << "0,00 0,00 0,00 " << kLineEnd;
}

void ReadAllowances(ClaimData& doc, ClaimTextReader& in) {
    for (int k = 0; k < kAllowanceWords; ++k) {
        std::string word = in.Word();
        if (word.empty()) {
            return;
        }
        std::size_t place = static_cast<std::size_t>(k / 3);
        if (place < kStoredRows.size()) {
            StoreAllowance(doc, kStoredRows[place], k % 3, ParseAmount(word));
        }
    }
}

void ReadLegacyAllowances(ClaimData& doc, ClaimTextReader& in, ClaimWarnings& warnings) {
    bool warned = false;
    for (int k = 0; k < kAllowanceWords; ++k) {
        std::string word = in.Word();
        if (word.empty()) {
            return;
        }
        float value = ParseAmount(word);
        int row = kLegacyRows[static_cast<std::size_t>(k / 3)];
        if (row >= 0) {
            StoreAllowance(doc, row, k % 3, value);
        } else if (row == kDroppedWithWarning && value > 0.1f && !warned) {
            warned = true;
            MessageRequest m;
            m.caption = "Advarsel";
            m.text = std::string(
                "Det har blitt gjort endringer i den offiselle utgaven\r\n"
                "av Ferdix som gjør at ikke alle felt kunne leses.\r\n"
                "Noe informasjon er tapt."_cp);
            m.buttons = MsgButtons::OkCancel;
            warnings.push_back(std::move(m));
        }
    }
}

// ---- Layout

// The records after a count line. A record line holds "@" (a travel record three, an outlay
// five), the line after the records none: so a count that runs past the records stops at the
// next part of the layout, and records beyond a count too small are still taken as records.
template <typename Line, typename Parse>
void ReadRecords(LayoutReader& r, bool travel, std::vector<std::unique_ptr<Line>>& lines,
                 Parse parse) {
    int said = TextToInt(r.in.KeyedLine());
    r.Note({travel ? ClaimPart::TravelCount : ClaimPart::OutlayCount, {}, 0});
    r.in.SkipBlanks();
    int found = 0;
    auto part = [&] {
        return ClaimPart{travel ? ClaimPart::TravelRecord : ClaimPart::OutlayRecord, {}, found + 1};
    };
    while (!r.in.AtEnd() && r.in.LineHolds('@')) {
        auto line = std::make_unique<Line>();
        parse(r.in.Line(), *line);
        lines.push_back(std::move(line));
        r.Note(part());
        ++found;
        // An empty line an editor left between records is no record; no record begins with
        // a blank.
        r.in.SkipBlanks();
    }
    if (r.in.AtEnd() && found < said) {
        // The file ended among the records: say where, not that the count is wrong.
        r.in.Line();  // there is none: marks the reader as ended
        r.Note(part());
        return;
    }
    r.NoteCount(travel, said, found);
}

void ReadBody(ClaimData& doc, LayoutReader& r, bool legacy) {
    r.in.Line();  // when it was saved
    r.Note({ClaimPart::SavedLine, {}, 0});
    ReadFields(doc, kHeaderFields, legacy, r);
    ReadRecords(r, true, doc.m_travelLines, ParseTravelRecord);
    ReadRecords(r, false, doc.m_outlayLines, ParseOutlayRecord);
    if (legacy) {
        ReadLegacyAllowances(doc, r.in, r.warnings);
    } else {
        ReadAllowances(doc, r.in);
    }
    r.Note({ClaimPart::Allowances, {}, 0});
    r.in.SkipThrough('@');
    r.Note(FieldPart(kClosingFields.front()));
    ReadFields(doc, kClosingFields, legacy, r);
}

}  // namespace

std::span<const ClaimField> ClaimHeaderFields() {
    return kHeaderFields;
}

std::span<const ClaimField> ClaimClosingFields() {
    return kClosingFields;
}

void WriteClaim(const ClaimData& doc, DateOrder order, const CivilTime& savedOn,
                std::ostream& out) {
    out << "Versjon " << kVersionMajor << '.' << kVersionMinor << '.' << kVersionBuild << kLineEnd;
    out << "Lagret: " << FormatDateDayFirst(savedOn) << kLineEnd;
    WriteFields(doc, order, kHeaderFields, out);
    out << "Antall reisespesifikasjoner: " << IntToText(static_cast<int>(doc.m_travelLines.size()))
        << kLineEnd;
    for (const auto& line : doc.m_travelLines) {
        WriteTravelRecord(*line, order, out);
    }
    out << "Antall hotellutlegg: " << IntToText(static_cast<int>(doc.m_outlayLines.size()))
        << kLineEnd;
    for (const auto& line : doc.m_outlayLines) {
        WriteOutlayRecord(*line, order, out);
    }
    WriteAllowances(doc, out);
    out << '@' << kLineEnd;
    WriteFields(doc, order, kClosingFields, out);
}

ClaimVersion ProgramClaimVersion() {
    return {kVersionNumbers[0], kVersionNumbers[1], kVersionNumbers[2]};
}

std::optional<ClaimVersion> ParseClaimVersion(std::string_view line) {
    constexpr std::string_view kPrefix = "Versjon ";
    if (!line.starts_with(kPrefix)) {
        return std::nullopt;
    }
    std::size_t i = kPrefix.size();
    // At most nine digits, so that a number always fits.
    auto number = [&](int& out) {
        std::size_t start = i;
        out = 0;
        while (i < line.size() && i - start < 9 && line[i] >= '0' && line[i] <= '9') {
            out = out * 10 + (line[i] - '0');
            ++i;
        }
        return i > start;
    };
    auto dot = [&] {
        if (i < line.size() && line[i] == '.') {
            ++i;
            return true;
        }
        return false;
    };
    ClaimVersion v;
    if (!number(v.major) || !dot() || !number(v.minor)) {
        return std::nullopt;
    }
    if (dot()) {
        number(v.build);
    }
    return v;
}

ClaimRead ReadClaim(ClaimData& doc, std::istream& in) {
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ReadClaim(doc, bytes);
}

ClaimRead ReadClaim(ClaimData& doc, std::string_view bytes) {
    return ReadClaim(doc, bytes, ProgramClaimVersion());
}

ClaimRead ReadClaim(ClaimData& doc, std::string_view bytes, const ClaimVersion& program) {
    ClaimRead read;
    ClaimDamage& damage = read.damage;
    LayoutReader r(bytes, read);
    std::string versionLine = r.in.Line();
    r.Note({ClaimPart::VersionLine, {}, 0});

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
    doc.m_traveller.*TravellerFileFields::DutyStationNumber = 0;

    // The layout follows the version's numbers: 2.10 is newer than 2.3, not older.
    std::optional<ClaimVersion> version = ParseClaimVersion(versionLine);
    auto before = [](const ClaimVersion& a, int major, int minor) {
        return a.major < major || (a.major == major && a.minor < minor);
    };
    if (!version) {
        damage.notAClaim = true;
    } else if (before(program, version->major, version->minor)) {
        damage.newer = version;
    }
    ReadBody(doc, r, version && before(*version, 2, 3));
    return read;
}

namespace {

std::string CountText(int n) {
    return IntToText(n);
}

std::string PartText(int standard, const ClaimPart& part) {
    switch (part.kind) {
        case ClaimPart::VersionLine:
            return "Versjon";
        case ClaimPart::SavedLine:
            return "Lagret";
        case ClaimPart::Field:
            return std::string(part.key);
        case ClaimPart::TravelCount:
            return "Antall reisespesifikasjoner";
        case ClaimPart::TravelRecord:
            return "reisespesifikasjon nr. " + CountText(part.number);
        case ClaimPart::OutlayCount:
            return "Antall hotellutlegg";
        case ClaimPart::OutlayRecord:
            return "hotellutlegg nr. " + CountText(part.number);
        case ClaimPart::Allowances:
            return std::string(ByStandard(standard, "godtgjøringene"_cp, "godtgjeringane"));
    }
    return {};
}

std::string VersionText(const ClaimVersion& v) {
    return IntToText(v.major) + "." + IntToText(v.minor) + "." + IntToText(v.build);
}

}  // namespace

MessageRequest DamagedClaimMessage(int standard, const std::string& path,
                                   const ClaimDamage& damage) {
    MessageRequest m;
    m.caption = std::string(ByStandard(standard, "Skadet reiseregning", "Skadd reiserekning"));
    m.icon = MsgIcon::Exclamation;
    std::string& t = m.text;
    t = std::string(ByStandard(standard, "Reiseregningen\n", "Reiserekninga\n")) + path +
        std::string(
            ByStandard(standard, "\nkunne ikke leses hel:\n", "\nkunne ikkje lesast heil:\n"));
    if (damage.notAClaim) {
        t += std::string(ByStandard(
            standard,
            "\n- Den første linjen er ikke «Versjon» med et versjonsnummer, så filen er kanskje "
            "ikke en reiseregning."_cp,
            "\n- Den første linja er ikkje «Versjon» med eit versjonsnummer, så fila er kanskje "
            "ikkje ei reiserekning."_cp));
    }
    if (damage.newer) {
        t += std::string(ByStandard(standard, "\n- Den er lagret av Ferdix ",
                                    "\n- Ho er lagra av Ferdix ")) +
             VersionText(*damage.newer) +
             std::string(ByStandard(standard, ", en nyere versjon enn denne (",
                                    ", ein nyare versjon enn denne (")) +
             VersionText(ProgramClaimVersion()) +
             std::string(ByStandard(
                 standard,
                 "). Det den nyere versjonen har lagt til, kan mangle eller være lest feil."_cp,
                 "). Det den nyare versjonen har lagt til, kan mangle eller vere lese feil."));
    }
    if (damage.endedAt) {
        t += std::string(
                 ByStandard(standard, "\n- Filen slutter i «"_cp, "\n- Fila sluttar i «"_cp)) +
             PartText(standard, *damage.endedAt) +
             std::string(ByStandard(
                 standard,
                 "», før reiseregningen er slutt. Det som skulle stått derfra og ut, mangler."_cp,
                 "», før reiserekninga er slutt. Det som skulle stått derifrå og ut, manglar."_cp));
    }
    for (const ClaimCountMismatch& c : damage.counts) {
        t += std::string("\n- «"_cp) +
             (c.travel ? "Antall reisespesifikasjoner" : "Antall hotellutlegg") +
             std::string(ByStandard(standard, "» sier "_cp, "» seier "_cp)) + CountText(c.said) +
             std::string(ByStandard(standard, ", men filen har ", ", men fila har ")) +
             CountText(c.found) + ".";
    }
    t += std::string(ByStandard(
        standard,
        "\n\nDet som kunne leses, er tatt med. Se over reiseregningen før du bruker den."_cp,
        "\n\nDet som kunne lesast, er teke med. Sjå over reiserekninga før du brukar ho."_cp));
    return m;
}

}  // namespace ferdix
