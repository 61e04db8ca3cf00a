#include "app/about_dlg.h"

#include "base/cp1252.h"
#include "base/version.h"
#include "base/written_standard.h"
#include "form/control_ids.h"

namespace ferdix {

namespace {

constexpr std::string_view kNoDomesticRates = "Feil konfigurasjon av satser";
constexpr std::string_view kNoAbroadRates = "Feil konfigurasjon av land-satser";

constexpr DialogControl kControls[] = {
    {kNoControlId, DialogControlKind::Icon, "", {11, 17, 0, 0}},
    {kIdAboutVersion, DialogControlKind::Static, "", {40, 10, 119, 8}},
    {kIdOk, DialogControlKind::DefaultButton, "OK", {176, 6, 32, 14}},
    {kIdAboutDomesticRates, DialogControlKind::Static, kNoDomesticRates, {32, 48, 173, 9}},
    {kIdAboutAbroadRates, DialogControlKind::Static, kNoAbroadRates, {32, 62, 173, 9}},
    // Where the rates come from: an office sees whether a user's own file overrides its own.
    {kIdAboutFiles, DialogControlKind::Static, "", {11, 78, 197, 52}},
};

constexpr DialogTemplate kTemplate{100, "Om Ferdix 2.3", 217, 136, true, 34, 22, kControls};

}  // namespace

CAboutDlg::CAboutDlg(int standard, std::string domesticRatesFrom, std::string abroadRatesFrom,
                     std::vector<std::string> filesInForce)
    : m_standard(standard),
      m_strDomestic(std::move(domesticRatesFrom)),
      m_strAbroad(std::move(abroadRatesFrom)),
      m_files(std::move(filesInForce)) {}

const DialogTemplate& CAboutDlg::Template() {
    return kTemplate;
}

std::string CAboutDlg::Title() const {
    // The nynorsk title reads as the bokmål one.
    return std::string(ByStandard(m_standard, kTemplate.title, "Om Ferdix 2.3"));
}

std::string CAboutDlg::VersionLine() const {
    return std::string(ByStandard(m_standard, "Ferdix versjon ", "Ferdix versjon ")) +
           VersionText();
}

std::string CAboutDlg::DomesticRatesLine() const {
    return m_strDomestic.empty() ? std::string(kNoDomesticRates)
                                 : "Innlandsatser sist oppdatert: " + m_strDomestic;
}

std::string CAboutDlg::AbroadRatesLine() const {
    return m_strAbroad.empty() ? std::string(kNoAbroadRates)
                               : "Satser relatert til utland sist oppdatert: " + m_strAbroad;
}

std::string CAboutDlg::FilesText() const {
    if (m_files.empty()) {
        return std::string(ByStandard(m_standard, "Ingen fil med satser er funnet.",
                                      "Inga fil med satser er funnen."));
    }
    std::string text(ByStandard(m_standard,
                                "Satsene og innstillingene hentes fra (den første filen som har "
                                "en verdi, gjelder):"_cp,
                                "Satsane og innstillingane blir henta frå (den første fila som "
                                "har ein verdi, gjeld):"_cp));
    for (const std::string& path : m_files) {
        text += "\n" + path;
    }
    return text;
}

}  // namespace ferdix
