#include "form/string_table.h"

#include <algorithm>
#include <iterator>

#include "base/cp1252.h"

namespace ferdix {

namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

// clang-format off
constexpr StringEntry kStrings[] = {
    {kDocumentStringId, "Ferdix\n\nFerdix\nReiseregninger (*.tur)\n.tur\nFerdix.Document\nReiseregning"},
    {32773, "Velger Bokmål som målform\nBokmål"_cp},
    {32775, "Vel nynorsk som målform\nnynorsk"_cp},
    {32776, "Endrer satser brukt av programmet\nEndre satser"},
    {32777, "Endrer reisespesifikasjon\nEndre reisespesifikasjon"},
    {32778, "Endrer hotellspesifikasjon\nEndre hotellspesifikasjon"},
    {32779, "Endrer kilometer kjørt hittil i år\nKilometer hittil i år"_cp},
    {32786, "Lagrer persondetaljer\nLagre persondetaljer"},
    {32788, "Ruller ned\nRull ned"},
    {32789, "Ruller opp\nRull opp"},
    {32792, "Endre målform til nynorsk\nNynorsk"_cp},
    {32793, "Endre målform til bokmål\nBokmål"_cp},
    {32799, "Oppdaterer satsene i en gammel reiseregning\nOppdater satser"},
    {57600, "Oppretter en ny reiseregning\nNy"},
    {57601, "Åpner en eksisterende reiseregning\nÅpne"_cp},
    {57603, "Lagrer reiseregningen\nLagre"},
    {57604, "Lagrer en kopi av reiseregningen i en egen fil\nLagre som"},
    {57606, "Endrer utskriftformatet\nUtskriftsformat"},
    {57607, "Skriver ut reiseregningen\nSkriv ut"},
    {57609, "Viser reiseregningen slik som den vil bli skrevet ut\nForhåndsvisning"_cp},
    {57634, "Kopier merket område til utklippstavlen\nKopier"_cp},
    {57635, "Klipper ut merket område og legger det i utklippstavlen\nKlipp ut"_cp},
    {57637, "Setter inn innholdet i utklippstavlen ved insettingspunktet\nLim inn"},
    {57664, "Viser program informasjon og versjons nummer\nOm"},
    {57665, "Avslutter reiseregningen; spør om du ønsker å lagre reiseregningen\nAvslutt"_cp},
    {57666, "Åpner hjelpsystemet\nHjelp"_cp},
    {59392, "Vis eller skjul verktøylinjen\nVis/Skjul verktøylinje"_cp},
    {59393, "Vis eller skjul statuslinja\nVis/Skjul Statuslinja"},
};
// clang-format on

// The sixteen recent-file entries share one prompt.
constexpr int kFirstRecentFile = 57616;
constexpr int kLastRecentFile = 57631;
constexpr std::string_view kRecentFilePrompt = "Åpner denne reiseregningen"_cp;

}  // namespace

std::string_view StringResource(int id) {
    if (id >= kFirstRecentFile && id <= kLastRecentFile) {
        return kRecentFilePrompt;
    }
    const auto* it = std::find_if(std::begin(kStrings), std::end(kStrings),
                                  [id](const StringEntry& e) { return e.id == id; });
    return it != std::end(kStrings) ? it->text : std::string_view();
}

}  // namespace ferdix
