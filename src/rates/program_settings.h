// Where the configuration files are, and the settings read from them at start-up. ferdix.ini
// and land.ini are looked up key by key: the user's own file first, then each system folder's,
// then the file beside the program. Paths are native file-system paths (UTF-8 on this
// platform); every text read from a file is Windows-1252, and a folder setting is converted
// when it becomes a path.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/text_convert.h"
#include "base/user_locale.h"
#include "rates/ini_file.h"

namespace ferdix {

// Longest texts the readers return.
inline constexpr std::size_t kSettingsReadMax = 119;
inline constexpr std::size_t kProfileReadMax = 118;
inline constexpr std::size_t kFolderSettingMax = 318;
inline constexpr std::size_t kValidityTextMax = 18399;

struct FileLocations {
    std::string programDir;  // with a trailing "/"; empty when the program's path is unknown
    // The user's own files, read first; the rates dialog writes ferdixIni. Empty without a
    // per-user folder.
    std::string ferdixIni;
    std::string landIni;
    // Read after the user's own, in this order: each system folder's file, then the one beside
    // the program. Never written.
    std::vector<std::string> sharedFerdixIni;
    std::vector<std::string> sharedLandIni;
    std::string profile;
    // The per-user folder that holds the profile unless "Standard personområde" says
    // otherwise; created when the profile is first written there.
    std::string userConfigDir;
};

struct ProgramSettings {
    bool hasDefaultClaimFolder = false;
    std::string defaultClaimFolder;  // path
    bool hasProfileFolder = false;
    std::string profilePath;      // path
    std::string ratesFrom;        // domestic validity text
    std::string abroadRatesFrom;  // abroad validity text, whole
    // The ferdix.ini and land.ini files that were read, in lookup order.
    std::vector<std::string> ferdixIniInForce;
    std::vector<std::string> landIniInForce;
};

// The path of the running program (from /proc/self/exe); empty when it cannot be found.
std::string ExecutablePath();
// Up to and including the last "/"; empty when there is none.
std::string ProgramDirOf(std::string_view exePath);
// $XDG_CONFIG_HOME/ferdix, else $HOME/.config/ferdix; empty when neither is set.
std::string UserConfigDirFrom(const char* xdgConfigHome, const char* home);
std::string UserConfigDir();
// Each absolute folder of $XDG_CONFIG_DIRS (else /etc/xdg) + "/ferdix", then /etc/ferdix, where
// the package puts the office's files.
std::vector<std::string> SystemConfigDirsFrom(const char* xdgConfigDirs);
std::vector<std::string> SystemConfigDirs();

// The system folders are looked in after the user's folder and before the program's own; a
// folder named twice is read once.
FileLocations LocateFiles(std::string_view exePath, std::string_view userConfigDir,
                          const std::vector<std::string>& systemConfigDirs = {});
// The locations for this process.
FileLocations LocateProgramFiles();

// Every ferdix.ini and land.ini in lookup order, loaded.
IniLayers LoadFerdixIni(const FileLocations& files);
IniLayers LoadLandIni(const FileLocations& files);
// The files that were read: those that exist and could be read.
std::vector<std::string> FilesInForce(const IniLayers& layers);

// What a start-up says once about the configuration files: a file that exists but cannot be
// read (its keys come from the next file), and a section that a file holds twice (only the
// first is read), in the given written standard. Empty when there is nothing to say.
std::string ConfigurationNoticeText(int standard, const IniLayers& ferdixIni,
                                    const IniLayers& landIni);

// The readers cut to kSettingsReadMax and kProfileReadMax; the writers report success.
std::string ReadSetting(const FileLocations& files, std::string_view section, std::string_view key,
                        std::string_view def = {});
bool WriteSetting(const FileLocations& files, std::string_view section, std::string_view key,
                  std::string_view value, std::string* error = nullptr);
std::string ReadProfileString(const FileLocations& files, std::string_view section,
                              std::string_view key, std::string_view def = {});
bool WriteProfileString(const FileLocations& files, std::string_view section, std::string_view key,
                        std::string_view value, std::string* error = nullptr);
// Saves a loaded profile document, making the per-user folder first when the profile lives
// there.
bool SaveProfile(const FileLocations& files, const IniDocument& profile,
                 std::string* error = nullptr);

// "Standard lagreområde" and "Standard personområde" of section Oppsett; the second moves the
// profile to that folder + "/reisende.ini".
void ApplyFolderSettings(const IniReader& ferdixIni, FileLocations& files,
                         ProgramSettings& settings);
void ReadFolderSettings(FileLocations& files, ProgramSettings& settings);

// Nynorsk when the first 4 characters equal those of "Nynorsk", ignoring case.
int WrittenStandardFromSetting(std::string_view text);
// The profile's section Oppsett before ferdix.ini; with no setting anywhere, nynorsk when the
// program file's name without extension ends in "n" or "N".
int DecideStartWrittenStandard(const IniReader& profile, const IniReader& ferdixIni,
                               std::string_view programFileName);
int DecideStartWrittenStandard(const FileLocations& files, std::string_view programFileName);

// Day first when the first 4 characters equal "DDMM", ignoring case.
DateOrder DateOrderFromSetting(std::string_view text);
// "Datoformat" of the profile's section Oppsett before ferdix.ini; day first without either.
DateOrder DecideDateOrder(const IniReader& profile, const IniReader& ferdixIni);
DateOrder DecideDateOrder(const FileLocations& files);
// Both, as a run starts.
UserLocale DecideStartLocale(const FileLocations& files, std::string_view programFileName);

// SatserGyldigFra of both files and the files in force, for the About box.
void ReadValidityTexts(const FileLocations& files, ProgramSettings& settings);

}  // namespace ferdix
