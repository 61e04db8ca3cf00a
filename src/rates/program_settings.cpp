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

std::string SameFolder(const std::string& path) {
    return fs::path(path).lexically_normal().string();
}

// The user's own path first, then the shared ones; a file named twice is read once.
std::vector<std::string> LookupOrder(const std::string& own,
                                     const std::vector<std::string>& shared) {
    std::vector<std::string> paths;
    std::vector<std::string> seen;
    auto add = [&](const std::string& path) {
        if (path.empty()) {
            return;
        }
        std::string normal = SameFolder(path);
        for (const std::string& s : seen) {
            if (s == normal) {
                return;
            }
        }
        seen.push_back(normal);
        paths.push_back(path);
    };
    add(own);
    for (const std::string& p : shared) {
        add(p);
    }
    return paths;
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

std::vector<std::string> SystemConfigDirsFrom(const char* xdgConfigDirs) {
    std::vector<std::string> dirs;
    std::string_view list = xdgConfigDirs && *xdgConfigDirs ? xdgConfigDirs : "/etc/xdg";
    while (!list.empty()) {
        std::size_t colon = list.find(':');
        std::string_view entry = list.substr(0, colon);
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        // Relative entries are to be ignored.
        if (!entry.empty() && entry.front() == '/') {
            std::string dir(entry);
            while (dir.size() > 1 && dir.back() == '/') {
                dir.pop_back();
            }
            dirs.push_back((dir == "/" ? std::string() : dir) + "/ferdix");
        }
    }
    dirs.push_back("/etc/ferdix");
    return dirs;
}

std::vector<std::string> SystemConfigDirs() {
    return SystemConfigDirsFrom(std::getenv("XDG_CONFIG_DIRS"));
}

FileLocations LocateFiles(std::string_view exePath, std::string_view userConfigDir,
                          const std::vector<std::string>& systemConfigDirs) {
    FileLocations f;
    f.programDir = ProgramDirOf(exePath);
    f.userConfigDir = std::string(userConfigDir);
    if (!f.userConfigDir.empty()) {
        f.ferdixIni = f.userConfigDir + "/ferdix.ini";
        f.landIni = f.userConfigDir + "/land.ini";
        f.profile = f.userConfigDir + "/reisende.ini";
    }
    for (const std::string& dir : systemConfigDirs) {
        if (!dir.empty()) {
            f.sharedFerdixIni.push_back((fs::path(dir) / "ferdix.ini").string());
            f.sharedLandIni.push_back((fs::path(dir) / "land.ini").string());
        }
    }
    if (!f.programDir.empty()) {
        f.sharedFerdixIni.push_back(f.programDir + "ferdix.ini");
        f.sharedLandIni.push_back(f.programDir + "land.ini");
    }
    // A program placed in one of the folders before it is read once, in its first place.
    std::vector<std::string> ferdixOrder = LookupOrder(f.ferdixIni, f.sharedFerdixIni);
    std::vector<std::string> landOrder = LookupOrder(f.landIni, f.sharedLandIni);
    std::size_t skip = f.ferdixIni.empty() ? 0 : 1;
    f.sharedFerdixIni.assign(ferdixOrder.begin() + static_cast<std::ptrdiff_t>(skip),
                             ferdixOrder.end());
    f.sharedLandIni.assign(landOrder.begin() + static_cast<std::ptrdiff_t>(skip), landOrder.end());
    return f;
}

FileLocations LocateProgramFiles() {
    return LocateFiles(ExecutablePath(), UserConfigDir(), SystemConfigDirs());
}

IniLayers LoadFerdixIni(const FileLocations& files) {
    return IniLayers(LookupOrder(files.ferdixIni, files.sharedFerdixIni));
}

IniLayers LoadLandIni(const FileLocations& files) {
    return IniLayers(LookupOrder(files.landIni, files.sharedLandIni));
}

std::vector<std::string> FilesInForce(const IniLayers& layers) {
    std::vector<std::string> paths;
    for (const IniLayers::Layer& l : layers.Layers()) {
        if (l.doc.LoadResult() == IniLoadResult::Loaded) {
            paths.push_back(l.path);
        }
    }
    return paths;
}

namespace {

void NoticeFiles(int standard, const IniLayers& layers, std::string& text) {
    auto paragraph = [&](const std::string& p) {
        if (!text.empty()) {
            text += "\n\n";
        }
        text += p;
    };
    for (const IniLayers::Layer& l : layers.Layers()) {
        const std::string& shown = l.path;
        if (l.doc.LoadResult() == IniLoadResult::Unreadable) {
            paragraph(std::string(ByStandard(standard, "Filen ", "Fila ")) + shown +
                      std::string(ByStandard(
                          standard,
                          " finnes, men kan ikke leses. Verdiene hentes fra de neste filene i "
                          "stedet.",
                          " finst, men kan ikkje lesast. Verdiane blir henta frå dei neste "
                          "filene i staden."_cp)));
        }
        for (const std::string& section : l.doc.RepeatedSections()) {
            paragraph(std::string(ByStandard(standard, "Filen ", "Fila ")) + shown +
                      std::string(ByStandard(standard, " har avsnittet [", " har bolken [")) +
                      section +
                      std::string(ByStandard(
                          standard,
                          "] mer enn én gang. Bare det første leses; verdier som bare står i "
                          "de andre, gjelder ikke. Slå sammen avsnittene for å bruke dem."_cp,
                          "] meir enn éin gong. Berre den første blir lesen; verdiar som berre "
                          "står i dei andre, gjeld ikkje. Slå saman bolkane for å bruke dei."_cp)));
        }
    }
}

}  // namespace

std::string ConfigurationNoticeText(int standard, const IniLayers& ferdixIni,
                                    const IniLayers& landIni) {
    std::string text;
    NoticeFiles(standard, ferdixIni, text);
    NoticeFiles(standard, landIni, text);
    return text;
}

std::string ReadSetting(const FileLocations& files, std::string_view section, std::string_view key,
                        std::string_view def) {
    return LoadFerdixIni(files).GetString(section, key, def, kSettingsReadMax);
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

void ApplyFolderSettings(const IniReader& ferdixIni, FileLocations& files,
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
    ApplyFolderSettings(LoadFerdixIni(files), files, settings);
}

int WrittenStandardFromSetting(std::string_view text) {
    return StartsWithNoCase(text, "nyno") ? kNynorsk : kBokmal;
}

int DecideStartWrittenStandard(const IniReader& profile, const IniReader& ferdixIni,
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
    return DecideStartWrittenStandard(LoadIni(files.profile), LoadFerdixIni(files),
                                      programFileName);
}

DateOrder DateOrderFromSetting(std::string_view text) {
    return StartsWithNoCase(text, "ddmm") ? DateOrder::DayFirst : DateOrder::YearFirst;
}

DateOrder DecideDateOrder(const IniReader& profile, const IniReader& ferdixIni) {
    std::string text = profile.GetString(kOppsett, kDateFormatKey, "", kProfileReadMax);
    if (text.empty()) {
        text = ferdixIni.GetString(kOppsett, kDateFormatKey, "", kSettingsReadMax);
    }
    return text.empty() ? DateOrder::DayFirst : DateOrderFromSetting(text);
}

DateOrder DecideDateOrder(const FileLocations& files) {
    return DecideDateOrder(LoadIni(files.profile), LoadFerdixIni(files));
}

UserLocale DecideStartLocale(const FileLocations& files, std::string_view programFileName) {
    return UserLocale{DecideStartWrittenStandard(files, programFileName), DecideDateOrder(files)};
}

void ReadValidityTexts(const FileLocations& files, ProgramSettings& settings) {
    IniLayers land = LoadLandIni(files);
    IniLayers ferdix = LoadFerdixIni(files);
    settings.abroadRatesFrom =
        land.GetString("Informasjon", "SatserGyldigFra", "", kValidityTextMax);
    settings.ratesFrom = ferdix.GetString("Informasjon", "SatserGyldigFra", "", kValidityTextMax);
    settings.landIniInForce = FilesInForce(land);
    settings.ferdixIniInForce = FilesInForce(ferdix);
}

}  // namespace ferdix
