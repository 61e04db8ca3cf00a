// The rates dialog ("Satser"): a few rates of the rate table changed for the run, and written to
// ferdix.ini when it ends with "Ferdig". The widget shows this model and forwards the user's
// picks, typing and buttons.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialog_template.h"

namespace ferdix {

class CFerdixDoc;
class CFerdixView;

class CRatesDlg {
  public:
    // ownerView: the form whose rate fields follow a change, or null.
    CRatesDlg(CFerdixDoc& doc, CFerdixView* ownerView);

    static const DialogTemplate& Template();
    // The nine names in their fixed order; only four are keys of the rate table.
    static std::span<const std::string_view> Names();

    // The names as list 1240 shows them: sorted, ignoring letter case.
    std::vector<std::string> ListItems() const;
    int InitialFocus() const;

    // A name picked in the list: its in-force rate goes to the value field, which keeps its
    // text for a name without a rate.
    void OnSelChange(std::string_view name);
    const std::string& Selection() const { return m_strSelection; }
    // The text of value field 1200; the widget passes every edit in.
    const std::string& ValueText() const { return m_strValue; }
    void SetValueText(std::string_view text) { m_strValue.assign(text); }

    // "Endre" (and Enter): the field's value becomes the in-force rate of every entry with the
    // selected key, on the form and its allowance line at once. Nothing without a selection.
    void OnChange();

  private:
    CFerdixDoc& m_doc;
    CFerdixView* m_pView;
    std::string m_strSelection;
    std::string m_strValue;
};

}  // namespace ferdix
