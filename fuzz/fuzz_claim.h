// What the claim-reading fuzz targets share: a document that answers every message box and
// reads a claim from bytes.
#pragma once

#include <cstddef>
#include <sstream>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/user_locale.h"
#include "claim/claim_file.h"
#include "claim/claim_host.h"
#include "claim/ferdix_doc.h"

namespace ferdix::fuzz {

class QuietHost final : public IClaimHost {
  public:
    MsgAnswer ShowMessage(const MessageRequest&) override { return MsgAnswer::Ok; }
    void SetStatusTotal(const std::string&) override {}
};

// A claim read from bytes, with its own clock, host and locale; no rate files, no profile.
class ReadDocument {
  public:
    explicit ReadDocument(std::string_view bytes, UserLocale userLocale = {})
        : locale(userLocale), doc(locale, clock, nullptr) {
        doc.SetHost(&host);
        damage = doc.LoadClaim(bytes);
    }

    std::string Written() {
        std::ostringstream out;
        WriteClaim(doc.Claim(), locale.dateOrder, clock.Now(), out);
        return out.str();
    }

    UserLocale locale;
    FixedClock clock{CivilTime{2006, 3, 14, 9, 0, 0}};
    QuietHost host;
    CFerdixDoc doc;
    ClaimDamage damage;
};

}  // namespace ferdix::fuzz
