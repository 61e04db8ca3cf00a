// The claim document: the claim's data (ClaimData) with its life from new to saved, its title
// and modified mark, and the host and form it tells. Every change compares before it stores; a
// changed value marks the claim modified.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/user_locale.h"
#include "claim/claim_damage.h"
#include "claim/claim_data.h"
#include "claim/claim_host.h"
#include "claim/profile_store.h"
#include "rates/program_settings.h"
#include "rates/run_rates.h"

namespace ferdix {

class CFerdixDoc {
  public:
    // With file locations the country list and then the rate table are loaded; without, both
    // stay empty (tests, and a run that cannot find its files). The document writes to its user
    // in `locale`, the run's, which outlives it; without one (tests, the claim commands) it has
    // its own, bokmål with day-first dates.
    explicit CFerdixDoc(const IClock& clock = DefaultClock(), const FileLocations* files = nullptr);
    CFerdixDoc(UserLocale& locale, const IClock& clock, const FileLocations* files);
    ~CFerdixDoc();
    CFerdixDoc(const CFerdixDoc&) = delete;
    CFerdixDoc& operator=(const CFerdixDoc&) = delete;

    // Seams; both may be absent (then messages, status and form calls do nothing).
    void SetHost(IClaimHost* host) { m_pHost = host; }
    IClaimHost* Host() const { return m_pHost; }
    void SetView(IClaimView* view) { m_pView = view; }
    IClaimView* View() const { return m_pView; }
    const IClock& Clock() const { return *m_pClock; }
    const UserLocale& Locale() const { return m_locale; }
    // The configuration files of the run, or null.
    const FileLocations* Files() const { return m_files ? &*m_files : nullptr; }

    // What the claim holds. It changes only through the operations below.
    const ClaimData& Claim() const { return m_claim; }
    // The run's rates; the rates dialog and the form's rate commands change them in force.
    const RunRates& Rates() const { return m_rates; }
    RunRates& Rates() { return m_rates; }

    // Document state: title (the caption, " *" while modified), path name, modified flag.
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(std::string title);
    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(std::string path) { m_strPathName = std::move(path); }
    // Opened or saved by the framework path: named by its path name, not its title.
    bool OpenedByFramework() const { return m_bOpenedByFramework; }
    void SetOpenedByFramework(bool byFramework) { m_bOpenedByFramework = byFramework; }
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified) { m_bModified = modified; }
    // Sets the flag and keeps the title mark " *" in step with it.
    void SetModified(bool modified);

    // The claim's life: new, open, save, and the question before it is replaced or closed.
    bool OnNewDocument();
    // True when a claim was read in place of the one shown.
    bool OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    // savedTo receives the path the claim was written to, which may differ from path.
    bool SaveClaimToFile(const std::string& path, std::string* savedTo = nullptr);
    // Whether the caller may go on (replace or close the claim).
    bool SaveModified();
    // The path of recent files, the command line and dropped files: asks SaveModified, reads
    // the whole file and names the claim by its path.
    bool OpenDocumentFile(const std::string& path);
    // The save the question before closing offers: where a Save would write when that file is
    // writable, else after a save dialog.
    bool DoFileSave();
    // The full path a Save would write to; empty for an untitled claim.
    std::string SavePath() const;
    // A claim kept from a run that ended without saving it: read from the bytes and named by
    // the path it had (framework style; empty: untitled), and modified, so that nothing in it
    // is taken as saved. Asks nothing.
    void OpenRecoveredClaim(const std::string& bytes, const std::string& oldPath);
    // The claim read from the bytes and put on the form, unmodified; then the messages that
    // storing its values raised are shown. What the file lacked is returned, for the caller to
    // report with the claim's name. Names the claim nothing.
    ClaimDamage LoadClaim(std::string_view bytes);
    // The claim's data replaced whole, as a read replaces it: put on the form, unmodified.
    void ReplaceClaim(ClaimData claim);
    // The claim as the text of a file, read (loading, as LoadClaim, then named by the framework
    // path) or written (storing, with the traveller's profile).
    ClaimDamage Serialize(std::string& buffer, bool storing);
    // The starting folder of the file dialogs ("Standard lagreområde"), empty for none.
    void SetDefaultClaimFolder(std::string folder) { m_strDefaultClaimFolder = std::move(folder); }

