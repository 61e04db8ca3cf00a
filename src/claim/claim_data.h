// The claim's data: everything the claim file stores and the printed form shows. A value: the
// reader fills it, the writer and printing read it, tests build it, and copying it copies its
// lines. It knows nothing of a title, a modified mark, a host or a form; the document wraps it
// and marks the claim modified when one of the changes below reports a change.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/civil_time.h"
#include "base/text_convert.h"
#include "calc/allowance_table.h"
#include "claim/expense_line.h"
#include "claim/messages.h"
#include "claim/traveller.h"

namespace ferdix {

// What storing a text found wrong, as message boxes in the order they arose.
using ClaimWarnings = std::vector<MessageRequest>;

struct ClaimData {
    ClaimData() = default;
    ClaimData(const ClaimData& other);
    ClaimData& operator=(const ClaimData& other);
    ClaimData(ClaimData&&) noexcept = default;
    ClaimData& operator=(ClaimData&&) noexcept = default;
    ~ClaimData() = default;

    // The claim of New: a business trip with hotel lodging, nothing else.
    void Reset();

    // Each change returns whether it changed the claim.
    bool SetText(std::string& field, std::string_view text);
    // 0, 1 and 2 only.
    bool SetTripKind(int kind);
    // "Kurs" 0; "Tjenestereise" or "Tenestereise" 1; anything else 2.
    bool SetTripKindFromText(std::string_view text);
    // 0, 1, 2 as given; anything else 3 (no lodging).
    bool SetLodgingKind(int kind);
    // Stores a means of transport that begins with none of the common ones.
    bool SetOtherTransportCandidate(std::string_view text);
    // The last uncommon means of the travel lines, or empty; true when one was stored.
    bool RecomputeOtherTransport();
    // A text that gives no date or time is reported in warnings, as typing it would be.
    bool SetDepartureDate(std::string_view text, DateOrder order, ClaimWarnings& warnings);
    bool SetDepartureTime(std::string_view text, ClaimWarnings& warnings);
    bool SetReturnDate(std::string_view text, DateOrder order, ClaimWarnings& warnings);
    bool SetReturnTime(std::string_view text, ClaimWarnings& warnings);
    bool SetLineValue(int line, int column, float value) {
        return m_allowance.Set(line, column, value);
    }
    // Inserted before the first line that is not earlier; removal hands the line back.
    void AddTravelLine(std::unique_ptr<CTravelLine> line);
    void AddOutlayLine(std::unique_ptr<CExpenseLine> line);
    std::unique_ptr<CTravelLine> RemoveTravelLine(std::size_t index);
    std::unique_ptr<CExpenseLine> RemoveOutlayLine(std::size_t index);
    void DestroyAllLines();

    std::string TripKindText() const;
    int TripKind() const { return m_nTripKind; }
    int LodgingKind() const { return m_nLodgingKind; }
    std::string DepartureDateText(DateOrder order) const;
    std::string DepartureTimeText() const;
    std::string ReturnDateText(DateOrder order) const;
    std::string ReturnTimeText() const;

    const std::string& Concerns() const { return m_strConcerns; }
    const std::string& Purpose() const { return m_strPurpose; }
    const std::string& OtherAdditions() const { return m_strOtherAdditions; }
    const std::string& OtherDeductions() const { return m_strOtherDeductions; }
    const std::string& AdvancePlace() const { return m_strAdvancePlace; }
    const std::string& TripNumber() const { return m_strTripNumber; }
    const std::string& Lodging() const { return m_strLodging; }
    const std::string& Remarks() const { return m_strRemarks; }
    const std::string& OtherTransport() const { return m_strOtherTransport; }
    const std::string& AbroadDayCountry() const { return m_strAbroadDayCountry; }
    const std::string& AbroadNightCountry1() const { return m_strAbroadNightCountry1; }
    const std::string& AbroadNightCountry2() const { return m_strAbroadNightCountry2; }
    const std::string& UnverifiedNightCountry1() const { return m_strUnverifiedNightCountry1; }
    const std::string& UnverifiedNightCountry2() const { return m_strUnverifiedNightCountry2; }
    const std::string& UnverifiedNightCountry3() const { return m_strUnverifiedNightCountry3; }
    const std::string& InterimAccount() const { return m_strInterimAccount; }
    const std::string& TTCode() const { return m_strTTCode; }
    const std::string& GetPersonId() const { return m_traveller.PersonId(); }
    const CTraveller& Traveller() const { return m_traveller; }

    // True when line 13 or 14 (the abroad unverified nights) has an amount above 0.
    bool HasUnverifiedNightAbroad() const;

    const CTravelLine* GetTravelLine(std::size_t index) const;
    const CExpenseLine* GetOutlayLine(std::size_t index) const;

    float LineValue(int line, int column) const { return m_allowance.Value(line, column); }
    std::string LineValueText(int line, int column) const {
        return m_allowance.ValueText(line, column);
    }
    const AllowanceTable& Allowances() const { return m_allowance; }
    double GrossAllowances() const { return m_allowance.GrossAllowances(); }
    double DeductionsTotal() const { return m_allowance.DeductionsTotal(); }
    float AdvanceAmount() const { return m_allowance.AdvanceAmount(); }
    // Running single-precision sums in list order.
    float OutlaysSum() const;
    float TravelSum() const;
    float NetAmount() const;

    // Fields, in the claim's own order.
    std::string m_strLodging;
    int m_nLodgingKind = 0;
    CTraveller m_traveller;
    int m_nTripKind = 0;
    std::string m_strConcerns;
    std::string m_strPurpose;
    std::vector<std::unique_ptr<CTravelLine>> m_travelLines;
    std::vector<std::unique_ptr<CExpenseLine>> m_outlayLines;
    AllowanceTable m_allowance;
    std::string m_strRemarks;
    std::string m_strOtherAdditions;
    std::string m_strOtherDeductions;
    CivilTime m_tDeparture = kNoDate;
    CivilTime m_tReturn = kNoDate;
    std::string m_strOtherTransport;
    std::string m_strAdvancePlace;
    std::string m_strAbroadDayCountry;
    std::string m_strAbroadNightCountry1;
    std::string m_strAbroadNightCountry2;
    std::string m_strUnverifiedNightCountry1;
    std::string m_strUnverifiedNightCountry2;
    std::string m_strUnverifiedNightCountry3;
    std::string m_strSpare;
    std::string m_strTripNumber;
    int m_bDepartureDateSet = 0;
    int m_bReturnDateSet = 0;
    int m_bDepartureTimeSet = 0;
    int m_bReturnTimeSet = 0;
    std::string m_strTTCode;
    std::string m_strInterimAccount;
};

// Sums over the claim's travel lines.
std::int64_t CarKilometres(const ClaimData& claim);
std::int64_t OtherVehicleKilometres(const ClaimData& claim);

}  // namespace ferdix
