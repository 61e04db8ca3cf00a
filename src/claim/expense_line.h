// The two kinds of claim line: an outlay (CExpenseLine) and a leg of the journey
// (CTravelLine), which extends it.
#pragma once

#include <string>
#include <string_view>

#include "base/civil_time.h"
#include "base/text_convert.h"
#include "rates/currencies.h"

namespace ferdix {

class CExpenseLine {
  public:
    CExpenseLine() = default;
    virtual ~CExpenseLine() = default;
    CExpenseLine(const CExpenseLine&) = default;
    CExpenseLine& operator=(const CExpenseLine&) = default;

    // A valid date gives that day at 00:00:00, anything else kNoDate.
    void SetDate(std::string_view text, DateOrder order);
    void SetText(std::string text) { m_strText = std::move(text); }
    void SetCurrency(std::string code) { m_strCurrency = std::move(code); }
    // Both recompute the amount in kroner from factor, rate and foreign amount.
    void SetForeignAmount(float value);
    void SetRate(float value);
    virtual void SetAmount(float value) { m_fAmount = value; }

    const CivilTime& Date() const { return m_tDate; }
    const std::string& Text() const { return m_strText; }
    const std::string& Currency() const { return m_strCurrency; }
    float ForeignAmount() const { return m_fForeignAmount; }
    float Rate() const { return m_fRate; }
    float Amount() const { return m_fAmount; }

    // Empty for a line without date, else FormatDate.
    std::string DateText(DateOrder order) const;
    // Eight blanks for a line without date (list columns).
    std::string DateTextPadded(DateOrder order) const;
    std::string ForeignAmountText() const;
    std::string RateText() const;
    std::string AmountText() const;

    // Public for the claim file, which stores values as read.
    CivilTime m_tDate = kNoDate;
    std::string m_strText;
    std::string m_strCurrency;
    float m_fForeignAmount = 0.0f;
    float m_fRate = 0.0f;
    float m_fAmount = 0.0f;

  private:
    void RecomputeAmount();
};

class CTravelLine final : public CExpenseLine {
  public:
    // A valid time sets the hour and minute of the date field and the departure-time flag; an
    // invalid one clears the flag and leaves the date.
    void SetStartTime(std::string_view text);
    // A valid time gives the current arrival value's date at that time; else kNoDate.
    void SetArrivalTime(std::string_view text);
    void SetTo(std::string text) { m_strTo = std::move(text); }
    void SetTransport(std::string text) { m_strTransport = std::move(text); }
    void SetKm(int km) { m_nKm = km; }
    // Its decimal prefix, 0 when there is none.
    void SetKmFromText(std::string_view text);

    const CivilTime& ArrivalTime() const { return m_tArrival; }
    const std::string& To() const { return m_strTo; }
    const std::string& Transport() const { return m_strTransport; }
    int Km() const { return m_nKm; }
    bool HasStartTime() const { return m_bStartTimeSet != 0; }

    // Empty (or five blanks with padded) when there is no date or no time was entered.
    std::string StartTimeText(bool padded = false) const;
    std::string ArrivalTimeText(bool padded = false) const;
    std::string KmText() const;

    CivilTime m_tArrival = kNoDate;
    std::string m_strTo;
    std::string m_strTransport;
    int m_nKm = 0;
    int m_bStartTimeSet = 0;
};

}  // namespace ferdix
