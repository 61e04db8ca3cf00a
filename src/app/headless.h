// The headless command line `ferdix --json CLAIM.tur`: reads a claim file without a display and
// writes it as JSON.
#pragma once

#include <ostream>
#include <string>

#include "claim/claim_host.h"

namespace ferdix {

// Writes each message box to a stream as its caption and text (UTF-8) and goes on as the GUI
// does after OK.
class HeadlessHost final : public IClaimHost {
  public:
    explicit HeadlessHost(std::ostream& err) : m_err(err) {}

    MsgAnswer ShowMessage(const MessageRequest& request) override;
    bool HasMainWindow() const override { return false; }
    void SetStatusTotal(const std::string&) override {}

  private:
    std::ostream& m_err;
};

// The claim at path as JSON on out. 0 when the claim was read; 1, with a message on err, when
// the file cannot be opened or read.
int RunJsonCommand(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace ferdix
