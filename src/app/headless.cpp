#include "app/headless.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/claim_json.h"
#include "base/cp1252.h"
#include "base/text_convert.h"
#include "claim/claim_file.h"
#include "claim/ferdix_doc.h"

namespace ferdix {

namespace {

// Line ends as the terminal writes them, none at the end.
std::string ForTerminal(std::string_view cp1252) {
    std::string s = Cp1252ToUtf8(cp1252);
    std::erase(s, '\r');
    while (!s.empty() && s.back() == '\n') {
        s.pop_back();
    }
    return s;
}

// The path is written as given: it is in the terminal's own encoding.
int Fail(std::ostream& err, std::string_view before, const std::string& path,
         std::string_view after) {
    err << "ferdix: " << ForTerminal(before) << path << ForTerminal(after) << '\n';
    return 1;
}

}  // namespace

MsgAnswer HeadlessHost::ShowMessage(const MessageRequest& request) {
    m_err << ForTerminal(request.caption) << ": " << ForTerminal(request.text) << '\n';
    return MsgAnswer::Ok;
}

int RunJsonCommand(const std::string& path, std::ostream& out, std::ostream& err) {
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        return Fail(err, "Finner ikke filen «"_cp, path, "»."_cp);
    }
    if (std::filesystem::is_directory(status)) {
        return Fail(err, "«"_cp, path, "» er en mappe, ikke en reiseregning."_cp);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Fail(err, "Kan ikke åpne filen «"_cp, path, "»."_cp);
    }

    HeadlessHost host(err);
    CFerdixDoc doc;
    doc.SetHost(&host);
    ReadClaim(doc, in);
    if (in.bad()) {
        return Fail(err, "Kan ikke lese filen «"_cp, path, "»."_cp);
    }
    std::ostringstream json;
    WriteClaimJson(doc, json);
    out << json.str();
    out.flush();
    return out ? 0 : 1;
}

}  // namespace ferdix
