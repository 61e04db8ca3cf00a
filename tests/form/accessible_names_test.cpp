#include "form/accessible_names.h"

#include <gtest/gtest.h>

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "form/control_ids.h"

namespace ferdix {
namespace {

TEST(AccessibleNames, FieldsAreNamedByTheirLabelsInBothStandards) {
    struct Case {
        int id;
        const char* bokmal;
        const char* nynorsk;
    };
    const Case cases[] = {
        {kIdPersonId, "Fødselsnummer", "Fødselsnummer"},
        // The hint "(11 siffer)" belongs to the field before it, not to "Navn".
        {kIdName, "Navn", "Namn"},
        {kIdPostTown, "Poststed", "Poststad"},
        {kIdDepartment, "Avdeling/tj.sted", "Avdeling/ten.stad"},
        {kIdMunicipalityNumber, "Kommunenummer", "Kommunenummer"},
        {kIdTripOtherText, "Regningen gjelder, Annet", "Rekninga gjeld, Anna"},
        {kIdPurpose, "Reisested og -formål", "Reisestad og -føremål"},
        {kIdDepartureTime, "Utreisedato, Kl.", "Utreisedato, Kl."},
        {kIdReturnTime, "Innreisedato, Kl.", "Innreisedato, Kl."},
        {kIdTravelDate, "Fra, Dato", "Frå, Dato"},
        {kIdTravelFrom, "Fra, Sted", "Frå, Stad"},
        {kIdTravelArrival, "Til, Kl.", "Til, Kl."},
        {kIdTravelTo, "Til, Sted", "Til, Stad"},
        {kIdTravelMeans, "Skyssmiddel", "Skyssmiddel"},
        {kIdTravelList, "Reisespesifikasjon og reiseutlegg", "Reisespesifikasjon og reiseutlegg"},
        {kIdOutlayText, "Spesifikasjon", "Spesifikasjon"},
        {kIdOutlaySum, "Sum", "Sum"},
        {kIdLodging, "Navn og adresse på hotell, pensjonat e.a. (ikke privat)",
         "Namn og adresse på hotell, pensjonat e.a. (ikkje privat)"},
        {kIdAdminAllowanceCount, "Admin. godtgjøring, Antall", "Admin. godtgjøring, Kor mange"},
        {kIdDayDomesticOver12hCount,
         "Kostgodtgjøring uten overnatting, Innland: Over 12 timer, Antall",
         "Kostgodtgjersle utan overnatting, Innland: Over 12 timar, Kor mange"},
        {kIdOvernightDomesticOver12hRate,
         "Kostgodtgjøring ved overnatting, Innland: Over 12 timer, Sats",
         "Kostgodtgjersle ved overnatting, Innland: Over 12 timar, Sats"},
        // One country for two rows: named by its column.
        {kIdDayCountry, "Kostgodtgjøring uten overnatting, Land",
         "Kostgodtgjersle utan overnatting, Land"},
        {kIdNightCountry1, "Kostgodtgjøring ved overnatting, Utland",
         "Kostgodtgjersle ved overnatting, Utland"},
        {kIdOtherAdditions, "Andre godtgjøringer, Annet", "Andre godtgjersler, Anna"},
        {kIdMealDeductionNoOvernightAmount, "Trekk, Frokost/lunsj/middag, Uten overnatting, Beløp",
         "Trekk, Frukost/lunsj/middag, Utan overnatting, Sum"},
        {kIdMealInfo2, "Trekk, Frokost/lunsj/middag, Med overnatting, ?",
         "Trekk, Frukost/lunsj/middag, Med overnatting, ?"},
        {kIdAdvanceAmount, "Reiseforskudd, Utbet.sted, Beløp", "Reiseforskot, Utbet.stad, Sum"},
        {kIdRemarks, "Merknader", "Merknader"},
        {kIdAccountToCharge, "Konteres (Brutto reiseregning)", "Til konto (Brutto reiserekning)"},
        {kIdWrittenDate, "Skrevet dato", "Skriven dato"},
        {kIdInterimAccount, "Ev. interimkonto", "Ev. interimkonto"},
        // A choice with the title of its group, which says what it answers.
        {kIdTripOfficial, "Regningen gjelder, Tjenestereise", "Rekninga gjeld, Tenestereise"},
        {kIdLodgingOther, "Overnatting (se lenger nede), Annet",
         "Overnatting (sjå lenger nede), Anna"},
        {kIdAdminAbroad, "Admin. godtgjøring, Utland", "Admin. godtgjøring, Utland"},
        {kIdOvernight, "Overnatting", "Overnatting"},
        {kIdTravelRegister, "Registrer", "Registrer"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cp1252ToUtf8(AccessibleName(c.id, kBokmal)), c.bokmal) << c.id;
        EXPECT_EQ(Cp1252ToUtf8(AccessibleName(c.id, kNynorsk)), c.nynorsk) << c.id;
    }
}

TEST(AccessibleNames, EveryControlAUserReachesHasANameOfLabelsOnly) {
    for (const ControlTemplate& c : FormTemplate()) {
        bool reachable = c.kind != ControlKind::Static && c.kind != ControlKind::GroupBox &&
                         c.kind != ControlKind::HiddenEdit;
        if (!reachable) {
            EXPECT_TRUE(c.id == kNoControlId || c.kind == ControlKind::HiddenEdit ||
                        NamingControls(c.id).empty())
                << c.id;
            continue;
        }
        EXPECT_FALSE(AccessibleName(c.id, kBokmal).empty()) << c.id;
        for (const ControlTemplate* part : NamingControls(c.id)) {
            bool ownText = part == &c;
            EXPECT_TRUE(ownText || part->kind == ControlKind::Static ||
                        part->kind == ControlKind::GroupBox || part->kind == ControlKind::Radio)
                << c.id << " named by " << part->id;
        }
    }
}

TEST(AccessibleNames, NoNameForLabelsFramesOrUnknownIds) {
    for (int id : {kIdNameLabel, kIdPersonaliaBox, kNoControlId, 4711}) {
        EXPECT_TRUE(NamingControls(id).empty()) << id;
        EXPECT_EQ(AccessibleName(id, kBokmal), "") << id;
    }
}

TEST(AccessibleNames, LabelLinesJoinIntoOneName) {
    struct Case {
        std::vector<std::string> parts;
        const char* name;
    };
    const Case cases[] = {
        {{"Skyss-\nmiddel"}, "Skyssmiddel"},
        {{"Avdeling/\ntj.sted"}, "Avdeling/tj.sted"},
        {{"Konteres\n(Brutto reiseregning)"}, "Konteres (Brutto reiseregning)"},
        {{"Eget skyssmiddel.\r\nSpesifiser\nreisen ovenfor"},
         "Eget skyssmiddel. Spesifiser reisen ovenfor"},
        {{"Fra", "", "Kl. "}, "Fra, Kl."},
        {{}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JoinNameParts(c.parts), c.name);
    }
}

}  // namespace
}  // namespace ferdix
