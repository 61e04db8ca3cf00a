#include "form/label_table.h"

#include <algorithm>
#include <iterator>

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "form/control_ids.h"
#include "form/string_table.h"

namespace ferdix {

namespace {

struct LabelEntry {
    int id;
    std::string_view bokmal;
    std::string_view nynorsk;  // empty: the bokmål text serves both
};

// clang-format off
constexpr LabelEntry kFormLabels[] = {
    {kIdJobBox, "Jobbdetaljer", "Jobbdetaljar"},
    {kIdNameLabel, "Navn", "Namn"},
    {kIdPostTownLabel, "Poststed", "Poststad"},
    {kIdTripKindBox, "Regningen gjelder", "Rekninga gjeld"},
    {kIdTripOther, "Annet", "Anna"},
    {kIdPurposeBox, "Reisested og -formål"_cp, "Reisestad og -føremål"_cp},
    {kIdDepartmentLabel, "Avdeling/\ntj.sted", "Avdeling/\nten.stad"},
    {kIdEmployeeNumberLabel, "Ansatt nr.", "Tilsett nr."},
    {kIdDayBlockLabel, "Kostgodtgjøring uten overnatting"_cp, "Kostgodtgjersle utan overnatting"},
    {kIdOvernightBlockLabel, "Kostgodtgjøring ved overnatting"_cp, "Kostgodtgjersle ved overnatting"},
    {kIdNightBlockLabel, "Ulegitimert nattillegg", "Ulegitimert nattillegg"},
    {kIdOwnTransportBlockLabel, "Eget skyssmiddel\nSpesifiser\nreisen ovenfor", "Eige skyssmiddel.\nSpesifiser reisa\novanfor"},
    {kIdLongStayBlockLabel, "Opphold utover 28 døgn"_cp, "Opphald utover 28 døgn"_cp},
    {kIdOtherAllowanceBlockLabel, "Andre\ngodtgjøringer"_cp, "Andre godtgjersler"},
    {kIdAdvanceBlockLabel, "Reiseforskudd", "Reiseforskot"},
    {kIdTravelFromLabel, "Fra", "Frå"_cp},
    {kIdTravelFromPlaceLabel, "Sted", "Stad"},
    {kIdTravelAmountLabel, "Beløp"_cp, "Sum"},
    {kIdTravelSumLabel, "Sum", "Sum"},
    {kIdTravelToPlaceLabel, "Sted", "Stad"},
    {kIdTravelMeansLabel, "Skyss-\nmiddel", "Skyss-\nmiddel"},
    {kIdOutlaySumLabel, "Sum", "Sum"},
    {kIdOutlayAmountLabel, "Beløp"_cp, "Sum"},
    {kIdDayDomestic5to9hLabel, "Innland: 5-9 timer", "Innland: 5-9 timar"},
    {kIdDayDomestic9to12hLabel, "Innland: 9-12 timer", "Innland: 9-12 timar"},
    {kIdDayAbroad6to12hLabel, "Utland: 6-12 timer", "Utland: 6-12 timar"},
    {kIdOvernightDomestic8to12hLabel, "Innland: 8-12 timer", "Innland: 8-12 timar"},
    {kIdCarUpTo9000Label, "Bil: 0-9000 km", "Bil: 0-9000 km"},
    {kIdCarOver9000Label, "Bil: over 9000 km", "Bil: over 9000 km"},
    {kIdPassengerSupplementLabel, "Passasjertillegg", "Passasjertillegg"},
    {kIdOtherOwnTransportLabel, "Annet", "Anna"},
    {kIdOtherAllowanceLabel, "Annet", "Anna"},
    {kIdMealDeductionNoOvernightLabel, "Frokost/lunsj/middag", "Frukost/lunsj/middag"},
    {kIdAdvancePlaceLabel, "Utbet.sted", "Utbet.stad"},
    {kIdMealDeductionOvernight1Label, "Frokost/lunsj/middag", "Frukost/lunsj/middag"},
    {kIdMealDeductionOvernight2Label, "Frokost/lunsj/middag", "Frukost/lunsj/middag"},
    {kIdAccountToChargeLabel, "Konteres\n(Brutto reiseregning)", "Til konto\n(Brutto reiserekning)"},
    {kIdWrittenDateLabel, "Skrevet\ndato", "Skriven\ndato"},
    {kIdLodgingKindBox, "Overnatting (se lenger nede)", "Overnatting (sjå lenger nede)"_cp},
    {kIdLodgingOther, "Annet", "Anna"},
    {kIdOutlayBox, "Utlegg til hotell, mat, bompenger, avgift m.m.", "Utlegg til hotell, mat, bompengar, avgift o.l."},
    {kIdLodgingLabel, "Navn og adresse på hotell, pensjonat e.a. (ikke privat)"_cp, "Namn og adresse på hotell, pensjonat e.a. (ikkje privat)"_cp},
    {kIdDutyStationLabel, "Tjenestestednr.", "Tenestestadnr."},
    {kIdDayDomesticOver12hLabel, "Innland: Over 12 timer", "Innland: Over 12 timar"},
    {kIdOvernightDomesticOver12hLabel, "Innland: Over 12 timer", "Innland: Over 12 timar"},
    {kIdBoardLodgingDaysCoveredLabel, "Antall kost- og overnattingsdøgn dekket etter regning"_cp, "Tall på kost- og overnattingsdøgn etter rekning"_cp},
    {kIdLongStayBoardLabel, "Kostgodtgjøring"_cp, "Kostgodtgjersle"},
    {kIdHomeWorkTaxableLabel, "Hjem - arbeid (skattepliktig)", "Heim - arbeid (skattepliktig)"},
    {kIdDayDomesticUnder5hLabel, "Innland: Under 5 timer", "Innland: Under 5 timar"},
    {kIdMealDeductionNoOvernightText, "Uten overnatting", "Utan overnatting"},
    {kIdCountHead, "Antall", "Kor mange"},
    {kIdAmountHead, "Beløp"_cp, "Sum"},
};

// The traveller block and trip dates of the printed form.
constexpr LabelEntry kPrintLabels[] = {
    {kIdNameLabel, "Etternavn og\nfornavn", "Etternamn og\nførenamn"_cp},
    {kIdStreetLabel, "Privatadresse", "Privatadresse"},
    {kIdPostcodeLabel, "Postnr.", "Postnr."},
    {kIdPostTownLabel, "Poststed", "Poststad"},
    {kIdTaxMunicipalityLabel, "Skatte-\nkommune", "Skatte-\nkommune"},
    {kIdMunicipalityNumberLabel, "Kommune-\nnummer", "Kommune-\nnummer"},
    {kIdDepartureDateLabel, "Utreise", "Utreise"},
    {kIdReturnDateLabel, "Retur", "Retur"},
    {kIdPositionLabel, "Stilling", "Stilling"},
    {kIdBankAccountLabel, "Bankkto.", "Bankkto."},
    {kIdDepartmentLabel, "Avdeling/\ntj.sted", "Avdeling/\nten.stad"},
    {kIdAgencyLabel, "Etat/\ninstitusjon", "Etat/\ninstitusjon"},
    {kIdEmployeeNumberLabel, "Ansatt nr.", "Tilsett nr."},
    {kIdTaxPercentLabel, "Trekk-\nprosent", "Trekk-\nprosent"},
    {kIdOvernightAbroadLabel, "Utland", "Utland"},
};

// Ids may repeat: the form sets some labels twice.
constexpr RelabelStep kRelabelOrder[] = {
    {kIdNameLabel, {}, {}}, {kIdPostTownLabel, {}, {}}, {kIdTripKindBox, {}, {}}, {kIdPurposeBox, {}, {}}, {kIdDepartmentLabel, {}, {}},
    {kIdEmployeeNumberLabel, {}, {}}, {kIdDayBlockLabel, {}, {}}, {kIdOvernightBlockLabel, {}, {}}, {kIdNightBlockLabel, {}, {}}, {kIdOwnTransportBlockLabel, {}, {}},
    {kIdLongStayBlockLabel, {}, {}}, {kIdOtherAllowanceBlockLabel, {}, {}}, {kIdAdvanceBlockLabel, {}, {}}, {kIdOvernightDomestic8to12hLabel, {}, {}}, {kIdOvernightDomesticOver12hLabel, {}, {}},
    {kIdTravelFromPlaceLabel, {}, {}}, {kIdTravelAmountLabel, {}, {}}, {kIdTravelSumLabel, {}, {}}, {kIdTravelToPlaceLabel, {}, {}}, {kIdTravelMeansLabel, {}, {}},
    {kIdOutlaySumLabel, {}, {}}, {kIdOutlayAmountLabel, {}, {}}, {kIdDayDomesticUnder5hLabel, {}, {}}, {kIdDayDomestic5to9hLabel, {}, {}}, {kIdCarUpTo9000Label, {}, {}},
    {kIdCarOver9000Label, {}, {}}, {kIdPassengerSupplementLabel, {}, {}}, {kIdOtherOwnTransportLabel, {}, {}}, {kIdOtherAllowanceLabel, {}, {}}, {kIdMealDeductionNoOvernightLabel, {}, {}},
    {kIdMealDeductionOvernight1Label, {}, {}}, {kIdMealDeductionOvernight2Label, {}, {}}, {kIdMealDeductionNoOvernightText, {}, {}}, {kIdAdvancePlaceLabel, {}, {}}, {kIdHomeWorkTaxableLabel, {}, {}},
    {kIdLongStayBoardLabel, {}, {}}, {kIdAccountToChargeLabel, {}, {}}, {kIdWrittenDateLabel, {}, {}}, {kIdJobBox, {}, {}}, {kIdTripOther, {}, {}},
    {kIdLodgingOther, {}, {}}, {kIdOtherOwnTransportLabel, {}, {}}, {kIdOtherAllowanceLabel, {}, {}}, {kIdTravelFromLabel, {}, {}}, {kIdOutlayBox, {}, {}},
    {kIdLodgingKindBox, {}, {}}, {kIdDayAbroad6to12hLabel, {}, {}}, {kIdDayDomesticOver12hLabel, {}, {}}, {kIdDayDomestic9to12hLabel, {}, {}}, {kIdAccountToChargeLabel, {}, {}},
    {kIdBoardLodgingDaysCoveredLabel, {}, {}}, {kIdDutyStationLabel, {}, {}},
    {kIdTripOfficial, "Tjenestereise", "Tenestereise"},
    {kIdLodgingLabel, {}, {}}, {kIdCountHead, {}, {}}, {kIdAmountHead, {}, {}},
};
// clang-format on

template <std::size_t N>
const LabelEntry* FindEntry(const LabelEntry (&table)[N], int id) {
    const auto* it = std::find_if(std::begin(table), std::end(table),
                                  [id](const LabelEntry& e) { return e.id == id; });
    return it != std::end(table) ? it : nullptr;
}

}  // namespace

std::string GetLabelText(int id, LabelVariant variant, int writtenStandard) {
    const LabelEntry* entry =
        variant == LabelVariant::Form ? FindEntry(kFormLabels, id) : FindEntry(kPrintLabels, id);
    if (entry == nullptr) {
        return std::string(StringResource(id));
    }
    if (writtenStandard == kNynorsk && !entry->nynorsk.empty()) {
        return std::string(entry->nynorsk);
    }
    return std::string(entry->bokmal);
}

std::string RelabelStep::Text(int standard) const {
    if (bokmal.empty()) {
        return GetLabelText(id, LabelVariant::Form, standard);
    }
    return std::string(ByStandard(standard, bokmal, nynorsk));
}

std::span<const RelabelStep> RelabelOrder() {
    return kRelabelOrder;
}

}  // namespace ferdix
