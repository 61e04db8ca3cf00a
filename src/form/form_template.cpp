#include "form/form_template.h"

#include <algorithm>
#include <iterator>

#include "base/cp1252.h"

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
// Advice button: reachable by mouse; Tab goes from amount to amount.
constexpr ControlTemplate Help(int id, int top) {
    return Make(id, ControlKind::PushButton, "?", {kHelpX, top, 14, kFieldHeight}, false, 0);
}

// clang-format off
constexpr ControlTemplate kControls[] = {
    // Traveller.
    Box(1000, "Personalia", {7, 7, 396, 75}),
    Label(1002, "Fødselsnummer"_cp, {13, 21, 60, 8}, 1000),
    Field(1004, {76, 19, 60, 12}, 1000),
    Label(kNone, "(11 siffer)", {140, 21, 44, 8}, 1000),
    Label(1005, "Navn", {190, 21, 40, 8}, 1000),
    Field(1011, {232, 19, 164, 12}, 1000),
    Label(1006, "Privatadresse", {13, 41, 60, 8}, 1000),
    Field(1012, {76, 39, 320, 12}, 1000),
    Label(1007, "Postnr.", {13, 61, 60, 8}, 1000),
    Field(1014, {76, 59, 30, 12}, 1000),
    Label(1008, "Poststed", {112, 61, 40, 8}, 1000),
    Field(1016, {154, 59, 140, 12}, 1000),

    // Job details.
    Box(1003, "Jobbdetaljer", {7, 87, 396, 92}),
    Label(1029, "Stilling", {13, 101, 60, 8}, 1003),
    Field(1032, {76, 99, 120, 12}, 1003),
    Label(1031, "Bankkonto", {204, 101, 50, 8}, 1003),
    Field(1033, {256, 99, 140, 12}, 1003),
    Label(1036, "Etat/institusjon", {13, 121, 60, 8}, 1003),
    Field(1038, {76, 119, 120, 12}, 1003),
    Label(1034, "Avdeling/\ntj.sted", {204, 117, 50, 16}, 1003),
    Field(1035, {256, 119, 140, 12}, 1003),
    Label(1009, "Skattekommune", {13, 141, 60, 8}, 1003),
    Field(1013, {76, 139, 120, 12}, 1003),
    Label(1010, "Kommune-\nnummer", {204, 137, 50, 16}, 1003),
    Field(1015, {256, 139, 30, 12}, 1003),
    Label(1040, "Ansatt nr.", {13, 161, 60, 8}, 1003),
    Field(1037, {76, 159, 40, 12}, 1003),
    Label(1041, "Trekkprosent", {124, 161, 50, 8}, 1003),
    Field(1039, {176, 159, 24, 12}, 1003),
    Label(1218, "Tjenestestednr.", {210, 161, 60, 8}, 1003),
    Field(1219, {272, 159, 40, 12}, 1003),

    // Kind of trip and lodging, side by side.
    Box(1017, "Regningen gjelder", {7, 187, 186, 47}),
    FirstRadio(1018, "Kurs", {13, 198, 40, 10}, 1017),
    Radio(1019, "Tjenestereise", {13, 209, 64, 10}, 1017),
    Radio(1020, "Annet", {13, 220, 40, 10}, 1017),
    Field(1021, {56, 219, 130, 12}, 1017),
    Box(1208, "Overnatting (se lenger nede)", {217, 187, 186, 47}),
    Check(1246, "Overnatting", {223, 200, 60, 10}, 1208),
    FirstRadio(1209, "Hotell", {223, 215, 40, 10}, 1208),
    Radio(1210, "Pensjonat", {266, 215, 50, 10}, 1208),
    Radio(1211, "Annet", {319, 215, 40, 10}, 1208),

    // Destination, purpose, departure and return.
    Box(1022, "Reisested og -formål"_cp, {7, 239, 396, 48}),
    MultiLine(1023, {13, 250, 228, 31}, 1022),
    Label(1025, "Utreisedato", {246, 252, 50, 8}, 1022),
    Field(1024, {298, 250, 40, 12}, 1022),
    Label(kNone, "Kl.", {342, 252, 12, 8}, 1022),
    Field(1030, {356, 250, 24, 12}, 1022),
    Label(1027, "Innreisedato", {246, 268, 50, 8}, 1022),
    Field(1026, {298, 266, 40, 12}, 1022),
    Label(kNone, "Kl.", {342, 268, 12, 8}, 1022),
    Field(1028, {356, 266, 24, 12}, 1022),

    // Travel legs: the "Fra" and "Til" rows, the money row, then the list.
    Box(1042, "Reisespesifikasjon og reiseutlegg", {7, 293, 396, 163}),
    Label(1154, "Fra", {13, 307, 16, 8}, 1042),
    Label(kNone, "Dato", {31, 307, 18, 8}, 1042),
    Field(1044, {50, 305, 40, 12}, 1042),
    Label(kNone, "Kl.", {94, 307, 12, 8}, 1042),
    Field(1045, {108, 305, 24, 12}, 1042),
    Label(1156, "Sted", {136, 307, 18, 8}, 1042),
    Field(1046, {156, 305, 96, 12}, 1042),
    Label(kNone, "Til", {13, 323, 16, 8}, 1042),
    Label(kNone, "Kl.", {94, 323, 12, 8}, 1042),
    Field(1047, {108, 321, 24, 12}, 1042),
    Label(1163, "Sted", {136, 323, 18, 8}, 1042),
    Field(1048, {156, 321, 96, 12}, 1042),
    Label(1164, "Skyss-\nmiddel", {258, 319, 28, 16}, 1042),
    Combo(1117, {288, 321, 60, 12}, 1042),
    Label(kNone, "Km", {352, 323, 12, 8}, 1042),
    Field(1054, {366, 321, 30, 12}, 1042),
    Label(kNone, "Land", {13, 341, 18, 8}, 1042),
    Combo(1049, {33, 339, 40, 12}, 1042),
    Label(1159, "Beløp"_cp, {78, 341, 24, 8}, 1042),
    Field(1050, {104, 339, 44, 12}, 1042),
    Label(kNone, "Kurs", {152, 341, 18, 8}, 1042),
    Field(1051, {172, 339, 36, 12}, 1042),
    Label(1161, "Beløp"_cp, {212, 341, 24, 8}, 1042),
    Field(1052, {238, 339, 44, 12}, 1042),
    Button(1248, "Registrer", {346, 338, 50, 14}, 1042),
    List(1043, {13, 357, 384, 93}, 1042),

    // Outlays: heads above one entry row, then the list.
    Box(1212, "Utlegg til hotell, mat, bompenger, avgift m.m.", {7, 463, 396, 133}),
    Label(kNone, "Dato", {13, 475, 40, 8}, 1212),
    Field(1058, {13, 485, 40, 12}, 1212),
    Label(kNone, "Spesifikasjon", {57, 475, 130, 8}, 1212),
    Field(1060, {57, 485, 130, 12}, 1212),
    Label(kNone, "Land", {191, 475, 40, 8}, 1212),
    Combo(1063, {191, 485, 40, 12}, 1212),
    Label(1168, "Beløp"_cp, {235, 475, 40, 8}, 1212),
    Field(1064, {235, 485, 40, 12}, 1212),
    Label(kNone, "Kurs", {279, 475, 34, 8}, 1212),
    Field(1065, {279, 485, 34, 12}, 1212),
    Label(1166, "Beløp"_cp, {317, 475, 40, 8}, 1212),
    Field(1066, {317, 485, 40, 12}, 1212),
    Button(1069, "Registrer", {361, 484, 36, 14}, 1212),
    List(1057, {13, 503, 384, 87}, 1212),

    // Lodging.
    Box(1249, "Overnatting", {7, 600, 396, 41}),
    Label(1214, "Navn og adresse på hotell, pensjonat e.a. (ikke privat)"_cp, {13, 612, 300, 8}, 1249),
    Field(1001, {13, 622, 384, 12}, 1249),

    // Allowance grid: column heads, then one row per allowance line.
    Label(kNone, "Land", {kSideX, 652, kSideWidth, 8}),
    Label(1272, "Antall", {kCountX, 652, 38, 8}),
    Label(kNone, "Sats", {kRateX, 652, kGridFieldWidth, 8}),
    Label(1274, "Beløp"_cp, {kAmountX, 652, kGridFieldWidth, 8}),

    Label(kNone, "Admin. godtgjøring"_cp, {kBlockX, 667, 88, 8}),
    FirstRadio(1275, "Innland", {100, 666, 40, 10}),
    Radio(1276, "Utland", {142, 666, 40, 10}),
    Count(1251, 665), Rate(1253, 665), Amount(1254, 665),

    BlockLabel(1142, "Kostgodtgjøring uten overnatting"_cp, 684, 3),
    RowLabel(1257, "Innland: Under 5 timer", 684),
    Count(1062, 684), Rate(1073, 684), Amount(1075, 684),
    RowLabel(1175, "Innland: 5-9 timer", 700),
    Count(1067, 700), Rate(1074, 700), Amount(1076, 700),
    RowLabel(1176, "Innland: 9-12 timer", 716),
    Count(1252, 716), Rate(1255, 716), Amount(1256, 716),
    RowLabel(1222, "Innland: Over 12 timer", 732),
    Count(1199, 732), Rate(1220, 732), Amount(1221, 732),
    ShortRowLabel(1178, "Utland 6-12 timer", 748),
    Country(1081, 756),
    Count(1068, 748), Rate(1077, 748), Amount(1079, 748),
    ShortRowLabel(1179, "Utland: Over 12 t.", 764),
    Count(1070, 764), Rate(1078, 764), Amount(1080, 764),

    BlockLabel(1143, "Kostgodtgjøring\nved overnatting"_cp, 783, 3),
    RowLabel(1180, "Innland: 8-12 timer", 783),
    Count(1082, 783), Rate(1083, 783), Amount(1084, 783),
    RowLabel(1226, "Innland: Over 12 timer", 800),
    Count(1223, 800), Rate(1224, 800), Amount(1225, 800),
    ShortRowLabel(1177, "Utland", 816),
    Country(1085, 816),
    Count(1086, 816), Rate(1087, 816), Amount(1088, 816),
    ShortRowLabel(kNone, "Utland", 832),
    Country(1089, 832),
    Count(1090, 832), Rate(1091, 832), Amount(1092, 832),

    BlockLabel(1144, "Nattillegg\nulegitimert", 851, 3),
    RowLabel(kNone, "Innland", 851),
    Count(1108, 851), Rate(1109, 851), Amount(1110, 851),
    RowLabel(kNone, "Innland overnatting hotell", 865),
    Count(1227, 865), Rate(1228, 865), Amount(1229, 865),
    ShortRowLabel(kNone, "Utland", 880),
    Country(1096, 880),
    Count(1111, 880), Rate(1112, 880), Amount(1113, 880),
    ShortRowLabel(kNone, "Utland", 896),
    Country(1100, 896),
    Count(1118, 896), Rate(1119, 896), Amount(1120, 896),

    BlockLabel(1145, "Eget skyssmiddel.\nSpesifiser\nreisen ovenfor", 914, 5),
    RowLabel(1187, "Bil: 0-9000 km", 914),
    Count(1093, 914), Rate(1094, 914), Amount(1095, 914),
    RowLabel(1188, "Bil: over 9000 km", 930),
    Count(1097, 930), Rate(1098, 930), Amount(1099, 930),
    RowLabel(1241, "Hjem - arbeid skattepliktig", 946),
    Count(1127, 946), Rate(1128, 946), Amount(1129, 946),
    RowLabel(1189, "Passasjertillegg", 962),
    Count(1101, 962), Rate(1102, 962), Amount(1103, 962),
    RowLabel(1190, "Annet", 978),
    Count(1105, 978), Rate(1106, 978), Amount(1107, 978),

    BlockLabel(1146, "Opphold\nover 28 døgn"_cp, 997, 3),
    RowLabel(1239, "Kostgodtgjørelse"_cp, 997),
    Count(1121, 997), Rate(1122, 997), Amount(1123, 997),
    RowLabel(1197, "Nattillegg", 1013),
    Count(1124, 1013), Rate(1125, 1013), Amount(1126, 1013),

    BlockLabel(1147, "Andre\ngodtgjøringer"_cp, 1032, 2),
    ShortRowLabel(1191, "Annet", 1032),
    Description(1133, 1032),
    Count(1130, 1032), Rate(1131, 1032), Amount(1132, 1032),

    BlockLabel(kNone, "Trekk", 1051, 1),
    Label(1192, "Frokost/lunsj/middag", {kRowLabelX, 1053, 80, 8}),
    Label(1266, "Uten overnatting", {146, 1053, 76, 8}),
    TypedAmount(1134, 1051), Help(1263, 1051),
    Label(1195, "Frokost/lunsj/middag", {kRowLabelX, 1069, 80, 8}),
    Label(kNone, "Med overnatting", {146, 1069, 76, 8}),
    TypedAmount(1135, 1067), Help(1264, 1067),
    Label(1196, "Frokost/lunsj/middag", {kRowLabelX, 1085, 80, 8}),
    Label(kNone, "Med overnatting", {146, 1085, 76, 8}),
    TypedAmount(1136, 1083), Help(1265, 1083),

    Label(1232, "Antall kost- og overnattingsdøgn dekket etter regning"_cp,
          {kBlockX, 1093, kCountX - kBlockX - 5, 8}),
    Make(1260, ControlKind::HiddenEdit, {}, {kCountX, 1092, kGridFieldWidth, kFieldHeight}, false, 0),

    BlockLabel(1149, "Reiseforskudd", 1101, 1),
    ShortRowLabel(1194, "Utbet.sted", 1101),
    Description(1140, 1101),
    TypedAmount(1138, 1101),

    // Notes, then the accounting fields under them.
    Box(1170, "Merknader", {7, 1123, 396, 135}),
    MultiLine(1171, {13, 1135, 384, 117}, 1170),
    Label(1203, "Konteres\n(Brutto reiseregning)", {10, 1264, 96, 16}),
    Field(1202, {10, 1282, 96, 12}),
    Label(1207, "Skrevet\ndato", {112, 1264, 50, 16}),
    Field(1206, {112, 1282, 50, 12}),
    Label(kNone, "Reise nr.", {168, 1272, 60, 8}),
    Field(1237, {168, 1282, 60, 12}),
    Label(kNone, "Ev. interimkonto", {234, 1272, 80, 8}),
    Field(1215, {234, 1282, 80, 12}),
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
