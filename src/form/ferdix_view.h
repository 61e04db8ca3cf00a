// The form view: every field of the form bound to one value of the claim, the entry rows of the
// two line lists, and the form's commands. It works on any IFormControls (the Qt widgets, or the
// in-memory set in tests) and receives their events through IFormEvents.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "claim/claim_host.h"
#include "claim/expense_line.h"
#include "form/entry_rows.h"
#include "form/form_controls.h"

namespace ferdix {

class CFerdixDoc;
struct BoundField;

// What the form asks of the application shell.
class IViewHost {
  public:
    virtual ~IViewHost() = default;
    // The "Km hittil i år" dialog: the new figure, or nothing on Cancel.
    virtual std::optional<std::uint32_t> AskKmSoFar(std::uint32_t current) = 0;
};

// Command ids handled by the form.
enum FormCommand : int {
    kCmdCut = 57635,
    kCmdCopy = 57634,
    kCmdPaste = 57637,
    kCmdEditTravelLine = 32777,
    kCmdEditOutlayLine = 32778,
    kCmdKmSoFar = 32779,
    kCmdRegisterPerson = 32786,
    kCmdScrollDown = 32788,
    kCmdScrollUp = 32789,
    kCmdUpdateRates = 32799,
    kCmdBokmal = 32773,
    kCmdNynorsk = 32775,
    kCmdNynorskToolbar = 32792,
    kCmdBokmalToolbar = 32793,
};

class CFerdixView final : public IFormEvents, public IClaimView {
  public:
    CFerdixView(CFerdixDoc& doc, IFormControls& controls, IViewHost* host = nullptr);

    // IClaimView
    // First showing of the form for a new or opened claim.
    void InitialiseForm() override;
    void ClearForm() override;
    void RefreshForm() override;
    void SetLoading(bool loading) override { m_bLoading = loading; }
    void HandOverFocus() override;
    void HandOverTextInProgress() override;
    void ShowTravellerField(TravellerField field, const std::string& text) override;
    // Puts a text into the form's field with this control id (the rates dialog).
    void SetFieldText(int controlId, const std::string& text);
    void RecomputeMileageRows() override;
    void RelabelForm() override;

    // IFormEvents
    void OnChange(int id) override;
    void OnLeave(int id) override;
    void OnClick(int id) override;
    void OnSelChange(int id) override;
    void OnDoubleClick(int id) override;

    // Commands; Execute returns false for an id the form does not handle.
    bool Execute(int command);
    bool IsCommandEnabled(int command) const;
    bool IsCommandChecked(int command) const;

    void SplitCarKilometres();
    void UpdateRates();
    void ShowMealRates();
    void RegisterPersonDetails();
    void EditKmSoFar();
    void SwitchWrittenStandard(int standard);

    bool IsLoading() const { return m_bLoading; }
    int Overnight() const { return m_nOvernight; }
    // The lines being typed in the entry rows, with the currency they convert by.
    const CTravelLine& TravelEntry() const { return m_entries.TravelEntry(); }
    const CExpenseLine& OutlayEntry() const { return m_entries.OutlayEntry(); }

  private:
    void FillLists();
    void SetColumns();
    void RefreshGridLine(int line);
    void RefreshCarFields();
    void SplitCarKilometres(std::int64_t carKm);
    void RegisterTravelLine();
    void TakeBackTravelLine();
    void ShowLineValue(int field, int line, int column);
    void WriteRateField(int field, float value);
    bool BindGridChange(int id);
    void StoreField(const BoundField& field, bool inProgress);
    void PickCountry(int id);
    void ScrollPage(int direction);

    CFerdixDoc& m_doc;
    IFormControls& m_controls;
    IViewHost* m_pHost;
    bool m_bLoading = false;
    bool m_bHandingOver = false;  // a leave that stores the edit while the focus stays
    int m_nTypedIn = 0;           // the focused field, once its text changed; 0 after it was left
    bool m_bFilling = false;      // clearing or refreshing: the fields show no edit of the user
    int m_nOvernight = 1;
    CEntryRows m_entries;
};

}  // namespace ferdix
