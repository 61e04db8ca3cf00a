// The claim document: one travel expense claim, everything the form shows and the claim file
// stores. Every setter compares before it stores; a changed value marks the claim modified.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/civil_time.h"
#include "base/clock.h"
#include "calc/allowance_table.h"
#include "claim/claim_damage.h"
#include "claim/claim_host.h"
#include "claim/expense_line.h"
#include "claim/traveller.h"
#include "rates/countries.h"
#include "rates/program_settings.h"
#include "rates/rate_table.h"

namespace ferdix {

class CFerdixDoc {
  public:
    // With file locations the country list and then the rate table are loaded; without, both
    // stay empty (tests, and a run that cannot find its files).
    explicit CFerdixDoc(const IClock& clock = DefaultClock(), const FileLocations* files = nullptr);
    ~CFerdixDoc();
    CFerdixDoc(const CFerdixDoc&) = delete;
    CFerdixDoc& operator=(const CFerdixDoc&) = delete;

    // Seams; both may be absent (then messages, status and form calls do nothing).
    void SetHost(IClaimHost* host) { m_pHost = host; }
    IClaimHost* Host() const { return m_pHost; }
    void SetView(IClaimView* view) { m_pView = view; }
    IClaimView* View() const { return m_pView; }
    const IClock& Clock() const { return *m_pClock; }
    // The configuration files of the run, or null.
    const FileLocations* Files() const { return m_files ? &*m_files : nullptr; }

    // Document state: title (the caption, " *" while modified), path name, modified flag.
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(std::string title);
    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(std::string path) { m_strPathName = std::move(path); }
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
    // The claim as the text of a file, read (loading; what the file lacked is returned) or
    // written (storing).
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

    // 0, 1 and 2 only.
    void SetTripKind(int kind);
    // "Kurs" 0; "Tjenestereise" or "Tenestereise" 1; anything else 2.
    void SetTripKindFromText(std::string_view text);
    std::string TripKindText() const;
    int TripKind() const { return m_nTripKind; }
    // 0, 1, 2 as given; anything else 3 (no lodging).
    void SetLodgingKind(int kind);
    int LodgingKind() const { return m_nLodgingKind; }

    // Stores a means of transport that begins with none of the common ones.
    void SetOtherTransportCandidate(std::string_view text);
    // The last uncommon means of the travel lines, or empty.
    void RecomputeOtherTransport();

    // Departure and return; bad texts are reported in message boxes.
    void SetDepartureDate(std::string_view text, DateReading reading = DateReading::Typed);
    void SetDepartureTime(std::string_view text);
    void SetReturnDate(std::string_view text, DateReading reading = DateReading::Typed);
    void SetReturnTime(std::string_view text);
    std::string DepartureDateText() const;
    std::string DepartureTimeText() const;
    std::string ReturnDateText() const;
    std::string ReturnTimeText() const;

    const std::string& Concerns() const { return m_strConcerns; }
    const std::string& Purpose() const { return m_strPurpose; }
    const std::string& OtherAdditions() const { return m_strOtherAdditions; }
    const std::string& OtherDeductions() const { return m_strOtherDeductions; }
    const std::string& AdvancePlace() const { return m_strAdvancePlace; }
    const std::string& TripNumber() const { return m_strTripNumber; }
    const std::string& Lodging() const { return m_strLodging; }
    const std::string& Remarks() const { return m_strRemarks; }
    const std::string& OtherTransport() const { return m_strOtherTransport; }
    const std::string& AbroadDayCountry() const { return m_strAbroadDayCountry; }
    const std::string& AbroadNightCountry1() const { return m_strAbroadNightCountry1; }
    const std::string& AbroadNightCountry2() const { return m_strAbroadNightCountry2; }
    const std::string& UnverifiedNightCountry1() const { return m_strUnverifiedNightCountry1; }
    const std::string& UnverifiedNightCountry2() const { return m_strUnverifiedNightCountry2; }
    const std::string& UnverifiedNightCountry3() const { return m_strUnverifiedNightCountry3; }
    const std::string& InterimAccount() const { return m_strInterimAccount; }
    const std::string& TTCode() const { return m_strTTCode; }
    const std::string& GetPersonId() const { return m_traveller.PersonId(); }

    CTraveller& Traveller() { return m_traveller; }
    const CTraveller& Traveller() const { return m_traveller; }

    // True when line 13 or 14 (the abroad unverified nights) has an amount above 0.
    bool HasUnverifiedNightAbroad() const;

    // Lines: inserted before the first line that is not earlier; removal hands the line back.
    void AddTravelLine(std::unique_ptr<CTravelLine> line);
    void AddOutlayLine(std::unique_ptr<CExpenseLine> line);
    std::unique_ptr<CTravelLine> RemoveTravelLine(std::size_t index);
    std::unique_ptr<CExpenseLine> RemoveOutlayLine(std::size_t index);
    CTravelLine* GetTravelLine(std::size_t index) const;
    CExpenseLine* GetOutlayLine(std::size_t index) const;
    void DestroyAllLines();

