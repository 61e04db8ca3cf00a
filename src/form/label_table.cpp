#include "form/label_table.h"

#include <algorithm>
#include <iterator>

#include "base/cp1252.h"
#include "base/written_standard.h"
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
    {1003, "Jobbdetaljer", "Jobbdetaljar"},
    {1005, "Navn", "Namn"},
    {1008, "Poststed", "Poststad"},
    {1017, "Regningen gjelder", "Rekninga gjeld"},
    {1020, "Annet", "Anna"},
    {1022, "Reisested og -formål"_cp, "Reisestad og -føremål"_cp},
    {1034, "Avdeling/\ntj.sted", "Avdeling/\nten.stad"},
    {1040, "Ansatt nr.", "Tilsett nr."},
    {1142, "Kostgodtgjøring uten overnatting"_cp, "Kostgodtgjersle utan overnatting"},
    {1143, "Kostgodtgjøring ved overnatting"_cp, "Kostgodtgjersle ved overnatting"},
    {1144, "Ulegitimert nattillegg", "Ulegitimert nattillegg"},
    {1145, "Eget skyssmiddel\nSpesifiser\nreisen ovenfor", "Eige skyssmiddel.\nSpesifiser reisa\novanfor"},
    {1146, "Opphold utover 28 døgn"_cp, "Opphald utover 28 døgn"_cp},
    {1147, "Andre\ngodtgjøringer"_cp, "Andre godtgjersler"},
    {1149, "Reiseforskudd", "Reiseforskot"},
    {1154, "Fra", "Frå"_cp},
    {1156, "Sted", "Stad"},
    {1159, "Beløp"_cp, "Sum"},
    {1161, "Sum", "Sum"},
    {1163, "Sted", "Stad"},
    {1164, "Skyss-\nmiddel", "Skyss-\nmiddel"},
    {1166, "Sum", "Sum"},
    {1168, "Beløp"_cp, "Sum"},
    {1175, "Innland: 5-9 timer", "Innland: 5-9 timar"},
    {1176, "Innland: 9-12 timer", "Innland: 9-12 timar"},
    {1178, "Utland: 6-12 timer", "Utland: 6-12 timar"},
    {1180, "Innland: 8-12 timer", "Innland: 8-12 timar"},
    {1187, "Bil: 0-9000 km", "Bil: 0-9000 km"},
    {1188, "Bil: over 9000 km", "Bil: over 9000 km"},
    {1189, "Passasjertillegg", "Passasjertillegg"},
    {1190, "Annet", "Anna"},
    {1191, "Annet", "Anna"},
    {1192, "Frokost/lunsj/middag", "Frukost/lunsj/middag"},
    {1194, "Utbet.sted", "Utbet.stad"},
    {1195, "Frokost/lunsj/middag", "Frukost/lunsj/middag"},
    {1196, "Frokost/lunsj/middag", "Frukost/lunsj/middag"},
    {1203, "Konteres\n(Brutto reiseregning)", "Til konto\n(Brutto reiserekning)"},
    {1207, "Skrevet\ndato", "Skriven\ndato"},
    {1208, "Overnatting (se lenger nede)", "Overnatting (sjå lenger nede)"_cp},
    {1211, "Annet", "Anna"},
    {1212, "Utlegg til hotell, mat, bompenger, avgift m.m.", "Utlegg til hotell, mat, bompengar, avgift o.l."},
    {1214, "Navn og adresse på hotell, pensjonat e.a. (ikke privat)"_cp, "Namn og adresse på hotell, pensjonat e.a. (ikkje privat)"_cp},
    {1218, "Tjenestestednr.", "Tenestestadnr."},
    {1222, "Innland: Over 12 timer", "Innland: Over 12 timar"},
    {1226, "Innland: Over 12 timer", "Innland: Over 12 timar"},
    {1232, "Antall kost- og overnattingsdøgn dekket etter regning"_cp, "Tall på kost- og overnattingsdøgn etter rekning"_cp},
    {1239, "Kostgodtgjøring"_cp, "Kostgodtgjersle"},
    {1241, "Hjem - arbeid (skattepliktig)", "Heim - arbeid (skattepliktig)"},
    {1257, "Innland: Under 5 timer", "Innland: Under 5 timar"},
    {1266, "Uten overnatting", "Utan overnatting"},
    {1272, "Antall", "Kor mange"},
    {1274, "Beløp"_cp, "Sum"},
};

