#include "form/form_template.h"

#include <algorithm>
#include <iterator>

#include "base/cp1252.h"
#include "form/control_ids.h"

namespace ferdix {

namespace {

constexpr int kNone = kNoControlId;

// Allowance grid columns and the abroad-country / description column beside them.
constexpr int kCountX = 235;
constexpr int kRateX = 276;
constexpr int kAmountX = 317;
constexpr int kGridFieldWidth = 30;
constexpr int kFieldHeight = 12;
constexpr int kSideX = 138;
constexpr int kSideWidth = 85;
constexpr int kHelpX = 351;  // the "?" buttons, right of the amount column

// Left edges of the grid's block labels and row labels; a row label beside a country list
// or description field stops short of it.
constexpr int kBlockX = 10;
constexpr int kBlockWidth = 50;
constexpr int kRowLabelX = 62;
constexpr int kShortRowLabelWidth = kSideX - kRowLabelX - 2;
constexpr int kLongRowLabelWidth = kCountX - kRowLabelX - 5;

constexpr ControlTemplate Make(int id, ControlKind kind, std::string_view text, DialogRect r,
                               bool tabStop, int box) {
    return {id, kind, text, r, tabStop, false, false, box};
}

constexpr ControlTemplate Box(int id, std::string_view text, DialogRect r) {
    return Make(id, ControlKind::GroupBox, text, r, false, 0);
}
constexpr ControlTemplate Label(int id, std::string_view text, DialogRect r, int box = 0) {
    return Make(id, ControlKind::Static, text, r, false, box);
}
constexpr ControlTemplate Field(int id, DialogRect r, int box = 0) {
    return Make(id, ControlKind::Edit, {}, r, true, box);
}
constexpr ControlTemplate MultiLine(int id, DialogRect r, int box) {
    return Make(id, ControlKind::MultiLineEdit, {}, r, true, box);
}
constexpr ControlTemplate Combo(int id, DialogRect r, int box = 0) {
    return Make(id, ControlKind::EditableDropDown, {}, r, true, box);
}
constexpr ControlTemplate List(int id, DialogRect r, int box) {
    return Make(id, ControlKind::ListView, {}, r, true, box);
}
constexpr ControlTemplate Button(int id, std::string_view text, DialogRect r, int box = 0) {
    return Make(id, ControlKind::PushButton, text, r, true, box);
}
constexpr ControlTemplate Check(int id, std::string_view text, DialogRect r, int box) {
    return Make(id, ControlKind::CheckBox, text, r, true, box);
}
// Only the first radio of a group is a tab stop; the arrow keys move within the group.
constexpr ControlTemplate FirstRadio(int id, std::string_view text, DialogRect r, int box = 0) {
    return {id, ControlKind::Radio, text, r, true, false, true, box};
}
constexpr ControlTemplate Radio(int id, std::string_view text, DialogRect r, int box = 0) {
    return Make(id, ControlKind::Radio, text, r, false, box);
}

// Grid rows: `top` is the row's top y; labels sit two units lower to centre on the fields.
constexpr ControlTemplate BlockLabel(int id, std::string_view text, int top, int lines) {
    return Label(id, text, {kBlockX, top + 2, kBlockWidth, 8 * lines});
}
constexpr ControlTemplate RowLabel(int id, std::string_view text, int top) {
    return Label(id, text, {kRowLabelX, top + 2, kLongRowLabelWidth, 8});
}
constexpr ControlTemplate ShortRowLabel(int id, std::string_view text, int top) {
    return Label(id, text, {kRowLabelX, top + 2, kShortRowLabelWidth, 8});
}
constexpr ControlTemplate Count(int id, int top) {
    return Field(id, {kCountX, top, kGridFieldWidth, kFieldHeight});
}
constexpr ControlTemplate Rate(int id, int top) {
    return Field(id, {kRateX, top, kGridFieldWidth, kFieldHeight});
}
// Computed amount: count x rate, never typed, skipped by Tab.
constexpr ControlTemplate Amount(int id, int top) {
    ControlTemplate c = Field(id, {kAmountX, top, kGridFieldWidth, kFieldHeight});
    c.tabStop = false;
    c.readOnly = true;
    return c;
}
// Amount typed by the user (deductions and advance).
constexpr ControlTemplate TypedAmount(int id, int top) {
    return Field(id, {kAmountX, top, kGridFieldWidth, kFieldHeight});
}
constexpr ControlTemplate Country(int id, int top) {
    return Combo(id, {kSideX, top, kSideWidth, kFieldHeight});
}
constexpr ControlTemplate Description(int id, int top) {
    return Field(id, {kSideX, top, kSideWidth, kFieldHeight});
}
// Advice button beside a deduction amount; Tab reaches it after the amount.
constexpr ControlTemplate Help(int id, int top) {
    return Make(id, ControlKind::PushButton, "?", {kHelpX, top, 14, kFieldHeight}, true, 0);
}

// clang-format off
constexpr ControlTemplate kControls[] = {
    // Traveller.
    Box(kIdPersonaliaBox, "Personalia", {7, 7, 396, 75}),
    Label(kIdPersonIdLabel, "Fødselsnummer"_cp, {13, 21, 60, 8}, kIdPersonaliaBox),
    Field(kIdPersonId, {76, 19, 60, 12}, kIdPersonaliaBox),
    Label(kNone, "(11 siffer)", {140, 21, 44, 8}, kIdPersonaliaBox),
    Label(kIdNameLabel, "Navn", {190, 21, 40, 8}, kIdPersonaliaBox),
    Field(kIdName, {232, 19, 164, 12}, kIdPersonaliaBox),
    Label(kIdStreetLabel, "Privatadresse", {13, 41, 60, 8}, kIdPersonaliaBox),
    Field(kIdStreet, {76, 39, 320, 12}, kIdPersonaliaBox),
    Label(kIdPostcodeLabel, "Postnr.", {13, 61, 60, 8}, kIdPersonaliaBox),
    Field(kIdPostcode, {76, 59, 30, 12}, kIdPersonaliaBox),
    Label(kIdPostTownLabel, "Poststed", {112, 61, 40, 8}, kIdPersonaliaBox),
    Field(kIdPostTown, {154, 59, 140, 12}, kIdPersonaliaBox),

    // Job details.
    Box(kIdJobBox, "Jobbdetaljer", {7, 87, 396, 92}),
    Label(kIdPositionLabel, "Stilling", {13, 101, 60, 8}, kIdJobBox),
    Field(kIdPosition, {76, 99, 120, 12}, kIdJobBox),
    Label(kIdBankAccountLabel, "Bankkonto", {204, 101, 50, 8}, kIdJobBox),
    Field(kIdBankAccount, {256, 99, 140, 12}, kIdJobBox),
    Label(kIdAgencyLabel, "Etat/institusjon", {13, 121, 60, 8}, kIdJobBox),
    Field(kIdAgency, {76, 119, 120, 12}, kIdJobBox),
    Label(kIdDepartmentLabel, "Avdeling/\ntj.sted", {204, 117, 50, 16}, kIdJobBox),
    Field(kIdDepartment, {256, 119, 140, 12}, kIdJobBox),
    Label(kIdTaxMunicipalityLabel, "Skattekommune", {13, 141, 60, 8}, kIdJobBox),
    Field(kIdTaxMunicipality, {76, 139, 120, 12}, kIdJobBox),
    Label(kIdMunicipalityNumberLabel, "Kommune-\nnummer", {204, 137, 50, 16}, kIdJobBox),
    Field(kIdMunicipalityNumber, {256, 139, 30, 12}, kIdJobBox),
    Label(kIdEmployeeNumberLabel, "Ansatt nr.", {13, 161, 60, 8}, kIdJobBox),
    Field(kIdEmployeeNumber, {76, 159, 40, 12}, kIdJobBox),
    Label(kIdTaxPercentLabel, "Trekkprosent", {124, 161, 50, 8}, kIdJobBox),
    Field(kIdTaxPercent, {176, 159, 24, 12}, kIdJobBox),
    Label(kIdDutyStationLabel, "Tjenestestednr.", {210, 161, 60, 8}, kIdJobBox),
    Field(kIdDutyStation, {272, 159, 40, 12}, kIdJobBox),

    // Kind of trip and lodging, side by side.
    Box(kIdTripKindBox, "Regningen gjelder", {7, 187, 186, 47}),
    FirstRadio(kIdTripCourse, "Kurs", {13, 198, 40, 10}, kIdTripKindBox),
    Radio(kIdTripOfficial, "Tjenestereise", {13, 209, 64, 10}, kIdTripKindBox),
    Radio(kIdTripOther, "Annet", {13, 220, 40, 10}, kIdTripKindBox),
    Field(kIdTripOtherText, {56, 219, 130, 12}, kIdTripKindBox),
    Box(kIdLodgingKindBox, "Overnatting (se lenger nede)", {217, 187, 186, 47}),
    Check(kIdOvernight, "Overnatting", {223, 200, 60, 10}, kIdLodgingKindBox),
    FirstRadio(kIdHotel, "Hotell", {223, 215, 40, 10}, kIdLodgingKindBox),
    Radio(kIdBoardingHouse, "Pensjonat", {266, 215, 50, 10}, kIdLodgingKindBox),
    Radio(kIdLodgingOther, "Annet", {319, 215, 40, 10}, kIdLodgingKindBox),

    // Destination, purpose, departure and return.
    Box(kIdPurposeBox, "Reisested og -formål"_cp, {7, 239, 396, 48}),
    MultiLine(kIdPurpose, {13, 250, 228, 31}, kIdPurposeBox),
    Label(kIdDepartureDateLabel, "Utreisedato", {246, 252, 50, 8}, kIdPurposeBox),
    Field(kIdDepartureDate, {298, 250, 40, 12}, kIdPurposeBox),
    Label(kNone, "Kl.", {342, 252, 12, 8}, kIdPurposeBox),
    Field(kIdDepartureTime, {356, 250, 24, 12}, kIdPurposeBox),
    Label(kIdReturnDateLabel, "Innreisedato", {246, 268, 50, 8}, kIdPurposeBox),
    Field(kIdReturnDate, {298, 266, 40, 12}, kIdPurposeBox),
    Label(kNone, "Kl.", {342, 268, 12, 8}, kIdPurposeBox),
    Field(kIdReturnTime, {356, 266, 24, 12}, kIdPurposeBox),

    // Travel legs: the "Fra" and "Til" rows, the money row, then the list.
    Box(kIdTravelBox, "Reisespesifikasjon og reiseutlegg", {7, 293, 396, 163}),
    Label(kIdTravelFromLabel, "Fra", {13, 307, 16, 8}, kIdTravelBox),
    Label(kNone, "Dato", {31, 307, 18, 8}, kIdTravelBox),
    Field(kIdTravelDate, {50, 305, 40, 12}, kIdTravelBox),
    Label(kNone, "Kl.", {94, 307, 12, 8}, kIdTravelBox),
    Field(kIdTravelTime, {108, 305, 24, 12}, kIdTravelBox),
    Label(kIdTravelFromPlaceLabel, "Sted", {136, 307, 18, 8}, kIdTravelBox),
    Field(kIdTravelFrom, {156, 305, 96, 12}, kIdTravelBox),
    Label(kNone, "Til", {13, 323, 16, 8}, kIdTravelBox),
    Label(kNone, "Kl.", {94, 323, 12, 8}, kIdTravelBox),
    Field(kIdTravelArrival, {108, 321, 24, 12}, kIdTravelBox),
    Label(kIdTravelToPlaceLabel, "Sted", {136, 323, 18, 8}, kIdTravelBox),
    Field(kIdTravelTo, {156, 321, 96, 12}, kIdTravelBox),
    Label(kIdTravelMeansLabel, "Skyss-\nmiddel", {258, 319, 28, 16}, kIdTravelBox),
    Combo(kIdTravelMeans, {288, 321, 60, 12}, kIdTravelBox),
    Label(kNone, "Km", {352, 323, 12, 8}, kIdTravelBox),
    Field(kIdTravelKm, {366, 321, 30, 12}, kIdTravelBox),
    Label(kNone, "Land", {13, 341, 18, 8}, kIdTravelBox),
    Combo(kIdTravelCurrency, {33, 339, 40, 12}, kIdTravelBox),
    Label(kIdTravelAmountLabel, "Beløp"_cp, {78, 341, 24, 8}, kIdTravelBox),
    Field(kIdTravelAmount, {104, 339, 44, 12}, kIdTravelBox),
    Label(kNone, "Kurs", {152, 341, 18, 8}, kIdTravelBox),
    Field(kIdTravelRate, {172, 339, 36, 12}, kIdTravelBox),
    Label(kIdTravelSumLabel, "Beløp"_cp, {212, 341, 24, 8}, kIdTravelBox),
    Field(kIdTravelSum, {238, 339, 44, 12}, kIdTravelBox),
    Button(kIdTravelRegister, "Registrer", {346, 338, 50, 14}, kIdTravelBox),
    List(kIdTravelList, {13, 357, 384, 93}, kIdTravelBox),

    // Outlays: heads above one entry row, then the list.
    Box(kIdOutlayBox, "Utlegg til hotell, mat, bompenger, avgift m.m.", {7, 463, 396, 133}),
    Label(kNone, "Dato", {13, 475, 40, 8}, kIdOutlayBox),
    Field(kIdOutlayDate, {13, 485, 40, 12}, kIdOutlayBox),
    Label(kNone, "Spesifikasjon", {57, 475, 130, 8}, kIdOutlayBox),
    Field(kIdOutlayText, {57, 485, 130, 12}, kIdOutlayBox),
    Label(kNone, "Land", {191, 475, 40, 8}, kIdOutlayBox),
    Combo(kIdOutlayCurrency, {191, 485, 40, 12}, kIdOutlayBox),
    Label(kIdOutlayAmountLabel, "Beløp"_cp, {235, 475, 40, 8}, kIdOutlayBox),
    Field(kIdOutlayAmount, {235, 485, 40, 12}, kIdOutlayBox),
    Label(kNone, "Kurs", {279, 475, 34, 8}, kIdOutlayBox),
    Field(kIdOutlayRate, {279, 485, 34, 12}, kIdOutlayBox),
    Label(kIdOutlaySumLabel, "Beløp"_cp, {317, 475, 40, 8}, kIdOutlayBox),
    Field(kIdOutlaySum, {317, 485, 40, 12}, kIdOutlayBox),
    Button(kIdOutlayRegister, "Registrer", {361, 484, 36, 14}, kIdOutlayBox),
    List(kIdOutlayList, {13, 503, 384, 87}, kIdOutlayBox),

    // Lodging.
    Box(kIdLodgingBox, "Overnatting", {7, 600, 396, 41}),
    Label(kIdLodgingLabel, "Navn og adresse på hotell, pensjonat e.a. (ikke privat)"_cp, {13, 612, 300, 8}, kIdLodgingBox),
    Field(kIdLodging, {13, 622, 384, 12}, kIdLodgingBox),

    // Allowance grid: column heads, then one row per allowance line.
    Label(kNone, "Land", {kSideX, 652, kSideWidth, 8}),
    Label(kIdCountHead, "Antall", {kCountX, 652, 38, 8}),
    Label(kNone, "Sats", {kRateX, 652, kGridFieldWidth, 8}),
    Label(kIdAmountHead, "Beløp"_cp, {kAmountX, 652, kGridFieldWidth, 8}),

    Label(kNone, "Admin. godtgjøring"_cp, {kBlockX, 667, 88, 8}),
    FirstRadio(kIdAdminDomestic, "Innland", {100, 666, 40, 10}),
    Radio(kIdAdminAbroad, "Utland", {142, 666, 40, 10}),
    Count(kIdAdminAllowanceCount, 665), Rate(kIdAdminAllowanceRate, 665), Amount(kIdAdminAllowanceAmount, 665),

    BlockLabel(kIdDayBlockLabel, "Kostgodtgjøring uten overnatting"_cp, 684, 3),
    RowLabel(kIdDayDomesticUnder5hLabel, "Innland: Under 5 timer", 684),
    Count(kIdDayDomesticUnder5hCount, 684), Rate(kIdDayDomesticUnder5hRate, 684), Amount(kIdDayDomesticUnder5hAmount, 684),
    RowLabel(kIdDayDomestic5to9hLabel, "Innland: 5-9 timer", 700),
    Count(kIdDayDomestic5to9hCount, 700), Rate(kIdDayDomestic5to9hRate, 700), Amount(kIdDayDomestic5to9hAmount, 700),
    RowLabel(kIdDayDomestic9to12hLabel, "Innland: 9-12 timer", 716),
    Count(kIdDayDomestic9to12hCount, 716), Rate(kIdDayDomestic9to12hRate, 716), Amount(kIdDayDomestic9to12hAmount, 716),
    RowLabel(kIdDayDomesticOver12hLabel, "Innland: Over 12 timer", 732),
    Count(kIdDayDomesticOver12hCount, 732), Rate(kIdDayDomesticOver12hRate, 732), Amount(kIdDayDomesticOver12hAmount, 732),
    ShortRowLabel(kIdDayAbroad6to12hLabel, "Utland 6-12 timer", 748),
    Country(kIdDayCountry, 756),
    Count(kIdDayAbroad6to12hCount, 748), Rate(kIdDayAbroad6to12hRate, 748), Amount(kIdDayAbroad6to12hAmount, 748),
    ShortRowLabel(kIdDayAbroadOver12hLabel, "Utland: Over 12 t.", 764),
    Count(kIdDayAbroadOver12hCount, 764), Rate(kIdDayAbroadOver12hRate, 764), Amount(kIdDayAbroadOver12hAmount, 764),

    BlockLabel(kIdOvernightBlockLabel, "Kostgodtgjøring\nved overnatting"_cp, 783, 3),
    RowLabel(kIdOvernightDomestic8to12hLabel, "Innland: 8-12 timer", 783),
    Count(kIdOvernightDomestic8to12hCount, 783), Rate(kIdOvernightDomestic8to12hRate, 783), Amount(kIdOvernightDomestic8to12hAmount, 783),
    RowLabel(kIdOvernightDomesticOver12hLabel, "Innland: Over 12 timer", 800),
    Count(kIdOvernightDomesticOver12hCount, 800), Rate(kIdOvernightDomesticOver12hRate, 800), Amount(kIdOvernightDomesticOver12hAmount, 800),
    ShortRowLabel(kIdOvernightAbroadLabel, "Utland", 816),
    Country(kIdNightCountry1, 816),
    Count(kIdOvernightAbroad1Count, 816), Rate(kIdOvernightAbroad1Rate, 816), Amount(kIdOvernightAbroad1Amount, 816),
    ShortRowLabel(kNone, "Utland", 832),
    Country(kIdNightCountry2, 832),
    Count(kIdOvernightAbroad2Count, 832), Rate(kIdOvernightAbroad2Rate, 832), Amount(kIdOvernightAbroad2Amount, 832),

    BlockLabel(kIdNightBlockLabel, "Nattillegg\nulegitimert", 851, 3),
    RowLabel(kNone, "Innland", 851),
    Count(kIdNightDomesticCount, 851), Rate(kIdNightDomesticRate, 851), Amount(kIdNightDomesticAmount, 851),
    RowLabel(kNone, "Innland overnatting hotell", 865),
    Count(kIdNightDomesticHotelCount, 865), Rate(kIdNightDomesticHotelRate, 865), Amount(kIdNightDomesticHotelAmount, 865),
    ShortRowLabel(kNone, "Utland", 880),
    Country(kIdUnverifiedCountry1, 880),
    Count(kIdNightAbroad1Count, 880), Rate(kIdNightAbroad1Rate, 880), Amount(kIdNightAbroad1Amount, 880),
    ShortRowLabel(kNone, "Utland", 896),
    Country(kIdUnverifiedCountry2, 896),
    Count(kIdNightAbroad2Count, 896), Rate(kIdNightAbroad2Rate, 896), Amount(kIdNightAbroad2Amount, 896),

    BlockLabel(kIdOwnTransportBlockLabel, "Eget skyssmiddel.\nSpesifiser\nreisen ovenfor", 914, 5),
    RowLabel(kIdCarUpTo9000Label, "Bil: 0-9000 km", 914),
    Count(kIdCarUpTo9000Count, 914), Rate(kIdCarUpTo9000Rate, 914), Amount(kIdCarUpTo9000Amount, 914),
    RowLabel(kIdCarOver9000Label, "Bil: over 9000 km", 930),
    Count(kIdCarOver9000Count, 930), Rate(kIdCarOver9000Rate, 930), Amount(kIdCarOver9000Amount, 930),
    RowLabel(kIdHomeWorkTaxableLabel, "Hjem - arbeid skattepliktig", 946),
    Count(kIdHomeWorkTaxableCount, 946), Rate(kIdHomeWorkTaxableRate, 946), Amount(kIdHomeWorkTaxableAmount, 946),
    RowLabel(kIdPassengerSupplementLabel, "Passasjertillegg", 962),
    Count(kIdPassengerSupplementCount, 962), Rate(kIdPassengerSupplementRate, 962), Amount(kIdPassengerSupplementAmount, 962),
    RowLabel(kIdOtherOwnTransportLabel, "Annet", 978),
    Count(kIdOtherOwnTransportCount, 978), Rate(kIdOtherOwnTransportRate, 978), Amount(kIdOtherOwnTransportAmount, 978),

    BlockLabel(kIdLongStayBlockLabel, "Opphold\nover 28 døgn"_cp, 997, 3),
    RowLabel(kIdLongStayBoardLabel, "Kostgodtgjørelse"_cp, 997),
    Count(kIdLongStayBoardCount, 997), Rate(kIdLongStayBoardRate, 997), Amount(kIdLongStayBoardAmount, 997),
    RowLabel(kIdLongStayNightLabel, "Nattillegg", 1013),
    Count(kIdLongStayNightCount, 1013), Rate(kIdLongStayNightRate, 1013), Amount(kIdLongStayNightAmount, 1013),

    BlockLabel(kIdOtherAllowanceBlockLabel, "Andre\ngodtgjøringer"_cp, 1032, 2),
    ShortRowLabel(kIdOtherAllowanceLabel, "Annet", 1032),
    Description(kIdOtherAdditions, 1032),
    Count(kIdOtherAllowanceCount, 1032), Rate(kIdOtherAllowanceRate, 1032), Amount(kIdOtherAllowanceAmount, 1032),

    BlockLabel(kNone, "Trekk", 1051, 1),
    Label(kIdMealDeductionNoOvernightLabel, "Frokost/lunsj/middag", {kRowLabelX, 1053, 80, 8}),
    Label(kIdMealDeductionNoOvernightText, "Uten overnatting", {146, 1053, 76, 8}),
    TypedAmount(kIdMealDeductionNoOvernightAmount, 1051), Help(kIdMealInfo1, 1051),
    Label(kIdMealDeductionOvernight1Label, "Frokost/lunsj/middag", {kRowLabelX, 1069, 80, 8}),
    Label(kNone, "Med overnatting", {146, 1069, 76, 8}),
    TypedAmount(kIdMealDeductionOvernight1Amount, 1067), Help(kIdMealInfo2, 1067),
    Label(kIdMealDeductionOvernight2Label, "Frokost/lunsj/middag", {kRowLabelX, 1085, 80, 8}),
    Label(kNone, "Med overnatting", {146, 1085, 76, 8}),
    TypedAmount(kIdMealDeductionOvernight2Amount, 1083), Help(kIdMealInfo3, 1083),

    Label(kIdBoardLodgingDaysCoveredLabel, "Antall kost- og overnattingsdøgn dekket etter regning"_cp,
          {kBlockX, 1093, kCountX - kBlockX - 5, 8}),
    Make(kIdBoardLodgingDaysCoveredCount, ControlKind::HiddenEdit, {}, {kCountX, 1092, kGridFieldWidth, kFieldHeight}, false, 0),

    BlockLabel(kIdAdvanceBlockLabel, "Reiseforskudd", 1101, 1),
    ShortRowLabel(kIdAdvancePlaceLabel, "Utbet.sted", 1101),
    Description(kIdAdvancePlace, 1101),
    TypedAmount(kIdAdvanceAmount, 1101),

    // Notes, then the accounting fields under them.
    Box(kIdRemarksBox, "Merknader", {7, 1123, 396, 135}),
    MultiLine(kIdRemarks, {13, 1135, 384, 117}, kIdRemarksBox),
    Label(kIdAccountToChargeLabel, "Konteres\n(Brutto reiseregning)", {10, 1264, 96, 16}),
    Field(kIdAccountToCharge, {10, 1282, 96, 12}),
    Label(kIdWrittenDateLabel, "Skrevet\ndato", {112, 1264, 50, 16}),
    Field(kIdWrittenDate, {112, 1282, 50, 12}),
    Label(kNone, "Reise nr.", {168, 1272, 60, 8}),
    Field(kIdTripNumber, {168, 1282, 60, 12}),
    Label(kNone, "Ev. interimkonto", {234, 1272, 80, 8}),
    Field(kIdInterimAccount, {234, 1282, 80, 12}),
};
// clang-format on

static_assert(std::size(kControls) == kFormControlCount);

}  // namespace

std::span<const ControlTemplate> FormTemplate() {
    return kControls;
}

const ControlTemplate* FindControl(int id) {
    if (id == kNoControlId) {
        return nullptr;
    }
    const auto* it = std::find_if(std::begin(kControls), std::end(kControls),
                                  [id](const ControlTemplate& c) { return c.id == id; });
    return it != std::end(kControls) ? it : nullptr;
}

}  // namespace ferdix
