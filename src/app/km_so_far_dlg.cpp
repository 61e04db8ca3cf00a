#include "app/km_so_far_dlg.h"

#include "base/cp1252.h"
#include "claim/claim_host.h"
#include "form/control_ids.h"

namespace ferdix {

namespace {

constexpr DialogControl kControls[] = {
    {kIdKmSoFar, DialogControlKind::Edit, "", {5, 23, 50, 14}},
    {kIdOk, DialogControlKind::DefaultButton, "OK", {38, 49, 50, 14}},
    {kIdCancel, DialogControlKind::PushButton, "Avbryt", {95, 49, 50, 14}},
};

constexpr DialogTemplate kTemplate{133, "Km hittil i år"_cp, 154, 71, true, 100, 50, kControls};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

enum class Reading { Number, NotANumber };

// An unsigned whole number between optional blanks, with an optional "+"; a value beyond
// 32 bits stays above the range rather than wrapping into it.
Reading ReadUnsigned(std::string_view text, std::uint64_t& value) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (i < text.size() && text[i] == '+') {
        ++i;
    }
    std::size_t digits = 0;
    value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
        if (value <= UINT32_MAX) {
            value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        }
    }
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return digits > 0 && i == text.size() ? Reading::Number : Reading::NotANumber;
}

}  // namespace

CKmSoFarDlg::CKmSoFarDlg(std::uint32_t kmSoFar, IClaimHost* host)
    : m_pHost(host), m_strField(std::to_string(kmSoFar)), m_nValue(kmSoFar) {}

const DialogTemplate& CKmSoFarDlg::Template() {
    return kTemplate;
}

int CKmSoFarDlg::FocusControl() const {
    return kIdKmSoFar;
}

bool CKmSoFarDlg::OnOk() {
    std::uint64_t value = 0;
    MessageRequest refusal;
    refusal.caption = "Ferdix";
    refusal.icon = MsgIcon::Exclamation;
    if (ReadUnsigned(m_strField, value) == Reading::NotANumber) {
        refusal.text = "Please enter a positive integer.";
    } else if (value > kMax) {
        refusal.text = "Please enter an integer between 0 and " + std::to_string(kMax) + ".";
    } else {
        m_nValue = static_cast<std::uint32_t>(value);
        return true;
    }
    if (m_pHost) {
        m_pHost->ShowMessage(refusal);
    }
    return false;
}

}  // namespace ferdix
