#include "app/headless.h"

#include <sstream>

#include "app/claim_json.h"
#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/written_standard.h"
#include "claim/claim_file.h"
#include "claim/ferdix_doc.h"

namespace ferdix {

namespace {

// Line ends as the terminal writes them, none at the end. A path in the text is kept as it is.
std::string ForTerminal(std::string_view cp1252) {
    std::string s = MixedToUtf8(cp1252);
    std::erase(s, '\r');
    while (!s.empty() && s.back() == '\n') {
        s.pop_back();
    }
    return s;
}

}  // namespace

// The path is written as given: it is in the terminal's own encoding.
int Fail(std::ostream& err, std::string_view before, const std::string& path,
         std::string_view after) {
    err << "ferdix: " << ForTerminal(before) << path << ForTerminal(after) << '\n';
    return 1;
}

MsgAnswer HeadlessHost::ShowMessage(const MessageRequest& request) {
    m_err << ForTerminal(request.caption) << ": " << ForTerminal(request.text) << '\n';
    return MsgAnswer::Ok;
}

int ReadClaimForCommand(const std::string& path, CFerdixDoc& doc, std::ostream& err) {
    std::string bytes;
    switch (ReadRegularFile(path, bytes)) {
        case ReadFileError::None:
            break;
        case ReadFileError::Missing:
            return Fail(err, "Finner ikke filen «"_cp, path, "»."_cp);
        case ReadFileError::Folder:
            return Fail(err, "«"_cp, path, "» er en mappe, ikke en reiseregning."_cp);
        case ReadFileError::NotRegular:
            return Fail(err, "«"_cp, path,
                        "» er ikke en vanlig fil, og kan ikke være en reiseregning."_cp);
        case ReadFileError::CannotOpen:
            return Fail(err, "Kan ikke åpne filen «"_cp, path, "»."_cp);
        case ReadFileError::CannotRead:
            return Fail(err, "Kan ikke lese filen «"_cp, path, "»."_cp);
    }
    ClaimDamage damage = doc.LoadClaim(bytes);
    if (!damage.Any()) {
        return kExitOk;
    }
    if (IClaimHost* host = doc.Host()) {
        host->ShowMessage(DamagedClaimMessage(doc.Locale().standard, path, damage));
    }
    return kExitDamaged;
}

int RunJsonCommand(const std::string& path, std::ostream& out, std::ostream& err) {
    HeadlessHost host(err);
    CFerdixDoc doc;
    doc.SetHost(&host);
    int rc = ReadClaimForCommand(path, doc, err);
    if (rc == kExitFailed) {
        return rc;
    }
    WriteClaimJson(doc.Claim(), doc.Locale().dateOrder, out);
    out.flush();
    return out ? rc : kExitFailed;
}

std::optional<PdfArguments> ParsePdfArguments(std::span<const std::string> args) {
    PdfArguments parsed;
    if (args.size() == 3) {
        if (args[1] == "--bokmal") {
            parsed.writtenStandard = kBokmal;
        } else if (args[1] == "--nynorsk") {
            parsed.writtenStandard = kNynorsk;
        } else {
            return std::nullopt;
        }
    } else if (args.size() != 2) {
        return std::nullopt;
    }
    parsed.output = args.front();
    parsed.claim = args.back();
    // An option in a file's place is a mistyped command, not a file.
    for (const std::string* name : {&parsed.output, &parsed.claim}) {
        if (name->empty() || name->starts_with("--")) {
            return std::nullopt;
        }
    }
    return parsed;
}

}  // namespace ferdix
