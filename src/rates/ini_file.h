// INI files as the Windows private-profile functions see them, because users' ferdix.ini,
// land.ini and reisende.ini were written and edited for that platform. A file is parsed once
// into an IniDocument that answers any number of queries and takes several writes before one
// save. Every text is Windows-1252 bytes; paths are native file-system paths.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ferdix {

// Section and key names match without regard to letter case (ASCII and the Windows-1252
// letters).
std::string FoldIniName(std::string_view name);

enum class IniLoadResult {
    Loaded,
    Missing,     // no such file: reads give defaults, a write creates it
    Unreadable,  // a folder, a device, too large or an I/O error: reads give defaults, a
                 // write fails and leaves it alone
};

class IniDocument {
  public:
    IniDocument() = default;
    explicit IniDocument(std::string_view bytes) { Parse(bytes); }

    // Replaces the contents with the file's; anything but a readable file leaves it empty.
    IniLoadResult Load(const std::string& path);
    IniLoadResult LoadResult() const { return m_loadResult; }

    // The value of the first matching key in the first matching section, trimmed and with one
    // pair of matching quotes removed; nullopt when the section or the key is missing.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    // The value, or def when missing, cut to maxLength bytes.
    std::string GetString(std::string_view section, std::string_view key, std::string_view def = {},
                          std::size_t maxLength = std::string::npos) const;
    bool HasSection(std::string_view section) const;
    // Key names of the first matching section in file order, repeats included.
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Replaces the value of an existing key in place, or adds the key after the last key of
    // its section, or appends the section. CR and LF in any text become blanks, so a value
    // can never break the file into new lines. Every other line stays as it was.
    void SetString(std::string_view section, std::string_view key, std::string_view value);

    // The file's bytes.
    std::string Text() const;

    // Writes the bytes to a temporary file beside the target, then renames it over the target,
    // so the file is either the old one or the new one whole. createFolder makes the target's
    // missing folders first. On failure error (when given) receives a reason.
    bool Save(const std::string& path, std::string* error = nullptr,
              bool createFolder = false) const;

  private:
    struct Line {
        std::string text;
        std::string eol;  // "\r\n", "\n", "\r", or empty for a last line without an end
    };
    struct Key {
        std::string name;  // as written, trimmed
        std::string value;
        std::size_t line;
    };
    struct Section {
        std::size_t header;
        std::vector<Key> keys;
        // Folded name -> index in keys; built for large sections only.
        std::unordered_map<std::string, std::size_t> firstKey;
    };

    void Parse(std::string_view bytes);
    void Reindex();
    const Section* FindSection(std::string_view name) const;
    const Key* FindKey(const Section& s, std::string_view name) const;
    void InsertLine(std::size_t at, std::string text);

    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_firstSection;  // folded name -> index
    IniLoadResult m_loadResult = IniLoadResult::Missing;
};

// The platform-style calls: one file, one value per call.
std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view def, std::size_t maxLength);
bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value, std::string* error = nullptr,
                    bool createFolder = false);

}  // namespace ferdix
