#include "app/rates_dlg.h"

#include <algorithm>
#include <array>

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "calc/allowance_table.h"
#include "claim/ferdix_doc.h"
#include "form/control_ids.h"
#include "form/ferdix_view.h"
#include "form/field_map.h"

namespace ferdix {

namespace {

constexpr std::array<std::string_view, 9> kNames = {
    "Bil under 9000km",           "Bil over 9000km",           "Passasjertillegg",
    "Kost innenlands, 6-12timer", "Kost innenlands, >12timer", "Kost ved overnatting innenlands",
    "Ulegitimert nattillegg",     "Heim-arbeid skattepliktig", "Kursgodtgjørelse"_cp,
};

constexpr DialogControl kControls[] = {
    {kIdRatesNameLabel, DialogControlKind::Static, "Felt", {5, 10, 59, 8}},
    {kIdRatesList, DialogControlKind::ListBox, "", {5, 20, 120, 75}},
    {kIdRatesValueLabel, DialogControlKind::Static, "Verdi", {135, 10, 30, 8}},
    {kIdRatesValue, DialogControlKind::Edit, "", {135, 20, 50, 12}},
    {kIdRatesChange, DialogControlKind::DefaultButton, "Endre", {135, 40, 50, 14}},
    {kIdOk, DialogControlKind::PushButton, "Ferdig", {135, 60, 50, 14}},
    // Escape ends the dialog through this hidden button.
    {kIdCancel, DialogControlKind::PushButton, "Cancel", {135, 80, 50, 14}, true},
};

constexpr DialogTemplate kTemplate{131, "Satser", 194, 106, false, 0, 0, kControls};

unsigned char Lower(char c) {
    auto b = static_cast<unsigned char>(c);
    // ASCII and the Windows-1252 capitals À..Þ (less the multiplication sign).
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<unsigned char>(b + 0x20);
    }
    return b;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}

}  // namespace

CRatesDlg::CRatesDlg(CFerdixDoc& doc, CFerdixView* ownerView) : m_doc(doc), m_pView(ownerView) {}

const DialogTemplate& CRatesDlg::Template() {
    return kTemplate;
}

std::span<const std::string_view> CRatesDlg::Names() {
    return kNames;
}

std::vector<std::string> CRatesDlg::ListItems() const {
    std::vector<std::string> items(kNames.begin(), kNames.end());
    std::stable_sort(items.begin(), items.end(), LessIgnoringCase);
    return items;
}

int CRatesDlg::InitialFocus() const {
    return kIdRatesChange;
}

void CRatesDlg::OnSelChange(std::string_view name) {
    if (std::find(kNames.begin(), kNames.end(), name) == kNames.end()) {
        return;
    }
    m_strSelection.assign(name);
    const RateTable& rates = m_doc.Rates().m_rates;
    std::vector<int> entries = rates.EntriesWithKey(name);
    if (!entries.empty()) {
        m_strValue = rates.ValueText(entries.front());
    }
}

void CRatesDlg::OnChange() {
    if (m_strSelection.empty()) {
        return;
    }
    float value = ParseAmount(m_strValue);
    for (int i : m_doc.Rates().m_rates.SetValueForKey(m_strSelection, value)) {
        const RateEntry& entry = m_doc.Rates().m_rates.Entry(i);
        if (!m_pView) {
            continue;
        }
        if (int rateField = RateEntryField(entry); rateField != 0) {
            m_pView->SetFieldText(rateField, m_doc.Rates().m_rates.ValueText(i));
        }
        if (entry.line >= 0) {
            m_doc.SetLineValue(entry.line, kRateColumn, value);
            // The field's own binding computed the amount from the rounded text.
            int amountField = AllowanceFields(entry.line).amountField;
            if (amountField != 0) {
                m_pView->SetFieldText(amountField,
                                      m_doc.Claim().LineValueText(entry.line, kAmountColumn));
            }
        }
    }
}

}  // namespace ferdix