    // Trip header.
    void SetConcerns(std::string_view text);
    void SetPurpose(std::string_view text);
    void SetOtherAdditions(std::string_view text);
    void SetAdvancePlace(std::string_view text);
    void SetTripNumber(std::string_view text);
    void SetLodging(std::string_view text);
    void SetRemarks(std::string_view text);
    void SetAbroadDayCountry(std::string_view text);
    void SetAbroadNightCountry1(std::string_view text);
    void SetAbroadNightCountry2(std::string_view text);
    void SetUnverifiedNightCountry1(std::string_view text);
    void SetUnverifiedNightCountry2(std::string_view text);
    void SetUnverifiedNightCountry3(std::string_view text);
    void SetInterimAccount(std::string_view text);
    void SetTTCode(std::string_view text);
    void SetTripKind(int kind);
    void SetTripKindFromText(std::string_view text);
    void SetLodgingKind(int kind);
    void SetOtherTransportCandidate(std::string_view text);
    void RecomputeOtherTransport();
    // Departure and return; bad texts are reported in message boxes.
    void SetDepartureDate(std::string_view text);
    void SetDepartureTime(std::string_view text);
    void SetReturnDate(std::string_view text);
    void SetReturnTime(std::string_view text);

    // A change of the traveller block through one of CTraveller's setters, as in
    // ChangeTraveller(&CTraveller::SetName, text).
    template <typename Arg, typename Value>
    void ChangeTraveller(bool (CTraveller::*set)(Arg), Value&& value) {
        if ((m_claim.m_traveller.*set)(std::forward<Value>(value))) {
            SetModified(true);
        }
    }
    // A new number of more than one character reads that traveller's profile.
    void SetPersonId(std::string_view text);

    // Lines: inserted before the first line that is not earlier; removal hands the line back.
    void AddTravelLine(std::unique_ptr<CTravelLine> line);
    void AddOutlayLine(std::unique_ptr<CExpenseLine> line);
    std::unique_ptr<CTravelLine> RemoveTravelLine(std::size_t index);
    std::unique_ptr<CExpenseLine> RemoveOutlayLine(std::size_t index);

    // Allowance lines.
    void SetLineValue(int line, int column, float value);

    // Status-bar pane 1: "Beløp: " or "Sum: " and the net amount.
    void RefreshStatusSum();
    // The run's written standard, then the status total in it.
    void SetWrittenStandard(int standard);

    // The traveller's section of the profile into the claim and the form; also sets the written
    // standard from it. Nothing without file locations.
    void ReadProfile();
    // The traveller block into its section of the profile; false when it could not be written.
    bool WriteProfile();
    // "Oppstartingsspråk" of the traveller's section, as the written-standard commands keep it.
    bool WriteProfileStartLanguage(int standard);

  private:
    void StoreText(std::string& field, std::string_view text);
    void Changed(bool changed);
    void ShowWarnings(const ClaimWarnings& warnings);
    // The claim just read or replaced onto the form, unmodified.
    void ShowNewClaim();
    bool WriteClaimFile(const std::string& path, bool withNul);
    // The claim file's bytes; the traveller's profile is written beside them, as every save
    // has done.
    std::string ClaimBytes();
    void ShowSaveFailed();
    void ShowOpenFailed(const std::string& path);
    // A claim read from a damaged file is shown as what it is: modified, and told about.
    void ReportDamage(const std::string& path, const ClaimDamage& damage);
    std::optional<std::string> AskPath(bool save);

    UserLocale m_ownLocale;
    UserLocale& m_locale;
    ClaimData m_claim;
    RunRates m_rates;
    const IClock* m_pClock;
    std::optional<FileLocations> m_files;
    CProfileStore m_profiles;
    IClaimHost* m_pHost = nullptr;
    IClaimView* m_pView = nullptr;
    std::string m_strTitle;
    std::string m_strPathName;
    std::string m_strDefaultClaimFolder;
    bool m_bOpenedByFramework = false;
    bool m_bModified = false;
};

// The document's in-force rates into its ferdix.ini.
RatesSaveResult SaveRates(const CFerdixDoc& doc);

}  // namespace ferdix
