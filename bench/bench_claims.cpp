#include "bench_claims.h"

#include <array>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "base/cp1252.h"
#include "calc/allowance_table.h"
#include "claim/claim_file.h"

namespace ferdix::bench {

namespace {

constexpr std::array<std::string_view, 6> kPlaces = {
    "Oslo S", "Bergen", "Trondheim", "Stavanger", "Tromsø lufthavn"_cp, "Bodø"_cp};
constexpr std::array<std::string_view, 5> kMeans = {"Bil", "Tog", "Fly", "Buss", "Ferje"};

// Spread over one year in date order, several lines a day.
CivilTime DateOf(int i, int count) {
    int k = static_cast<int>(static_cast<long long>(i) * 336 / count);
    return CivilTime{2006, 1 + k / 28, 1 + k % 28, 7 + i % 12, (i * 7) % 60, 0};
}

}  // namespace

void FillClaim(ClaimData& claim, int lines) {
    claim.DestroyAllLines();
    CTraveller& t = claim.m_traveller;
    t.SetName("Kari Nordmann");
    t.SetStreetAddress("Storgata 1");
    t.SetPostTown("Oslo");
    t.SetPosition("Seniorrådgiver"_cp);
    t.SetAgency("Direktoratet");
    claim.m_strPurpose = "Tilsyn og kurs\r\nmed mange reiser";
    claim.m_strRemarks = "Reisen ble forlenget etter avtale.\r\nKvitteringer vedlagt.";
    claim.m_nTripKind = 1;
    claim.m_tDeparture = CivilTime{2006, 1, 1, 7, 30, 0};
    claim.m_bDepartureDateSet = claim.m_bDepartureTimeSet = 1;
    claim.m_tReturn = CivilTime{2006, 12, 28, 18, 0, 0};
    claim.m_bReturnDateSet = claim.m_bReturnTimeSet = 1;
    claim.m_allowance.Set(DayDomesticOver12h, kCountColumn, 12.0f);
    claim.m_allowance.Set(DayDomesticOver12h, kRateColumn, 445.0f);
    claim.m_allowance.Set(CarUpTo9000, kRateColumn, 3.65f);
    claim.m_allowance.Set(CarOver9000, kRateColumn, 3.0f);
    claim.m_allowance.Set(Advance, kAmountColumn, 5000.0f);

    int legs = (lines + 1) / 2;
    int outlays = lines - legs;
    claim.m_travelLines.reserve(static_cast<std::size_t>(legs));
    for (int i = 0; i < legs; ++i) {
        auto line = std::make_unique<CTravelLine>();
        CivilTime date = DateOf(i, legs);
        line->m_tDate = date;
        line->m_bStartTimeSet = 1;
        line->m_tArrival = date.WithTime(date.hour + 2, date.minute, 0);
        line->SetText(std::string(kPlaces[static_cast<std::size_t>(i) % kPlaces.size()]));
        line->SetTo(std::string(kPlaces[static_cast<std::size_t>(i + 1) % kPlaces.size()]));
        std::string_view means = kMeans[static_cast<std::size_t>(i) % kMeans.size()];
        line->SetTransport(std::string(means));
        line->SetKm(10 + i % 490);
        if (means == "Bil") {
            line->SetCurrency("NOK");
        } else if (i % 7 == 0) {
            line->SetCurrency("EUR");
            line->SetForeignAmount(static_cast<float>(20 + i % 300));
            line->SetRate(8.5f);
        } else {
            line->SetCurrency("NOK");
            line->SetAmount(static_cast<float>(150 + i % 1200) + 0.5f);
        }
        claim.m_travelLines.push_back(std::move(line));
    }
    claim.m_outlayLines.reserve(static_cast<std::size_t>(outlays));
    for (int i = 0; i < outlays; ++i) {
        auto line = std::make_unique<CExpenseLine>();
        line->m_tDate = DateOf(i, outlays).WithTime(0, 0, 0);
        line->SetText(i % 3 == 0 ? "Hotell, 1 natt" : "Bompenger og parkering");
        if (i % 5 == 0) {
            line->SetCurrency("SEK");
            line->SetForeignAmount(static_cast<float>(100 + i % 900));
            line->SetRate(80.0f);
        } else {
            line->SetCurrency("NOK");
            line->SetAmount(static_cast<float>(40 + i % 1500) + 0.25f);
        }
        claim.m_outlayLines.push_back(std::move(line));
    }
}

void FillClaim(CFerdixDoc& doc, int lines) {
    ClaimData claim = doc.Claim();
    FillClaim(claim, lines);
    doc.ReplaceClaim(std::move(claim));
}

std::string ClaimText(int lines) {
    ClaimData claim;
    FillClaim(claim, lines);
    std::ostringstream out;
    WriteClaim(claim, DateOrder::DayFirst, DefaultClock().Now(), out);
    return out.str();
}

std::string ClaimText(int lines, const std::string& remarks) {
    ClaimData claim;
    FillClaim(claim, lines);
    claim.m_strRemarks = remarks;
    std::ostringstream out;
    WriteClaim(claim, DateOrder::DayFirst, DefaultClock().Now(), out);
    return out.str();
}

std::string LongRemarks(std::size_t bytes, bool words) {
    if (!words) {
        return std::string(bytes, 'x');
    }
    std::string text;
    text.reserve(bytes + 64);
    for (int i = 0; text.size() < bytes; ++i) {
        text += "Merknad nummer " + std::to_string(i) + " om reisen og utleggene.";
        text += i % 8 == 7 ? "\r\n" : " ";
    }
    text.resize(bytes);
    return text;
}

}  // namespace ferdix::bench
