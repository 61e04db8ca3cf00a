#include "claim/rate_messages.h"

#include "base/cp1252.h"
#include "base/written_standard.h"

namespace ferdix {

MessageRequest ConfigurationNotice(std::string text) {
    MessageRequest m;
    m.caption = "Ferdix";
    m.text = std::move(text);
    m.icon = MsgIcon::Warning;
    return m;
}

MessageRequest RatesNotSavedMessage(const RatesSaveResult& result) {
    MessageRequest m;
    m.caption = "Advarsel";
    m.text = result.error + "\r\nDe endrede satsene gjelder bare til programmet avsluttes.";
    m.icon = MsgIcon::Warning;
    return m;
}

MessageRequest NewerOfficeRatesQuestion(int standard, const NewerOfficeRates& found,
                                        const std::string& ownPath) {
    MessageRequest m;
    m.caption = "Ferdix";
    m.text = ByStandard(standard, "Kontoret har nye satser", "Kontoret har nye satser");
    if (!found.officeRatesFrom.empty()) {
        m.text += std::string(ByStandard(standard, " (gyldige fra ", " (gjeld frå "_cp)) +
                  found.officeRatesFrom + ")";
    }
    m.text += " i " + found.officeFile +
              std::string(
                  ByStandard(standard, ", men dine egne satser i ", ", men dine eigne satser i ")) +
              ownPath +
              std::string(ByStandard(standard, " går foran disse:\n"_cp, " går føre desse:\n"_cp));
    for (const OwnRate& r : found.rates) {
        m.text += "\n  " + r.key + std::string(ByStandard(standard, ": dine ", ": dine ")) + r.own +
                  std::string(ByStandard(standard, ", kontorets ", ", kontoret sine ")) + r.office;
    }
    m.text += ByStandard(
        standard,
        "\n\nVil du bruke kontorets satser?\n\nJa: kontorets satser gjelder, og dine egne "
        "fjernes fra filen din.\nNei: dine egne satser gjelder fortsatt; du blir ikke spurt "
        "igjen før kontoret får nye satser."_cp,
        "\n\nVil du bruke satsene til kontoret?\n\nJa: satsene til kontoret gjeld, og dine "
        "eigne blir fjerna frå fila di.\nNei: dine eigne satser gjeld framleis; du blir ikkje "
        "spurd att før kontoret får nye satser."_cp);
    m.buttons = MsgButtons::YesNo;
    m.icon = MsgIcon::Question;
    m.defaultButton = MsgAnswer::Yes;
    m.foreground = true;
    return m;
}

MessageRequest OwnRatesNotChangedMessage(int standard, const std::string& error) {
    MessageRequest m;
    m.caption = "Advarsel";
    m.text = std::string(ByStandard(standard, "Svaret kunne ikke lagres (",
                                    "Svaret kunne ikkje lagrast (")) +
             error +
             std::string(ByStandard(
                 standard,
                 ").\r\nDine egne satser gjelder denne gangen, og du blir spurt igjen ved "
                 "neste oppstart.",
                 ").\r\nDine eigne satser gjeld denne gongen, og du blir spurd att ved neste "
                 "oppstart."));
    m.icon = MsgIcon::Warning;
    return m;
}

MessageRequest MealRateMessage(int standard, const RateTable& table) {
    MessageRequest m;
    m.caption = ByStandard(standard, "Frokost/lunsj/middagssatser", "Frukost/lunsj/middagssatser");
    m.text = "Satser for innlandsreiser:\n";
    m.text += ByStandard(standard, " frokost: ", " frukost: ");
    m.text += table.ValueText(kRateBreakfast) + "\n";
    m.text += " lunsj: " + table.ValueText(kRateLunch) + "\n";
    m.text += " middag: " + table.ValueText(kRateDinner) + "\n";
    m.text += ByStandard(
        standard,
        "For utenlandsreiser, bruk\n 10% av kostsatsen for frokost,\n 40% for lunsj, og\n 50% "
        "for middag.",
        "For utanlandsreiser, bruk\n 10% av kostsatsen for frukost,\n 40% for lunsj, og\n 50% "
        "for middag.");
    m.buttons = MsgButtons::Ok;
    m.icon = MsgIcon::None;
    m.ownedByForm = true;
    m.foreground = true;
    return m;
}

MessageRequest UpdateRatesWarning() {
    MessageRequest m;
    m.caption = "Advarsel";
    m.text =
        "Kun innlandssatser vil bli oppdatert,\r\novernatting og kostsatser blir ikke oppdatert";
    m.buttons = MsgButtons::Ok;
    m.icon = MsgIcon::Warning;
    m.ownedByForm = false;
    return m;
}

}  // namespace ferdix
