// The entry rows above the travel list and the outlay list: the fields a line is typed into, its
// live conversion, "Registrer", and a line taken back from its list for editing.
#pragma once

#include <string>
#include <string_view>

#include "claim/expense_line.h"
#include "form/form_controls.h"

namespace ferdix {

class CFerdixDoc;

// A typed date as the form shows it, day first; empty for a text that gives no date.
std::string DayFirstDateOf(std::string_view text, DateOrder order);

class CEntryRows {
  public:
    CEntryRows(CFerdixDoc& doc, IFormControls& controls);

    // Every entry field empty, both currencies kroner.
    void Clear();
    void FillTravelList();
    void FillOutlayList();
    // The entry rows as their currency boxes say: a kroner code takes the kroner sum, never a
    // foreign amount or rate. Run wherever the boxes get their text other than by typing.
    void ShowKronerEntries();

    // Each returns false for a control that is not of the entry rows. `moveFocus` is false
    // while the edit in progress is handed over: the focus then stays where it is.
    bool OnChange(int id);
    bool OnLeave(int id, bool moveFocus);
    bool OnSelChange(int id);

    // "Registrer": the line into its list. A registered leg leaves the row to the next leg
    // only after the car kilometres are split again.
    void RegisterTravelLine();
    void StartNextTravelLine();
    void RegisterOutlayLine();
    // The selected line out of its list into the entry row; false without a selection.
    bool TakeBackTravelLine();
    bool TakeBackOutlayLine();

    const CTravelLine& TravelEntry() const { return m_travel; }
    const CExpenseLine& OutlayEntry() const { return m_outlay; }

  private:
    // moveFocus: on leaving the box, on to the field the code takes.
    void OutlayCurrencyChanged(bool moveFocus);
    void TravelCurrencyLeft(bool moveFocus);
    void TransportLeft();
    // Amount and rate take typing for a foreign currency, the kroner sum for kroner.
    void EnableTravelAmounts(bool foreign, bool kroner);
    // A car leg is paid by the kilometre: no sum, no currency.
    void DisableCarAmounts();
    // The claim-list position of the first selected row, -1 without a selection.
    int SelectedLinePosition(int list) const;

    CFerdixDoc& m_doc;
    IFormControls& m_controls;
    CTravelLine m_travel;
    CExpenseLine m_outlay;
};

}  // namespace ferdix
