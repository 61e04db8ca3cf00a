// Where the three configuration files are, and the settings read from them at start-up.
// Paths are native file-system paths (UTF-8 on this platform); every text read from a file is
// Windows-1252, and a folder setting is converted when it becomes a path.
#pragma once

#include <string>
#include <string_view>

#include "base/text_convert.h"

namespace ferdix {

class IniDocument;

// Longest texts the readers return.
inline constexpr std::size_t kSettingsReadMax = 119;
inline constexpr std::size_t kProfileReadMax = 118;
inline constexpr std::size_t kFolderSettingMax = 318;
inline constexpr std::size_t kValidityTextMax = 18399;

struct FileLocations {
    std::string programDir;  // with a trailing "/"; empty when the program's path is unknown
    std::string ferdixIni;
    std::string landIni;
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
};

// The path of the running program (from /proc/self/exe); empty when it cannot be found.
std::string ExecutablePath();
// Up to and including the last "/"; empty when there is none.
std::string ProgramDirOf(std::string_view exePath);
// $XDG_CONFIG_HOME/ferdix, else $HOME/.config/ferdix; empty when neither is set.
std::string UserConfigDirFrom(const char* xdgConfigHome, const char* home);
std::string UserConfigDir();

FileLocations LocateFiles(std::string_view exePath, std::string_view userConfigDir);
// The locations for this process.
FileLocations LocateProgramFiles();

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
void ApplyFolderSettings(const IniDocument& ferdixIni, FileLocations& files,
                         ProgramSettings& settings);
void ReadFolderSettings(FileLocations& files, ProgramSettings& settings);

// Nynorsk when the first 4 characters equal those of "Nynorsk", ignoring case.
int WrittenStandardFromSetting(std::string_view text);
// The profile's section Oppsett before ferdix.ini; with no setting anywhere, nynorsk when the
// program file's name without extension ends in "n" or "N".
int DecideStartWrittenStandard(const IniDocument& profile, const IniDocument& ferdixIni,
                               std::string_view programFileName);
int DecideStartWrittenStandard(const FileLocations& files, std::string_view programFileName);

// Day first when the first 4 characters equal "DDMM", ignoring case.
DateOrder DateOrderFromSetting(std::string_view text);
// "Datoformat" of the profile's section Oppsett before ferdix.ini; day first without either.
DateOrder DecideDateOrder(const IniDocument& profile, const IniDocument& ferdixIni);
DateOrder DecideDateOrder(const FileLocations& files);

// SatserGyldigFra of both files, for the About box.
void ReadValidityTexts(const FileLocations& files, ProgramSettings& settings);

}  // namespace ferdix
