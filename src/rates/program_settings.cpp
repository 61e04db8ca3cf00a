#include "rates/program_settings.h"

#include "base/text_convert.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "rates/ini_file.h"

namespace ferdix {

namespace fs = std::filesystem;

namespace {

bool ProfileInUserConfigDir(const FileLocations& files) {
    return !files.userConfigDir.empty() &&
           fs::path(files.profile).parent_path().lexically_normal() ==
               fs::path(files.userConfigDir).lexically_normal();
}

IniDocument LoadIni(const std::string& path) {
    IniDocument doc;
    doc.Load(path);
    return doc;
}

constexpr std::string_view kOppsett = "Oppsett";
constexpr std::string_view kStartLanguageKey = "Oppstartingsspråk"_cp;
constexpr std::string_view kStartLanguageKey2 = "Oppstartsspråk"_cp;
constexpr std::string_view kDateFormatKey = "Datoformat";

}  // namespace

std::string ExecutablePath() {
    std::error_code ec;
    fs::path p = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

std::string ProgramDirOf(std::string_view exePath) {
    std::size_t slash = exePath.rfind('/');
    return slash == std::string_view::npos ? std::string()
                                           : std::string(exePath.substr(0, slash + 1));
}

std::string UserConfigDirFrom(const char* xdgConfigHome, const char* home) {
    // A relative XDG_CONFIG_HOME is to be ignored.
    if (xdgConfigHome && xdgConfigHome[0] == '/') {
        return std::string(xdgConfigHome) + "/ferdix";
    }
    if (home && home[0] != '\0') {
        return std::string(home) + "/.config/ferdix";
    }
    return {};
}

std::string UserConfigDir() {
    return UserConfigDirFrom(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

FileLocations LocateFiles(std::string_view exePath, std::string_view userConfigDir) {
    FileLocations f;
    f.programDir = ProgramDirOf(exePath);
    if (!f.programDir.empty()) {
        f.ferdixIni = f.programDir + "ferdix.ini";
        f.landIni = f.programDir + "land.ini";
    }
    f.userConfigDir = std::string(userConfigDir);
    if (!f.userConfigDir.empty()) {
        f.profile = f.userConfigDir + "/reisende.ini";
    }
    return f;
}

FileLocations LocateProgramFiles() {
    return LocateFiles(ExecutablePath(), UserConfigDir());
}

std::string ReadSetting(const FileLocations& files, std::string_view section, std::string_view key,
                        std::string_view def) {
    return ReadIniString(files.ferdixIni, section, key, def, kSettingsReadMax);
}

bool WriteSetting(const FileLocations& files, std::string_view section, std::string_view key,
                  std::string_view value, std::string* error) {
    return WriteIniString(files.ferdixIni, section, key, value, error);
}

std::string ReadProfileString(const FileLocations& files, std::string_view section,
                              std::string_view key, std::string_view def) {
    return ReadIniString(files.profile, section, key, def, kProfileReadMax);
}

bool WriteProfileString(const FileLocations& files, std::string_view section, std::string_view key,
                        std::string_view value, std::string* error) {
    return WriteIniString(files.profile, section, key, value, error, ProfileInUserConfigDir(files));
}

bool SaveProfile(const FileLocations& files, const IniDocument& profile, std::string* error) {
    if (profile.LoadResult() == IniLoadResult::Unreadable) {
        if (error) {
            *error = "kan ikke lese " + files.profile;
        }
        return false;
    }
    return profile.Save(files.profile, error, ProfileInUserConfigDir(files));
}

void ApplyFolderSettings(const IniDocument& ferdixIni, FileLocations& files,
                         ProgramSettings& settings) {
    std::string claims =
        ferdixIni.GetString(kOppsett, "Standard lagreområde"_cp, "", kFolderSettingMax);
    if (!claims.empty()) {
        settings.hasDefaultClaimFolder = true;
        settings.defaultClaimFolder = Cp1252ToUtf8(claims);
    }
    std::string person =
        ferdixIni.GetString(kOppsett, "Standard personområde"_cp, "", kFolderSettingMax);
    if (!person.empty()) {
        settings.hasProfileFolder = true;
        settings.profilePath = Cp1252ToUtf8(person) + "/reisende.ini";
        files.profile = settings.profilePath;
    }
}

void ReadFolderSettings(FileLocations& files, ProgramSettings& settings) {
    ApplyFolderSettings(LoadIni(files.ferdixIni), files, settings);
}

int WrittenStandardFromSetting(std::string_view text) {
    return StartsWithNoCase(text, "nyno") ? kNynorsk : kBokmal;
}

int DecideStartWrittenStandard(const IniDocument& profile, const IniDocument& ferdixIni,
                               std::string_view programFileName) {
    for (std::string text :
         {profile.GetString(kOppsett, kStartLanguageKey, "", kProfileReadMax),
          ferdixIni.GetString(kOppsett, kStartLanguageKey, "", kSettingsReadMax),
          ferdixIni.GetString(kOppsett, kStartLanguageKey2, "", kSettingsReadMax)}) {
        if (!text.empty()) {
            return WrittenStandardFromSetting(text);
        }
    }
    std::string stem = fs::path(programFileName).stem().string();
    return !stem.empty() && (stem.back() == 'n' || stem.back() == 'N') ? kNynorsk : kBokmal;
}

int DecideStartWrittenStandard(const FileLocations& files, std::string_view programFileName) {
    return DecideStartWrittenStandard(LoadIni(files.profile), LoadIni(files.ferdixIni),
                                      programFileName);
}

DateOrder DateOrderFromSetting(std::string_view text) {
    return StartsWithNoCase(text, "ddmm") ? DateOrder::DayFirst : DateOrder::YearFirst;
}

DateOrder DecideDateOrder(const IniDocument& profile, const IniDocument& ferdixIni) {
    std::string text = profile.GetString(kOppsett, kDateFormatKey, "", kProfileReadMax);
    if (text.empty()) {
        text = ferdixIni.GetString(kOppsett, kDateFormatKey, "", kSettingsReadMax);
    }
    return text.empty() ? DateOrder::DayFirst : DateOrderFromSetting(text);
}

DateOrder DecideDateOrder(const FileLocations& files) {
    return DecideDateOrder(LoadIni(files.profile), LoadIni(files.ferdixIni));
}

void ReadValidityTexts(const FileLocations& files, ProgramSettings& settings) {
    settings.abroadRatesFrom =
        LoadIni(files.landIni).GetString("Informasjon", "SatserGyldigFra", "", kValidityTextMax);
    settings.ratesFrom =
        LoadIni(files.ferdixIni).GetString("Informasjon", "SatserGyldigFra", "", kValidityTextMax);
}

}  // namespace ferdix
