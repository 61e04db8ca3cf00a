#include "claim/expense_line.h"

#include "base/text_convert.h"
#include "rates/currencies.h"

namespace ferdix {

void CExpenseLine::SetDate(std::string_view text, DateOrder order) {
    DateParts d;
    m_tDate = ParseDate(text, d, order) ? CivilTime{d.year, d.month, d.day, 0, 0, 0} : kNoDate;
}

void CExpenseLine::SetForeignAmount(float value) {
    m_fForeignAmount = value;
    RecomputeAmount();
}

void CExpenseLine::SetRate(float value) {
    m_fRate = value;
    RecomputeAmount();
}

void CExpenseLine::RecomputeAmount() {
    double product = CurrencyFactor(m_strCurrency) * static_cast<double>(m_fRate) *
                     static_cast<double>(m_fForeignAmount);
    SetAmount(static_cast<float>(product));
}

std::string CExpenseLine::DateText(DateOrder order) const {
    // A leg with a start time but no date keeps kNoDate's day; it has no date all the same.
    return IsNoDateDay(m_tDate) ? std::string() : FormatDate(m_tDate, order);
}

std::string CExpenseLine::DateTextPadded(DateOrder order) const {
    return IsNoDateDay(m_tDate) ? std::string(8, ' ') : FormatDate(m_tDate, order);
}

std::string CExpenseLine::ForeignAmountText() const {
    return FormatAmount(m_fForeignAmount, true);
}
std::string CExpenseLine::RateText() const {
    return FormatAmount(m_fRate, true);
}
std::string CExpenseLine::AmountText() const {
    return FormatAmount(m_fAmount, true);
}

void CTravelLine::SetStartTime(std::string_view text) {
    int h = 0, m = 0;
    if (ParseTime(text, h, m)) {
        m_tDate = m_tDate.WithTime(h, m, 0);
        m_bStartTimeSet = 1;
    } else {
        m_bStartTimeSet = 0;
    }
}

void CTravelLine::SetArrivalTime(std::string_view text) {
    int h = 0, m = 0;
    m_tArrival = ParseTime(text, h, m) ? m_tArrival.WithTime(h, m, 0) : kNoDate;
}

void CTravelLine::SetKmFromText(std::string_view text) {
    m_nKm = TextToInt(text);
}

std::string CTravelLine::StartTimeText(bool padded) const {
    if (m_tDate == kNoDate || !m_bStartTimeSet) {
        return padded ? std::string(5, ' ') : std::string();
    }
    return FormatTime(m_tDate);
}

std::string CTravelLine::ArrivalTimeText(bool padded) const {
    if (m_tArrival == kNoDate) {
        return padded ? std::string(5, ' ') : std::string();
    }
    return FormatTime(m_tArrival);
}

std::string CTravelLine::KmText() const {
    return UIntToText(m_nKm);
}

}  // namespace ferdix
