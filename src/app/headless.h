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

// The exit codes of the headless commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;   // the claim cannot be read, or the output written
inline constexpr int kExitUsage = 2;    // the arguments do not fit
inline constexpr int kExitDamaged = 3;  // read, but the file is damaged: what it held is used

// "ferdix: " and the message about the file on err, as one line; returns kExitFailed.
// The texts are Windows-1252, the path is written as given.
int Fail(std::ostream& err, std::string_view before, const std::string& path,
         std::string_view after);

// Reads the claim at path into the document for a command: kExitOk when it was read whole,
// kExitDamaged (with the window's message about what the file lacked, through the document's
// host) when it was read but is damaged, kExitFailed (with a message on err) when the file is
// missing, a folder, no regular file, or cannot be opened or read.
int ReadClaimForCommand(const std::string& path, CFerdixDoc& doc, std::ostream& err);

// The claim at path as JSON on out, also when it is damaged; the exit code is
// ReadClaimForCommand's, or kExitFailed when out cannot be written.
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
