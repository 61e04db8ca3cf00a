// The headless command lines: `ferdix --json CLAIM.tur` writes a claim file as JSON, `ferdix
// --pdf OUT.pdf CLAIM.tur` its printed form as a PDF; neither needs a display.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "claim/claim_host.h"
#include "claim/ferdix_doc.h"

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

// "ferdix: " and the message about the file on err, as one line; returns the exit code 1.
// The texts are Windows-1252, the path is written as given.
int Fail(std::ostream& err, std::string_view before, const std::string& path,
         std::string_view after);

// Reads the claim at path into the document for a command; 0 when it was read, 1 (with a
// message on err) when the file is missing, a folder, or cannot be opened or read.
int ReadClaimForCommand(const std::string& path, CFerdixDoc& doc, std::ostream& err);

// The claim at path as JSON on out. 0 when the claim was read; 1, with a message on err, when
// the file cannot be opened or read.
int RunJsonCommand(const std::string& path, std::ostream& out, std::ostream& err);

struct PdfArguments {
    std::string output;
    std::string claim;
    int writtenStandard = 0;  // 0: as the program decides at start
};

// The arguments after "--pdf": OUT.pdf [--bokmal | --nynorsk] CLAIM.tur; nothing when they
// do not fit.
std::optional<PdfArguments> ParsePdfArguments(std::span<const std::string> args);

inline constexpr const char* kPdfUsage =
    "Bruk: ferdix --pdf UT.pdf [--bokmal | --nynorsk] REISEREGNING.tur";

}  // namespace ferdix
