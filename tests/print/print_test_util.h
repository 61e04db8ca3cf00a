// Claims to print and a print run on the recording surface, for the print tests.
#pragma once

#include <memory>
#include <string>

#include "base/written_standard.h"
#include "claim/ferdix_doc.h"
#include "print/print_job.h"
#include "support/recording_surface.h"

namespace ferdix::test {

inline std::unique_ptr<CTravelLine> TravelLine(std::string from, std::string transport, int km,
                                               float amount) {
    auto line = std::make_unique<CTravelLine>();
    line->SetDate("05.03.06", DateOrder::DayFirst);
    line->SetStartTime("07:30");
    line->SetArrivalTime("09:15");
    line->SetText(std::move(from));
    line->SetTo("Bergen");
    line->SetTransport(std::move(transport));
    line->SetKm(km);
    line->SetCurrency("NOK");
    line->SetAmount(amount);
    return line;
}

inline std::unique_ptr<CExpenseLine> Outlay(std::string text, float amount) {
    auto line = std::make_unique<CExpenseLine>();
    line->SetDate("06.03.06", DateOrder::DayFirst);
    line->SetText(std::move(text));
    line->SetCurrency("NOK");
    line->SetAmount(amount);
    return line;
}

// The document's claim changed as data, past its setters (as a read would).
template <typename Edit>
void EditClaim(CFerdixDoc& doc, Edit edit) {
    ClaimData claim = doc.Claim();
    edit(claim);
    doc.ReplaceClaim(std::move(claim));
}

// Lines in the order given, without the ordered insertion of the claim.
inline void AppendTravelLines(CFerdixDoc& doc, int count) {
    EditClaim(doc, [&](ClaimData& claim) {
        for (int i = 0; i < count; ++i) {
            claim.m_travelLines.push_back(TravelLine("Sted " + std::to_string(i), "Tog", 0, 10.0f));
        }
    });
}

inline void AppendOutlays(CFerdixDoc& doc, int count) {
    EditClaim(doc, [&](ClaimData& claim) {
        for (int i = 0; i < count; ++i) {
            claim.m_outlayLines.push_back(Outlay("Utlegg " + std::to_string(i), 1.0f));
        }
    });
}

inline int PrintClaim(const CFerdixDoc& doc, RecordingSurface& surface, int standard = kBokmal,
                      std::string writtenDate = "01.04.2006") {
    CPrintJob job(doc, standard, std::move(writtenDate));
    return PrintAll(job, surface);
}

}  // namespace ferdix::test