// The traveller block and trip dates of the printed form.
constexpr LabelEntry kPrintLabels[] = {
    {1005, "Etternavn og\nfornavn", "Etternamn og\nførenamn"_cp},
    {1006, "Privatadresse", "Privatadresse"},
    {1007, "Postnr.", "Postnr."},
    {1008, "Poststed", "Poststad"},
    {1009, "Skatte-\nkommune", "Skatte-\nkommune"},
    {1010, "Kommune-\nnummer", "Kommune-\nnummer"},
    {1025, "Utreise", "Utreise"},
    {1027, "Retur", "Retur"},
    {1029, "Stilling", "Stilling"},
    {1031, "Bankkto.", "Bankkto."},
    {1034, "Avdeling/\ntj.sted", "Avdeling/\nten.stad"},
    {1036, "Etat/\ninstitusjon", "Etat/\ninstitusjon"},
    {1040, "Ansatt nr.", "Tilsett nr."},
    {1041, "Trekk-\nprosent", "Trekk-\nprosent"},
    {1177, "Utland", "Utland"},
};

// Ids may repeat: the form sets some labels twice.
constexpr RelabelStep kRelabelOrder[] = {
    {1005, {}, {}}, {1008, {}, {}}, {1017, {}, {}}, {1022, {}, {}}, {1034, {}, {}},
    {1040, {}, {}}, {1142, {}, {}}, {1143, {}, {}}, {1144, {}, {}}, {1145, {}, {}},
    {1146, {}, {}}, {1147, {}, {}}, {1149, {}, {}}, {1180, {}, {}}, {1226, {}, {}},
    {1156, {}, {}}, {1159, {}, {}}, {1161, {}, {}}, {1163, {}, {}}, {1164, {}, {}},
    {1166, {}, {}}, {1168, {}, {}}, {1257, {}, {}}, {1175, {}, {}}, {1187, {}, {}},
    {1188, {}, {}}, {1189, {}, {}}, {1190, {}, {}}, {1191, {}, {}}, {1192, {}, {}},
    {1195, {}, {}}, {1196, {}, {}}, {1266, {}, {}}, {1194, {}, {}}, {1241, {}, {}},
    {1239, {}, {}}, {1203, {}, {}}, {1207, {}, {}}, {1003, {}, {}}, {1020, {}, {}},
    {1211, {}, {}}, {1190, {}, {}}, {1191, {}, {}}, {1154, {}, {}}, {1212, {}, {}},
    {1208, {}, {}}, {1178, {}, {}}, {1222, {}, {}}, {1176, {}, {}}, {1203, {}, {}},
    {1232, {}, {}}, {1218, {}, {}},
    {1019, "Tjenestereise", "Tenestereise"},
    {1214, {}, {}}, {1272, {}, {}}, {1274, {}, {}},
};
// clang-format on

template <std::size_t N>
const LabelEntry* FindEntry(const LabelEntry (&table)[N], int id) {
    const auto* it = std::find_if(std::begin(table), std::end(table),
                                  [id](const LabelEntry& e) { return e.id == id; });
    return it != std::end(table) ? it : nullptr;
}

}  // namespace

std::string GetLabelText(int id, LabelVariant variant) {
    const LabelEntry* entry =
        variant == LabelVariant::Form ? FindEntry(kFormLabels, id) : FindEntry(kPrintLabels, id);
    if (entry == nullptr) {
        return std::string(StringResource(id));
    }
    if (IsNynorsk() && !entry->nynorsk.empty()) {
        return std::string(entry->nynorsk);
    }
    return std::string(entry->bokmal);
}

std::string RelabelStep::Text() const {
    if (bokmal.empty()) {
        return GetLabelText(id, LabelVariant::Form);
    }
    return std::string(ByStandard(bokmal, nynorsk));
}

std::span<const RelabelStep> RelabelOrder() {
    return kRelabelOrder;
}

}  // namespace ferdix