    // Allowance lines.
    void SetLineValue(int line, int column, float value);
    float LineValue(int line, int column) const { return m_allowance.Value(line, column); }
    std::string LineValueText(int line, int column) const {
        return m_allowance.ValueText(line, column);
    }
    const AllowanceTable& Allowances() const { return m_allowance; }
    double GrossAllowances() const { return m_allowance.GrossAllowances(); }
    double DeductionsTotal() const { return m_allowance.DeductionsTotal(); }
    float AdvanceAmount() const { return m_allowance.AdvanceAmount(); }
    // Running single-precision sums in list order.
    float OutlaysSum() const;
    float TravelSum() const;
    float NetAmount() const;

    // Status-bar pane 1: "Beløp: " or "Sum: " and the net amount.
    void RefreshStatusSum();
    void SetWrittenStandard(int standard);

    // The traveller's section of the profile into the claim and the form; also sets the written
    // standard from it. Nothing without file locations.
    void ReadProfile();
    // The traveller block into its section of the profile; false when it could not be written.
    bool WriteProfile();
    // "Oppstartingsspråk" of the traveller's section, as the written-standard commands keep it.
    bool WriteProfileStartLanguage(int standard);

    // Fields, in the claim's own order. Public for the claim file, which stores values as read;
    // everything else changes them through the setters above.
    bool m_bOpenedByFramework = false;
    std::string m_strLodging;
    int m_nLodgingKind = 0;
    CTraveller m_traveller;
    int m_nTripKind = 0;
    std::string m_strConcerns;
    std::string m_strPurpose;
    std::vector<std::unique_ptr<CTravelLine>> m_travelLines;
    std::vector<std::unique_ptr<CExpenseLine>> m_outlayLines;
    std::vector<CountryRate> m_countries;
    std::string m_strAbroadRatesFrom;
    std::string m_strRatesFrom;
    AllowanceTable m_allowance;
    std::string m_strRemarks;
    std::string m_strOtherAdditions;
    std::string m_strOtherDeductions;
    CivilTime m_tDeparture = kNoDate;
    CivilTime m_tReturn = kNoDate;
    std::string m_strOtherTransport;
    std::string m_strAdvancePlace;
    std::string m_strAbroadDayCountry;
    std::string m_strAbroadNightCountry1;
    std::string m_strAbroadNightCountry2;
    std::string m_strUnverifiedNightCountry1;
    std::string m_strUnverifiedNightCountry2;
    std::string m_strUnverifiedNightCountry3;
    std::string m_strSpare;
    std::string m_strTripNumber;
    int m_bDepartureDateSet = 0;
    int m_bReturnDateSet = 0;
    int m_bDepartureTimeSet = 0;
    int m_bReturnTimeSet = 0;
    std::string m_strTTCode;
    std::string m_strInterimAccount;
    // The run's rates: loaded once with the document, kept by New and Open.
    RateTable m_rates;

  private:
    void StoreText(std::string& field, std::string_view text);
    void ShowWarning(std::string_view caption, std::string_view text);
    void SetDate(CivilTime& value, int& dateSet, int& timeSet, std::string_view text,
                 std::string_view caption, DateReading reading);
    void SetTime(CivilTime& value, int& timeSet, std::string_view text,
                 std::string_view noDateText);
    void ResetForNewClaim();
    bool WriteClaimFile(const std::string& path, bool withNul);
    void ShowSaveFailed();
    void ShowOpenFailed(const std::string& path);
    // A claim read from a damaged file is shown as what it is: modified, and told about.
    void ReportDamage(const std::string& path, const ClaimDamage& damage);
    std::optional<std::string> AskPath(bool save);

    const IClock* m_pClock;
    std::optional<FileLocations> m_files;
    IClaimHost* m_pHost = nullptr;
    IClaimView* m_pView = nullptr;
    std::string m_strTitle;
    std::string m_strPathName;
    std::string m_strDefaultClaimFolder;
    bool m_bModified = false;
};

// The rates and the domestic validity text into the document, from its ferdix.ini; nothing
// without file locations.
void LoadRates(CFerdixDoc& doc);
// The document's in-force rates into its ferdix.ini.
RatesSaveResult SaveRates(const CFerdixDoc& doc);
// The document's country list and abroad validity text, from its land.ini; nothing without
// file locations.
void LoadCountries(CFerdixDoc& doc);

// Sums over the claim's travel lines.
std::int64_t CarKilometres(const CFerdixDoc& doc);
std::int64_t OtherVehicleKilometres(const CFerdixDoc& doc);

}  // namespace ferdix
