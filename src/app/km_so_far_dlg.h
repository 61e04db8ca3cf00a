// The kilometres-so-far dialog ("Km hittil i år"): the traveller's kilometres driven earlier in
// the year, a whole number from 0 to 65535. The widget shows this model and forwards the user's
// typing and buttons; "Avbryt" and the close box end it without a figure.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/dialog_template.h"

namespace ferdix {

class IClaimHost;

class CKmSoFarDlg {
  public:
    static constexpr std::uint32_t kMax = 65535;

    // host shows the refusals; null shows nothing.
    CKmSoFarDlg(std::uint32_t kmSoFar, IClaimHost* host);

    static const DialogTemplate& Template();

    // The text of field 1238; the widget passes every edit in.
    const std::string& FieldText() const { return m_strField; }
    void SetFieldText(std::string_view text) { m_strField.assign(text); }
    // The field: focused at opening and after a refusal, with its text selected.
    int FocusControl() const;

    // OK: true when the field holds a whole number from 0 to 65535, which Value() then gives;
    // otherwise the refusal has been shown and the dialog stays open.
    bool OnOk();
    std::uint32_t Value() const { return m_nValue; }

  private:
    IClaimHost* m_pHost;
    std::string m_strField;
    std::uint32_t m_nValue;
};

}  // namespace ferdix
